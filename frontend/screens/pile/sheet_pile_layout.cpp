// The controls of the sheet-pile screen, in tab order, in twips inside each
// page frame (11460 x 5760).
#include "number_box.h"
#include "pile_screen_parts.h"
#include "sheet_pile_screen.h"

namespace wtn::pile {
namespace {

constexpr int kBoxWidth = 1100;
constexpr int kOptionHeight = 270;
constexpr int kRowStep = 360;
constexpr int kFrameTitle = 300; // room for a frame's caption above its first row
// Columns of page 0.
constexpr int kColumn1 = 120;
constexpr int kColumn2 = 3600;
constexpr int kColumn3 = 7560;
constexpr int kColumn1Width = 3360;
constexpr int kColumn2Width = 3840;
constexpr int kColumn3Width = 3780;
// Number boxes inside the frames of page 0 stand at this left.
constexpr int kBoxLeft = 2520;

constexpr const char* kYoungHint =
    "0.0を指定すれば､指定した矢板のヤング係数を使用します｡ （鋼矢板/鋼管矢板 E=200.0 kN/mm2 "
    "PC矢板 E=34.3 kN/mm2）";
constexpr const char* kStressHint = "0.0を指定すれば､指定した材質の許容応力度を使用します｡";
constexpr const char* kStressHint15 =
    "0.0を指定すれば､指定した材質の許容応力度を1.5倍した値を使用します｡";
constexpr const char* kReductionHint =
    "追加矢板データの場合のみ、この値から腐食後の断面性能を計算します｡";

ui::Label& label(ui::Container& c, const std::string& name, int index, ui::Rect r,
                 const std::string& caption) {
    ui::Label& l = c.add<ui::Label>(name, index, r);
    l.set_caption(caption);
    return l;
}

ui::OptionButton& option(ui::Container& c, const std::string& name, int index, ui::Rect r,
                         const std::string& caption) {
    ui::OptionButton& o = c.add<ui::OptionButton>(name, index, r);
    o.set_caption(caption);
    return o;
}

ui::Frame& frame(ui::Container& c, const std::string& name, int index, ui::Rect r,
                 const std::string& caption) {
    ui::Frame& f = c.add<ui::Frame>(name, index, r);
    f.set_caption(caption);
    return f;
}

// A number box of the screen: its mask, its typing limit, its status-bar hint
// on entry (entry_hint: whether entering sets the panel at all) and the panel
// emptied on leaving.
ui::TextBox& number_box(ui::Container& c, const std::string& name, int index, ui::Rect r,
                        ui::StatusBar& status, const std::string& mask, std::size_t max_length,
                        bool entry_hint = false, const std::string& hint = "") {
    ui::TextBox& box = c.add<ui::TextBox>(name, index, r);
    if (entry_hint && hint.empty()) box.on_got_focus = [&status] { status.set_panel_text(1, ""); };
    box.on_lost_focus = [&status] { status.set_panel_text(1, ""); };
    ui::NumberBoxStyle style;
    style.mask = mask;
    style.source = ui::MaskSource::TextAsTyped;
    style.max_length = max_length;
    style.status = &status;
    style.hint = entry_hint ? hint : "";
    ui::make_number_box(box, style);
    return box;
}

} // namespace

void SheetPileScreen::build_basic_page(ui::Frame& page) {
    ui::StatusBar& status = w.stv_gm;
    // Column 1: type, U-type variant, grade.
    fra_gm8[0] = &frame(page, "fra_gm8", 0, {kColumn1, 60, kColumn1Width, 2430}, "矢板形式");
    const char* kinds[7] = {"Ｕ型矢板",         "Z型矢板",  "矢板任意指定",    "鋼管矢板指定",
                            "ＰＣ矢板［塩対］", "ＰＣ矢板", "ＰＣ矢板任意指定"};
    for (int i = 0; i < 7; ++i) {
        opt_gm8[i] =
            &option(*fra_gm8[0], "opt_gm8", i,
                    {240, kFrameTitle + i * 300, kColumn1Width - 360, kOptionHeight}, kinds[i]);
    }
    fra_gm8[2] = &frame(page, "fra_gm8", 2, {kColumn1, 2580, kColumn1Width, 1230}, "Ｕ型矢板 ");
    opt_gm8[7] = &option(*fra_gm8[2], "opt_gm8", 7, {240, 300, 3000, kOptionHeight},
                         "改良型［添え字Ａ、Ｌがつく］");
    opt_gm8[8] = &option(*fra_gm8[2], "opt_gm8", 8, {240, 600, 3000, kOptionHeight}, "一般型");
    opt_gm8[13] = &option(*fra_gm8[2], "opt_gm8", 13, {240, 900, 3000, kOptionHeight}, "広幅型");
    fra_gm8[3] = &frame(page, "fra_gm8", 3, {kColumn1, 3960, kColumn1Width, 930}, "材質");
    opt_gm8[9] = &option(*fra_gm8[3], "opt_gm8", 9, {240, 300, 3000, kOptionHeight},
                         "ＳＹ２９５、ＳＫＹ４００");
    opt_gm8[10] = &option(*fra_gm8[3], "opt_gm8", 10, {240, 600, 3000, kOptionHeight},
                          "ＳＹ３９０、ＳＫＹ４９０");

    // Column 2: Young's modulus, allowable displacements and stresses, joint efficiencies.
    fra_gm8[5] = &frame(page, "fra_gm8", 5, {kColumn2, 60, kColumn2Width, 480}, "");
    lbl_gm8[1] =
        &label(*fra_gm8[5], "lbl_gm8", 1, {120, 150, 2280, kLabelHeight}, "ヤング係数（kN/mm2）");
    txt_gm8[0] = &number_box(*fra_gm8[5], "txt_gm8", 0, {kBoxLeft, 90, kBoxWidth, kBoxHeight},
                             status, "###0.0", 10, true, kYoungHint);
    fra_gm8[1] = &frame(page, "fra_gm8", 1, {kColumn2, 660, kColumn2Width, 1380},
                        "矢板頭部の許容変位量（cm）");
    fra_gm8[4] = &frame(page, "fra_gm8", 4, {kColumn2, 2160, kColumn2Width, 1380},
                        "矢板の許容応力度（N/mm2）");
    const char* cases[3] = {"常時", "地震時", "施工時"};
    for (int k = 0; k < 3; ++k) {
        const int top = kFrameTitle + k * kRowStep;
        lbl_gm8[2 + k] =
            &label(*fra_gm8[1], "lbl_gm8", 2 + k, {240, top + 30, 1800, kLabelHeight}, cases[k]);
        txt_gm8[2 + k] =
            &number_box(*fra_gm8[1], "txt_gm8", 2 + k, {kBoxLeft, top, kBoxWidth, kBoxHeight},
                        status, "###0.00", 10, true);
    }
    for (int k = 0; k < 3; ++k) {
        const int top = kFrameTitle + k * kRowStep;
        lbl_gm8[5 + k] =
            &label(*fra_gm8[4], "lbl_gm8", 5 + k, {240, top + 30, 1800, kLabelHeight}, cases[k]);
        txt_gm8[5 + k] =
            &number_box(*fra_gm8[4], "txt_gm8", 5 + k, {kBoxLeft, top, kBoxWidth, kBoxHeight},
                        status, "###0.0", 9, true, k == 0 ? kStressHint : kStressHint15);
    }
    // Joint efficiencies: the embedment-length factor first, then the
    // section's I and Z; each box beside the label of its own index, so a
    // value typed beside a caption reaches that factor.
    fra_gm8[8] =
        &frame(page, "fra_gm8", 8, {kColumn2, 3660, kColumn2Width, 1380}, "矢板の継ぎ手効率（α）");
    const int alpha_rows[3] = {10, 9, 11};
    const char* alpha_captions[3] = {"根入れ長計算時（ Ｉ ）", "矢板断面計算時（ I ）",
                                     "矢板断面計算時（ Z ）"};
    for (int k = 0; k < 3; ++k) {
        const int i = alpha_rows[k];
        const int top = kFrameTitle + k * kRowStep;
        lbl_gm8[i] = &label(*fra_gm8[8], "lbl_gm8", i, {120, top + 30, 2280, kLabelHeight},
                            alpha_captions[k]);
        txt_gm8[i] = &number_box(*fra_gm8[8], "txt_gm8", i, {kBoxLeft, top, kBoxWidth, kBoxHeight},
                                 status, "###0.00", 9);
    }

    // Column 3: secondary stress with the kh frame inside.
    fra_gm8[6] = &frame(page, "fra_gm8", 6, {kColumn3, 60, kColumn3Width, 1980}, "二次応力の検討");
    opt_gm8[11] = &option(*fra_gm8[6], "opt_gm8", 11, {240, 300, 3000, kOptionHeight}, "検討する");
    opt_gm8[12] =
        &option(*fra_gm8[6], "opt_gm8", 12, {240, 600, 3000, kOptionHeight}, "検討しない");
    fra_gm8[7] = &frame(*fra_gm8[6], "fra_gm8", 7, {120, 1020, kColumn3Width - 240, 780},
                        "横方向地盤反力係数(kh：kN/m3)");
    lbl_gm8[8] = &label(*fra_gm8[7], "lbl_gm8", 8, {120, kFrameTitle + 60, 1800, kLabelHeight},
                        "lmMAX計算用");
    txt_gm8[8] =
        &number_box(*fra_gm8[7], "txt_gm8", 8, {2160, kFrameTitle + 30, kBoxWidth, kBoxHeight},
                    status, "#####0.0", 10);

    // The exponent of Young's modulus: never shown, filled and read.
    lbl_gm8[0] = &label(page, "lbl_gm8", 0, {kColumn3, 2400, 900, kLabelHeight}, "係数：Ａ");
    lbl_gm8[20] = &label(page, "lbl_gm8", 20, {kColumn3, 2700, 1200, kLabelHeight}, "Ａ×１０＾");
    txt_gm8[1] = &number_box(page, "txt_gm8", 1, {kColumn3 + 1320, 2670, kBoxWidth, kBoxHeight},
                             status, "###0", 4, true, kYoungHint);
    lbl_gm8[21] = &label(page, "lbl_gm8", 21, {kColumn3 + 2520, 2700, 300, kLabelHeight}, "Ｂ");
    for (ui::Control* c :
         {static_cast<ui::Control*>(lbl_gm8[0]), static_cast<ui::Control*>(lbl_gm8[20]),
          static_cast<ui::Control*>(txt_gm8[1]), static_cast<ui::Control*>(lbl_gm8[21])}) {
        c->set_visible(false);
        c->set_enabled(false);
    }
}

void SheetPileScreen::build_choice_page(ui::Frame& page, ui::ListBox*& list,
                                        std::array<ui::Label*, 6>& heads,
                                        const std::string& list_name,
                                        const std::string& head_name) {
    constexpr int kListLeft = 120;
    constexpr int kListTop = 720;
    constexpr int kHeadTop1 = 240;
    constexpr int kHeadTop2 = 480;
    heads[0] = &label(page, head_name, 0, {kListLeft, 0, 1000, kLabelHeight}, "選択");
    heads[1] = &label(page, head_name, 1, {cell_left(kListLeft, 1), kHeadTop2, 1500, kLabelHeight},
                      "矢板名称");
    heads[2] = &label(page, head_name, 2, {cell_left(kListLeft, 26), kHeadTop1, 1260, kLabelHeight},
                      "断面二次ﾓｰﾒﾝﾄ");
    heads[3] = &label(page, head_name, 3, {cell_left(kListLeft, 26), kHeadTop2, 1260, kLabelHeight},
                      "Ｉ（cm4/m）");
    // The Z headings stand right-aligned over the Z column (cells 36 to 53),
    // clear of the wider I heading.
    const int z_left = cell_left(kListLeft, 41);
    const int z_width = cell_left(kListLeft, 54) - z_left;
    heads[4] = &label(page, head_name, 4, {z_left, kHeadTop1, z_width, kLabelHeight}, "断面係数");
    heads[5] =
        &label(page, head_name, 5, {z_left, kHeadTop2, z_width, kLabelHeight}, "Ｚ（cm3/m）");
    heads[4]->align_right = true;
    heads[5]->align_right = true;
    list = &page.add<ui::ListBox>(list_name, ui::Rect{kListLeft, kListTop, 5400, 4800});
    list->multi_select = true;
    list->fixed_pitch = true;
    list->font_size = ui::kListFontPoints;
}

void SheetPileScreen::build_steel_pipe_page(ui::Frame& page) {
    ui::StatusBar& status = w.stv_gm;
    fra_gm9 = &frame(page, "fra_gm9", 0, {120, 60, 11220, 5580}, "鋼管矢板");
    constexpr int kListLeft = 120;
    constexpr int kListTop = 840;
    constexpr int kListWidth = 4920;
    constexpr int kListHeight = 3840;
    lbl_gm9[0] =
        &label(*fra_gm9, "lbl_gm9", 0, {cell_left(kListLeft, 1), 600, 360, kLabelHeight}, "Ｎｏ");
    lbl_gm9[1] = &label(*fra_gm9, "lbl_gm9", 1,
                        {cell_left(kListLeft, 18) - 1080, 600, 1080, kLabelHeight}, "外径（mm）");
    lbl_gm9[2] = &label(*fra_gm9, "lbl_gm9", 2,
                        {cell_left(kListLeft, 31) - 1080, 600, 1080, kLabelHeight}, "厚さ（mm）");
    lbl_gm9[1]->align_right = true;
    lbl_gm9[2]->align_right = true;
    lbl_gm9[3] = &label(*fra_gm9, "lbl_gm9", 3, {cell_left(kListLeft, 36), 300, 1620, kLabelHeight},
                        "矢板の継手");
    lbl_gm9[4] = &label(*fra_gm9, "lbl_gm9", 4, {cell_left(kListLeft, 32), 600, 1860, kLabelHeight},
                        "継手有効間隔（mm）");
    lst_gm9 = &fra_gm9->add<ui::ListBox>("lst_gm9",
                                         ui::Rect{kListLeft, kListTop, kListWidth, kListHeight});
    lst_gm9->fixed_pitch = true;
    lst_gm9->font_size = ui::kListFontPoints;

    constexpr int kRight = 5400;
    lbl_gm9[5] = &label(*fra_gm9, "lbl_gm9", 5, {kRight, 870, 1500, kLabelHeight}, "外径（mm）");
    txt_gm9[0] = &fra_gm9->add<ui::TextBox>("txt_gm9", 0,
                                            ui::Rect{kRight + 1620, 840, kBoxWidth, kBoxHeight});
    lbl_gm9[6] = &label(*fra_gm9, "lbl_gm9", 6, {kRight, 1290, 1500, kLabelHeight}, "厚さ（mm）");
    txt_gm9[1] = &fra_gm9->add<ui::TextBox>("txt_gm9", 1,
                                            ui::Rect{kRight + 1620, 1260, kBoxWidth, kBoxHeight});
    lbl_gm9[7] = &label(*fra_gm9, "lbl_gm9", 7, {kRight, 1740, 1500, kLabelHeight}, "矢板の継手");
    const char* joints[4] = {"二港湾型（Ｌ－Ｔ型） [L-65×65×8]",
                             "パイプ型（Ｐ－Ｔ型） [φ165.2×t9.0]",
                             "パイプ型（Ｐ－Ｐ型） [φ165.2×t11.0]", "継手の有効間隔"};
    for (int k = 0; k < 4; ++k) {
        opt_gm9[k] = &option(*fra_gm9, "opt_gm9", k,
                             {kRight + 240, 2040 + k * 330, 5400, kOptionHeight}, joints[k]);
    }
    lbl_gm9[8] = &label(*fra_gm9, "lbl_gm9", 8, {kRight + 480, 3420, 1800, kLabelHeight},
                        "継手有効間隔（mm）");
    txt_gm9[2] = &fra_gm9->add<ui::TextBox>("txt_gm9", 2,
                                            ui::Rect{kRight + 2400, 3390, kBoxWidth, kBoxHeight});
    const char* buttons[3] = {"追加", "挿入", "削除"};
    for (int k = 0; k < 3; ++k) {
        cmd_gm9[k] = &fra_gm9->add<ui::CommandButton>(
            "cmd_gm9", k, ui::Rect{kListLeft + k * 1320, kListTop + kListHeight + 120, 1200, 390});
        cmd_gm9[k]->set_caption(buttons[k]);
        cmd_gm9[k]->on_click = [this, k] { cmd_gm9_Click(k); };
    }
    lst_gm9->on_click = [this] { lst_gm9_Click(); };
    for (int k = 0; k < 4; ++k)
        opt_gm9[k]->on_click = [this, k] { opt_gm9_Click(k); };
    for (int k = 0; k < 3; ++k) {
        txt_gm9[k]->on_change = [this, k] { txt_gm9_Change(k); };
        ui::NumberBoxStyle style;
        style.mask = "###0.0";
        style.source = ui::MaskSource::LeadingNumber;
        style.event_switch = &gm9_ev_sw;
        ui::make_number_box(*txt_gm9[k], style);
    }
    (void)status;
}

void SheetPileScreen::build_corrosion_page(ui::Frame& page) {
    ui::StatusBar& status = w.stv_gm;
    fra_gm12[4] = &frame(page, "fra_gm12", 4, {120, 60, 4200, 960}, "腐食後断面検討SW");
    opt_gm12[0] = &option(*fra_gm12[4], "opt_gm12", 0, {240, 300, 3720, kOptionHeight},
                          "海中部・海底泥層中共に検討");
    opt_gm12[1] =
        &option(*fra_gm12[4], "opt_gm12", 1, {240, 600, 3720, kOptionHeight}, "海底泥層中のみ検討");
    fra_gm12[0] = &frame(page, "fra_gm12", 0, {120, 1140, 7800, 1560}, "腐食速度（mm/年）");
    fra_gm12[1] = &frame(*fra_gm12[0], "fra_gm12", 1, {120, 300, 3660, 1140}, "海側");
    lbl_gm12[2] = &label(*fra_gm12[1], "lbl_gm12", 2, {240, 360, 1800, kLabelHeight}, "海中部");
    txt_gm12[2] = &number_box(*fra_gm12[1], "txt_gm12", 2, {2280, 330, kBoxWidth, kBoxHeight},
                              status, "###0.000", 10);
    lbl_gm12[3] = &label(*fra_gm12[1], "lbl_gm12", 3, {240, 720, 1800, kLabelHeight}, "海底泥層中");
    txt_gm12[3] = &number_box(*fra_gm12[1], "txt_gm12", 3, {2280, 690, kBoxWidth, kBoxHeight},
                              status, "###0.000", 10);
    fra_gm12[2] = &frame(*fra_gm12[0], "fra_gm12", 2, {3960, 300, 3660, 1140}, "陸側");
    lbl_gm12[5] = &label(*fra_gm12[2], "lbl_gm12", 5, {240, 360, 1800, kLabelHeight}, "海中部");
    txt_gm12[5] = &number_box(*fra_gm12[2], "txt_gm12", 5, {2280, 330, kBoxWidth, kBoxHeight},
                              status, "###0.000", 10);
    lbl_gm12[6] = &label(*fra_gm12[2], "lbl_gm12", 6, {240, 720, 1800, kLabelHeight}, "海底泥層中");
    txt_gm12[6] = &number_box(*fra_gm12[2], "txt_gm12", 6, {2280, 690, kBoxWidth, kBoxHeight},
                              status, "###0.000", 10);
    fra_gm12[3] = &frame(page, "fra_gm12", 3, {120, 2820, 3660, 1140}, "矢板の低減率（%）");
    lbl_gm12[8] = &label(*fra_gm12[3], "lbl_gm12", 8, {240, 360, 1800, kLabelHeight}, "海中部");
    txt_gm12[8] = &number_box(*fra_gm12[3], "txt_gm12", 8, {2280, 330, kBoxWidth, kBoxHeight},
                              status, "###0", 4, true, kReductionHint);
    lbl_gm12[9] = &label(*fra_gm12[3], "lbl_gm12", 9, {240, 720, 1800, kLabelHeight}, "海底泥層中");
    txt_gm12[9] = &number_box(*fra_gm12[3], "txt_gm12", 9, {2280, 690, kBoxWidth, kBoxHeight},
                              status, "###0", 4, true, kReductionHint);
    lbl_gm12[7] = &label(page, "lbl_gm12", 7, {360, 4200, 1800, kLabelHeight}, "耐用年数");
    txt_gm12[7] =
        &number_box(page, "txt_gm12", 7, {2400, 4170, kBoxWidth, kBoxHeight}, status, "###0", 10);
    // Copies of the rates of the upper zones: never shown, filled and read.
    const char* hidden[3][2] = {
        {"0", "Ｈ．Ｗ．Ｌ．以上"}, {"1", "Ｈ．Ｗ．Ｌ．～Ｌ．Ｗ．Ｌ．-1.0m"}, {"4", "陸上大気中"}};
    for (int k = 0; k < 3; ++k) {
        const int i = std::stoi(hidden[k][0]);
        const int top = 2820 + k * kRowStep;
        lbl_gm12[i] =
            &label(page, "lbl_gm12", i, {6000, top + 30, 2400, kLabelHeight}, hidden[k][1]);
        txt_gm12[i] = &number_box(page, "txt_gm12", i, {8520, top, kBoxWidth, kBoxHeight}, status,
                                  "###0.000", 10);
        lbl_gm12[i]->set_visible(false);
        txt_gm12[i]->set_visible(false);
    }
}

} // namespace wtn::pile
