#include "project_reader.h"

#include "corrosion_layout.h"
#include "number_text.h"
#include "project_items.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>

namespace wtn {

namespace {

// Takes each item of the project body from the field sequence.
struct ReadItems {
    FieldReader& in;
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
    void end_line() {}
};

} // namespace

void read_data_file(DesignData& data, const std::string& path) {
    const auto lines = read_text_file(path);
    FieldReader in(lines, path);
    const std::string first = in.text("version");
    const std::string tag = trim_blanks(first);
    std::string title;
    if (tag == kVersion200 || tag == kVersion101) {
        data.data_ver = tag;
        title = in.text("title");
    } else {
        data.data_ver = kVersion100; // a version-1.00 file begins with its title
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
}

void read_data_body(DesignData& d, FieldReader& in) {
    ReadItems items{in};
    project_items::body(items, d);
    FsyokData& f = d.yaita_dat.fsyok_dat;

    if (in.at_end()) {
        d.caldt_vals = {0.0, 0.0};
    } else {
        d.caldt_vals[0] = in.real("caldt");
        d.caldt_vals[1] = in.real("caldt");
    }
    if (in.at_end()) {
        upgrade_old_corrosion_layout(f);
    } else {
        f.range_sw = code_of_list_index<CorrosionRange>(in.integer("range_sw"));
    }
}

void read_data_v101(DesignData& d, FieldReader& in) {
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
        k.dynwater_sw = from_file_value<YesNo>(in.integer("dynwater_sw"));
        y.second_sw = from_file_value<YesNo>(in.integer("second_sw"));
        y.kh_lm = in.real("kh_lm");
        w.lambda2 = in.real("lambda2");
    }
    k.clay_sw = in.at_end() ? ClayNormalFormula::CompareBoth
                            : code_of_list_index<ClayNormalFormula>(in.integer("clay_sw"));
    if (in.at_end()) {
        def_data_v101(d);
    } else {
        y.alpha_sw = code_of_list_index<CheckBox>(in.integer("alpha_sw"));
        for (int i = 0; i < 3; ++i)
            y.joint_alpha[i] = in.real("joint_alpha");
        w.static_sw = code_of_list_index<StaticWater>(in.integer("static_sw"));
    }
}

void read_data_v200(DesignData& d, FieldReader& in) {
    if (in.at_end()) {
        def_data_v200(d);
        return;
    }
    d.kanseiji_dat.okabe_sw = code_of_list_index<OkabeWhenNegative>(in.integer("okabe_sw"));
    if (in.at_end()) {
        d.sekkei_dat.delta_jyo[0] = 15.0;
        d.sekkei_dat.delta_jyo[1] = -15.0;
        d.sekkei_dat.delta_jis[0] = 15.0;
        d.sekkei_dat.delta_jis[1] = -15.0;
        return;
    }
    d.sekkei_dat.delta_jyo[0] = in.real("delta_jyo");
    d.sekkei_dat.delta_jyo[1] = in.real("delta_jyo");
    d.sekkei_dat.delta_jis[0] = in.real("delta_jis");
    d.sekkei_dat.delta_jis[1] = in.real("delta_jis");
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
