#include "custom_file.h"

#include "field_reader.h"
#include "number_text.h"
#include "text_file.h"

namespace wtn {

namespace {

constexpr std::size_t kDummyLineIndex = 4; // line 5

} // namespace

CustomTable read_custom_file(const std::string& work_dir) {
    const std::string path = join_path(work_dir, kCustomFileName);
    const auto lines = read_text_file(path);
    // Lines 1 to 4, then line 5 read whole and dropped, then lines 6 on.
    const std::size_t head = std::min(lines.size(), kDummyLineIndex);
    FieldReader first({lines.begin(), lines.begin() + head}, path, 1);
    CustomTable t;
    t.wall_friction = first.real("1行目");
    t.wall_angle = first.real("2行目");
    t.clay_collapse_normal = first.real("3行目");
    t.clay_collapse_seismic = first.real("4行目");
    if (lines.size() <= kDummyLineIndex)
        throw DataError("ファイル「" + path + "」が途中で終わっています（5行目）。");
    FieldReader in({lines.begin() + kDummyLineIndex + 1, lines.end()}, path, kDummyLineIndex + 2);
    t.niken_crown_sw = in.integer("6行目");
    t.niken_rwl_sw = in.integer("7行目");
    t.niken_front_sw = in.integer("8行目");
    t.ground_dummy_length = in.real("9行目");
    t.consolidation_factor = in.real("10行目");
    t.pile_tip_sw = in.integer("11行目");
    t.element_pitch = in.real("12行目");
    t.corroded_section_sw = in.integer("13行目");
    t.corroded_disp_sw = in.integer("14行目");
    t.corroded_digits = in.integer("15行目");
    t.chang_numerator = in.real("16行目");
    t.koken_moment_sw = in.integer("17行目");
    t.apparent_round_sw = in.integer("18行目");
    t.qu_denominator = in.at_end() ? 0.0 : in.real("19行目");
    t.sindo_round_sw = in.at_end() ? 0 : in.integer("20行目");
    return t;
}

std::vector<std::string> custom_file_lines(const CustomTable& t) {
    return {
        real_text(t.wall_friction, "δ"),
        real_text(t.wall_angle, "ψ"),
        real_text(t.clay_collapse_normal, "ζ"),
        real_text(t.clay_collapse_seismic, "ζ"),
        kCustomDummyLine,
        integer_text(t.niken_crown_sw),
        integer_text(t.niken_rwl_sw),
        integer_text(t.niken_front_sw),
        real_text(t.ground_dummy_length, "地表面形状ダミー長さ"),
        real_text(t.consolidation_factor, "圧密平衡係数"),
        integer_text(t.pile_tip_sw),
        real_text(t.element_pitch, "分割ピッチ"),
        integer_text(t.corroded_section_sw),
        integer_text(t.corroded_disp_sw),
        integer_text(t.corroded_digits),
        real_text(t.chang_numerator, "根入れ長算定式の分子"),
        integer_text(t.koken_moment_sw),
        integer_text(t.apparent_round_sw),
        real_text(t.qu_denominator, "quの式の分母"),
        integer_text(t.sindo_round_sw),
    };
}

void write_custom_file(const CustomTable& table, const std::string& work_dir) {
    write_text_file(join_path(work_dir, kCustomFileName), custom_file_lines(table));
}

} // namespace wtn
