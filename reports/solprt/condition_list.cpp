#include "condition_list.h"

#include "format_values.h"
#include "layer_rows.h"
#include "list_templates.h"
#include "report_switches.h"
#include "result_records.h"

#include <algorithm>

namespace wtn {

namespace {

// Digits of the decision code ("swdat" item 9) printed "%03d": the second
// switches on the allowable displacement, the third the allowable stress.
constexpr std::size_t kDisplacementDigit = 1;
constexpr std::size_t kStressDigit = 2;

struct ListContext {
    ListWriter& list;
    const EarthPressureReport& report;
    int n = 6; // number after "1-" of the next section from the surcharge on
    CompletedCases cases = CompletedCases::Both;
};

void end_block(ListWriter& list) {
    list.line("");
}

void dimensions(ListContext& x) {
    const InputRecord& in = x.report.input;
    x.list.marker(2);
    x.list.line(" 1-1.形状寸法");
    x.list.line(format_text("    上部工天端高                                     %+7.2lf m",
                            in.tjkn1.superstructure_crown));
    x.list.line(format_text("    矢板天端高                                       %+7.2lf m",
                            in.tjkn1.pile_crown));
    x.list.line(format_text("    前面設計地盤高                                   %+7.2lf m",
                            in.joken.design_seabed));
    end_block(x.list);
}

void tide_levels(ListContext& x) {
    const DesignConditions& j = x.report.input.joken;
    x.list.marker(3);
    x.list.line(" 1-2.設計潮位");
    x.list.line(
        format_text("    Ｈ．Ｗ．Ｌ     （Ｈ．Ｗ．Ｏ．Ｓ．Ｔ）            %+7.2lf m", j.hwl));
    x.list.line(
        format_text("    Ｌ．Ｗ．Ｌ     （Ｌ．Ｗ．Ｏ．Ｓ．Ｔ）            %+7.2lf m", j.lwl));
    end_block(x.list);
}

void residual_level(ListContext& x) {
    const DesignConditions& j = x.report.input.joken;
    x.list.marker(4);
    std::string heading = " 1-3.残留水位";
    if (j.residual_level_rule == ResidualLevelRule::TwoThirdsOfRange)
        heading += format_text("%8s2/3x(%5.2lf-%5.2lf)+%5.2lf", "", j.hwl, j.lwl, j.lwl);
    else if (j.residual_level_rule == ResidualLevelRule::WholeRange)
        heading += format_text("%8s  1x(%5.2lf-%5.2lf)+%5.2lf", "", j.hwl, j.lwl, j.lwl);
    x.list.line(heading);
    x.list.line(format_text("    Ｒ．Ｗ．Ｌ     （Ｒ．Ｗ．Ｌ）                    %+7.2lf m",
                            j.residual_level));
    end_block(x.list);
}

void cohesion_datum(ListContext& x) {
    x.list.marker(5);
    x.list.line(format_text(" 1-4.粘着基準線    （Ｃ．Ｄ．Ｌ）                    %+7.2lf m",
                            x.report.input.tjkn1.cohesion_ref_level));
    end_block(x.list);
}

void water_weight(ListContext& x) {
    x.list.marker(6);
    x.list.line(format_text(" 1-5.水の単位体積重量                                %7.2lf kN/m$U3$Z",
                            x.report.input.joken.water_weight));
    end_block(x.list);
}

void surcharge(ListContext& x) {
    const InputRecord& in = x.report.input;
    x.n = 6;
    if (straight_ground(in)) {
        const double w = in.joken.surcharge_normal;
        const double w2 = in.joken.surcharge_seismic;
        if (!(w > 0.0 || w2 > 0.0)) return;
        x.list.marker(7);
        x.list.line(" 1-6.上載荷重");
        if (x.cases == CompletedCases::NormalOnly)
            x.list.line(format_text("%50sw = %6.2lf kN/m$U2$Z", "", w));
        else if (x.cases == CompletedCases::SeismicOnly)
            x.list.line(format_text("%49sw' = %6.2lf kN/m$U2$Z", "", w2));
        else
            x.list.line(format_text("%31sw = %6.2lf kN/m$U2$Z  w' = %6.2lf kN/m$U2$Z", "", w, w2));
    } else {
        if (in.surcharge_count <= 0) return;
        x.list.marker(7);
        x.list.line(" 1-6.上載荷重");
        for (int i = 0; i < in.surcharge_count; ++i) {
            const SurchargeRow& row = in.surcharges[row_at(i)];
            const int k = i + 1;
            if (x.cases == CompletedCases::NormalOnly)
                x.list.line(format_text("%49sw$S%d$Z = %6.2lf kN/m$U2$Z", "", k, row.normal));
            else if (x.cases == CompletedCases::SeismicOnly)
                x.list.line(format_text("%48sw$S%d$Z' = %6.2lf kN/m$U2$Z", "", k, row.seismic));
            else
                x.list.line(
                    format_text("%29sw$S%d$Z = %6.2lf kN/m$U2$Z  w$S%d$Z' = %6.2lf kN/m$U2$Z", "",
                                k, row.normal, k, row.seismic));
        }
    }
    end_block(x.list);
    x.n = 7;
}

void seismic_coefficient(ListContext& x) {
    if (x.cases != CompletedCases::SeismicOnly && x.cases != CompletedCases::Both) return;
    const EmbedmentConditions& e = x.report.input.neire;
    x.list.marker(8);
    if (design_standard(x.report.input) == DesignStandard::Port &&
        seismic_by_factors(x.report.input))
        x.list.line(format_text(" 1-%d.設計震度        %5.2lf x %5.2lf x %5.2lf = %6.3lf = %6.2lf",
                                x.n, e.regional_factor, e.ground_factor, e.importance_factor,
                                e.regional_factor * e.ground_factor * e.importance_factor,
                                e.seismic_coefficient));
    else
        x.list.line(format_text(" 1-%d.設計震度                                          %5.2lf",
                                x.n, e.seismic_coefficient));
    ++x.n;
    end_block(x.list);
}

const char* corrosion_heading(PileType type) {
    return type == PileType::SteelPipe ? " 1-%d.腐食しろ（鋼管矢板）"
                                       : " 1-%d.腐食しろ（ 鋼矢板 ）";
}

void corrosion(ListContext& x) {
    const ReportConditions& rc = x.report.conditions;
    if (rc.corrosion_case < 0 || rc.user_pile != 0) return;
    const InputRecord& in = x.report.input;
    const CorrosionData& f = in.fsyok;
    x.list.marker(9);
    if (design_standard(in) == DesignStandard::River) {
        x.list.line(format_text(corrosion_heading(pile_type(in)), x.n));
        ++x.n;
        x.list.line(format_text("                （水側）                            = %4.1lf  mm",
                                f.allowance_water));
        x.list.line(format_text("                （陸側）                            = %4.1lf  mm",
                                f.allowance_land));
        end_block(x.list);
        return;
    }
    const int life = f.service_life;
    x.list.line(format_text(" 1-%d.耐用年数%44s%3d 年", x.n, "", life));
    x.list.line("");
    ++x.n;
    x.list.line(format_text(corrosion_heading(pile_type(in)), x.n));
    ++x.n;
    const auto mud_lines = [&] {
        x.list.line(format_text("%16s[海底泥層中] （海側） tc=%5.3lfx%3d 年 = %4.2lf mm", "",
                                f.sea_rates[3], life, f.sea_rates[3] * life));
        x.list.line(format_text("%16s             （陸側） tc=%5.3lfx%3d 年 = %4.2lf mm", "",
                                f.land_rates[2], life, f.land_rates[2] * life));
    };
    if (rc.corrosion_case != kCorrosionZonesSame) {
        const double sea = std::max(f.sea_rates[1], f.sea_rates[2]);
        x.list.line(format_text("%16s[海  中  部] （海側） tc=%5.3lfx%3d 年 = %4.2lf mm", "", sea,
                                life, sea * life));
        x.list.line(format_text("%16s             （陸側） tc=%5.3lfx%3d 年 = %4.2lf mm", "",
                                f.land_rates[1], life, f.land_rates[1] * life));
        x.list.line("");
    }
    mud_lines();
    end_block(x.list);
}

void lateral_resistance(ListContext& x) {
    const InputRecord& in = x.report.input;
    const ReportConditions& rc = x.report.conditions;
    const EmbedmentMethod method = embedment_method(in);
    const bool chang =
        method == EmbedmentMethod::Chang || method == EmbedmentMethod::ChangMultiLayer;
    constexpr int kFromNValues = 1;
    x.list.marker(10);
    x.list.line(format_text(chang ? " 1-%d.横方向地盤反力係数" : " 1-%d.横抵抗定数", x.n));
    ++x.n;
    if (method == EmbedmentMethod::CType) {
        if (rc.n_value_flag == kFromNValues)
            x.list.line(format_text("%38s(N=%5.1lf) kc =%8.1lf kN/m$U2.5$Z", "", rc.n_value,
                                    rc.lateral_constant));
        else
            x.list.line(
                format_text("%38s          kc =%8.1lf kN/m$U2.5$Z", "", rc.lateral_constant));
    } else if (method == EmbedmentMethod::SType) {
        if (rc.n_value_flag == kFromNValues)
            x.list.line(format_text("%38s(N=%5.2lf) ks =%8.1lf kN/m$U3.5$Z", "",
                                    rc.n_value_increase, rc.lateral_constant));
        else
            x.list.line(
                format_text("%38s          ks =%8.1lf kN/m$U3.5$Z", "", rc.lateral_constant));
    } else if (chang || method == EmbedmentMethod::CTypeMultiLayer) {
        const LoadModel& model = x.report.model;
        const RowRange rows = sea_rows(model);
        for (int i = rows.first; i < rows.end; ++i) {
            const SeaLayerCalc& row = model.sea_calc[row_at(i)];
            std::string line = format_text("%28s土層(%3d) ", "", i - rows.first + 1);
            const LayerKhOption option = from_file_value<LayerKhOption>(row.resistance_option);
            if (chang) {
                const bool from_n =
                    option == LayerKhOption::LinearInN || option == LayerKhOption::ChartFirstLine;
                line += from_n ? format_text("(N=%5.1lf) kh =%8.1lf kN/m$U3$Z", row.n_value, row.kh)
                               : format_text("          kh =%8.1lf kN/m$U3$Z", row.kh);
            } else {
                const bool from_n = option == LayerKhOption::ChartThirdLine;
                line += from_n
                            ? format_text("(N=%5.1lf) kc =%8.1lf kN/m$U2.5$Z", row.n_value, row.kh)
                            : format_text("          kc =%8.1lf kN/m$U2.5$Z", row.kh);
            }
            x.list.line(line);
        }
    }
    end_block(x.list);
}

void allowable_stress(ListContext& x, const std::string& digits) {
    const InputRecord& in = x.report.input;
    if (digits[kStressDigit] != '1' || !is_steel_pile(pile_type(in))) return;
    const ReportConditions& rc = x.report.conditions;
    const bool sy295 = steel_grade(in) == SteelGrade::SY295;
    const char* material = pile_type(in) == PileType::SteelPipe
                               ? (sy295 ? "（鋼管矢板[SKY400]）" : "（鋼管矢板[SKY490]）")
                               : (sy295 ? "（鋼矢板 [ SY295]）" : "（鋼矢板 [ SY390]）");
    x.list.marker(11);
    x.list.line(format_text(" 1-%d.許容応力度", x.n) + material);
    ++x.n;
    const double normal = rc.allowable_stress[kNormalCase];
    const double seismic = rc.allowable_stress[kSeismicCase];
    if (x.cases == CompletedCases::NormalOnly) {
        x.list.line(format_text("%38s(常  時)  σ$Sa$Z = %6.1lf N/mm$U2$Z", "", normal));
    } else if (x.cases == CompletedCases::SeismicOnly) {
        x.list.line(format_text("%38s(地震時)  σ$Sa$Z = %6.1lf N/mm$U2$Z", "", seismic));
    } else {
        x.list.line(format_text("%38s(常  時)  σ$Sa$Z = %6.1lf N/mm$U2$Z", "", normal));
        x.list.line(format_text("%38s(地震時)  σ$Sa$Z'= %6.1lf N/mm$U2$Z", "", seismic));
    }
    end_block(x.list);
}

void allowable_displacement(ListContext& x, const std::string& digits) {
    if (digits[kDisplacementDigit] != '1') return;
    const ReportConditions& rc = x.report.conditions;
    x.list.marker(12);
    x.list.line(format_text(" 1-%d.許容矢板天端許容変位量", x.n));
    ++x.n;
    const double normal = rc.allowable_displacement[kNormalCase];
    const double seismic = rc.allowable_displacement[kSeismicCase];
    if (x.cases != CompletedCases::SeismicOnly)
        x.list.line(format_text("%38s(常  時)        %6.2lf cm", "", normal));
    if (x.cases != CompletedCases::NormalOnly)
        x.list.line(format_text("%38s(地震時)        %6.2lf cm", "", seismic));
    end_block(x.list);
}

} // namespace

void write_condition_list(const EarthPressureReport& report) {
    const ListTemplateFiles files = design_condition_list_files(completed_cases(report.input));
    const std::string digits = format_text("%03d", report.input.swdat.decision_code);
    ListWriter list(files.list_file);
    list.marker(1);
    list.line("1.設計条件");
    list.line("");
    ListContext x{list, report, 6, completed_cases(report.input)};
    dimensions(x);
    tide_levels(x);
    residual_level(x);
    cohesion_datum(x);
    water_weight(x);
    surcharge(x);
    seismic_coefficient(x);
    corrosion(x);
    lateral_resistance(x);
    allowable_stress(x, digits);
    allowable_displacement(x, digits);
    list.close();
    generate_list_templates(files, report.run);
}

} // namespace wtn
