#include "customisation.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "text_lines.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace wtn {

CustomisationValues read_customisation() {
    CFile file = open_file(kCustomisationFileName, "rt");
    if (!file) stop_with_error(ErrorCode::CustomisationOpen);

    std::array<std::string, kCustomisationLinesRead> lines;
    LineReader reader(file.get());
    for (std::string& line : lines) {
        if (!reader.next(line)) break;
    }
    const auto real = [&lines](int number) {
        const double value = text_to_real(lines[static_cast<std::size_t>(number - 1)]);
        if (!std::isfinite(value)) {
            stop_with_error("(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の" +
                            std::to_string(number) + "行目の数値が読めません.");
        }
        return value;
    };
    const auto integer = [&lines](int number) {
        return text_to_integer(lines[static_cast<std::size_t>(number - 1)]);
    };

    CustomisationValues v;
    v.wall_friction_angle = real(1);
    v.wall_angle = real(2);
    v.clay_failure_angle_normal = real(3);
    v.clay_failure_angle_seismic = real(4);
    v.apparent_crown_rule = integer(6);
    v.apparent_land_depth_rule = integer(7);
    v.apparent_sea_depth_rule = integer(8);
    v.ground_dummy_length = real(9);
    v.consolidation_factor = real(10);
    v.pile_tip_condition = integer(11);
    v.division_pitch = real(12);
    v.corroded_section_rule = integer(13);
    v.chang_displacement_rule = integer(14);
    v.steel_significant_digits = integer(15);
    v.chang_embedment_numerator = real(16);
    v.koken_sea_moment_rule = integer(17);
    v.apparent_rounding_rule = integer(18);
    v.qu_denominator = real(19);

    // The transfer-matrix methods cut each layer into thickness / pitch
    // elements; a pitch of 0 or less would divide by zero or never end.
    if (v.division_pitch <= 0.0) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", v.division_pitch);
        stop_with_error("(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の多層地盤の分割ピッチ(" +
                        std::string(text) + ")は 0.0 より大きい値にして下さい.");
    }
    return v;
}

} // namespace wtn
