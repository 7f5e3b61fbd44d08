// The blocks of the general conditions, the levels, the completed state and
// the construction stage.
#include "check_list_sections.h"
#include "list_lines.h"
#include "padded_text.h"
#include "user_text.h"

namespace wtn {

namespace {

constexpr CodeLabel kDynamicWaterLabels[] = {{to_file_value(YesNo::Yes), "1:作用する"}};
constexpr SwitchLabels kDynamicWater{kDynamicWaterLabels, "2:作用しない"};

bool is_goda(const InputRecord& in) {
    return in.wavsw.wave_formula == WaveFormula::Goda;
}

// The apparent-coefficient rules under which the seismic coefficient changes
// at the R.W.L. and the L.W.L.: all but the second district bureau's
// proposal, which sets its own coefficients by depth.
bool level_seismic_handling_applies(ApparentSeismicRule rule) {
    return rule != ApparentSeismicRule::Niken;
}

void write_port_seismic(ListWriter& list, const InputRecord& in) {
    const EmbedmentConditions& n = in.neire;
    list.line(" ◎ 設計震度");
    switch_line(
        list, "  ◇ 計算SW                   ",
        numbered_label(listed_or(n.seismic_rule, SeismicCoefficientRule::ProductOfFactors)));
    if (n.seismic_rule == SeismicCoefficientRule::ProductOfFactors) {
        list.line(format_text("  ◇ 地域別震度               %16.2lf", n.regional_factor));
        list.line(format_text("  ◇ 地盤種別係数             %16.2lf", n.ground_factor));
        list.line(format_text("  ◇ 重要度係数               %16.2lf", n.importance_factor));
    }
    list.line(format_text("  ◇ 設計震度                 %16.2lf", n.seismic_coefficient));
}

// The underwater coefficient, alike under the port and the fishery standard.
void write_underwater_seismic(ListWriter& list, const InputRecord& in) {
    const EmbedmentConditions& n = in.neire;
    list.line(" ◎ 水中震度");
    switch_line(list, "  ◇ 計算SW                   ",
                numbered_label(listed_or(n.apparent_rule, ApparentSeismicRule::AraiYokoi)));
    const auto rule = n.apparent_rule;
    if (in.version_number == 1 && rule == ApparentSeismicRule::AraiYokoi)
        switch_line(list, "  ◇ 動水圧作用SW             ", kDynamicWater, in.nir_t.dynamic_water);
    if (rule == ApparentSeismicRule::Given)
        list.line(format_text("  ◇ 見かけの震度             %16.2lf", n.apparent_coefficient));
}

void write_seismic_handling(ListWriter& list, const InputRecord& in) {
    const CalcSwitches& s = in.swdat;
    if (level_seismic_handling_applies(in.neire.apparent_rule)) {
        list.line(" ◎ 震度の取り扱い");
        switch_line(
            list, "  ◇ R.W.L.位置               ",
            numbered_label(listed_or(s.residual_level_seismic, LevelSeismicRule::AirBothSides)));
        switch_line(list, "  ◇ L.W.L.位置               ",
                    numbered_label(listed_or(s.lwl_seismic, LevelSeismicRule::AirBothSides)));
    }
    list.line(" ◎ 粘性土の取り扱い");
    switch_line(list, "  ◇ 土圧強度式               ",
                numbered_label(listed_or(s.clay_seismic_formula, ClaySeismicFormula::FirstOnly)));
    if (in.nir_t.okabe_when_negative == OkabeWhenNegative::On)
        switch_line(list, "  ◇ √内が負の値の場合       ", printed_label(OkabeWhenNegative::On));
    switch_line(
        list, "  ◇ 土圧計算方法             ",
        numbered_label(listed_or(s.earth_pressure_method, EarthPressureMethod::NotInterpolated)));
}

// One line of the table of examined and drawn tide levels.
std::string examine_draw_marks(const InputRecord& in, int level) {
    return std::string(tide_level_examined(in, level) ? "○      " : "×      ") +
           (tide_level_drawn(in, level) ? "○" : "×");
}

} // namespace

void write_design_conditions(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    open_block(list, 1, "【設計条件】");
    list.line(" ◎ 業務名称 [" + escape_user_text(without_padding(in.title)) + "]");
    switch_line(list, " ◎ 設計基準                  ",
                numbered_label(listed_or(in.swdat.design_standard, DesignStandard::River)));
    switch_line(list, " ◎ 根入れ部の計算方法        ", numbered_label(in.swdat.embedment_method));
    switch_line(list, " ◎ 完成時・施工時の検討      ", numbered_label(in.swdat.studies));
    list.line(" ◎ 断面の決定方法");
    switch_line(list, "  ◇ 応力度                   ",
                printed_label(listed_or(in.swdat.decide_by_stress, YesNo::No)));
    switch_line(list, "  ◇ 変位量                   ",
                printed_label(listed_or(in.swdat.decide_by_displacement, YesNo::No)));
    if (completed_state_studied(in)) {
        const WallFriction& d = in.add_1;
        list.line(" ◎ δ:壁面摩擦角(度)");
        list.line(format_text("  ◇ 常  時    主働側         %16.1lf", d.normal_active));
        list.line(format_text("               受働側         %16.1lf", d.normal_passive));
        list.line(format_text("  ◇ 地震時    主働側         %16.1lf", d.seismic_active));
        list.line(format_text("               受働側         %16.1lf", d.seismic_passive));
    }
    list.line(format_text(" ◎ 水の単位体積重量(kN/m$U3$Z)   %16.2lf", in.joken.water_weight));
    close_block(list);
}

void write_heights(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    const DesignConditions& j = in.joken;
    const AddedConditions& t = in.tjkn1;
    open_block(list, 2, "【高さ条件】");
    list.line(" ◎ 設計潮位(m)");
    const Studies studies = in.swdat.studies;
    // The completed state works with H.W.L. and L.W.L.; the construction
    // stage with the levels it draws. Both together list H.W.L. and L.W.L.
    // always and the two others when drawn. Without a study the list shows
    // the two design tide levels, as for the completed state.
    const bool completed_only = studies == Studies::CompletedOnly || studies == Studies::Neither;
    const bool both = studies == Studies::Both;
    if (!completed_only && tide_level_drawn(in, kTideHhwl))
        list.line(format_text("  ◇ H.H.W.L.                 %16.2lf", t.hhwl));
    if (completed_only || both || tide_level_drawn(in, kTideHwl))
        list.line(format_text("  ◇ H.W.L.                   %16.2lf", j.hwl));
    if (completed_only || both || tide_level_drawn(in, kTideLwl))
        list.line(format_text("  ◇ L.W.L.                   %16.2lf", j.lwl));
    if (!completed_only && tide_level_drawn(in, kTideUser))
        list.line(format_text("  ◇ 任意潮位面               %16.2lf", t.user_tide_level));
    if (tide_level_drawn(in, kTideUser)) {
        list.line("");
        list.line(" ◎ 任意潮位面名称            " + escape_user_text(in.wavsw.user_tide_name));
    }
    if (completed_state_studied(in)) {
        list.line(" ◎ 残留水位");
        switch_line(
            list, "  ◇ 計算SW                   ",
            numbered_label(listed_or(j.residual_level_rule, ResidualLevelRule::WholeRange)));
        list.line(format_text("  ◇ 残留水位(m)              %16.2lf", j.residual_level));
        list.line(format_text(" ◎ 上部工天端高(m)           %16.2lf", t.superstructure_crown));
    }
    list.line(format_text(" ◎ 矢板天端高(m)             %16.2lf", t.pile_crown));
    if (completed_state_studied(in))
        list.line(format_text(" ◎ 設計海底面高[完成時](m)   %16.2lf", j.design_seabed));
    if (construction_stage_studied(in))
        list.line(format_text(" ◎ 設計海底面高[施工時](m)   %16.2lf", t.construction_seabed));
    list.line(format_text(" ◎ 粘着基準高(m)             %16.2lf", t.cohesion_ref_level));
    if (is_multi_layer_method(in.swdat.embedment_method))
        list.line(format_text(" ◎ 矢板の根入れ先端高さ(m)   %16.2lf", j.embedment_level));
    list.line(format_text(" ◎ 最終土層の下限の高さ(m)   %16.2lf", j.soil_bottom));
    close_block(list);
}

void write_completed_state(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (!completed_state_studied(in)) return;
    open_block(list, 3, "【完成時】");
    switch_line(list, " ◎ 常時・地震時検討          ",
                numbered_label(listed_or(in.swdat.completed_cases, CompletedCases::Both)));
    switch_line(list, " ◎ 地表面形状                ",
                numbered_label(listed_or(in.swdat.ground_shape, GroundShape::Embankment)));
    if (in.swdat.ground_shape == GroundShape::Embankment)
        switch_line(list, " ◎ 荷重計算方法              ",
                    numbered_label(listed_or(in.swdat.surcharge_mode, SurchargeMode::PerLayer)));
    if (normal_case_studied(in))
        switch_line(
            list, " ◎ 粘性土主働土圧強度式(常時)",
            printed_label(listed_or(in.nir_t.clay_normal_formula, ClayNormalFormula::FirstOnly)));
    if (!seismic_case_studied(in)) {
        close_block(list);
        return;
    }
    list.line("");
    switch (in.swdat.design_standard) {
    case DesignStandard::Port:
        open_block(list, 4, "【地震時】");
        write_port_seismic(list, in);
        write_underwater_seismic(list, in);
        break;
    case DesignStandard::FisheryPort:
        list.line(
            format_text(" ◎ 設計震度                  %16.2lf", in.neire.seismic_coefficient));
        write_underwater_seismic(list, in);
        break;
    default:
        // The river standard's seismic values stand in its own block.
        break;
    }
    write_seismic_handling(list, in);
    close_block(list);
}

void write_construction_stage(ListWriter& list, const CheckListData& data) {
    const InputRecord& in = data.input;
    if (!construction_stage_studied(in)) return;
    const WaveSwitches& w = in.wavsw;
    const WaveConditions& c = in.wlvl;
    open_block(list, 5, "【施工時】");
    switch_line(list, " ◎ 波圧算定式                ",
                numbered_label(listed_or(w.wave_formula, WaveFormula::KurodaHiroi)));
    if (!is_goda(in))
        switch_line(list, " ◎ 消波工の有無              ",
                    numbered_label(listed_or(w.dissipating_works, DissipatingWorks::Absent)));
    list.line(" ◎ 検討レベル");
    list.line("                              検討SW  作図SW");
    list.line("  ◇ H.H.W.L.                   " + examine_draw_marks(in, kTideHhwl));
    list.line("  ◇ H.W.L.                     " + examine_draw_marks(in, kTideHwl));
    list.line("  ◇ L.W.L.                     " + examine_draw_marks(in, kTideLwl));
    list.line("  ◇ 任意潮位面                 " + examine_draw_marks(in, kTideUser));
    list.line("");
    if (is_goda(in)) {
        // Files without a version line carry one reduction factor only.
        if (in.version_number == 0) {
            list.line(format_text(" ◎ 波圧の低減率λ            %16.2lf", w.lambda1));
        } else {
            list.line(format_text(" ◎ 波圧の低減率λ$S1$Z           %16.2lf", w.lambda1));
            list.line(format_text(" ◎ 波圧の低減率λ$S2$Z           %16.2lf", in.nir_t.lambda2));
        }
    }
    list.line(format_text(" ◎ d :根固め工orﾏｳﾝﾄﾞ被覆工高(m)%13.2lf", c.d));
    list.line(format_text(" ◎ h':波圧作用範囲の下限高(m)   %13.2lf", c.h_dash));
    list.line(format_text(" ◎ h :構造物前面位置の地盤高(m) %13.2lf", c.h));
    if (is_goda(in)) {
        switch_line(list, " ◎ ｈb位置地盤高計算SW       ",
                    numbered_label(listed_or(c.hb_rule, BreakerDepthRule::Given)));
        if (c.hb_rule == BreakerDepthRule::FromSlope) {
            list.line(format_text(" ◎ 海底面勾配                1/%1.2lf", c.slope_x));
        } else {
            list.line(" ◎ hb:有義波高の5倍離れた");
            list.line("    地点での地盤高(m)");
            if (tide_level_examined(in, kTideHhwl))
                list.line(format_text("  ◇ H.H.W.L.                 %16.2lf", c.hb[kTideHhwl]));
            if (tide_level_examined(in, kTideHwl))
                list.line(format_text("  ◇ H.W.L.                   %16.2lf", c.hb[kTideHwl]));
            if (tide_level_examined(in, kTideLwl))
                list.line(format_text("  ◇ L.W.L                    %16.2lf", c.hb[kTideLwl]));
            if (tide_level_examined(in, kTideUser))
                list.line(format_text("  ◇ 任意潮位面               %16.2lf", c.hb[kTideUser]));
        }
    }
    switch_line(list, " ◎ 静水圧考慮SW              ",
                printed_label(listed_or(in.static_water, StaticWater::On)));
    close_block(list);
}

} // namespace wtn
