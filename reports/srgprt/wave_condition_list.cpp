#include "wave_condition_list.h"

#include "cp932_codec.h"
#include "format_values.h"
#include "list_templates.h"
#include "report_switches.h"
#include "tide_level_switches.h"
#include "user_text.h"
#include "wave_inputs.h"

#include <algorithm>
#include <string>

namespace wtn {
namespace {

constexpr int kLevelLabelWidth = 8;
// The first section numbered by the running counter; 1-1 to 1-4 are fixed.
constexpr int kFirstCountedSection = 5;
// Digits of the decision code: hundreds seabed reaction, tens displacement,
// units stress; "1" decides.
constexpr char kDecides = '1';

// Writes the blocks and numbers the sections from 1-5 on without gaps.
class ConditionList {
  public:
    ConditionList(const WaveReport& report, ListWriter& out)
        : r_(report), in_(report.input), out_(out) {}

    void write() {
        out_.marker(1);
        out_.line("1.設計条件");
        out_.line("");
        write_dimensions();
        write_per_level(3, " 1-2.設計潮位", "%+7.2f m", &ConditionList::tide_level);
        write_per_level(4, " 1-3.有義波高", "%7.2f m", &ConditionList::significant_height);
        write_per_level(5, " 1-4.設計波高", "%7.2f m", &ConditionList::design_height);
        write_periods();
        write_per_level(7, heading(" 1-%d.波    長"), "%7.2f m", &ConditionList::wave_length);
        write_per_level(8, heading(" 1-%d.入射角"), "%7.2f 度", &ConditionList::incidence_angle);
        write_water_weight();
        write_seismic_coefficient();
        write_corrosion();
        write_lateral_resistance();
        write_allowable_stress();
        write_allowable_displacement();
    }

  private:
    using LevelValue = double (ConditionList::*)(int) const;

    std::string heading(const char* format) { return format_text(format, section_++); }

    double tide_level(int level) const { return tide_level_of(in_, level); }
    double significant_height(int level) const { return tide_row(in_, level).h13; }
    double design_height(int level) const {
        const TideLevelRow& row = tide_row(in_, level);
        if (wave_formula_of(in_) != WaveFormula::Goda) return row.hmax;
        return goda_wave_height(row.breaking_influence, row.h13, row.hmax);
    }
    double wave_length(int level) const { return tide_row(in_, level).wave_length; }
    double incidence_angle(int level) const { return tide_row(in_, level).incidence_angle; }

    // "    %8s" and blanks up to the value column, then the value.
    void level_line(int level, const char* value_format, double value) {
        out_.line("    " + list_level_label(in_, level) +
                  "                                         " + format_text(value_format, value));
    }

    void write_per_level(int marker, const std::string& title, const char* value_format,
                         LevelValue value) {
        out_.marker(marker);
        out_.line(title);
        for (int level = kTideHhwl; level <= kTideUser; ++level) {
            if (tide_level_examined(in_, level))
                level_line(level, value_format, (this->*value)(level));
        }
        out_.line("");
    }

    void write_dimensions() {
        out_.marker(2);
        out_.line(" 1-1.形状寸法");
        if (r_.system_switch == 0)
            out_.line(format_text("    矢板天端高                                       %+7.2f m",
                                  r_.crest));
        else
            out_.line(format_text("    上部工天端高                                     %+7.2f m",
                                  r_.crest));
        out_.line(format_text("    前面設計地盤高                                   %+7.2f m",
                              in_.tjkn1.construction_seabed));
        out_.line("");
    }

    // Periods are listed when some examined level's wave length was computed
    // from its period.
    void write_periods() {
        bool any = false;
        for (int level = kTideHhwl; level <= kTideUser; ++level)
            any = any || (tide_level_examined(in_, level) && wave_length_computed(in_, level));
        if (!any) return;
        out_.marker(6);
        out_.line(heading(" 1-%d.周    期"));
        for (int level = kTideHhwl; level <= kTideUser; ++level) {
            if (tide_level_examined(in_, level) && wave_length_computed(in_, level))
                level_line(level, "%7.2f sec", tide_row(in_, level).period);
        }
        out_.line("");
    }

