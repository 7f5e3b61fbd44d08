// The two tables of wave data per tide level: one for Goda's formula, one
// for the Kuroda / Hiroi (Morihira) formulas. A column belongs to each tide
// level; a level that is not examined shows dashes, since the calculation
// does not use its values.
#include "check_list_sections.h"
#include "list_lines.h"

#include <functional>

namespace wtn {

namespace {

constexpr const char* kLevelColumns =
    "                         H.H.W.L.   H.W.L.    L.W.L.  任意潮位面";
constexpr const char* kNotExamined = " ──── ";
constexpr const char* kCellFormat = " %8.2lf ";

using CellText = std::function<std::string(const TideLevelRow&)>;

// The caption, a cell per tide level, and the line end.
void level_row(ListWriter& list, const InputRecord& in, const char* caption, const CellText& cell) {
    std::string text = caption;
    for (int level = kTideHhwl; level <= kTideUser; ++level) {
        text += tide_level_examined(in, level)
                    ? cell(in.tide_levels[static_cast<std::size_t>(level)])
                    : kNotExamined;
    }
    list.line(text);
}

std::string value_cell(double value) {
    return format_text(kCellFormat, value);
}

bool length_computed(const TideLevelRow& row) {
    return row.wave_length_method == WaveLengthMethod::Computed;
}

// The rows after the wave height, alike in both tables.
void write_length_rows(ListWriter& list, const InputRecord& in) {
    level_row(list, in, " ◎ 波長SW              ", [](const TideLevelRow& r) {
        return " " +
               numbered_label(length_computed(r) ? WaveLengthMethod::Computed
                                                 : WaveLengthMethod::Given) +
               " ";
    });
    level_row(list, in, " ◎ 周期Ｔ(sec)         ", [](const TideLevelRow& r) {
        return length_computed(r) ? value_cell(r.period) : std::string(kNotExamined);
    });
    level_row(list, in, " ◎ 波長Ｌ(m)           ",
              [](const TideLevelRow& r) { return value_cell(r.wave_length); });
    level_row(list, in, " ◎ 入射角β(度)        ",
              [](const TideLevelRow& r) { return value_cell(r.incidence_angle); });
}

bool breaking_free(const TideLevelRow& row) {
    return row.breaking_influence == BreakingInfluence::NotInfluenced;
}

bool goda_formula(const InputRecord& in) {
    return in.wavsw.wave_formula == WaveFormula::Goda;
}

} // namespace

void write_goda_wave_data(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (!construction_stage_studied(in) || !goda_formula(in)) return;
    open_block(list, 6, "【波圧算定用データ】");
    list.line(kLevelColumns);
    level_row(list, in, " ◎ 砕波の影響の有無    ", [](const TideLevelRow& r) {
        return "    " +
               printed_label(breaking_free(r) ? BreakingInfluence::NotInfluenced
                                              : BreakingInfluence::Influenced) +
               "    ";
    });
    level_row(list, in, " ◎ 有義波高 H1/3(m)    ",
              [](const TideLevelRow& r) { return value_cell(r.h13); });
    // Hmax is entered only for a wave influenced by breaking.
    level_row(list, in, " ◎ 波高 Hmax(m)        ", [](const TideLevelRow& r) {
        return breaking_free(r) ? std::string(kNotExamined) : value_cell(r.hmax);
    });
    write_length_rows(list, in);
    close_block(list);
}

// Every formula code other than Goda's is computed by the Kuroda / Hiroi
// formulas, so their table is written for all of them.
void write_kuroda_hiroi_wave_data(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (!construction_stage_studied(in) || goda_formula(in)) return;
    open_block(list, 7, "【波圧算定用データ】");
    switch_line(list, " ◎ 波長・波圧計算用水深SW    ",
                numbered_label(listed_or(in.wlvl.depth_rule, WaveDepthRule::AtToeWorks)));
    list.line("");
    list.line(kLevelColumns);
    level_row(list, in, " ◎ 有義波高 H1/3(m)    ",
              [](const TideLevelRow& r) { return value_cell(r.h13); });
    level_row(list, in, " ◎ 波高 HD(m)          ",
              [](const TideLevelRow& r) { return value_cell(r.hmax); });
    write_length_rows(list, in);
    close_block(list);
}

} // namespace wtn
