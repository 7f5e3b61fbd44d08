// Test inputs: the examine or draw switches of the five tide-level rooms
// written as the file carries them (1 yes, 2 no; any other number is kept).
#pragma once

#include "input_record.h"

#include <array>
#include <cstddef>

namespace wtn {

inline std::array<YesNo, kTideLevelRoom>
yes_no_codes(const std::array<int, kTideLevelRoom>& values) {
    std::array<YesNo, kTideLevelRoom> codes{};
    for (std::size_t i = 0; i < values.size(); ++i)
        codes[i] = from_file_value<YesNo>(values[i]);
    return codes;
}

} // namespace wtn
