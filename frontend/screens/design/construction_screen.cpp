#include "construction_screen.h"

#include "derived_values.h"
#include "explain_pictures.h"
#include "number_mask.h"
#include "screen_builder.h"
#include "screen_codes.h"
#include "wall_codes.h"
#include "wave_lines.h"

namespace wtn::design {
namespace {

constexpr int kGodaPage = 1;
constexpr int kKurodaPage = 2;
constexpr int kWaveValues = 5;
constexpr const char* kMask = "###0.00";
constexpr int kListLeft = 120;
constexpr int kListTop = 840;
constexpr int kListWidth = 10920;
constexpr int kListHeight = 1200;
// Text inside the list starts a few pixels from its edge.
constexpr int kListTextInset = 60;
constexpr int kGodaNameColumns = 21;
constexpr int kGodaBreakingColumns = 11;
constexpr int kKurodaNameColumns = 19;
// The Goda row editor's buttons of the wave-length method follow the two of
// the breaking-wave influence.
constexpr int kLengthMethodButtons = 2;

// The button of a two-button group a row's code selects: any code but the
// first entry's selects the second; and the code that button stores.
template <class Code> int button_of_code(Code code) {
    return list_index_of(code) != kFirstButtonOn ? kSecondButtonOn : kFirstButtonOn;
}
template <class Code> Code button_code(Code code) {
    return code_of_list_index<Code>(button_of_code(code));
}

// The five values of a wave row in the order of the editor's boxes: H1/3,
// Hmax or HD, T, L, β.
constexpr std::array<double WaveRec::*, kWaveValues> kWaveValueFields = {
    &WaveRec::h13, &WaveRec::hmax, &WaveRec::period, &WaveRec::length, &WaveRec::beta};

void enable_with_caption(ui::TextBox& box, ui::Label& caption, bool on) {
    box.set_enabled(on);
    caption.set_enabled(on);
}

// The wave-length method of a row editor: the period box serves the length
// computed from period and depth, the length box the length given.
void enable_period_or_length(const std::array<ui::TextBox*, 5>& boxes, ui::Label& period_caption,
                             ui::Label& length_caption, bool from_period) {
    enable_with_caption(*boxes[2], period_caption, from_period);
    enable_with_caption(*boxes[3], length_caption, !from_period);
}

void show_row_values(const std::array<ui::TextBox*, 5>& boxes, const WaveRec& row) {
    for (int k = 0; k < kWaveValues; ++k)
        boxes[static_cast<std::size_t>(k)]->set_text(
            ui::format_mask(row.*kWaveValueFields[static_cast<std::size_t>(k)], kMask));
}

int heading_left(int column) {
    return ui::list_cell_left(kListLeft, kListTextInset, column);
}

// Headings over the list columns: the first over the name, then one per
// 16-column value, starting at column first_value.
void add_headings(ui::Container& page, const std::string& name, const char* const* captions,
                  int count, int first_value, std::array<ui::Label*, 12>* goda,
                  std::array<ui::Label*, 11>* kuroda) {
    for (int k = 0; k < count; ++k) {
        ui::Rect r;
        if (k == 0) {
            const int name_columns = goda != nullptr ? kGodaNameColumns : kKurodaNameColumns;
            r = {heading_left(0), 240, (name_columns - 1) * ui::kListCellTwips, 540};
        } else if (goda != nullptr && k == 1) {
            r = {heading_left(kGodaNameColumns), 240, kGodaBreakingColumns * ui::kListCellTwips,
                 540};
        } else {
            const int value = goda != nullptr ? k - 2 : k - 1;
            r = {heading_left(first_value + value * kWaveValueColumns) + ui::kListCellTwips, 240,
                 (kWaveValueColumns - 1) * ui::kListCellTwips, 540};
        }
        ui::Label& label = add_label(page, name, k, r, captions[k]);
        if (k > 0) label.align_right = true;
        if (goda != nullptr) (*goda)[static_cast<std::size_t>(k)] = &label;
        if (kuroda != nullptr) (*kuroda)[static_cast<std::size_t>(k)] = &label;
    }
}

// The list of a wave-row page: one fixed-pitch line per tide level.
ui::ListBox& add_wave_list(ui::Container& page, const std::string& name) {
    ui::ListBox& list =
        page.add<ui::ListBox>(name, ui::Rect{kListLeft, kListTop, kListWidth, kListHeight});
    list.fixed_pitch = true;
    list.font_size = ui::kListFontPoints;
    return list;
}

// The five value boxes of a row editor (H1/3, the second height, T, L, β)
// with their captions, labels numbered from first_label; the boxes are held
// silent by event_switch while they rewrite themselves on leaving.
template <std::size_t LabelCount>
void add_value_boxes(ui::Container& page, const std::string& array_number, int first_label,
                     const char* second_height, bool* event_switch,
                     std::array<ui::Label*, LabelCount>& labels,
                     std::array<ui::TextBox*, kWaveValues>& boxes) {
    const char* captions[] = {"有義波高 Ｈ1/3 （m）", second_height, "周期 Ｔ （s）",
                              "波長 Ｌ （m）", "入射角 β （度）"};
    for (int k = 0; k < kWaveValues; ++k) {
        const int top = 2280 + k * kRowStep;
        labels[static_cast<std::size_t>(first_label + k)] =
            &add_label(page, "lbl_gm" + array_number, first_label + k, {240, top + 40, 2640, 300},
                       captions[k]);
        boxes[static_cast<std::size_t>(k)] = &add_number_box(
            page, "txt_gm" + array_number, k, 3000, top, leading_number_style(kMask, event_switch));
    }
}

// The wave-length method of a row editor, buttons first_index and the next.
void add_length_method(ui::Frame& frame, const std::string& name, int first_index,
                       ui::OptionButton*& from_period, ui::OptionButton*& given) {
    from_period =
        &add_option(frame, name, first_index, {240, 300, 2400, 300}, "周期と水深から計算");
    given = &add_option(frame, name, first_index + 1, {2760, 300, 1800, 300}, "直接入力");
}

} // namespace

ConstructionScreen::ConstructionScreen(mainwin::MainWindow& window) : w_(window) {
    build_conditions_page(*w_.fra_sgm[2][0]);
    build_goda_page(*w_.fra_sgm[2][1]);
    build_kuroda_page(*w_.fra_sgm[2][2]);
}

void ConstructionScreen::build_conditions_page(ui::Frame& page) {
    // Left column: formula, wave-dissipating works, the values on the page
    // and the depth for wave length and pressure.
    fra_gm5[0] = &add_frame(page, "fra_gm5", 0, {120, 60, 3360, 1020}, "波圧算定式");
    opt_gm5[0] = &add_option(*fra_gm5[0], "opt_gm5", 0, {120, 300, 3000, 300}, "合田式");
    opt_gm5[1] =
        &add_option(*fra_gm5[0], "opt_gm5", 1, {120, 630, 3000, 300}, "黒田/広井（森平）式");
    fra_gm5[1] = &add_frame(page, "fra_gm5", 1, {120, 1140, 3360, 660}, "消波工の有無");
    opt_gm5[2] = &add_option(*fra_gm5[1], "opt_gm5", 2, {120, 300, 1500, 300}, "消波工あり");
    opt_gm5[3] = &add_option(*fra_gm5[1], "opt_gm5", 3, {1740, 300, 1500, 300}, "消波工なし");

    const ui::NumberBoxStyle value = leading_number_style(kMask);
    struct PageValue {
        int label;
        int box;
        const char* caption;
        int height; // the longer captions take two lines
    };
    const PageValue values[] = {{2, 0, "波圧の低減率  λ1", kBoxHeight},
                                {11, 9, "λ2", kBoxHeight},
                                {3, 1, "ｄ：根固め工／ﾏｳﾝﾄﾞ被覆工高（m）", kTwoLineHeight},
                                {4, 2, "ｈ’：波圧作用範囲の下限高（m）", kTwoLineHeight},
                                {5, 3, "ｈ：構造物前面における地盤高（m）", kTwoLineHeight}};
    int top = 1920;
    for (const PageValue& v : values) {
        lbl_gm5[v.label] =
            &add_label(page, "lbl_gm5", v.label, {180, top + 40, 2040, v.height}, v.caption);
        txt_gm5[v.box] = &add_number_box(page, "txt_gm5", v.box, 2280, top, value);
        top += v.height + 60;
    }
    fra_gm5[3] = &add_frame(page, "fra_gm5", 3, {120, 4380, 3360, 1020}, "波長・波圧計算用水深");
    opt_gm5[4] =
        &add_option(*fra_gm5[3], "opt_gm5", 4, {120, 300, 3060, 300}, "ｈ位置の水深を使用");
    opt_gm5[5] =
        &add_option(*fra_gm5[3], "opt_gm5", 5, {120, 630, 3060, 300}, "ｄ位置の水深を使用");

    // Right column: the levels studied and drawn, hb, static water pressure.
    fra_gm5[2] = &add_frame(page, "fra_gm5", 2, {3600, 60, 4440, 2100}, "検討レベル");
    lbl_gm5[0] = &add_label(*fra_gm5[2], "lbl_gm5", 0, {180, 300, 1200, 300}, "検討");
    lbl_gm5[1] = &add_label(*fra_gm5[2], "lbl_gm5", 1, {2280, 300, 1200, 300}, "作図");
    const char* study_captions[] = {"    Ｈ．Ｈ．Ｗ．Ｌ．", "    Ｈ．Ｗ．Ｌ．", "    Ｌ．Ｗ．Ｌ．",
                                    "    任意潮位"};
    const char* draw_captions[] = {"Ｈ．Ｈ．Ｗ．Ｌ．", "Ｈ．Ｗ．Ｌ．", "Ｌ．Ｗ．Ｌ．", "任意潮位"};
    for (int i = 0; i < kStudiedTideLevels; ++i) {
        const int row = 630 + i * kRowStep;
        chk_gm5[2 * i] =
            &add_check(*fra_gm5[2], "chk_gm5", 2 * i, {120, row, 2100, 300}, study_captions[i]);
        chk_gm5[2 * i + 1] =
            &add_check(*fra_gm5[2], "chk_gm5", 2 * i + 1, {2280, row, 1860, 300}, draw_captions[i]);
    }
    fra_gm5[4] = &add_frame(page, "fra_gm5", 4, {3600, 2220, 4440, 2460},
                            "ｈｂ：有義波高の５倍離れた地点の地盤高（m）");
    opt_gm5[6] =
        &add_option(*fra_gm5[4], "opt_gm5", 6, {120, 300, 2460, 300}, "海底面勾配より自動計算");
    opt_gm5[7] = &add_option(*fra_gm5[4], "opt_gm5", 7, {2640, 300, 1440, 300}, "直接入力");
    lbl_gm5[6] =
        &add_label(*fra_gm5[4], "lbl_gm5", 6, {240, 700, 2640, 300}, "Ｘ：海底面勾配  １／Ｘ");
    txt_gm5[4] = &add_number_box(*fra_gm5[4], "txt_gm5", 4, 2940, 660, value);
    const char* hb_captions[] = {"Ｈ．Ｈ．Ｗ．Ｌ．", "Ｈ．Ｗ．Ｌ．", "Ｌ．Ｗ．Ｌ．", "任意潮位"};
    for (int i = 0; i < kStudiedTideLevels; ++i) {
        const int row = 1020 + i * kRowStep;
        lbl_gm5[7 + i] =
            &add_label(*fra_gm5[4], "lbl_gm5", 7 + i, {720, row + 40, 2100, 300}, hb_captions[i]);
        txt_gm5[5 + i] = &add_number_box(*fra_gm5[4], "txt_gm5", 5 + i, 2940, row, value);
    }
    fra_gm5[5] = &add_frame(page, "fra_gm5", 5, {3600, 4740, 4440, 660}, "静水圧考慮SW");
    opt_gm5[8] = &add_option(*fra_gm5[5], "opt_gm5", 8, {120, 300, 1800, 300}, "考慮する");
    opt_gm5[9] = &add_option(*fra_gm5[5], "opt_gm5", 9, {2040, 300, 1800, 300}, "考慮しない");

    img_gm5 = &page.add<ui::PictureBox>("img_gm5", ui::Rect{8100, 120, 3300, 5550});
    img_gm5->back_color = kExplainBackColor;
    img_gm5->on_paint = [this] { draw_wave_picture(*img_gm5); };
    img_gm5->refresh();

    for (int i = 0; i < 8; ++i)
        chk_gm5[i]->on_click = [this, i] { chk_gm5_Click(i); };
    for (int i = 0; i < 10; ++i)
        opt_gm5[i]->on_click = [this, i] { opt_gm5_Click(i); };
}

void ConstructionScreen::build_goda_page(ui::Frame& page) {
    const char* headings[] = {
        "潮位",          "砕波の影響",    "有義波高 Ｈ1/3 （m）", "波高 Ｈmax （m）",
        "周期 Ｔ （s）", "波長 Ｌ （m）", "入射角 β （度）"};
    add_headings(page, "lbl_gm6", headings, 7, kGodaNameColumns + kGodaBreakingColumns, &lbl_gm6,
                 nullptr);
    lst_gm6 = &add_wave_list(page, "lst_gm6");
    add_value_boxes(page, "6", 7, "波高 Ｈmax （m）", &gm6_ev_sw, lbl_gm6, txt_gm6);
    for (int k = 0; k < kWaveValues; ++k)
        txt_gm6[k]->on_change = [this, k] { txt_gm6_Change(k); };
    fra_gm6[0] = &add_frame(page, "fra_gm6", 0, {4500, 2220, 3600, 720}, "砕波影響");
    opt_gm6[0] = &add_option(*fra_gm6[0], "opt_gm6", 0, {240, 300, 1500, 300}, "受けない");
    opt_gm6[1] = &add_option(*fra_gm6[0], "opt_gm6", 1, {1860, 300, 1500, 300}, "受ける");
    fra_gm6[1] = &add_frame(page, "fra_gm6", 1, {4500, 3060, 4800, 720}, "波長");
    add_length_method(*fra_gm6[1], "opt_gm6", 2, opt_gm6[2], opt_gm6[3]);

    lst_gm6->on_click = [this] { lst_gm6_Click(); };
    for (int i = 0; i < 4; ++i)
        opt_gm6[i]->on_click = [this, i] { opt_gm6_Click(i); };
}

void ConstructionScreen::build_kuroda_page(ui::Frame& page) {
    const char* headings[] = {"潮位",          "有義波高 Ｈ1/3 （m）", "波高 ＨＤ （m）",
                              "周期 Ｔ （s）", "波長 Ｌ （m）",        "入射角 β （度）"};
    add_headings(page, "lbl_gm7", headings, 6, kKurodaNameColumns, nullptr, &lbl_gm7);
    lst_gm7 = &add_wave_list(page, "lst_gm7");
    add_value_boxes(page, "7", 6, "波高 ＨＤ （m）", &gm7_ev_sw, lbl_gm7, txt_gm7);
    for (int k = 0; k < kWaveValues; ++k)
        txt_gm7[k]->on_change = [this, k] { txt_gm7_Change(k); };
    fra_gm7[0] = &add_frame(page, "fra_gm7", 0, {4500, 2220, 4800, 720}, "波長");
    add_length_method(*fra_gm7[0], "opt_gm7", 0, opt_gm7[0], opt_gm7[1]);

    lst_gm7->on_click = [this] { lst_gm7_Click(); };
    for (int i = 0; i < 2; ++i)
        opt_gm7[i]->on_click = [this, i] { opt_gm7_Click(i); };
}

void ConstructionScreen::set_sekouji_jk() {
    const SekoujiData& s = w_.data.sekouji_dat;
    select_pair(s.wave_sw, *opt_gm5[0], *opt_gm5[1]);
    select_pair(s.dissip_sw, *opt_gm5[2], *opt_gm5[3]);
    select_pair(s.depth_sw, *opt_gm5[4], *opt_gm5[5]);
    select_pair(s.hb_sw, *opt_gm5[6], *opt_gm5[7]);
    select_pair(s.static_sw, *opt_gm5[9], *opt_gm5[8]);

    for (int i = 0; i < kStudiedTideLevels; ++i)
        set_check(*chk_gm5[2 * i], s.tide_kentou_sw[i] != CheckBox::Clear);
    for (int i = 0; i < kStudiedTideLevels; ++i) {
        set_check(*chk_gm5[2 * i + 1], box_checked(s.tide_sakuzu_sw[i]) ||
                                           chk_gm5[2 * i]->value() != ui::CheckBox::kUnchecked);
    }

    txt_gm5[0]->set_text(ui::format_mask(s.lambda1, kMask));
    txt_gm5[9]->set_text(ui::format_mask(s.lambda2, kMask));
    txt_gm5[1]->set_text(ui::format_mask(s.d_lvl, kMask));
    txt_gm5[2]->set_text(ui::format_mask(s.h2_lvl, kMask));
    txt_gm5[3]->set_text(ui::format_mask(s.h_lvl, kMask));
    txt_gm5[4]->set_text(ui::format_mask(s.slope_x, kMask));
    for (int i = 0; i < kStudiedTideLevels; ++i)
        txt_gm5[5 + i]->set_text(ui::format_mask(s.hb_lvl[i], kMask));

    const bool goda = opt_gm5[0]->value();
    const bool kuroda = opt_gm5[1]->value();
    ui::TabControl& tab = *w_.tab_gm[2];
    tab.set_tab_enabled(kGodaPage, goda);
    tab.set_tab_enabled(kKurodaPage, kuroda);
    fra_gm5[3]->set_enabled(kuroda);
    opt_gm5[4]->set_enabled(kuroda);
    opt_gm5[5]->set_enabled(kuroda);
    formula_step();
    fra_gm5[4]->set_enabled(goda);
    opt_gm5[6]->set_enabled(goda);
    opt_gm5[7]->set_enabled(goda);
    txt_gm5[4]->set_enabled(goda && opt_gm5[6]->value());
    lbl_gm5[6]->set_enabled(goda && opt_gm5[6]->value());
    for (int i = 0; i < kStudiedTideLevels; ++i) {
        txt_gm5[5 + i]->set_enabled(goda && opt_gm5[7]->value());
        lbl_gm5[7 + i]->set_enabled(goda && opt_gm5[7]->value());
        chk_gm5[2 * i + 1]->set_enabled(chk_gm5[2 * i]->value() == ui::CheckBox::kUnchecked);
    }

    for (int i = 0; i < kStudiedTideLevels; ++i)
        gm6_row[i] = s.goda_tbl[i];
    lst_gm6->clear();
    for (int i = 0; i < kStudiedTideLevels; ++i)
        set_gm6_list(i);
    lst_gm6->set_list_index(0);

    for (int i = 0; i < kStudiedTideLevels; ++i) {
        const BreakingInfluence unused = gm7_row[i].breaking;
        gm7_row[i] = s.kuroda_tbl[i];
        gm7_row[i].breaking = unused;
    }
    lst_gm7->clear();
    for (int i = 0; i < kStudiedTideLevels; ++i)
        set_gm7_list(i);
    lst_gm7->set_list_index(0);

    // A page that the load switched off is not left shown.
    if (!tab.tab_enabled(static_cast<std::size_t>(tab.tab()))) tab.set_tab(0);
}

void ConstructionScreen::put_sekouji_jk() {
    SekoujiData& s = w_.data.sekouji_dat;
    s.wave_sw = code_when_on<WaveFormula>(*opt_gm5[0]);
    s.dissip_sw = code_when_on<DissipatingWorks>(*opt_gm5[2]);
    for (int i = 0; i < kStudiedTideLevels; ++i)
        s.tide_kentou_sw[i] = check_value(*chk_gm5[2 * i]);
    for (int i = 0; i < kStudiedTideLevels; ++i)
        s.tide_sakuzu_sw[i] = check_value(*chk_gm5[2 * i + 1]);
    s.depth_sw = code_when_on<WaveDepthRule>(*opt_gm5[4]);
    s.lambda1 = ui::leading_number(txt_gm5[0]->text());
    s.lambda2 = ui::leading_number(txt_gm5[9]->text());
    s.d_lvl = ui::leading_number(txt_gm5[1]->text());
    s.h2_lvl = ui::leading_number(txt_gm5[2]->text());
    s.h_lvl = ui::leading_number(txt_gm5[3]->text());
    s.slope_x = ui::leading_number(txt_gm5[4]->text());
    s.hb_sw = code_when_on<BreakerDepthRule>(*opt_gm5[6]);
    if (s.hb_sw == BreakerDepthRule::Given) {
        for (int i = 0; i < kStudiedTideLevels; ++i)
            s.hb_lvl[i] = ui::leading_number(txt_gm5[5 + i]->text());
    }
    s.static_sw = code_when_on<StaticWater>(*opt_gm5[9]);

    for (int i = 0; i < kStudiedTideLevels; ++i) {
        WaveRec& goda = s.goda_tbl[i];
        const WaveRec& row = gm6_row[i];
        goda = row;
        goda.breaking = button_code(row.breaking);
        goda.length_method = button_code(row.length_method);
    }
    for (int i = 0; i < kStudiedTideLevels; ++i) {
        WaveRec& kuroda = s.kuroda_tbl[i];
        const BreakingInfluence unused = kuroda.breaking;
        kuroda = gm7_row[i];
        kuroda.length_method = button_code(gm7_row[i].length_method);
        kuroda.breaking = unused;
    }
    derive_hb_levels(s);
}

void ConstructionScreen::set_gm6_list(int level) {
    lst_gm6->set_list(static_cast<std::size_t>(level),
                      goda_line(level, gm6_row[static_cast<std::size_t>(level)]));
}

void ConstructionScreen::set_gm7_list(int level) {
    lst_gm7->set_list(static_cast<std::size_t>(level),
                      kuroda_line(level, gm7_row[static_cast<std::size_t>(level)]));
}

void ConstructionScreen::chk_gm5_Click(int index) {
    if (index % 2 != 0) return;
    ui::CheckBox& drawn = *chk_gm5[index + 1];
    if (chk_gm5[index]->value() == ui::CheckBox::kChecked) {
        drawn.set_enabled(false);
        drawn.set_value(ui::CheckBox::kChecked);
    } else {
        drawn.set_enabled(true);
    }
}

void ConstructionScreen::opt_gm5_Click(int index) {
    if (index == 0 || index == 1) {
        // The formula: its wave-row page, the depth choice of Kuroda / Hiroi,
        // the hb inputs of Goda.
        const bool goda = index == 0;
        ui::TabControl& tab = *w_.tab_gm[2];
        tab.set_tab_enabled(kGodaPage, goda);
        tab.set_tab_enabled(kKurodaPage, !goda);
        fra_gm5[3]->set_enabled(!goda);
        opt_gm5[4]->set_enabled(!goda);
        opt_gm5[5]->set_enabled(!goda);
        fra_gm5[4]->set_enabled(goda);
        opt_gm5[6]->set_enabled(goda);
        opt_gm5[7]->set_enabled(goda);
        for (int i = 4; i <= 8; ++i)
            txt_gm5[i]->set_enabled(goda);
        for (int i = 6; i <= 10; ++i)
            lbl_gm5[i]->set_enabled(goda);
        if (goda) enable_hb_inputs();
        formula_step();
    } else if (index == 6 || index == 7) {
        enable_hb_inputs();
    }
}

// The slope box serves hb derived from the slope, the four hb boxes hb given
// directly.
void ConstructionScreen::enable_hb_inputs() {
    const bool from_slope = opt_gm5[6]->value();
    const bool given = opt_gm5[7]->value();
    txt_gm5[4]->set_enabled(from_slope);
    lbl_gm5[6]->set_enabled(from_slope);
    for (int i = 0; i < kStudiedTideLevels; ++i) {
        txt_gm5[5 + i]->set_enabled(given);
        lbl_gm5[7 + i]->set_enabled(given);
    }
}

void ConstructionScreen::formula_step() {
    const bool goda = opt_gm5[0]->value();
    fra_gm5[1]->set_enabled(!goda);
    opt_gm5[2]->set_enabled(!goda);
    opt_gm5[3]->set_enabled(!goda);
    for (int i : {0, 9})
        txt_gm5[i]->set_enabled(goda);
    for (int i : {2, 11})
        lbl_gm5[i]->set_enabled(goda);
}

int ConstructionScreen::selected_line(const ui::ListBox& list) const {
    const int i = list.list_index();
    return i >= 0 && i < kStudiedTideLevels ? i : -1;
}

void ConstructionScreen::lst_gm6_Click() {
    const int i = selected_line(*lst_gm6);
    if (i < 0) return;
    const WaveRec& row = gm6_row[static_cast<std::size_t>(i)];
    gm6_ev_sw = false;
    opt_gm6[button_of_code(row.breaking)]->set_value(true);
    enable_with_caption(*txt_gm6[1], *lbl_gm6[8], opt_gm6[1]->value());
    opt_gm6[kLengthMethodButtons + button_of_code(row.length_method)]->set_value(true);
    enable_period_or_length(txt_gm6, *lbl_gm6[9], *lbl_gm6[10], opt_gm6[2]->value());
    show_row_values(txt_gm6, row);
    gm6_ev_sw = true;
}

void ConstructionScreen::lst_gm7_Click() {
    const int i = selected_line(*lst_gm7);
    if (i < 0) return;
    const WaveRec& row = gm7_row[static_cast<std::size_t>(i)];
    gm7_ev_sw = false;
    opt_gm7[button_of_code(row.length_method)]->set_value(true);
    enable_period_or_length(txt_gm7, *lbl_gm7[8], *lbl_gm7[9], opt_gm7[0]->value());
    show_row_values(txt_gm7, row);
    gm7_ev_sw = true;
}

void ConstructionScreen::opt_gm6_Click(int index) {
    const int i = selected_line(*lst_gm6);
    if (!gm6_ev_sw || i < 0) return;
    WaveRec& row = gm6_row[static_cast<std::size_t>(i)];
    if (index == 0 || index == 1) {
        row.breaking = code_when_on<BreakingInfluence>(*opt_gm6[0]);
        enable_with_caption(*txt_gm6[1], *lbl_gm6[8], opt_gm6[1]->value());
    } else {
        row.length_method = code_when_on<WaveLengthMethod>(*opt_gm6[2]);
        enable_period_or_length(txt_gm6, *lbl_gm6[9], *lbl_gm6[10], opt_gm6[2]->value());
    }
    set_gm6_list(i);
}

void ConstructionScreen::opt_gm7_Click(int /*index*/) {
    const int i = selected_line(*lst_gm7);
    if (!gm7_ev_sw || i < 0) return;
    gm7_row[static_cast<std::size_t>(i)].length_method =
        code_when_on<WaveLengthMethod>(*opt_gm7[0]);
    enable_period_or_length(txt_gm7, *lbl_gm7[8], *lbl_gm7[9], opt_gm7[0]->value());
    set_gm7_list(i);
}

void ConstructionScreen::txt_gm6_Change(int index) {
    const int i = store_typed_value(*lst_gm6, gm6_ev_sw, gm6_row, txt_gm6, index);
    if (i >= 0) set_gm6_list(i);
}

void ConstructionScreen::txt_gm7_Change(int index) {
    const int i = store_typed_value(*lst_gm7, gm7_ev_sw, gm7_row, txt_gm7, index);
    if (i >= 0) set_gm7_list(i);
}

int ConstructionScreen::store_typed_value(const ui::ListBox& list, bool ev_sw,
                                          std::array<WaveRec, 5>& rows,
                                          const std::array<ui::TextBox*, 5>& boxes, int index) {
    const int i = selected_line(list);
    if (!ev_sw || i < 0) return -1;
    rows[static_cast<std::size_t>(i)].*kWaveValueFields[static_cast<std::size_t>(index)] =
        ui::leading_number(boxes[static_cast<std::size_t>(index)]->text());
    return i;
}

} // namespace wtn::design
