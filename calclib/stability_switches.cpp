#include "stability_switches.h"

#include "cp932_codec.h"
#include "error_messages.h"
#include "format_values.h"
#include "wall_codes.h"

namespace wtn {

namespace {

constexpr const char* kFixedTideLabels[] = {"H.H.W.L.", " H.W.L. ", " L.W.L. "};

} // namespace

CheckSwitches check_switches(int decision_code) {
    const std::string digits = format_text("%03d", decision_code);
    return {digits[0] == '1', digits[1] == '1', digits[2] == '1'};
}

void check_embedment_method(EmbedmentMethod method) {
    if (!is_listed(method)) {
        stop_with_error("(ERROR)-根入れ長の計算方法(" + std::to_string(to_file_value(method)) +
                        ")は 1 から 5 のいずれかにして下さい.");
    }
}

std::string fitted_tide_name(const std::string& name) {
    return name.substr(0, cp932_fit(name, kTideLabelRoom - 1));
}

std::string tide_level_label(const InputRecord& input, int level) {
    if (level == kTideUser) return fitted_tide_name(input.wavsw.user_tide_name);
    return kFixedTideLabels[level];
}

} // namespace wtn