    void write_water_weight() {
        out_.marker(9);
        out_.line(
            format_text(" 1-%d.水の単位体積重量                                %7.2f kN/m$U3$Z",
                        section_++, in_.joken.water_weight));
        out_.line("");
    }

    void write_seismic_coefficient() {
        const CompletedCases cases = completed_cases(in_);
        if (r_.system_switch != 1) return;
        if (cases != CompletedCases::SeismicOnly && cases != CompletedCases::Both) return;
        const EmbedmentConditions& e = in_.neire;
        out_.marker(10);
        if (port_standard(in_) && seismic_from_factors(in_)) {
            const double product = e.regional_factor * e.ground_factor * e.importance_factor;
            out_.line(format_text(" 1-%d.設計震度        %5.2f x %5.2f x %5.2f = %6.3f = %6.2f",
                                  section_++, e.regional_factor, e.ground_factor,
                                  e.importance_factor, product, e.seismic_coefficient));
        } else {
            out_.line(format_text(" 1-%d.設計震度                                          %5.2f",
                                  section_++, e.seismic_coefficient));
        }
        out_.line("");
    }

    void allowance_line(const char* zone, const char* side, double rate) {
        const int life = in_.fsyok.service_life;
        out_.line(format_text("%16s%s %s tc=%5.3fx%3d 年 = %4.2f mm", "", zone, side, rate, life,
                              rate * life));
    }

    void write_corrosion() {
        const ReportConditions& c = r_.conditions;
        if (c.corrosion_case < 0 || c.user_pile != 0) return;
        const CorrosionData& k = in_.fsyok;
        const char* title = pile_type(in_) == PileType::SteelPipe ? " 1-%d.腐食しろ（鋼管矢板）"
                                                                  : " 1-%d.腐食しろ（ 鋼矢板 ）";
        out_.marker(11);
        if (river_standard(in_)) {
            out_.line(heading(title));
            out_.line(format_text("                （水側）                            = %4.1f  mm",
                                  k.allowance_water));
            out_.line(format_text("                （陸側）                            = %4.1f  mm",
                                  k.allowance_land));
        } else {
            out_.line(format_text(" 1-%d.耐用年数%44s%3d 年", section_++, "", k.service_life));
            out_.line("");
            out_.line(heading(title));
            // Sea-water zone: the larger of the two sea-side rates; seabed
            // mud: the rates of the mud on both sides.
            if (c.corrosion_case == 0) {
                allowance_line("[海  中  部]", "（海側）",
                               std::max(k.sea_rates[1], k.sea_rates[2]));
                allowance_line("            ", "（陸側）", k.land_rates[1]);
                out_.line("");
            }
            allowance_line("[海底泥層中]", "（海側）", k.sea_rates[3]);
            allowance_line("            ", "（陸側）", k.land_rates[2]);
        }
        out_.line("");
    }

    // The layer rows below the seabed, the last row (the bottom) not listed.
    void layer_lines(const char* symbol, const char* unit, int n_option_a, int n_option_b) {
        const ReportConditions& c = r_.conditions;
        const int end = static_cast<int>(c.layers.size()) - 1;
        int number = 1;
        for (int i = std::max(c.layer_start, 0); i < end; ++i, ++number) {
            const ForceLayerRow& row = c.layers[static_cast<std::size_t>(i)];
            std::string text = format_text("%28s土層(%3d) ", "", number);
            if (row.resistance_option == n_option_a || row.resistance_option == n_option_b)
                text += format_text("(N=%5.1f) %s =%8.1f %s", row.n_value, symbol, row.kh, unit);
            else
                text += format_text("          %s =%8.1f %s", symbol, row.kh, unit);
            out_.line(text);
        }
    }

