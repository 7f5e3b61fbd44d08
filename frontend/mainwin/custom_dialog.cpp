#include "custom_dialog.h"

#include "main_window.h"
#include "number_box.h"
#include "number_mask.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace wtn::mainwin {
namespace {

constexpr int kClientWidth = 8400;
constexpr int kClientHeight = 6240;
constexpr ui::Rect kTabPlace{120, 120, 8160, 5160};
constexpr ui::Rect kPageFramePlace{60, 60, 7980, 4680};

// Inside a page: captions on the left, number boxes on the right.
constexpr int kCaptionLeft = 240;
constexpr int kCaptionWidth = 5880;
constexpr int kBoxLeft = 6240;
constexpr int kBoxWidth = 1215;
constexpr int kBoxHeight = 285;
constexpr int kLineHeight = 255;
// An option frame: a caption row, then one option per row.
constexpr int kFrameLeft = 120;
constexpr int kFrameWidth = 7740;
constexpr int kOptionLeft = 240;
constexpr int kOptionTop = 270;
constexpr int kOptionStep = 270;
constexpr int kOptionPairHeight = 840;

constexpr const char* kOneDecimal = "###0.0";
constexpr const char* kTwoDecimals = "###0.00";
constexpr const char* kWhole = "###0";

const char* const kHelpButton = "ﾍﾙﾌﾟ";

ui::TextBox& number_row(ui::Frame& page, const std::string& box_name, const std::string& label_name,
                        int index, int top, const std::string& caption, const char* mask,
                        ui::StatusBar& status, const std::string& hint, ui::Label** label_out) {
    ui::Label& label = page.add<ui::Label>(
        label_name, index, ui::Rect{kCaptionLeft, top + 30, kCaptionWidth, kLineHeight});
    label.set_caption(caption);
    ui::TextBox& box =
        page.add<ui::TextBox>(box_name, index, ui::Rect{kBoxLeft, top, kBoxWidth, kBoxHeight});
    box.align_right = true;
    ui::NumberBoxStyle style;
    style.mask = mask;
    style.status = &status;
    style.hint = hint;
    ui::make_number_box(box, style);
    *label_out = &label;
    return box;
}

// A frame of option buttons, one per row.
ui::Frame& option_frame(ui::Frame& page, const std::string& name, int index, int top,
                        const std::string& caption, int rows) {
    ui::Frame& frame = page.add<ui::Frame>(
        name, index,
        ui::Rect{kFrameLeft, top, kFrameWidth,
                 std::max(kOptionPairHeight, kOptionTop + rows * kOptionStep + 60)});
    frame.set_caption(caption);
    return frame;
}

ui::OptionButton& option(ui::Frame& frame, const std::string& name, int index, int row,
                         const std::string& caption) {
    // As wide as the frame leaves, with the same room on the right as on the
    // left: the frames of page 1 lie inside another frame and are narrower.
    ui::OptionButton& button =
        frame.add<ui::OptionButton>(name, index,
                                    ui::Rect{kOptionLeft, kOptionTop + row * kOptionStep,
                                             frame.rect().width - 2 * kOptionLeft, kOptionStep});
    button.set_caption(caption);
    return button;
}

// Line 15 is a 16-bit integer: halves go to the even neighbour, and a value
// beyond the range (typed with an exponent) is held at its end.
int digits_value(double typed) {
    const double limited =
        std::clamp(typed, static_cast<double>(std::numeric_limits<std::int16_t>::min()),
                   static_cast<double>(std::numeric_limits<std::int16_t>::max()));
    return static_cast<int>(std::nearbyint(limited));
}

void load_pair(ui::OptionButton& first, ui::OptionButton& second, int value) {
    if (value != kFirstButtonOn) {
        second.set_value(true);
    } else {
        first.set_value(true);
    }
}

int pair_value(const ui::OptionButton& first) {
    return first.value() ? kFirstButtonOn : kSecondButtonOn;
}

double number_of(const ui::TextBox& box) {
    return ui::leading_number(box.text());
}

} // namespace

CustomDialog::CustomDialog(CustomisationValues& table, std::string work_dir, HelpViewer* help)
    : table_(table), work_dir_(std::move(work_dir)), help_(help) {
    build();
    form.on_load = [this] { Form_Load(); };
    // The help window opened from the dialog goes with it.
    form.on_query_unload = [this](bool&) {
        if (help_ != nullptr) help_->close();
    };
}

