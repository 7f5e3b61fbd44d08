// The block of the customisation values, the last of the list.
#include "check_list_sections.h"
#include "list_lines.h"

namespace wtn {

namespace {

constexpr CodeLabel kCrownLabels[] = {
    {to_file_value(CrownApparentRule::SubmergedFormula), "0:γ／（γ－１０）･ｋで計算"}};
constexpr SwitchLabels kCrown{kCrownLabels, "1:空中震度を使用"};

constexpr CodeLabel kLandDepthLabels[] = {
    {to_file_value(LandDepthOrigin::ResidualWaterLevel), "0:実残留水位位置を使用"}};
constexpr SwitchLabels kLandDepth{kLandDepthLabels, "1:地表面天端位置を使用"};

constexpr CodeLabel kSeaDepthLabels[] = {
    {to_file_value(SeaDepthOrigin::Lwl), "0:L.W.L.位置を使用"}};
constexpr SwitchLabels kSeaDepth{kSeaDepthLabels, "1:海底面位置を使用"};

constexpr CodeLabel kCorrodedLabels[] = {
    {to_file_value(CorrodedSectionRule::FromCorrosionTable), "0:断面係数から断面二次ﾓｰﾒﾝﾄを算出"}};
constexpr SwitchLabels kCorroded{kCorrodedLabels, "1:残存断面性能から断面係数･断面二次ﾓｰﾒﾝﾄを算出"};

constexpr CodeLabel kChangDisplacementLabels[] = {
    {to_file_value(ChangDisplacementRule::MudThenSeaWater), "0:δ1,δ2:海底泥層中 δ3:海中部"}};
constexpr SwitchLabels kChangDisplacement{kChangDisplacementLabels, "1:全て海中部"};

constexpr CodeLabel kKokenMomentLabels[] = {{to_file_value(KokenSeaMomentRule::AtVirtualSeabed),
                                             "0:仮想海底面位置での曲げモーメントを使用する"}};
constexpr SwitchLabels kKokenMoment{kKokenMomentLabels,
                                    "1:港研方式により算出された最大曲げモーメントを使用する"};

std::string significant_digits_label(int digits) {
    // Section values are cut to significant digits only for a positive count;
    // otherwise they are rounded at the first decimal.
    if (digits > 0) return format_text("%d 桁", digits);
    return format_text("%d:小数点以下１桁目を四捨五入", digits);
}

// The embedment of Chang's method is L = n / β; n of 0 or less stands for
// the usual 3.0, which the label then shows.
std::string chang_embedment_label(const CustomisationValues& custom) {
    const double numerator = custom.chang_embedment_numerator;
    if (numerator > 0.0) return format_text("%1.2lf:Ｌ＝ %1.2lf／β", numerator, numerator);
    return format_text("%1.1lf:Ｌ＝ %1.1lf／β", numerator, chang_numerator_in_use(custom));
}

} // namespace

void write_customisation(ListWriter& list, const CheckListData& data) {
    const CustomisationValues& c = data.custom;
    open_block(list, 16, "【カスタマイズデータ】");
    list.line(format_text(" ◎ ψ:壁面が鉛直となす角(度) %16.1lf", c.wall_angle));
    list.line(format_text(" ◎ ζ:粘土崩壊角[常  時](度) %16.1lf", c.clay_failure_angle_normal));
    list.line(format_text(" ◎ ζ:粘土崩壊角[地震時](度) %16.1lf", c.clay_failure_angle_seismic));
    list.line(" ◎ 水位が天端・海底面以上で");
    list.line("    見かけの震度を二建の式で");
    list.line("    計算する場合");
    switch_line(list, "  ◇ 天端位置の見かけの震度   ", kCrown,
                to_file_value(c.apparent_crown_rule));
    switch_line(list, "  ◇ 残留水位位置             ", kLandDepth,
                to_file_value(c.apparent_land_depth_rule));
    switch_line(list, "  ◇ 前面水位位置             ", kSeaDepth,
                to_file_value(c.apparent_sea_depth_rule));
    list.line(format_text(" ◎ 地表面形状ダミー長さ(m)   %16.1lf", c.ground_dummy_length));
    list.line(format_text(" ◎ 圧密平衡係数              %16.1lf", c.consolidation_factor));
    list.line(format_text(" ◎ ﾏﾄﾘｯｸｽ計算用分割ピッチ(m) %16.2lf", c.division_pitch));
    list.line(" ◎ 鋼矢板の有効桁数          " +
              significant_digits_label(c.steel_significant_digits));
    switch_line(list, " ◎ 杭先端条件                ",
                numbered_label(listed_or(c.pile_tip_condition, PileTipCondition::FixedTip)));
    switch_line(list, " ◎ 鋼矢板腐食後断面性能SW    ", kCorroded,
                to_file_value(c.corroded_section_rule));
    switch_line(list, " ◎ 変位量算出用断面性能(ﾁｬﾝ) ", kChangDisplacement,
                to_file_value(c.chang_displacement_rule));
    list.line(" ◎ 矢板の根入れ長(ﾁｬﾝの方式) " + chang_embedment_label(c));
    switch_line(list, " ◎ 応力計算用ﾓｰﾒﾝﾄ(港研方式) ", kKokenMoment,
                to_file_value(c.koken_sea_moment_rule));
    switch_line(list, " ◎ みかけの震度丸め方法      ",
                numbered_label(
                    listed_or(c.apparent_rounding_rule, SeismicRounding::StepsOfFiveHundredths)));
    list.line(format_text(" ◎ 粘性土 qu=N/X の分母値(X) %16.1lf", c.qu_denominator));
}

} // namespace wtn
