#include "tide_level_switches.h"

#include "error_messages.h"
#include "wall_codes.h"

#include <string>

namespace wtn {

bool tide_level_examined(const InputRecord& input, int level) {
    return input.wavsw.examine[static_cast<std::size_t>(level)] == YesNo::Yes;
}

void check_tide_level_switches(const InputRecord& input) {
    for (int level = 0; level < kTideLevelCount; ++level) {
        const YesNo value = input.wavsw.examine[static_cast<std::size_t>(level)];
        if (is_listed(value)) continue;
        stop_with_error(std::string("(ERROR)-入力データ(wavsw)の") + kTideLevelNames[level] +
                        "の検討スイッチ(" + std::to_string(to_file_value(value)) +
                        ")は 1(検討する) か 2(検討しない) でなければなりません.");
    }
}

} // namespace wtn
