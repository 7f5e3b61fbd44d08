#include "completed_screen.h"

#include "explain_pictures.h"
#include "number_mask.h"
#include "screen_builder.h"
#include "screen_codes.h"
#include "wall_codes.h"

namespace wtn::design {
namespace {

constexpr int kSeismicPage = 1;
// The option buttons of the apparent seismic coefficient, in the order of its
// rules: given, the general formula, Niken, Arai-Yokoi.
constexpr int kApparentRules = 4;
constexpr int kApparentButtons[kApparentRules] = {2, 3, 4, 13};
constexpr const char* kMask = "###0.00";
constexpr ui::Rect kPicturePlace{5580, 120, 5850, 2850};

// The first frame with a picture on each page: 地表面形状 and Ｒ．Ｗ．Ｌ．位置.
constexpr int kFirstExplainedFrame[2] = {1, 3};

// Which picture a frame explains, by the frame's index; 0 for none.
int normal_page_picture(int frame) {
    switch (frame) {
    case 1:
        return 1;
    case 2:
        return 2;
    default:
        return 0;
    }
}

int seismic_page_picture(int frame) {
    switch (frame) {
    case 3:
        return 3;
    case 4:
        return 4;
    case 6:
        return 5;
    case 7:
        return 6;
    default:
        return 0;
    }
}

} // namespace

CompletedScreen::CompletedScreen(mainwin::MainWindow& window) : w_(window) {
    build_normal_page(*w_.fra_sgm[1][0]);
    build_seismic_page(*w_.fra_sgm[1][1]);
    // Each page's picture shows its first explained choice from the start:
    // an empty picture box is a black square that explains nothing.
    show_picture(0, kFirstExplainedFrame[0], normal_page_picture(kFirstExplainedFrame[0]));
    show_picture(1, kFirstExplainedFrame[1], seismic_page_picture(kFirstExplainedFrame[1]));
}

void CompletedScreen::build_normal_page(ui::Frame& page) {
    fra_gm3[0] = &add_frame(page, "fra_gm3", 0, {240, 120, 5000, 1020}, "常時・地震時検討");
    chk_gm3[0] = &add_check(*fra_gm3[0], "chk_gm3", 0, {240, 300, 3000, 300}, "常時の検討");
    chk_gm3[1] = &add_check(*fra_gm3[0], "chk_gm3", 1, {240, 660, 3000, 300}, "地震時の検討");
    fra_gm3[1] = &add_frame(page, "fra_gm3", 1, {240, 1260, 5000, 1020}, "地表面形状");
    opt_gm3[0] = &add_option(*fra_gm3[1], "opt_gm3", 0, {240, 300, 4560, 300},
                             "直線形状（上載荷重は１つ設定可能）");
    opt_gm3[1] = &add_option(*fra_gm3[1], "opt_gm3", 1, {240, 660, 4560, 300},
                             "盛土形状（上載荷重は複数設定可能）");
    fra_gm3[2] = &add_frame(page, "fra_gm3", 2, {240, 2400, 5000, 1260}, "荷重計算方法");
    opt_gm3[2] = &add_option(*fra_gm3[2], "opt_gm3", 2, {240, 270, 4560, kTwoLineHeight},
                             "海底面位置で計算した上載荷重を全土層の上載荷重とする");
    opt_gm3[3] =
        &add_option(*fra_gm3[2], "opt_gm3", 3, {240, 840, 4560, 300}, "各層毎に上載荷重を計算する");
    img_gm3 = &page.add<ui::PictureBox>("img_gm3", kPicturePlace);
    fra_gm3[3] = &add_frame(page, "fra_gm3", 3, {240, 3840, 11070, 1020}, "(常時)粘性土土圧強度式");
    opt_gm3[4] = &add_option(*fra_gm3[3], "opt_gm3", 4, {240, 300, 10500, 300},
                             "Pa=Σγh+w-2c , pa=Kc(Σγh+w)を比較し、構造物に危険となる方を採用する");
    opt_gm3[5] =
        &add_option(*fra_gm3[3], "opt_gm3", 5, {240, 660, 10500, 300}, "Pa=Σγh+w-2cのみで計算する");

    img_gm3->back_color = kExplainBackColor;
    img_gm3->on_paint = [this] {
        if (shown_[0] != 0) draw_explain_picture(*img_gm3, shown_[0]);
    };
    for (int i = 0; i < 2; ++i)
        chk_gm3[i]->on_click = [this, i] { chk_gm3_Click(i); };
    for (int i = 0; i < 6; ++i)
        opt_gm3[i]->on_click = [this, i] { opt_gm3_Click(i); };
    for (int i = 0; i < 4; ++i) {
        fra_gm3[i]->on_mouse_move = [this, i](ui::MouseButton, int, double, double) {
            fra_gm3_MouseMove(i);
        };
    }
}

void CompletedScreen::build_seismic_page(ui::Frame& page) {
    fra_gm4[0] = &add_frame(page, "fra_gm4", 0, {240, 120, 2580, 2280}, "設計震度");
    opt_gm4[0] = &add_option(*fra_gm4[0], "opt_gm4", 0, {120, 300, 1200, 300}, "直接入力");
    txt_gm4[0] = &add_number_box(*fra_gm4[0], "txt_gm4", 0, 1380, 300, leading_number_style(kMask));
    opt_gm4[1] = &add_option(*fra_gm4[0], "opt_gm4", 1, {120, 660, 2340, 300}, "係数により計算");
    const char* factor_captions[] = {"地域別震度", "地盤種別係数", "重要度係数"};
    for (int k = 0; k < 3; ++k) {
        const int top = 1020 + k * kRowStep;
        lbl_gm4[k] =
            &add_label(*fra_gm4[0], "lbl_gm4", k, {240, top + 40, 1140, 300}, factor_captions[k]);
        txt_gm4[1 + k] =
            &add_number_box(*fra_gm4[0], "txt_gm4", 1 + k, 1380, top, leading_number_style(kMask));
    }

    fra_gm4[1] = &add_frame(page, "fra_gm4", 1, {2940, 120, 2520, 2760}, "見かけの震度");
    fra_gm4[10] = &add_frame(*fra_gm4[1], "fra_gm4", 10, {60, 240, 2400, 1440}, "");
    opt_gm4[13] =
        &add_option(*fra_gm4[10], "opt_gm4", 13, {60, 90, 2280, 300}, "荒井・横井の提案式");
    opt_gm4[3] =
        &add_option(*fra_gm4[10], "opt_gm4", 3, {60, 420, 2280, 300}, "一般式[γ/(γ-10)・ｋ]");
    opt_gm4[4] = &add_option(*fra_gm4[10], "opt_gm4", 4, {60, 750, 2280, 300}, "二建の提案式");
    opt_gm4[2] = &add_option(*fra_gm4[10], "opt_gm4", 2, {60, 1080, 2280, 300}, "直接入力");
    txt_gm4[4] =
        &add_number_box(*fra_gm4[1], "txt_gm4", 4, 1320, 1740, leading_number_style(kMask));
    fra_gm4[8] = &add_frame(*fra_gm4[1], "fra_gm4", 8, {60, 2100, 2400, 600}, "動水圧作用SW");
    opt_gm4[15] = &add_option(*fra_gm4[8], "opt_gm4", 15, {120, 240, 1080, 300}, "しない");
    opt_gm4[14] = &add_option(*fra_gm4[8], "opt_gm4", 14, {1260, 240, 1080, 300}, "する");

    img_gm4 = &page.add<ui::PictureBox>("img_gm4", kPicturePlace);

    fra_gm4[5] = &add_frame(page, "fra_gm4", 5, {240, 2980, 6600, 2720}, "粘性土の取り扱い");
    fra_gm4[7] = &add_frame(*fra_gm4[5], "fra_gm4", 7, {120, 300, 6360, 990}, "土圧計算方法");
    opt_gm4[12] = &add_option(*fra_gm4[7], "opt_gm4", 12, {120, 300, 6120, 300},
                              "上・下共に見かけの震度を用いて土圧を計算");
    opt_gm4[11] = &add_option(*fra_gm4[7], "opt_gm4", 11, {120, 630, 6120, 300},
                              "海底面-10m位置で見かけの震度を0として計算した土圧と直線補間");
    fra_gm4[6] = &add_frame(*fra_gm4[5], "fra_gm4", 6, {120, 1320, 6360, 1380}, "土圧強度式");
    fra_gm4[9] = &add_frame(*fra_gm4[6], "fra_gm4", 9, {120, 300, 6120, 360}, "");
    chk_gm4[0] = &add_check(*fra_gm4[9], "chk_gm4", 0, {120, 30, 5880, 300},
                            "√内が負の値の場合、岡部式を用いる");
    opt_gm4[9] = &add_option(*fra_gm4[6], "opt_gm4", 9, {120, 720, 6120, 300},
                             "（式－1）と（式－2）を比較し、構造物に危険となる土圧分布をとる");
    opt_gm4[10] = &add_option(*fra_gm4[6], "opt_gm4", 10, {120, 1020, 6120, 300},
                              "（式－1）のみで土圧を計算する");

    fra_gm4[2] = &add_frame(page, "fra_gm4", 2, {6900, 3060, 4500, 2400}, "震度の取り扱い");
    fra_gm4[3] = &add_frame(*fra_gm4[2], "fra_gm4", 3, {60, 300, 4380, 990}, "Ｒ．Ｗ．Ｌ．位置");
    opt_gm4[6] =
        &add_option(*fra_gm4[3], "opt_gm4", 6, {120, 300, 4200, 300}, "上・下共に空中震度を用いる");
    opt_gm4[5] = &add_option(*fra_gm4[3], "opt_gm4", 5, {120, 630, 4200, 300},
                             "上側は空中震度、下側は見かけの震度を用いる");
    fra_gm4[4] = &add_frame(*fra_gm4[2], "fra_gm4", 4, {60, 1350, 4380, 990}, "Ｌ．Ｗ．Ｌ．位置");
    opt_gm4[7] = &add_option(*fra_gm4[4], "opt_gm4", 7, {120, 300, 4200, 300},
                             "上側は空中震度、下側は見かけの震度を用いる");
    opt_gm4[8] =
        &add_option(*fra_gm4[4], "opt_gm4", 8, {120, 630, 4200, 300}, "上・下共に空中震度を用いる");

    img_gm4->back_color = kExplainBackColor;
    img_gm4->on_paint = [this] {
        if (shown_[1] != 0) draw_explain_picture(*img_gm4, shown_[1]);
    };
    for (int i = 0; i < 16; ++i)
        opt_gm4[i]->on_click = [this, i] { opt_gm4_Click(i); };
    for (int i = 0; i < static_cast<int>(fra_gm4.size()); ++i) {
        fra_gm4[i]->on_mouse_move = [this, i](ui::MouseButton, int, double, double) {
            fra_gm4_MouseMove(i);
        };
    }
}

void CompletedScreen::set_kanseiji_jk() {
    KanseijiData& k = w_.data.kanseiji_dat;
    ui::TabControl& tab = *w_.tab_gm[1];
    set_check(*chk_gm3[0], k.jyo_sw != CheckBox::Clear);
    set_check(*chk_gm3[1], k.jis_sw != CheckBox::Clear);
    tab.set_tab_enabled(kSeismicPage, k.jis_sw != CheckBox::Clear);

    const GroundShape shape = k.shape_sw;
    if (shape == GroundShape::Straight || shape == GroundShape::Embankment) {
        opt_gm3[static_cast<std::size_t>(list_index_of(shape))]->set_value(true);
        const bool embankment = shape == GroundShape::Embankment;
        fra_gm3[2]->set_enabled(embankment);
        opt_gm3[2]->set_enabled(embankment);
        opt_gm3[3]->set_enabled(embankment);
    }
    const SurchargeMode surcharge = k.load_sw;
    if (surcharge == SurchargeMode::AtSeabedForAllLayers) opt_gm3[2]->set_value(true);
    if (surcharge == SurchargeMode::PerLayer) opt_gm3[3]->set_value(true);
    const bool compare_clay_formulas = k.clay_sw == ClayNormalFormula::CompareBoth;
    opt_gm3[compare_clay_formulas ? 4 : 5]->set_value(true);

    // The fishery-port standard gives the design seismic coefficient directly.
    if (w_.data.sekkei_dat.std_sw == DesignStandard::FisheryPort) {
        k.sindo_sw = SeismicCoefficientRule::Given;
        opt_gm4[1]->set_enabled(false);
    } else {
        opt_gm4[1]->set_enabled(true);
    }
    const SeismicCoefficientRule seismic_rule = k.sindo_sw;
    if (seismic_rule == SeismicCoefficientRule::Given ||
        seismic_rule == SeismicCoefficientRule::ProductOfFactors) {
        opt_gm4[static_cast<std::size_t>(list_index_of(seismic_rule))]->set_value(true);
        txt_gm4[0]->set_enabled(seismic_rule == SeismicCoefficientRule::Given);
        for (int i = 1; i <= 3; ++i)
            txt_gm4[i]->set_enabled(seismic_rule == SeismicCoefficientRule::ProductOfFactors);
    }
    txt_gm4[0]->set_text(ui::format_mask(k.sindo_val, kMask));
    for (int i = 0; i < 3; ++i)
        txt_gm4[1 + i]->set_text(ui::format_mask(k.sindo_factor[i], kMask));

    if (is_listed(k.mikake_sw)) {
        const int index = kApparentButtons[list_index_of(k.mikake_sw)];
        opt_gm4[index]->set_value(true);
        enable_apparent_inputs(index);
    }
    txt_gm4[4]->set_text(ui::format_mask(k.mikake_val, kMask));
    opt_gm4[k.dynwater_sw == YesNo::Yes ? 14 : 15]->set_value(true);

    select_pair(k.rwl_k_sw, *opt_gm4[5], *opt_gm4[6]);
    select_pair(k.lwl_k_sw, *opt_gm4[7], *opt_gm4[8]);
    select_pair(k.pa_formula_sw, *opt_gm4[9], *opt_gm4[10]);
    set_check(*chk_gm4[0], k.okabe_sw != OkabeWhenNegative::Off);
    select_pair(k.pa_method_sw, *opt_gm4[11], *opt_gm4[12]);

    // A page that the load switched off is not left shown.
    if (!tab.tab_enabled(static_cast<std::size_t>(tab.tab()))) tab.set_tab(0);
}

void CompletedScreen::put_kanseiji_jk() {
    KanseijiData& k = w_.data.kanseiji_dat;
    k.jyo_sw = check_value(*chk_gm3[0]);
    k.jis_sw = check_value(*chk_gm3[1]);
    k.shape_sw = code_when_on<GroundShape>(*opt_gm3[0]);
    k.load_sw = code_when_on<SurchargeMode>(*opt_gm3[2]);
    k.clay_sw = code_when_on<ClayNormalFormula>(*opt_gm3[4]);
    k.sindo_sw = code_when_on<SeismicCoefficientRule>(*opt_gm4[0]);
    k.sindo_val = ui::leading_number(txt_gm4[0]->text());
    for (int i = 0; i < 3; ++i)
        k.sindo_factor[i] = ui::leading_number(txt_gm4[1 + i]->text());
    for (int m = 0; m < kApparentRules; ++m) {
        if (opt_gm4[kApparentButtons[m]]->value()) {
            k.mikake_sw = code_of_list_index<ApparentSeismicRule>(m);
            break;
        }
    }
    k.mikake_val = ui::leading_number(txt_gm4[4]->text());
    k.dynwater_sw = code_when_on<YesNo>(*opt_gm4[14]);
    k.rwl_k_sw = code_when_on<LevelSeismicRule>(*opt_gm4[5]);
    k.lwl_k_sw = code_when_on<LevelSeismicRule>(*opt_gm4[7]);
    k.pa_formula_sw = code_when_on<ClaySeismicFormula>(*opt_gm4[9]);
    k.okabe_sw = chk_gm4[0]->value() != ui::CheckBox::kUnchecked ? OkabeWhenNegative::On
                                                                 : OkabeWhenNegative::Off;
    k.pa_method_sw = code_when_on<EarthPressureMethod>(*opt_gm4[11]);
}

void CompletedScreen::chk_gm3_Click(int index) {
    if (index != 1) return;
    w_.tab_gm[1]->set_tab_enabled(kSeismicPage, chk_gm3[1]->value() != ui::CheckBox::kUnchecked);
}

void CompletedScreen::opt_gm3_Click(int index) {
    if ((index == 0 && opt_gm3[0]->value()) || (index == 1 && opt_gm3[1]->value())) {
        const bool embankment = index == 1;
        fra_gm3[2]->set_enabled(embankment);
        opt_gm3[2]->set_enabled(embankment);
        opt_gm3[3]->set_enabled(embankment);
    }
}

void CompletedScreen::opt_gm4_Click(int index) {
    if (index == 0 || index == 1) {
        txt_gm4[0]->set_enabled(opt_gm4[0]->value());
        for (int i = 1; i <= 3; ++i)
            txt_gm4[i]->set_enabled(opt_gm4[1]->value());
        for (ui::Label* label : lbl_gm4)
            label->set_enabled(opt_gm4[1]->value());
    } else if (index == 2 || index == 3 || index == 4 || index == 13) {
        enable_apparent_inputs(index);
    }
}

// The inputs of the apparent seismic coefficient for the method of button
// index: the given value, the dynamic water pressure (Arai-Yokoi) and the
// coefficients at the water levels (all but Niken's proposal).
void CompletedScreen::enable_apparent_inputs(int index) {
    txt_gm4[4]->set_enabled(opt_gm4[2]->value());
    const bool arai_yokoi = opt_gm4[13]->value();
    fra_gm4[8]->set_enabled(arai_yokoi);
    opt_gm4[14]->set_enabled(arai_yokoi);
    opt_gm4[15]->set_enabled(arai_yokoi);
    const bool water_levels = index != 4;
    for (int f : {2, 3, 4})
        fra_gm4[f]->set_enabled(water_levels);
    for (int i = 5; i <= 8; ++i)
        opt_gm4[i]->set_enabled(water_levels);
}

void CompletedScreen::show_picture(int page, int frame_index, int picture) {
    const auto cell = static_cast<std::size_t>(page);
    if (frame_index == img_no[cell] || picture == 0) return;
    img_no[cell] = frame_index;
    shown_[cell] = picture;
    (page == 0 ? img_gm3 : img_gm4)->refresh();
}

void CompletedScreen::fra_gm3_MouseMove(int index) {
    show_picture(0, index, normal_page_picture(index));
}

void CompletedScreen::fra_gm4_MouseMove(int index) {
    show_picture(1, index, seismic_page_picture(index));
}

} // namespace wtn::design