    void write_lateral_resistance() {
        const ReportConditions& c = r_.conditions;
        const EmbedmentMethod method = embedment_method(in_);
        const bool subgrade =
            method == EmbedmentMethod::Chang || method == EmbedmentMethod::ChangMultiLayer;
        out_.marker(12);
        out_.line(heading(subgrade ? " 1-%d.横方向地盤反力係数" : " 1-%d.横抵抗定数"));
        const bool from_n = c.n_value_flag == 1;
        switch (method) {
        case EmbedmentMethod::CType:
            out_.line(from_n ? format_text("%38s(N=%5.1f) kc =%8.1f kN/m$U2.5$Z", "", c.n_value,
                                           c.lateral_constant)
                             : format_text("%38s          kc =%8.1f kN/m$U2.5$Z", "",
                                           c.lateral_constant));
            break;
        case EmbedmentMethod::SType:
            out_.line(from_n ? format_text("%38s(N=%5.2f) ks =%8.1f kN/m$U3.5$Z", "",
                                           c.n_value_increase, c.lateral_constant)
                             : format_text("%38s          ks =%8.1f kN/m$U3.5$Z", "",
                                           c.lateral_constant));
            break;
        case EmbedmentMethod::CTypeMultiLayer:
            layer_lines("kc", "kN/m$U2.5$Z", 4, 4);
            break;
        default:
            layer_lines("kh", "kN/m$U3$Z", 2, 3);
            break;
        }
        out_.line("");
    }

    // The allowable values of the studied cases: one without a case label
    // with system switch 0.
    template <class Line> void per_case(const PerCase& values, Line line) {
        if (r_.system_switch == 0) {
            line(nullptr, values[0]);
            return;
        }
        const CompletedCases cases = completed_cases(in_);
        if (cases != CompletedCases::SeismicOnly) line("(常  時)", values[0]);
        if (cases != CompletedCases::NormalOnly) line("(地震時)", values[1]);
    }

    void write_allowable_stress() {
        const std::string code = decision_code();
        if (code[2] != kDecides || !is_steel_pile(pile_type(in_))) return;
        const bool pipe = pile_type(in_) == PileType::SteelPipe;
        const bool lower = lower_grade(in_);
        const char* grade = pipe ? (lower ? "（鋼管矢板[SKY400]）" : "（鋼管矢板[SKY490]）")
                                 : (lower ? "（鋼矢板 [ SY295]）" : "（鋼矢板 [ SY390]）");
        out_.marker(13);
        out_.line(heading(" 1-%d.許容応力度") + grade);
        per_case(r_.conditions.allowable_stress, [&](const char* label, double value) {
            if (label == nullptr) {
                out_.line(format_text("%38s          σ$Sa$Z = %6.1f N/mm$U2$Z", "", value));
                return;
            }
            // The seismic value is σa' where both cases are listed.
            const bool primed = completed_cases(in_) != CompletedCases::NormalOnly &&
                                completed_cases(in_) != CompletedCases::SeismicOnly &&
                                std::string(label) == "(地震時)";
            out_.line(format_text("%38s%s  σ$Sa$Z%s= %6.1f N/mm$U2$Z", "", label,
                                  primed ? "'" : " ", value));
        });
        out_.line("");
    }

    void write_allowable_displacement() {
        const std::string code = decision_code();
        if (code[1] != kDecides) return;
        out_.marker(14);
        out_.line(heading(" 1-%d.許容矢板天端許容変位量"));
        per_case(r_.conditions.allowable_displacement, [&](const char* label, double value) {
            if (label == nullptr)
                out_.line(format_text("%38s                %6.2f cm", "", value));
            else
                out_.line(format_text("%38s%s        %6.2f cm", "", label, value));
        });
        if (r_.system_switch != 0) out_.line("");
    }

    std::string decision_code() const {
        std::string code = format_text("%03d", in_.swdat.decision_code);
        if (code.size() != 3) code = "000"; // a code beyond three digits decides nothing
        return code;
    }

    const WaveReport& r_;
    const InputRecord& in_;
    ListWriter& out_;
    int section_ = kFirstCountedSection;
};

} // namespace

std::string list_level_label(const InputRecord& input, int level) {
    static constexpr const char* kLabels[] = {"H.H.W.L.", "H.W.L.  ", "L.W.L.  "};
    if (level != kTideUser) return kLabels[level];
    const std::string& name = input.wavsw.user_tide_name;
    return user_field(name.substr(0, cp932_fit(name, kLevelLabelWidth)), kLevelLabelWidth);
}

void write_wave_condition_list(const WaveReport& report) {
    const ListTemplateFiles files = wave_condition_list_files(
        report.system_switch == 0 ? "施工時         :設計条件" : "設計条件");
    ListWriter out(files.list_file);
    ConditionList(report, out).write();
    out.close();
    generate_list_templates(files, report.run_info);
}

} // namespace wtn
