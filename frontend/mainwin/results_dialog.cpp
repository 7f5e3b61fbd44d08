#include "results_dialog.h"

#include "number_box.h"
#include "number_mask.h"
#include "number_text.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

#include "adopted_values.h"

#include <string>

namespace wtn::mainwin {
namespace {

constexpr int kClientWidth = 8580;
constexpr int kClientHeight = 4875;
constexpr int kLineHeight = 240;

// The two red warning lines between the grid and OK, one under the other.
constexpr int kWarningLeft = 240;
constexpr int kWarningTop = 3525;
constexpr int kWarningWidth = 8100;
constexpr int kWarningHeight = 300;
constexpr int kOkTop = kWarningTop + 2 * kWarningHeight + 135;

// The result grid: two heading rows and six result rows from y = 1500 down to
// 3405; the row captions from x = 240, the four columns from x = 3000.
constexpr int kGridLeft = 240;
constexpr int kGridTop = 1500;
constexpr int kRowHeight = 238;
constexpr int kCaptionWidth = 2760;
constexpr int kStressCaptionWidth = 1680;
constexpr std::array<int, kResultColumns> kColumnLeft = {3000, 4320, 5640, 6960};
constexpr int kColumnWidth = kColumnLeft[1] - kColumnLeft[0];
constexpr int kMarkWidth = 255;
// A value and its mark fill their column, so that no cell runs into the next
// column's (a value 1095 wide, as the cells were first drawn, would overlap
// it by two pixels); the embedment row's values, without marks, the same.
constexpr int kValueWidth = kColumnWidth - kMarkWidth;
constexpr int kEmbedmentValueWidth = kColumnWidth;

constexpr int kNoMark = -1;
constexpr int kNoLine = -1;

// One result row of the grid: its caption cell, the value and mark cells of
// columns 1 to 4 (lbl_kgm indices), the table line of its values and of its
// verdicts, and the mask of a steel pile.
struct GridRow {
    int caption;
    std::array<int, kResultColumns> values;
    std::array<int, kResultColumns> marks;
    int value_line;
    int verdict_line;
    const char* mask;
};

constexpr const char* kStressMask = "######0.0";
constexpr const char* kConcreteMomentMask = "####0.000";
constexpr const char* kThreeDecimals = "####0.000";

// Line 4 of the table (a further check) and its verdict are not shown.
constexpr std::array<GridRow, 6> kGridRows = {{
    {1, {8, 18, 29, 38}, {9, 19, 30, 39}, 0, 0, kStressMask},
    {2, {10, 20, 31, 40}, {11, 21, 32, 41}, 1, 1, kStressMask},
    {3, {12, 22, 33, 42}, {13, 23, 34, 43}, 2, 2, kThreeDecimals},
    {4, {14, 24, 35, 44}, {15, 25, 36, 45}, 4, 4, kStressMask},
    {58, {57, 55, 53, 51}, {56, 54, 52, 50}, 5, 5, kStressMask},
    {5, {16, 26, 37, 46}, {kNoMark, kNoMark, kNoMark, kNoMark}, 6, kNoLine, kThreeDecimals},
}};
constexpr int kStressRows = 2; // sea part and seabed mud layer: moments for a concrete pile

constexpr std::array<int, kResultColumns> kColumnHeads = {6, 7, 27, 28};
constexpr std::array<const char*, kResultColumns> kCorrosionHeads = {"腐食前", "腐食後", "腐食前",
                                                                     "腐食後"};
constexpr int kCornerCell = 17;
constexpr int kNormalGroup = 47;
constexpr int kSeismicGroup = 48;
constexpr int kTideGroup = 49;
constexpr int kStressCaption = 0;
constexpr const char* kSteelStressCaption = "    発生応力         (N/mm2)";
constexpr const char* kConcreteMomentCaption = "最大曲げﾓｰﾒﾝﾄ        (kN･m)";
constexpr std::array<const char*, 4> kTideHeads = {"H.H.W.L.", "H.W.L.", "L.W.L.", nullptr};
constexpr int kUserTideLevel = 3;

bool completed_state(int kekka_mode) {
    return kekka_mode == kResultsAdoptCompleted || kekka_mode == kResultsViewCompleted;
}

bool adopting(int kekka_mode) {
    return kekka_mode == kResultsAdoptCompleted || kekka_mode == kResultsAdoptConstruction;
}

ui::Rect row_rect(int left, int row, int width, int rows = 1) {
    return ui::Rect{left, kGridTop + row * kRowHeight, width, rows * kRowHeight};
}

} // namespace

ResultsDialog::ResultsDialog(DesignData& data, MessageBoxes& boxes) : data_(data), boxes_(boxes) {
    build();
    ui::report_refusals(form, boxes_);
    form.on_load = [this] { Form_Load(); };
    form.on_query_unload = [this](bool&) { Form_Unload(); };
}

void ResultsDialog::build() {
    form.client_width = kClientWidth;
    form.client_height = kClientHeight;
    form.border = ui::Form::Border::FixedDialog;
    form.show_in_taskbar = false;

    const std::array<ui::Rect, 6> pile_line_places = {{
        {240, 300, 3255, kLineHeight},
        {240, 540, 3255, kLineHeight},
        {240, 780, 1935, kLineHeight},
        {240, 1020, 1935, kLineHeight},
        {2280, 780, 1215, kLineHeight},
        {2280, 1020, 1215, kLineHeight},
    }};
    for (int i = 0; i < 6; ++i)
        lbl_gm1[i] = &form.add<ui::Label>("lbl_gm1", i, pile_line_places[i]);
    lbl_gm1[2]->set_caption("施工根入れ深度 （m）");
    lbl_gm1[3]->set_caption("矢板長 （m）");
    for (int i : {0, 1, 4, 5})
        lbl_gm1[i]->set_caption(kAbsentMark);
    lbl_gm1[4]->align_right = true;
    lbl_gm1[5]->align_right = true;

    Frame1 = &form.add<ui::Frame>("Frame1", ui::Rect{3960, 240, 3855, 1035});
    Frame1->set_caption("採用値");
    const std::array<const char*, 2> box_captions = {"施工根入れ深度 （m）", "矢板長 （m）"};
    for (int i = 0; i < 2; ++i) {
        Label1[i] =
            &Frame1->add<ui::Label>("Label1", i, ui::Rect{120, 360 + 300 * i, 2175, kLineHeight});
        Label1[i]->set_caption(box_captions[i]);
        txt_gm1[i] =
            &Frame1->add<ui::TextBox>("txt_gm1", i, ui::Rect{2400, 300 + 300 * i, 1335, 285});
        txt_gm1[i]->align_right = true;
        ui::NumberBoxStyle style;
        style.mask = kAdoptedMask;
        ui::make_number_box(*txt_gm1[i], style);
    }

    // The group headings lie over "検 討 潮 位", which shows when they are
    // hidden (construction stage).
    auto cell = [this](int index, const ui::Rect& place, const char* caption) {
        ui::Label& label = form.add<ui::Label>("lbl_kgm", index, place);
        label.set_caption(caption);
        label.tooltip_colors = true;
        label.border = true;
        lbl_kgm[index] = &label;
        return &label;
    };
    cell(kCornerCell, row_rect(kGridLeft, 0, kCaptionWidth, 2), "検討結果");
    cell(kTideGroup, row_rect(kColumnLeft[0], 0, kColumnWidth * kResultColumns), "検 討 潮 位");
    cell(kNormalGroup, row_rect(kColumnLeft[0], 0, kColumnWidth * 2), "常 時");
    cell(kSeismicGroup, row_rect(kColumnLeft[2], 0, kColumnWidth * 2), "地震時");
    for (int c = 0; c < kResultColumns; ++c)
        cell(kColumnHeads[c], row_rect(kColumnLeft[c], 1, kColumnWidth), kCorrosionHeads[c]);

    cell(kStressCaption, row_rect(kGridLeft, 2, kStressCaptionWidth, kStressRows),
         kSteelStressCaption);
    const std::array<const char*, 6> row_captions = {"海中部",
                                                     "海底泥層中",
                                                     "天端変位量 （cm）",
                                                     "二次応力度 （N/mm2）",
                                                     "合成応力度 （N/mm2）",
                                                     "根入れ深度 [計算値] （m）"};
    for (std::size_t r = 0; r < kGridRows.size(); ++r) {
        const GridRow& row = kGridRows[r];
        const int grid_row = 2 + static_cast<int>(r);
        if (static_cast<int>(r) < kStressRows) {
            cell(row.caption,
                 row_rect(kGridLeft + kStressCaptionWidth, grid_row,
                          kCaptionWidth - kStressCaptionWidth),
                 row_captions[r]);
        } else {
            cell(row.caption, row_rect(kGridLeft, grid_row, kCaptionWidth), row_captions[r]);
        }
        for (int c = 0; c < kResultColumns; ++c) {
            const bool marked = row.marks[c] != kNoMark;
            ui::Label* value = cell(
                row.values[c],
                row_rect(kColumnLeft[c], grid_row, marked ? kValueWidth : kEmbedmentValueWidth),
                kAbsentMark);
            value->align_right = true;
            if (marked) {
                cell(row.marks[c], row_rect(kColumnLeft[c] + kValueWidth, grid_row, kMarkWidth),
                     kAbsentMark);
            }
        }
    }

    lbl_failed = &form.add<ui::Label>(
        "lbl_failed", ui::Rect{kWarningLeft, kWarningTop, kWarningWidth, kWarningHeight});
    lbl_failed->set_caption(kChecksFailedWarning);
    lbl_failed->alert = true;
    lbl_failed->set_visible(false);
    lbl_short =
        &form.add<ui::Label>("lbl_short", ui::Rect{kWarningLeft, kWarningTop + kWarningHeight,
                                                   kWarningWidth, kWarningHeight});
    lbl_short->set_caption(kAdoptionShortWarning);
    lbl_short->alert = true;
    lbl_short->set_visible(false);
    for (ui::TextBox* box : txt_gm1)
        box->on_change = [this] { check_adoption(); };

    Command1 = &form.add<ui::CommandButton>("Command1", ui::Rect{3120, kOkTop, 2295, 375});
    Command1->set_caption("OK");
    // Neither default nor cancel: Enter and Escape do not close the dialog.
    Command1->on_click = [this] { form.unload(); };
}

void ResultsDialog::Form_Load() {
    const int mode = data_.kekka_mode;
    const bool concrete = is_pc_pile(data_.yaita_dat.yaita_kind);
    show_headings(concrete);
    const int stage = completed_state(mode) ? 0 : 1;
    const LevelResultTable table =
        read_level_result_table(join_path(data_.work_dir, kLevelResultFiles[stage]));
    show_table(table, concrete);
    lbl_failed->set_visible(any_check_failed(table));
    PileResultLine line = read_pile_result_line(join_path(data_.work_dir, kPileResultFiles[stage]));
    show_pile_line(line);
    computed_.reset();
    if (line.embedment_depth && line.pile_length)
        computed_ = AdoptedValues{*line.embedment_depth, *line.pile_length};
    show_adopted_boxes(line);
    check_adoption();
    form.set_focus(txt_gm1[0]);
}

void ResultsDialog::show_headings(bool concrete) {
    lbl_kgm[kStressCaption]->set_caption(concrete ? kConcreteMomentCaption : kSteelStressCaption);
    if (completed_state(data_.kekka_mode)) {
        lbl_kgm[kNormalGroup]->set_visible(true);
        lbl_kgm[kSeismicGroup]->set_visible(true);
        return;
    }
    // Construction stage: one column per studied tide level, packed from
    // column 1.
    lbl_kgm[kNormalGroup]->set_visible(false);
    lbl_kgm[kSeismicGroup]->set_visible(false);
    for (int head : kColumnHeads)
        lbl_kgm[head]->set_caption(kAbsentMark);
    int column = 0;
    for (int level = 0; level < static_cast<int>(kTideHeads.size()); ++level) {
        if (!box_checked(data_.sekouji_dat.tide_kentou_sw[level])) continue;
        std::string head = level == kUserTideLevel ? trim_blanks(data_.sekkei_dat.tide_name)
                                                   : std::string(kTideHeads[level]);
        lbl_kgm[kColumnHeads[column++]]->set_caption(head);
    }
}

void ResultsDialog::show_table(const LevelResultTable& table, bool concrete) {
    for (std::size_t r = 0; r < kGridRows.size(); ++r) {
        const GridRow& row = kGridRows[r];
        const char* mask =
            concrete && static_cast<int>(r) < kStressRows ? kConcreteMomentMask : row.mask;
        for (int c = 0; c < kResultColumns; ++c) {
            const ResultColumn& column = table.columns[static_cast<std::size_t>(c)];
            if (const auto value = result_value(column, kResultValueLines[row.value_line])) {
                lbl_kgm[row.values[c]]->set_caption(ui::format_mask(*value, mask));
            }
            if (row.verdict_line == kNoLine) continue;
            const Verdict verdict =
                result_verdict(column, static_cast<ResultFlag>(row.verdict_line));
            if (verdict == Verdict::passed) lbl_kgm[row.marks[c]]->set_caption(kPassedMark);
            if (verdict == Verdict::failed) lbl_kgm[row.marks[c]]->set_caption(kFailedMark);
        }
    }
    // A concrete pile has no after-corrosion columns: the corrosion heads go,
    // the case groups stay. The tide-level heads of the construction stage
    // name real columns and stay.
    if (concrete && completed_state(data_.kekka_mode)) {
        for (int head : kColumnHeads)
            lbl_kgm[head]->set_caption(kAbsentMark);
    }
}

void ResultsDialog::show_pile_line(const PileResultLine& line) {
    // A table that could not be read keeps its "－".
    if (!line.stage.empty()) lbl_gm1[0]->set_caption(line.stage);
    if (!line.pile_name.empty()) lbl_gm1[1]->set_caption(line.pile_name);
    if (line.embedment_depth)
        lbl_gm1[4]->set_caption(ui::format_mask(*line.embedment_depth, kThreeDecimals));
    if (line.pile_length)
        lbl_gm1[5]->set_caption(ui::format_mask(*line.pile_length, kThreeDecimals));
}

void ResultsDialog::show_adopted_boxes(const PileResultLine& line) {
    const int mode = data_.kekka_mode;
    std::array<double, 2> shown{};
    if (mode == kResultsViewCompleted || mode == kResultsViewConstruction) {
        form.set_caption(kResultsViewCaption);
        shown = mode == kResultsViewCompleted ? data_.saiyou_kansei : data_.saiyou_sekou;
    } else if (adopting(mode)) {
        form.set_caption(kResultsAdoptCaption);
        // One pair for both stages: what was adopted before, else the
        // computed values.
        if (data_.caldt_vals[0] != 0.0 || data_.caldt_vals[1] != 0.0) {
            shown = data_.caldt_vals;
        } else {
            shown = {line.embedment_depth.value_or(0.0), line.pile_length.value_or(0.0)};
        }
    } else {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        txt_gm1[i]->set_text(ui::format_mask(shown[i], kThreeDecimals));
        txt_gm1[i]->locked = !adopting(mode);
    }
}

void ResultsDialog::check_adoption() {
    if (!computed_) {
        lbl_short->set_visible(false);
        return;
    }
    const AdoptedValues adopted = {ui::leading_number(txt_gm1[0]->text()),
                                   ui::leading_number(txt_gm1[1]->text())};
    // The view modes show what was adopted in this session: nothing (both 0)
    // is no adoption to judge.
    const bool judged = adopting(data_.kekka_mode) || !nothing_adopted(adopted);
    lbl_short->set_visible(judged && adoption_falls_short(adopted, *computed_));
}

void ResultsDialog::Form_Unload() {
    const int mode = data_.kekka_mode;
    if (!adopting(mode)) return;
    // OK and the window's close box alike adopt the boxes: the report of this
    // run and the project then hold the same values.
    const std::array<double, 2> adopted = {ui::leading_number(txt_gm1[0]->text()),
                                           ui::leading_number(txt_gm1[1]->text())};
    (mode == kResultsAdoptCompleted ? data_.saiyou_kansei : data_.saiyou_sekou) = adopted;
    data_.caldt_vals = adopted;
    // The file holds the values as the boxes show them, to three decimals.
    const AdoptedValues shown = {
        ui::leading_number(ui::format_mask(adopted[0], kAdoptedMask)),
        ui::leading_number(ui::format_mask(adopted[1], kAdoptedMask)),
    };
    const std::string path = join_path(data_.work_dir, kCalNeiFile);
    adopted_file_written_ = write_adopted_values(path, shown);
    if (!adopted_file_written_) {
        show_note(
            boxes_, kAppTitle,
            "ファイル「" + path +
                "」に採用値を書き込めません。\n採用値を帳票に渡せないため、計算を中断します。",
            BoxIcon::Exclamation);
    }
}

} // namespace wtn::mainwin