void CustomDialog::build() {
    form.client_width = kClientWidth;
    form.client_height = kClientHeight;
    form.border = ui::Form::Border::FixedDialog;
    form.show_in_taskbar = false;
    form.set_caption("カスタマイズ");
    tab_ogm = &form.add<ui::TabControl>("tab_ogm", kTabPlace);
    for (int i = 0; i < kCustomPages; ++i) {
        ui::TabPage& page = tab_ogm->add_page("カスタマイズ" + std::string(i == 0   ? "１"
                                                                           : i == 1 ? "２"
                                                                                    : "３"));
        Frame1[i] = &page.add<ui::Frame>("Frame1", i, kPageFramePlace);
    }
    tab_ogm->on_click = [this] { tab_ogm_Click(); };
    build_page1(*Frame1[0]);
    build_page2(*Frame1[1]);
    build_page3(*Frame1[2]);

    const std::array<const char*, 3> captions = {"OK", "ｷｬﾝｾﾙ", kHelpButton};
    for (int i = 0; i < 3; ++i) {
        cmd_ogm[i] =
            &form.add<ui::CommandButton>("cmd_ogm", i, ui::Rect{3600 + 1560 * i, 5400, 1335, 375});
        cmd_ogm[i]->set_caption(captions[i]);
        cmd_ogm[i]->on_click = [this, i] { cmd_ogm_Click(i); };
    }
    cmd_ogm[0]->is_default = true;
    cmd_ogm[1]->is_cancel = true;

    // The hint line under the buttons: without a frame, so that it shows
    // nothing but a hint, and no empty box while no hint box has the focus.
    stv_opt = &form.add<ui::Label>("stv_opt", ui::Rect{0, 5925, kClientWidth, 315});
    status.set_view_listener([this] { stv_opt->set_caption(status.panel_text(1)); });
}

void CustomDialog::build_page1(ui::Frame& page) {
    const std::array<const char*, 4> captions = {
        "δ：壁面摩擦角（度）", "ψ：壁面が鉛直となす角（度）", "ζ：粘性土の崩壊角（度）   [常時]",
        "ζ：粘性土の崩壊角（度）   [地震時]"};
    for (int i = 0; i < 4; ++i) {
        // δ sits beneath ψ, hidden and disabled: its value passes through.
        const int row = i == 0 ? 0 : i - 1;
        txt_ogm1[i] = &number_row(
            page, "txt_ogm1", "lbl_ogm1", i, 240 + 360 * row, captions[i], kOneDecimal, status,
            i == 3 ? "計算したζが、マイナス値になった場合に使用します。" : "", &lbl_ogm1[i]);
    }
    txt_ogm1[0]->set_visible(false);
    txt_ogm1[0]->set_enabled(false);
    lbl_ogm1[0]->set_visible(false);
    lbl_ogm1[0]->set_enabled(false);

    fra_ogm1[0] =
        &page.add<ui::Frame>("fra_ogm1", 0, ui::Rect{kFrameLeft, 1380, kFrameWidth, 3120});
    fra_ogm1[0]->set_caption("見かけの震度を二建の式で計算する場合");
    const std::array<const char*, 3> frames = {"水位が天端以上の時の、天端位置の見かけの震度",
                                               "残留水位位置", "前面水位位置"};
    const std::array<const char*, 6> options = {
        "k'=γ/(γ-10)×k で計算して使用（海底面位置は無条件でこの式で計算）",
        "空中震度をそのまま使用",
        "実残留水位を使用",
        "地表面天場位置を残留水位位置をして使用",
        "Ｌ．Ｗ．Ｌ．位置を前面水位として使用",
        "海底面位置を前面水位として使用"};
    for (int f = 0; f < 3; ++f) {
        fra_ogm1[f + 1] = &fra_ogm1[0]->add<ui::Frame>(
            "fra_ogm1", f + 1, ui::Rect{120, 300 + 930 * f, kFrameWidth - 240, kOptionPairHeight});
        fra_ogm1[f + 1]->set_caption(frames[f]);
        for (int k = 0; k < 2; ++k) {
            opt_ogm1[2 * f + k] =
                &option(*fra_ogm1[f + 1], "opt_ogm1", 2 * f + k, k, options[2 * f + k]);
        }
    }
}

