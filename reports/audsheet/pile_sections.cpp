// The blocks of the sheet pile: its type, grade, modulus, allowables and
// joint efficiency; the table of the candidate piles; corrosion under the
// port and the fishery-port standard; and the river standard's block.
#include "check_list_sections.h"
#include "list_lines.h"
#include "pile_catalogue.h"
#include "user_text.h"
#include "young_modulus.h"

namespace wtn {

namespace {

// Width of a pile name in the candidate table.
constexpr int kPileNameColumns = 18;

constexpr CodeLabel kPipeGradeLabels[] = {{to_file_value(SteelGrade::SY295), "1:SKY400"}};
constexpr SwitchLabels kPipeGrade{kPipeGradeLabels, "2:SKY490"};
constexpr CodeLabel kSecondaryLabels[] = {{to_file_value(YesNo::Yes), "1:検討する"}};
constexpr SwitchLabels kSecondary{kSecondaryLabels, "2:検討しない"};

// The river standard lists the apparent coefficient given, by the general
// formula, or by the second district bureau's proposal, which every other
// value stands for.
ApparentSeismicRule river_apparent_rule(ApparentSeismicRule rule) {
    if (rule == ApparentSeismicRule::Given || rule == ApparentSeismicRule::GeneralFormula)
        return rule;
    return ApparentSeismicRule::Niken;
}

// Allowable values of the studied cases and of the construction stage, by
// the format of their kind.
void write_allowables(ListWriter& list, const InputRecord& in, const char* format_normal,
                      const char* format_seismic, const char* format_construction, double normal,
                      double seismic, double construction) {
    if (completed_state_studied(in) && normal_case_studied(in))
        list.line(format_text(format_normal, normal));
    if (completed_state_studied(in) && seismic_case_studied(in))
        list.line(format_text(format_seismic, seismic));
    if (construction_stage_studied(in)) list.line(format_text(format_construction, construction));
}

PileTable selected_piles(const InputRecord& in, PileType type) {
    const bool steel = type == PileType::SteelOfFreeChoice;
    PileTable table = steel ? read_steel_piles(in) : read_pc_piles(in);
    read_added_piles(in, steel ? kAddedSteel : kAddedPc, table);
    return table;
}

void write_corrosion(ListWriter& list, const CheckListData& data, int marker) {
    const InputRecord& in = data.input;
    const PileType type = in.joken.pile_type;
    open_block(list, marker, "【腐食】");
    if (is_steel_pile(type)) {
        const CorrosionData& f = in.fsyok;
        const bool sea_water_zone = f.check_range == CorrosionRange::SeaWaterAndMud;
        switch_line(list, " ◎ 腐食後断面検討SW              ",
                    printed_label(listed_or(f.check_range, CorrosionRange::MudOnly)));
        list.line(" ◎ 腐食速度(mm/年)");
        if (sea_water_zone)
            list.line(format_text("  ◇ 海側 海中部              %16.3lf", f.sea_rates[2]));
        list.line(format_text("  ◇ 海側 海底泥層中          %16.3lf", f.sea_rates[3]));
        if (sea_water_zone)
            list.line(format_text("  ◇ 陸側 海中部              %16.3lf", f.land_rates[1]));
        list.line(format_text("  ◇ 陸側 海底泥層中          %16.3lf", f.land_rates[2]));
        list.line(format_text(" ◎ 耐用年数(年)              %16d", f.service_life));
        if (type == PileType::SteelOfFreeChoice) {
            list.line(" ◎ 矢板の低減率");
            list.line(format_text("  ◇ 海中部                   %16.1lf", f.reduction_sea_water));
            list.line(format_text("  ◇ 海底泥層中               %16.1lf", f.reduction_seabed_mud));
        }
    }
    close_block(list);
}

} // namespace

void write_sheet_pile_conditions(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    const DesignConditions& j = in.joken;
    const AddedConditions& t = in.tjkn1;
    const PileType type = in.joken.pile_type;
    open_block(list, 8, "【矢板条件】");
    list.line(" ◎ 使用矢板");
    switch_line(list, "  ◇ 形式1                    ",
                numbered_label(listed_or(j.pile_type, PileType::PcOfFreeChoice)));
    if (type == PileType::U)
        switch_line(list, "  ◇ 形式2                    ",
                    numbered_label(listed_or(j.u_variant, USection::Wide)));
    if (type == PileType::SteelPipe)
        switch_line(list, "  ◇ 材質                     ", kPipeGrade, j.steel_grade);
    else if (is_steel_pile(type))
        switch_line(list, "  ◇ 材質                     ",
                    numbered_label(listed_or(j.steel_grade, SteelGrade::SY390)));
    // The modulus as the calculation takes it, with its power of ten.
    list.line(format_text(" ◎ ヤング係数(kN/mm$U2$Z)        %16.1lf",
                          young_modulus(t, is_steel_pile(type)).value));
    if (in.swdat.decide_by_displacement == YesNo::Yes) {
        list.line(" ◎ 矢板の許容変位量(cm)");
        write_allowables(list, in, "  ◇ 常　時                   %16.2lf",
                         "  ◇ 地震時                   %16.2lf",
                         "  ◇ 施工時                   %16.2lf", j.allow_disp_normal,
                         j.allow_disp_seismic, t.allow_disp_construction);
    }
    if (in.swdat.decide_by_stress == YesNo::Yes && is_steel_pile(type)) {
        list.line(" ◎ 矢板の許容応力度(N/mm$U2$Z)");
        write_allowables(list, in, "  ◇ 常　時                   %16.1lf",
                         "  ◇ 地震時                   %16.1lf",
                         "  ◇ 施工時                   %16.1lf", t.allow_stress_normal,
                         t.allow_stress_seismic, t.allow_stress_construction);
    }
    list.line(" ◎ 矢板の継手効率");
    list.line(format_text("  ◇ 根入れ長計算時（Ｉ）     %16.2lf", in.tugit.embedment_inertia));
    list.line(format_text("  ◇ 矢板断面計算時（Ｉ）     %16.2lf", in.tugit.section_inertia));
    list.line(format_text("  ◇ 矢板断面計算時（Ｚ）     %16.2lf", in.tugit.section_modulus));
    if (in.version_number == 1 && completed_state_studied(in) && normal_case_studied(in) &&
        type == PileType::SteelPipe) {
        list.line(" ◎ 二次応力度の検討");
        switch_line(list, "  ◇ 検討SW                   ", kSecondary,
                    in.nir_t.pipe_secondary_check);
        if (in.nir_t.pipe_secondary_check == YesNo::Yes &&
            is_curve_method(in.swdat.embedment_method))
            list.line(format_text("  ◇ 横方向地盤反力係数(kN/m$U3$Z)%16.1lf", in.nir_t.pipe_kh));
    }
    close_block(list);
}

void write_selected_piles(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    const PileType type = in.joken.pile_type;
    if (!is_pile_of_free_choice(type) && type != PileType::SteelPipe) return;
    open_block(list, 9, "【矢板任意指定・鋼管矢板指定】");
    if (type == PileType::SteelPipe) {
        list.line(" NO   外径(mm)   厚さ(mm)     継手");
        for (int i = 0; i < in.steel_pipe_count; ++i) {
            const SteelPipeRow& p = in.steel_pipes[static_cast<std::size_t>(i)];
            list.line(format_text(" %2d    %7.2lf    %7.1lf    %6.1lf", i + 1, p.diameter,
                                  p.thickness, p.joint));
        }
    } else {
        const PileTable table = selected_piles(in, type);
        const bool steel = type == PileType::SteelOfFreeChoice;
        list.line(steel ? " NO      矢板の名称      Ｉ(cm$U4$Z/m)　  Ｚ(cm$U3$Z/m)"
                        : " NO      矢板の名称      Ｉ(cm$U4$Z/m)    Ｚ(cm$U3$Z/m)  "
                          "Ｍγ(kN･m/m)");
        int number = 0;
        for (const PileRecord& pile : table) {
            const std::string name = user_field(pile.name, kPileNameColumns);
            ++number;
            if (steel)
                list.line(format_text(" %2d  %s  %10.0lf  %10.0lf", number, name.c_str(),
                                      pile.inertia, pile.modulus));
            else
                list.line(format_text(" %2d  %s  %10.0lf  %10.0lf  %10.1lf", number, name.c_str(),
                                      pile.inertia, pile.modulus, pile.moment));
        }
    }
    close_block(list);
}

void write_port_corrosion(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (in.swdat.design_standard != DesignStandard::Port || !completed_state_studied(in)) return;
    write_corrosion(list, data, 10);
}

void write_fishery_corrosion(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (in.swdat.design_standard != DesignStandard::FisheryPort || !completed_state_studied(in))
        return;
    write_corrosion(list, data, 11);
}

void write_river_standard(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    const PileType type = in.joken.pile_type;
    if (!river_standard(in)) return;
    // A PC pile has nothing to show here when no seismic case is studied.
    const bool seismic = completed_state_studied(in) && seismic_case_studied(in);
    if (is_pc_pile(type) && !seismic) return;
    const EmbedmentConditions& n = in.neire;
    const CorrosionData& f = in.fsyok;
    open_block(list, 7, "【河川基準】");
    if (seismic) {
        list.line(" ◎ 設計震度");
        switch_line(
            list, "  ◇ 計算SW                   ",
            numbered_label(listed_or(n.seismic_rule, SeismicCoefficientRule::ProductOfFactors)));
        if (n.seismic_rule == SeismicCoefficientRule::ProductOfFactors) {
            list.line(format_text("  ◇ 地域別補正係数           %16.2lf", n.regional_factor));
            list.line(format_text("  ◇ 地盤別補正係数           %16.2lf", n.ground_factor));
            list.line(format_text("  ◇ 重要度別補正係数         %16.2lf", n.importance_factor));
        }
        list.line(format_text("  ◇ 設計震度                 %16.2lf", n.seismic_coefficient));
        list.line(" ◎ 水中震度");
        switch_line(list, "  ◇ 計算SW                   ",
                    numbered_label(river_apparent_rule(n.apparent_rule)));
        if (n.apparent_rule == ApparentSeismicRule::Given)
            list.line(format_text("  ◇ 見かけの震度             %16.2lf", n.apparent_coefficient));
    }
    if (completed_state_studied(in) && is_steel_pile(type)) {
        list.line(" ◎ 腐食しろ(mm)");
        list.line(format_text("  ◇ 水側                     %16.2lf", f.allowance_water));
        list.line(format_text("  ◇ 陸側                     %16.2lf", f.allowance_land));
        if (type == PileType::SteelOfFreeChoice)
            list.line(format_text(" ◎ 矢板の低減率              %16.1lf", f.reduction_sea_water));
    }
    list.line(" ◎ 矢板の継手効率");
    list.line(format_text("  ◇ 根入れ長計算時（Ｉ）     %16.1lf", in.tugit.embedment_inertia));
    list.line(format_text("  ◇ 矢板断面計算時（Ｉ）     %16.1lf", in.tugit.section_inertia));
    list.line(format_text("  ◇ 矢板断面計算時（Ｚ）     %16.1lf", in.tugit.section_modulus));
    close_block(list);
}

} // namespace wtn
