#include "project_reader.h"

#include "corrosion_layout.h"
#include "input_items.h"
#include "number_text.h"
#include "project_items.h"
#include "project_lines.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>

namespace wtn {

namespace {

// Takes each item of the project body from its line of the file.
struct ReadItems {
    ProjectLines& in;
    void screen(const char* name) { in.screen(name); }
    void integer(int& value, const std::string& what) { value = in.integer(what); }
    template <class Code> void code(Code& value, const std::string& what) {
        value = code_of_list_index<Code>(in.integer(what));
    }
    void residual_rule(ResidualLevelRule& value, const std::string& what) {
        value = residual_rule_from_screen(in.integer(what));
    }
    void real(double& value, const std::string& what, const std::string&) { value = in.real(what); }
    void text(std::string& value, int length, const std::string& what, const std::string&) {
        value = fixed_text(in.text(what), length);
    }
    template <class Code> void constant(Code& value, Code, const std::string& what) {
        code(value, what);
    }
    void exponent(int& value, const std::string& what) { value = in.integer(what); }
    void end_line() { in.end_line(); }
};

// The adopted values come from the results dialog, whose boxes hold four
// digits before the point (beyond them the calculation input refuses them);
// the later additions belong to the screens that show them.
constexpr const char* kResultsDialog = "検討結果";

} // namespace

void read_data_file(DesignData& data, const std::string& path) {
    bool last_line_ended = true;
    const auto lines = read_text_file(path, last_line_ended);
    ProjectLines in(lines, path, last_line_ended);
    // The first line holds the version tag, or in a version-1.00 file the title.
    const std::string first = in.text(kVersionCaption);
    in.end_line();
    in.screen(project_items::kBasicScreen);
    const std::string tag = trim_blanks(first);
    std::string title;
    if (tag == kVersion200) in.require_every_line();
    if (tag == kVersion200 || tag == kVersion101) {
        data.data_ver = tag;
        title = in.text(kTitleCaption);
        in.end_line();
    } else {
        data.data_ver = kVersion100;
        title = first;
    }
    data.data_title = fixed_text(title, kTitleLength);
    read_data_body(data, in);
    if (data.data_ver == kVersion100) {
        def_data_v101(data);
        def_data_v200(data);
        // Older projects never chose the clay formula; take the default
        // instead of whatever the previous project held.
        data.kanseiji_dat.clay_sw = ClayNormalFormula::CompareBoth;
    } else if (data.data_ver == kVersion101) {
        read_data_v101(data, in);
        def_data_v200(data);
    } else {
        read_data_v101(data, in);
        read_data_v200(data, in);
    }
    in.finish();
}

void read_data_body(DesignData& d, ProjectLines& in) {
    ReadItems items{in};
    project_items::body(items, d);
    FsyokData& f = d.yaita_dat.fsyok_dat;

    if (in.at_end()) {
        d.caldt_vals = {0.0, 0.0};
    } else {
        in.screen(kResultsDialog);
        d.caldt_vals[0] = in.real("施工根入れ深度", kBoxLimit);
        d.caldt_vals[1] = in.real("矢板長", kBoxLimit);
        in.end_line();
    }
    if (in.at_end()) {
        upgrade_old_corrosion_layout(f);
    } else {
        in.screen(project_items::kPileScreen);
        f.range_sw = code_of_list_index<CorrosionRange>(in.integer("腐食後断面検討SW"));
        in.end_line();
    }
}

void read_data_v101(DesignData& d, ProjectLines& in) {
    KanseijiData& k = d.kanseiji_dat;
    SekoujiData& w = d.sekouji_dat;
    YaitaData& y = d.yaita_dat;
    if (in.at_end()) {
        k.dynwater_sw = YesNo::No;
        y.second_sw = YesNo::No;
        y.kh_lm = 0.0;
        if (w.wave_sw == WaveFormula::Goda && w.dissip_sw == DissipatingWorks::Present) {
            w.lambda2 = 0.0;
        } else {
            w.lambda1 = 1.0;
            w.lambda2 = 1.0;
        }
    } else {
        in.screen(project_items::kCompletedScreen);
        k.dynwater_sw = from_file_value<YesNo>(in.integer("動水圧作用SW"));
        in.screen(project_items::kPileScreen);
        y.second_sw = from_file_value<YesNo>(in.integer("二次応力の検討"));
        y.kh_lm = in.real("横方向地盤反力係数（lmMAX計算用）");
        in.screen(project_items::kConstructionScreen);
        w.lambda2 = in.real("波圧の低減率 λ2");
        in.end_line();
    }
    if (in.at_end()) {
        k.clay_sw = ClayNormalFormula::CompareBoth;
    } else {
        in.screen(project_items::kCompletedScreen);
        k.clay_sw = code_of_list_index<ClayNormalFormula>(in.integer("(常時)粘性土土圧強度式"));
        in.end_line();
    }
    if (in.at_end()) {
        def_data_v101(d);
    } else {
        in.screen(project_items::kPileScreen);
        y.alpha_sw = code_of_list_index<CheckBox>(in.integer("矢板の継ぎ手効率（α）"));
        y.joint_alpha[0] = in.real("継ぎ手効率 根入れ長計算時（Ｉ）");
        y.joint_alpha[1] = in.real("継ぎ手効率 矢板断面計算時（Ｉ）");
        y.joint_alpha[2] = in.real("継ぎ手効率 矢板断面計算時（Ｚ）");
        in.screen(project_items::kConstructionScreen);
        w.static_sw = code_of_list_index<StaticWater>(in.integer("静水圧考慮SW"));
        in.end_line();
    }
}

void read_data_v200(DesignData& d, ProjectLines& in) {
    if (in.at_end()) {
        def_data_v200(d);
        return;
    }
    in.screen(project_items::kCompletedScreen);
    d.kanseiji_dat.okabe_sw =
        code_of_list_index<OkabeWhenNegative>(in.integer("√内が負の値の場合、岡部式を用いる"));
    in.end_line();
    if (in.at_end()) {
        d.sekkei_dat.delta_jyo[0] = 15.0;
        d.sekkei_dat.delta_jyo[1] = -15.0;
        d.sekkei_dat.delta_jis[0] = 15.0;
        d.sekkei_dat.delta_jis[1] = -15.0;
        return;
    }
    in.screen(project_items::kBasicScreen);
    d.sekkei_dat.delta_jyo[0] = in.real("壁面摩擦角 常時 主働側");
    d.sekkei_dat.delta_jyo[1] = in.real("壁面摩擦角 常時 受働側");
    d.sekkei_dat.delta_jis[0] = in.real("壁面摩擦角 地震時 主働側");
    d.sekkei_dat.delta_jis[1] = in.real("壁面摩擦角 地震時 受働側");
    in.end_line();
}

void def_data_v101(DesignData& d) {
    d.yaita_dat.alpha_sw = CheckBox::Clear;
    d.yaita_dat.joint_alpha = {1.0, 1.0, 1.0};
    d.sekouji_dat.static_sw = StaticWater::Off;
}

void def_data_v200(DesignData& d) {
    d.kanseiji_dat.okabe_sw = OkabeWhenNegative::Off;
    d.sekkei_dat.delta_jyo[0] = 15.0;
    d.sekkei_dat.delta_jyo[1] = -15.0;
    d.sekkei_dat.delta_jis[0] = 15.0;
    d.sekkei_dat.delta_jis[1] = -15.0;
}

} // namespace wtn
