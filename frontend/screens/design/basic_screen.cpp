#include "basic_screen.h"

#include "number_mask.h"
#include "number_text.h"
#include "padded_text.h"
#include "screen_builder.h"
#include "screen_codes.h"
#include "wall_codes.h"

namespace wtn::design {
namespace {

constexpr int kNeireMethods = 5;
constexpr int kFirstMethodOption = 2;
constexpr int kTideNameMaxTyped = 8;
constexpr const char* kLevelMask = "###0.00";
constexpr const char* kAngleMask = "###0.0";

constexpr const char* kMethodCaptions[kNeireMethods] = {
    "ﾁｬﾝの方式", "ﾁｬﾝの方式（多層地盤）", "Ｃ型地盤", "Ｃ型地盤（多層地盤）", "Ｓ型地盤"};

bool level_used_by_construction(const SekoujiData& w, int level) {
    return box_checked(w.tide_kentou_sw[level]) || box_checked(w.tide_sakuzu_sw[level]);
}

} // namespace

BasicScreen::BasicScreen(mainwin::MainWindow& window) : w_(window) {
    build_conditions_page(*w_.fra_sgm[0][0]);
    build_heights_page(*w_.fra_sgm[0][1]);
}

void BasicScreen::build_conditions_page(ui::Frame& page) {
    lbl_gm1[0] = &add_label(page, "lbl_gm1", 0, {240, 280, 1200, 300}, "業務名称");
    txt_gm1[0] = &page.add<ui::TextBox>("txt_gm1", 0, ui::Rect{1560, 240, 6600, kBoxHeight});
    // The project file keeps 36 characters of the title: the box takes no more.
    txt_gm1[0]->max_length = kTitleLength;
    txt_gm1[0]->select_on_focus = true;
    lbl_gm1[1] = &add_label(page, "lbl_gm1", 1, {240, 640, 3000, 300}, "水の単位体積重量（kN/m3）");
    txt_gm1[1] = &add_number_box(page, "txt_gm1", 1, 3300, 600, leading_number_style(kLevelMask));

    fra_gm1[0] = &add_frame(page, "fra_gm1", 0, {240, 1080, 3600, 1020}, "設計基準");
    opt_gm1[0] = &add_option(*fra_gm1[0], "opt_gm1", 0, {240, 300, 3000, 300}, "港湾基準");
    opt_gm1[1] = &add_option(*fra_gm1[0], "opt_gm1", 1, {240, 660, 3000, 300}, "漁港基準");
    fra_gm1[1] = &add_frame(page, "fra_gm1", 1, {240, 2220, 3600, 2160}, "根入れ部の計算方法");
    for (int k = 0; k < kNeireMethods; ++k) {
        opt_gm1[kFirstMethodOption + k] =
            &add_option(*fra_gm1[1], "opt_gm1", kFirstMethodOption + k,
                        {240, 300 + k * kRowStep, 3120, 300}, kMethodCaptions[k]);
    }

    fra_gm1[2] = &add_frame(page, "fra_gm1", 2, {4080, 1080, 3600, 1020}, "完成時・施工時検討");
    chk_gm1[0] = &add_check(*fra_gm1[2], "chk_gm1", 0, {240, 300, 3000, 300}, "完成時の検討");
    chk_gm1[1] = &add_check(*fra_gm1[2], "chk_gm1", 1, {240, 660, 3000, 300}, "施工時の検討");
    fra_gm1[3] = &add_frame(page, "fra_gm1", 3, {4080, 2220, 3600, 2160}, "断面の決定方法");
    fra_gm1[4] = &add_frame(*fra_gm1[3], "fra_gm1", 4, {120, 300, 3360, 780}, "応力度");
    opt_gm1[7] = &add_option(*fra_gm1[4], "opt_gm1", 7, {240, 320, 1440, 300}, "決定する");
    opt_gm1[8] = &add_option(*fra_gm1[4], "opt_gm1", 8, {1800, 320, 1440, 300}, "決定しない");
    fra_gm1[5] = &add_frame(*fra_gm1[3], "fra_gm1", 5, {120, 1200, 3360, 780}, "変位量");
    opt_gm1[9] = &add_option(*fra_gm1[5], "opt_gm1", 9, {240, 320, 1440, 300}, "決定する");
    opt_gm1[10] = &add_option(*fra_gm1[5], "opt_gm1", 10, {1800, 320, 1440, 300}, "決定しない");
    // The virtual-seabed reaction always decides nothing: its frame stays
    // hidden and the switch passes through the screen unchanged.
    fra_gm1[6] = &add_frame(page, "fra_gm1", 6, {4080, 4500, 3600, 780}, "仮想海底面反力");
    opt_gm1[11] = &add_option(*fra_gm1[6], "opt_gm1", 11, {240, 320, 1440, 300}, "決定する");
    opt_gm1[12] = &add_option(*fra_gm1[6], "opt_gm1", 12, {1800, 320, 1440, 300}, "決定しない");
    fra_gm1[6]->set_visible(false);
    fra_gm1[6]->set_enabled(false);

    fra_gm1[7] = &add_frame(page, "fra_gm1", 7, {7920, 1080, 3420, 1440}, "δ：壁面摩擦角(度)");
    lbl_gm1[4] = &add_label(*fra_gm1[7], "lbl_gm1", 4, {1020, 300, 1100, 300}, "主働側");
    lbl_gm1[5] = &add_label(*fra_gm1[7], "lbl_gm1", 5, {2220, 300, 1100, 300}, "受働側");
    lbl_gm1[2] = &add_label(*fra_gm1[7], "lbl_gm1", 2, {120, 700, 840, 300}, "常  時");
    txt_gm1[2] =
        &add_number_box(*fra_gm1[7], "txt_gm1", 2, 1020, 660, leading_number_style(kAngleMask));
    txt_gm1[3] =
        &add_number_box(*fra_gm1[7], "txt_gm1", 3, 2220, 660, leading_number_style(kAngleMask));
    lbl_gm1[3] = &add_label(*fra_gm1[7], "lbl_gm1", 3, {120, 1060, 840, 300}, "地震時");
    txt_gm1[4] =
        &add_number_box(*fra_gm1[7], "txt_gm1", 4, 1020, 1020, leading_number_style(kAngleMask));
    txt_gm1[5] =
        &add_number_box(*fra_gm1[7], "txt_gm1", 5, 2220, 1020, leading_number_style(kAngleMask));

    for (int i = 0; i < 2; ++i)
        chk_gm1[i]->on_click = [this, i] { chk_gm1_Click(i); };
    for (int i = 0; i < 13; ++i)
        opt_gm1[i]->on_click = [this, i] { opt_gm1_Click(i); };
}

void BasicScreen::build_heights_page(ui::Frame& page) {
    // Levels are formatted only when their text reads as a number.
    const ui::NumberBoxStyle level = text_as_typed_style(kLevelMask);
    fra_gm2[0] = &add_frame(page, "fra_gm2", 0, {240, 240, 4200, 2160}, "設計潮位（m）");
    const char* tide_captions[] = {"Ｈ．Ｈ．Ｗ．Ｌ．", "Ｈ．Ｗ．Ｌ．", "Ｌ．Ｗ．Ｌ．", "任意潮位",
                                   "任意潮位の名称"};
    for (int i = 0; i < 5; ++i) {
        const int top = 300 + i * kRowStep;
        lbl_gm2[i] =
            &add_label(*fra_gm2[0], "lbl_gm2", i, {240, top + 40, 2400, 300}, tide_captions[i]);
        if (i < 4) {
            txt_gm2[i] = &add_number_box(*fra_gm2[0], "txt_gm2", i, 2760, top, level);
        } else {
            txt_gm2[4] = &fra_gm2[0]->add<ui::TextBox>("txt_gm2", 4,
                                                       ui::Rect{2760, top, kBoxWidth, kBoxHeight});
            txt_gm2[4]->max_length = kTideNameMaxTyped;
            txt_gm2[4]->select_on_focus = true;
        }
    }

    fra_gm2[1] = &add_frame(page, "fra_gm2", 1, {240, 2580, 4200, 1440}, "残留水位（m）");
    opt_gm2[0] =
        &add_option(*fra_gm2[1], "opt_gm2", 0, {240, 300, 3600, 300}, "2/3（H.W.L-L.W.L）+L.W.L");
    opt_gm2[1] =
        &add_option(*fra_gm2[1], "opt_gm2", 1, {240, 660, 3600, 300}, "1.0（H.W.L-L.W.L）+L.W.L");
    opt_gm2[2] = &add_option(*fra_gm2[1], "opt_gm2", 2, {240, 1020, 2400, 300}, "入力値を使用");
    txt_gm2[5] = &add_number_box(*fra_gm2[1], "txt_gm2", 5, 2760, 1000, level);

    fra_gm2[2] = &add_frame(page, "fra_gm2", 2, {4800, 240, 3300, 1020}, "天端高（m）");
    lbl_gm2[5] = &add_label(*fra_gm2[2], "lbl_gm2", 5, {240, 340, 1500, 300}, "上部工");
    txt_gm2[6] = &add_number_box(*fra_gm2[2], "txt_gm2", 6, 1920, 300, level);
    lbl_gm2[6] = &add_label(*fra_gm2[2], "lbl_gm2", 6, {240, 700, 1500, 300}, "矢板");
    txt_gm2[7] = &add_number_box(*fra_gm2[2], "txt_gm2", 7, 1920, 660, level);

    fra_gm2[3] = &add_frame(page, "fra_gm2", 3, {4800, 1380, 3300, 1020}, "設計海底面高（m）");
    lbl_gm2[7] = &add_label(*fra_gm2[3], "lbl_gm2", 7, {240, 340, 1500, 300}, "完成時");
    txt_gm2[8] = &add_number_box(*fra_gm2[3], "txt_gm2", 8, 1920, 300, level);
    lbl_gm2[8] = &add_label(*fra_gm2[3], "lbl_gm2", 8, {240, 700, 1500, 300}, "施工時");
    txt_gm2[9] = &add_number_box(*fra_gm2[3], "txt_gm2", 9, 1920, 660, level);

    const char* level_captions[] = {"粘着基準高（m）", "矢板の根入れ高（m）",
                                    "最終土層の下限高（m）"};
    for (int k = 0; k < 3; ++k) {
        const int top = 2640 + k * kRowStep;
        lbl_gm2[9 + k] =
            &add_label(page, "lbl_gm2", 9 + k, {4800, top + 40, 2760, 300}, level_captions[k]);
        txt_gm2[10 + k] = &add_number_box(page, "txt_gm2", 10 + k, 7620, top, level);
    }

    for (int i = 0; i < 3; ++i)
        opt_gm2[i]->on_click = [this, i] { opt_gm2_Click(i); };
}

bool BasicScreen::completed_checked() const {
    return chk_gm1[0]->value() == ui::CheckBox::kChecked;
}

bool BasicScreen::construction_checked() const {
    return chk_gm1[1]->value() == ui::CheckBox::kChecked;
}

void BasicScreen::enable_completed_inputs(bool on) {
    fra_gm1[7]->set_enabled(on);
    for (int i = 2; i <= 5; ++i) {
        lbl_gm1[i]->set_enabled(on);
        txt_gm1[i]->set_enabled(on);
    }
}

// The level inputs: all off, then those of the completed state, then the
// levels the construction stage studies or draws.
void BasicScreen::enable_levels_of_studies() {
    for (int i = 0; i <= 4; ++i)
        lbl_gm2[i]->set_enabled(false);
    for (int i = 0; i <= 5; ++i)
        txt_gm2[i]->set_enabled(false);
    fra_gm2[1]->set_enabled(false);
    for (ui::OptionButton* o : opt_gm2)
        o->set_enabled(false);
    if (completed_checked()) {
        for (int i : {1, 2}) {
            lbl_gm2[i]->set_enabled(true);
            txt_gm2[i]->set_enabled(true);
        }
        txt_gm2[5]->set_enabled(true);
        fra_gm2[1]->set_enabled(true);
        for (ui::OptionButton* o : opt_gm2)
            o->set_enabled(true);
    }
    if (construction_checked()) {
        const SekoujiData& waves = w_.data.sekouji_dat;
        for (int i = 0; i < kStudiedTideLevels; ++i) {
            if (!level_used_by_construction(waves, i)) continue;
            lbl_gm2[i]->set_enabled(true);
            txt_gm2[i]->set_enabled(true);
            if (i == 3) {
                lbl_gm2[4]->set_enabled(true);
                txt_gm2[4]->set_enabled(true);
            }
        }
    }
}

void BasicScreen::enable_embedment_level() {
    const bool multi_layer = opt_gm1[3]->value() || opt_gm1[5]->value();
    lbl_gm2[10]->set_enabled(multi_layer);
    txt_gm2[11]->set_enabled(multi_layer);
}

void BasicScreen::set_sekkei_jk() {
    const SekkeiData& s = w_.data.sekkei_dat;
    // The box shows the title as typed; the project file keeps it padded to
    // its width, and storing pads it again.
    txt_gm1[0]->set_text(
        std::string(without_padding(fixed_text(w_.data.data_title, kTitleLength))));

    const DesignStandard standard = s.std_sw;
    if (standard == DesignStandard::Port) {
        opt_gm1[0]->set_value(true);
    } else if (standard == DesignStandard::FisheryPort) {
        opt_gm1[1]->set_value(true);
        for (int i : {4, 5, 6})
            opt_gm1[i]->set_enabled(false);
    }
    if (ui::OptionButton* method =
            button_of(opt_gm1, s.neire_sw, kFirstMethodOption, kNeireMethods))
        method->set_value(true);

    const bool completed = s.kanseiji_sw != CheckBox::Clear;
    set_check(*chk_gm1[0], completed);
    for (int i : {1, 4, 6}) {
        w_.opt_menu[i]->set_enabled(completed);
        w_.inp_menu[i]->set_enabled(completed);
    }
    w_.k_kekka->set_enabled(completed);
    enable_completed_inputs(completed);

    const bool construction = s.sekouji_sw != CheckBox::Clear;
    set_check(*chk_gm1[1], construction);
    w_.opt_menu[2]->set_enabled(construction);
    w_.inp_menu[2]->set_enabled(construction);
    w_.s_kekka->set_enabled(construction);
    if (construction) {
        w_.opt_menu[6]->set_enabled(completed);
        w_.inp_menu[6]->set_enabled(completed);
        lbl_gm2[5]->set_enabled(completed);
        txt_gm2[6]->set_enabled(completed);
    }

    select_pair(s.stress_sw, *opt_gm1[7], *opt_gm1[8]);
    select_pair(s.disp_sw, *opt_gm1[9], *opt_gm1[10]);
    select_pair(s.zevove_sw, *opt_gm1[11], *opt_gm1[12]);

    txt_gm1[2]->set_text(ui::format_mask(s.delta_jyo[0], kAngleMask));
    txt_gm1[3]->set_text(ui::format_mask(s.delta_jyo[1], kAngleMask));
    txt_gm1[4]->set_text(ui::format_mask(s.delta_jis[0], kAngleMask));
    txt_gm1[5]->set_text(ui::format_mask(s.delta_jis[1], kAngleMask));
    txt_gm1[1]->set_text(ui::format_mask(s.water_w, kLevelMask));
    for (int i = 0; i < 4; ++i)
        txt_gm2[i]->set_text(ui::format_mask(s.tide_lvl[i], kLevelMask));
    txt_gm2[4]->set_text(fixed_text(s.tide_name, kTideNameLength));

    enable_levels_of_studies();

    if (is_listed(s.rwl_sw)) {
        opt_gm2[static_cast<std::size_t>(screen_residual_switch(s.rwl_sw))]->set_value(true);
        txt_gm2[5]->set_enabled(s.rwl_sw == ResidualLevelRule::Given);
    }

    txt_gm2[5]->set_text(ui::format_mask(s.tide_lvl[4], kLevelMask));
    txt_gm2[6]->set_text(ui::format_mask(s.crown_jobu, kLevelMask));
    txt_gm2[7]->set_text(ui::format_mask(s.crown_yaita, kLevelMask));
    txt_gm2[8]->set_text(ui::format_mask(s.seabed_kansei, kLevelMask));
    txt_gm2[9]->set_text(ui::format_mask(s.seabed_sekou, kLevelMask));

    txt_gm2[8]->set_enabled(completed_checked());
    lbl_gm2[7]->set_enabled(completed_checked());
    txt_gm2[9]->set_enabled(construction_checked());
    lbl_gm2[8]->set_enabled(construction_checked());

    txt_gm2[10]->set_text(ui::format_mask(s.cohesion_lvl, kLevelMask));
    txt_gm2[11]->set_text(ui::format_mask(s.embed_lvl, kLevelMask));
    txt_gm2[12]->set_text(ui::format_mask(s.bottom_lvl, kLevelMask));

    enable_embedment_level();
}

void BasicScreen::put_sekkei_jk() {
    SekkeiData& s = w_.data.sekkei_dat;
    w_.data.data_title = fixed_text(txt_gm1[0]->text(), kTitleLength);
    s.std_sw = code_when_on<DesignStandard>(*opt_gm1[0]);
    for (int k = 0; k < kNeireMethods; ++k) {
        if (opt_gm1[kFirstMethodOption + k]->value()) {
            s.neire_sw = code_of_list_index<EmbedmentMethod>(k);
            break;
        }
    }
    s.kanseiji_sw = check_value(*chk_gm1[0]);
    w_.k_kekka->set_enabled(s.kanseiji_sw != CheckBox::Clear);
    s.sekouji_sw = check_value(*chk_gm1[1]);
    w_.s_kekka->set_enabled(s.sekouji_sw != CheckBox::Clear);
    s.stress_sw = code_when_on<YesNo>(*opt_gm1[7]);
    s.disp_sw = code_when_on<YesNo>(*opt_gm1[9]);
    s.zevove_sw = code_when_on<YesNo>(*opt_gm1[11]);

    s.delta_jyo[0] = ui::leading_number(txt_gm1[2]->text());
    s.delta_jyo[1] = ui::leading_number(txt_gm1[3]->text());
    s.delta_jis[0] = ui::leading_number(txt_gm1[4]->text());
    s.delta_jis[1] = ui::leading_number(txt_gm1[5]->text());
    s.water_w = ui::leading_number(txt_gm1[1]->text());

    for (int i = 0; i < 4; ++i)
        s.tide_lvl[i] = ui::leading_number(txt_gm2[i]->text());
    s.tide_name = fixed_text(txt_gm2[4]->text(), kTideNameLength);

    for (int k = 0; k < 3; ++k) {
        if (!opt_gm2[k]->value()) continue;
        s.rwl_sw = residual_rule_from_screen(k);
        if (s.rwl_sw == ResidualLevelRule::Given)
            s.tide_lvl[4] = ui::leading_number(txt_gm2[5]->text());
        break;
    }

    s.crown_jobu = ui::leading_number(txt_gm2[6]->text());
    s.crown_yaita = ui::leading_number(txt_gm2[7]->text());
    s.seabed_kansei = ui::leading_number(txt_gm2[8]->text());
    s.seabed_sekou = ui::leading_number(txt_gm2[9]->text());
    s.cohesion_lvl = ui::leading_number(txt_gm2[10]->text());
    s.embed_lvl = ui::leading_number(txt_gm2[11]->text());
    s.bottom_lvl = ui::leading_number(txt_gm2[12]->text());
}

void BasicScreen::chk_gm1_Click(int index) {
    if (index == 0) {
        for (int i : {1, 4}) {
            w_.opt_menu[i]->set_enabled(completed_checked());
            w_.inp_menu[i]->set_enabled(completed_checked());
        }
    } else if (index == 1) {
        w_.opt_menu[2]->set_enabled(construction_checked());
        w_.inp_menu[2]->set_enabled(construction_checked());
    }
    w_.opt_menu[6]->set_enabled(completed_checked());
    w_.inp_menu[6]->set_enabled(completed_checked());
    enable_completed_inputs(completed_checked());

    enable_levels_of_studies();
    lbl_gm2[5]->set_enabled(completed_checked());
    txt_gm2[6]->set_enabled(completed_checked());
    w_.k_kekka->set_enabled(completed_checked());
    w_.s_kekka->set_enabled(construction_checked());

    txt_gm2[8]->set_enabled(completed_checked());
    lbl_gm2[7]->set_enabled(completed_checked());
    txt_gm2[9]->set_enabled(construction_checked());
    lbl_gm2[8]->set_enabled(construction_checked());
}

void BasicScreen::opt_gm1_Click(int index) {
    if (index == 0 || index == 1) {
        for (int i : {4, 5, 6})
            opt_gm1[i]->set_enabled(index == 0);
    }
    enable_embedment_level();
}

void BasicScreen::opt_gm2_Click(int index) {
    txt_gm2[5]->set_enabled(residual_rule_from_screen(index) == ResidualLevelRule::Given);
}

} // namespace wtn::design
