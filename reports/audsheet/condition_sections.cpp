// The blocks of the general conditions, the levels, the completed state and
// the construction stage.
#include "check_list_sections.h"
#include "list_lines.h"
#include "user_text.h"

namespace wtn {

namespace {

// Width of the project title on its line.
constexpr int kTitleColumns = 64;

constexpr CodeLabel kStandardLabels[] = {
    {to_file_value(DesignStandard::Port), "1:港湾基準"},
    {to_file_value(DesignStandard::FisheryPort), "2:漁港基準"},
};
constexpr SwitchLabels kStandard{kStandardLabels, "3:河川基準"};

// The five methods have no catch-all: another code prints as itself.
constexpr CodeLabel kMethodLabels[] = {
    {to_file_value(EmbedmentMethod::Chang), "1:チャンの方式"},
    {to_file_value(EmbedmentMethod::ChangMultiLayer), "2:チャンの方式(多層地盤)"},
    {to_file_value(EmbedmentMethod::CType), "3:Ｃ型地盤"},
    {to_file_value(EmbedmentMethod::CTypeMultiLayer), "4:Ｃ型地盤(多層地盤)"},
    {to_file_value(EmbedmentMethod::SType), "5:Ｓ型地盤"},
};
constexpr SwitchLabels kMethod{kMethodLabels};

constexpr CodeLabel kStudiesLabels[] = {
    {to_file_value(Studies::CompletedOnly), "1:完成時のみ検討"},
    {to_file_value(Studies::ConstructionOnly), "2:施工時のみ検討"},
    {to_file_value(Studies::Both), "3:完成時・施工時共に検討"},
};
constexpr SwitchLabels kStudies{kStudiesLabels};

constexpr CodeLabel kYesMark[] = {{to_file_value(YesNo::Yes), "○"}};
constexpr SwitchLabels kDecides{kYesMark, "×"};

constexpr CodeLabel kResidualLabels[] = {
    {to_file_value(ResidualLevelRule::Given), "0:直接入力"},
    {to_file_value(ResidualLevelRule::TwoThirdsOfRange), "1:α=2/3で計算"},
};
constexpr SwitchLabels kResidualRule{kResidualLabels, "2:α=1で計算"};

constexpr CodeLabel kCasesLabels[] = {
    {to_file_value(CompletedCases::NormalOnly), "1:常時のみ検討"},
    {to_file_value(CompletedCases::SeismicOnly), "2:地震時のみ検討"},
};
constexpr SwitchLabels kCases{kCasesLabels, "3:常時・地震時共に検討"};

constexpr CodeLabel kGroundShapeLabels[] = {{to_file_value(GroundShape::Straight), "1:直線形状"}};
constexpr SwitchLabels kGroundShape{kGroundShapeLabels, "2:任意形状"};

constexpr CodeLabel kSurchargeModeLabels[] = {
    {to_file_value(SurchargeMode::AtSeabedForAllLayers), "1:海底面で計算した荷重"}};
constexpr SwitchLabels kSurchargeMode{kSurchargeModeLabels, "2:各土層毎に計算した荷重"};

constexpr CodeLabel kClayNormalLabels[] = {
    {to_file_value(ClayNormalFormula::CompareBoth), "２式の比較"}};
constexpr SwitchLabels kClayNormal{kClayNormalLabels, "１式のみで計算"};

constexpr CodeLabel kSeismicRuleLabels[] = {
    {to_file_value(SeismicCoefficientRule::Given), "0:直接入力"}};
constexpr SwitchLabels kSeismicRule{kSeismicRuleLabels, "1:設計震度を係数から計算"};

constexpr CodeLabel kApparentRuleLabels[] = {
    {to_file_value(ApparentSeismicRule::Given), "0:直接入力"},
    {to_file_value(ApparentSeismicRule::GeneralFormula), "1:γ／（γ－１０）･ｋで計算"},
    {to_file_value(ApparentSeismicRule::Niken), "2:二建の提案式で計算"},
};
constexpr SwitchLabels kApparentRule{kApparentRuleLabels, "3:荒井・横井の提案式で計算"};

constexpr CodeLabel kDynamicWaterLabels[] = {{to_file_value(YesNo::Yes), "1:作用する"}};
constexpr SwitchLabels kDynamicWater{kDynamicWaterLabels, "2:作用しない"};

// Seismic coefficient at the R.W.L. and at the L.W.L.
constexpr CodeLabel kLevelSeismicLabels[] = {
    {to_file_value(LevelSeismicRule::AirAboveApparentBelow), "1:上側空中震度・下側見かけの震度"}};
constexpr SwitchLabels kLevelSeismic{kLevelSeismicLabels, "2:上下共に空中震度"};

constexpr CodeLabel kClaySeismicLabels[] = {
    {to_file_value(ClaySeismicFormula::CompareBoth), "1:２式の比較"}};
constexpr SwitchLabels kClaySeismic{kClaySeismicLabels, "2:１式のみで計算"};

constexpr CodeLabel kEarthPressureLabels[] = {
    {to_file_value(EarthPressureMethod::InterpolatedBelowSeabed), "1:直線補間をかける"}};
constexpr SwitchLabels kEarthPressure{kEarthPressureLabels, "2:直線補間をかけない"};

constexpr CodeLabel kFormulaLabels[] = {{to_file_value(WaveFormula::Goda), "1:合田式"}};
constexpr SwitchLabels kFormula{kFormulaLabels, "2:黒田式／広井式（森平式）"};

constexpr CodeLabel kWorksLabels[] = {{to_file_value(DissipatingWorks::Present), "1:消波工あり"}};
constexpr SwitchLabels kWorks{kWorksLabels, "2:消波工なし"};

constexpr CodeLabel kHbRuleLabels[] = {{to_file_value(BreakerDepthRule::FromSlope), "1:自動計算"}};
constexpr SwitchLabels kHbRule{kHbRuleLabels, "2:直接入力"};

constexpr CodeLabel kStaticWaterLabels[] = {{to_file_value(StaticWater::Off), "考慮しない"}};
constexpr SwitchLabels kStaticWater{kStaticWaterLabels, "考慮する"};

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
    switch_line(list, "  ◇ 計算SW                   ", kSeismicRule, n.seismic_rule);
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
    switch_line(list, "  ◇ 計算SW                   ", kApparentRule, n.apparent_rule);
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
        switch_line(list, "  ◇ R.W.L.位置               ", kLevelSeismic, s.residual_level_seismic);
        switch_line(list, "  ◇ L.W.L.位置               ", kLevelSeismic, s.lwl_seismic);
    }
    list.line(" ◎ 粘性土の取り扱い");
    switch_line(list, "  ◇ 土圧強度式               ", kClaySeismic, s.clay_seismic_formula);
    if (in.nir_t.okabe_when_negative == OkabeWhenNegative::On)
        list.line("  ◇ √内が負の値の場合       岡部の式で計算");
    switch_line(list, "  ◇ 土圧計算方法             ", kEarthPressure, s.earth_pressure_method);
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
    list.line(" ◎ 業務名称 [" + user_field(in.title, kTitleColumns) + "]");
    switch_line(list, " ◎ 設計基準                  ", kStandard, in.swdat.design_standard);
    switch_line(list, " ◎ 根入れ部の計算方法        ", kMethod, in.swdat.embedment_method);
    switch_line(list, " ◎ 完成時・施工時の検討      ", kStudies, in.swdat.studies);
    list.line(" ◎ 断面の決定方法");
    switch_line(list, "  ◇ 応力度                   ", kDecides, in.swdat.decide_by_stress);
    switch_line(list, "  ◇ 変位量                   ", kDecides, in.swdat.decide_by_displacement);
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
    // always and the two others when drawn.
    const bool completed_only = studies == Studies::CompletedOnly;
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
        switch_line(list, "  ◇ 計算SW                   ", kResidualRule, j.residual_level_rule);
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
    switch_line(list, " ◎ 常時・地震時検討          ", kCases, in.swdat.completed_cases);
    switch_line(list, " ◎ 地表面形状                ", kGroundShape, in.swdat.ground_shape);
    if (in.swdat.ground_shape == GroundShape::Embankment)
        switch_line(list, " ◎ 荷重計算方法              ", kSurchargeMode, in.swdat.surcharge_mode);
    if (normal_case_studied(in))
        switch_line(list, " ◎ 粘性土主働土圧強度式(常時)", kClayNormal,
                    in.nir_t.clay_normal_formula);
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
    switch_line(list, " ◎ 波圧算定式                ", kFormula, w.wave_formula);
    if (!is_goda(in))
        switch_line(list, " ◎ 消波工の有無              ", kWorks, w.dissipating_works);
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
        switch_line(list, " ◎ ｈb位置地盤高計算SW       ", kHbRule, c.hb_rule);
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
    switch_line(list, " ◎ 静水圧考慮SW              ", kStaticWater, in.static_water);
    close_block(list);
}

} // namespace wtn