void CustomDialog::build_page2(ui::Frame& page) {
    txt_ogm2[0] =
        &number_row(page, "txt_ogm2", "lbl_ogm2", 0, 240, "地表面形状ダミー長さ（ｍ）", kOneDecimal,
                    status, "指定した長さを地表面データに付加し計算を行います。", &lbl_ogm2[0]);
    txt_ogm2[1] = &number_row(page, "txt_ogm2", "lbl_ogm2", 1, 600, "圧密平衡係数", kOneDecimal,
                              status, "", &lbl_ogm2[1]);
    fra_ogm2[0] = &option_frame(page, "fra_ogm2", 0, 960,
                                "杭先端条件[ﾁｬﾝの方式（多層地盤）,Ｃ型地盤（多層地盤）で使用]", 1);
    const std::array<const char*, 3> tips = {"自由", "ピン", "固定"};
    for (int k = 0; k < 3; ++k) {
        opt_ogm2[k] = &fra_ogm2[0]->add<ui::OptionButton>(
            "opt_ogm2", k, ui::Rect{kOptionLeft + 1560 * k, kOptionTop, 1320, kOptionStep});
        opt_ogm2[k]->set_caption(tips[k]);
    }
    txt_ogm2[2] = &number_row(page, "txt_ogm2", "lbl_ogm2", 2, 1920,
                              "多層地盤で計算する場合の杭部の分割ピッチ（ｍ）", kTwoDecimals,
                              status, "", &lbl_ogm2[2]);
    fra_ogm2[1] = &option_frame(page, "fra_ogm2", 1, 2280, "鋼矢板の腐食時の断面性能の計算方法", 2);
    opt_ogm2[3] =
        &option(*fra_ogm2[1], "opt_ogm2", 3, 0, "腐食後の断面係数から断面二次モーメントを算出する");
    opt_ogm2[4] = &option(*fra_ogm2[1], "opt_ogm2", 4, 1,
                          "残存断面性能から断面係数・断面二次モーメントを算出する");
    fra_ogm2[2] = &option_frame(page, "fra_ogm2", 2, 3180,
                                "変位量の算出に使用する腐食後の断面性能（ﾁｬﾝの方式）", 2);
    opt_ogm2[5] = &option(*fra_ogm2[2], "opt_ogm2", 5, 0,
                          "δ1、δ2（海底泥層中の腐食）、δ3（海中部の腐食）を使用");
    opt_ogm2[6] = &option(*fra_ogm2[2], "opt_ogm2", 6, 1, "全て海中部の腐食を使用する");
    txt_ogm2[3] = &number_row(
        page, "txt_ogm2", "lbl_ogm2", 3, 4140, "鋼矢板腐食後の断面性能有効桁数", kWhole, status,
        "0なら小数点以下１桁目を四捨五入します。   3を指定した場合(有効桁数3桁)の例：12345→12300",
        &lbl_ogm2[3]);
    txt_ogm2[3]->max_length = kDigitsBoxMaxLength;
}

void CustomDialog::build_page3(ui::Frame& page) {
    txt_ogm3[0] = &number_row(page, "txt_ogm3", "lbl_ogm3", 0, 240,
                              "矢板の根入れ長算定式、分子の値（ﾁｬﾝの方式）", kTwoDecimals, status,
                              "0.0なら3.0を使用し、L=3/βとなります。", &lbl_ogm3[0]);
    fra_ogm3[0] =
        &option_frame(page, "fra_ogm3", 0, 600, "海中部応力計算用曲げモーメント（港研方式）", 2);
    opt_ogm3[0] =
        &option(*fra_ogm3[0], "opt_ogm3", 0, 0, "仮想海底面位置での曲げモーメントを使用する");
    opt_ogm3[1] = &option(*fra_ogm3[0], "opt_ogm3", 1, 1,
                          "港研方式により算出された最大曲げモーメントを使用する");
    fra_ogm3[1] = &option_frame(page, "fra_ogm3", 1, 1500, "見かけの震度の丸め方法", 2);
    opt_ogm3[2] = &option(*fra_ogm3[1], "opt_ogm3", 2, 0, "四捨五入");
    opt_ogm3[3] = &option(*fra_ogm3[1], "opt_ogm3", 3, 1, "二捨三入、七捨八入");
    txt_ogm3[1] =
        &number_row(page, "txt_ogm3", "lbl_ogm3", 1, 2460,
                    "粘性土 C->N値計算時に使用する式[ qu(N/mm2) = N/X ]の分母の値(X)", kOneDecimal,
                    status, "通常 40.0 ～ 80.0 の値を入力します.", &lbl_ogm3[1]);
    fra_ogm3[2] = &option_frame(page, "fra_ogm3", 2, 2820, "設計震度の丸め方法", 2);
    opt_ogm3[4] = &option(*fra_ogm3[2], "opt_ogm3", 4, 0, "四捨五入");
    opt_ogm3[5] = &option(*fra_ogm3[2], "opt_ogm3", 5, 1, "二捨三入、七捨八入");
}

