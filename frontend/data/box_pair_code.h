// Two check boxes that the calculation input carries as one code: the load
// cases of the completed state (normal, seismic: "swdat" item 6) and the
// studies (completed state, construction stage: "swdat" item 13).
#pragma once

#include "screen_codes.h"

namespace wtn {

enum class BoxPair : int { Neither = 0, FirstOnly = 1, SecondOnly = 2, Both = 3 };

inline constexpr int box_pair_code(int first_box, int second_box) {
    const bool first = box_checked(first_box);
    const bool second = box_checked(second_box);
    const BoxPair pair = first && second ? BoxPair::Both
                         : first         ? BoxPair::FirstOnly
                         : second        ? BoxPair::SecondOnly
                                         : BoxPair::Neither;
    return static_cast<int>(pair);
}

// The two boxes of a code; a code outside the list clears both.
inline constexpr void boxes_from_pair_code(int code, int& first_box, int& second_box) {
    const auto pair = static_cast<BoxPair>(code);
    first_box = box_value(pair == BoxPair::FirstOnly || pair == BoxPair::Both);
    second_box = box_value(pair == BoxPair::SecondOnly || pair == BoxPair::Both);
}

} // namespace wtn