void CustomDialog::Form_Load() {
    const CustomisationValues& t = table_;
    txt_ogm1[0]->set_text(ui::format_mask(t.wall_friction_angle, kOneDecimal));
    txt_ogm1[1]->set_text(ui::format_mask(t.wall_angle, kOneDecimal));
    txt_ogm1[2]->set_text(ui::format_mask(t.clay_failure_angle_normal, kOneDecimal));
    txt_ogm1[3]->set_text(ui::format_mask(t.clay_failure_angle_seismic, kOneDecimal));
    load_pair(*opt_ogm1[0], *opt_ogm1[1], to_file_value(t.apparent_crown_rule));
    load_pair(*opt_ogm1[2], *opt_ogm1[3], to_file_value(t.apparent_land_depth_rule));
    load_pair(*opt_ogm1[4], *opt_ogm1[5], to_file_value(t.apparent_sea_depth_rule));
    txt_ogm2[0]->set_text(ui::format_mask(t.ground_dummy_length, kOneDecimal));
    txt_ogm2[1]->set_text(ui::format_mask(t.consolidation_factor, kOneDecimal));
    // Free, pinned, fixed; another value turns none on.
    const int tip_button = list_index_of(t.pile_tip_condition);
    if (is_list_index(tip_button, kPileTipConditionCount)) opt_ogm2[tip_button]->set_value(true);
    txt_ogm2[2]->set_text(ui::format_mask(t.division_pitch, kTwoDecimals));
    load_pair(*opt_ogm2[3], *opt_ogm2[4], to_file_value(t.corroded_section_rule));
    load_pair(*opt_ogm2[5], *opt_ogm2[6], to_file_value(t.chang_displacement_rule));
    txt_ogm2[3]->set_text(ui::format_mask(t.steel_significant_digits, kWhole));
    txt_ogm3[0]->set_text(ui::format_mask(t.chang_embedment_numerator, kTwoDecimals));
    load_pair(*opt_ogm3[0], *opt_ogm3[1], to_file_value(t.koken_sea_moment_rule));
    load_pair(*opt_ogm3[2], *opt_ogm3[3], to_file_value(t.apparent_rounding_rule));
    txt_ogm3[1]->set_text(ui::format_mask(t.qu_denominator, kOneDecimal));
    load_pair(*opt_ogm3[4], *opt_ogm3[5], to_file_value(t.sindo_round_sw));
    tab_ogm->set_tab(0);
    tab_ogm_Click();
}

void CustomDialog::put_option_jk() {
    CustomisationValues& t = table_;
    // Line 1 (δ) is neither shown nor editable: it keeps its value as read
    // rather than the one-decimal text of its hidden box.
    t.wall_angle = number_of(*txt_ogm1[1]);
    t.clay_failure_angle_normal = number_of(*txt_ogm1[2]);
    t.clay_failure_angle_seismic = number_of(*txt_ogm1[3]);
    t.apparent_crown_rule = from_file_value<CrownApparentRule>(pair_value(*opt_ogm1[0]));
    t.apparent_land_depth_rule = from_file_value<LandDepthOrigin>(pair_value(*opt_ogm1[2]));
    t.apparent_sea_depth_rule = from_file_value<SeaDepthOrigin>(pair_value(*opt_ogm1[4]));
    t.ground_dummy_length = number_of(*txt_ogm2[0]);
    t.consolidation_factor = number_of(*txt_ogm2[1]);
    for (int k = 0; k < kPileTipConditionCount; ++k) {
        if (opt_ogm2[k]->value()) {
            t.pile_tip_condition = code_of_list_index<PileTipCondition>(k);
            break;
        }
    }
    t.division_pitch = number_of(*txt_ogm2[2]);
    t.corroded_section_rule = from_file_value<CorrodedSectionRule>(pair_value(*opt_ogm2[3]));
    t.chang_displacement_rule = from_file_value<ChangDisplacementRule>(pair_value(*opt_ogm2[5]));
    t.steel_significant_digits = digits_value(number_of(*txt_ogm2[3]));
    t.chang_embedment_numerator = number_of(*txt_ogm3[0]);
    t.koken_sea_moment_rule = from_file_value<KokenSeaMomentRule>(pair_value(*opt_ogm3[0]));
    t.apparent_rounding_rule = from_file_value<SeismicRounding>(pair_value(*opt_ogm3[2]));
    t.qu_denominator = number_of(*txt_ogm3[1]);
    t.sindo_round_sw = from_file_value<SeismicRounding>(pair_value(*opt_ogm3[4]));
}

void CustomDialog::tab_ogm_Click() {
    for (ui::Frame* frame : Frame1)
        frame->set_enabled(false);
    const int page = tab_ogm->tab();
    if (page >= 0 && page < kCustomPages) Frame1[page]->set_enabled(true);
}

void CustomDialog::cmd_ogm_Click(int index) {
    switch (index) {
    case 0:
        put_option_jk();
        form.unload();
        break;
    case 1:
        form.unload();
        break;
    default:
        if (help_ != nullptr) help_->show_contents(help_file_path(work_dir_));
        break;
    }
}

} // namespace wtn::mainwin
