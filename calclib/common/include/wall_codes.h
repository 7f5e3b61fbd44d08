// Codes of the calculation input that select a method or a kind, by name. The
// files carry them as whole numbers; they become these types where they are
// read, so no calculation compares a code with a bare number.
#pragma once

#include "code_table.h"

namespace wtn {

// Each code below is one list of {name, file value, label}; the labels are
// the texts the input check list prints after the code ("1:港湾基準" prints
// the label of DesignStandard::Port).

// How the embedment is calculated ("swdat" item 2).
#define WTN_EMBEDMENT_METHOD(X)                                                                    \
    X(Chang, 1, u8"チャンの方式")                                                                  \
    X(ChangMultiLayer, 2, u8"チャンの方式(多層地盤)")                                              \
    X(CType, 3, u8"Ｃ型地盤")                                                                      \
    X(CTypeMultiLayer, 4, u8"Ｃ型地盤(多層地盤)")                                                  \
    X(SType, 5, u8"Ｓ型地盤")
WTN_DEFINE_CODE(EmbedmentMethod, WTN_EMBEDMENT_METHOD)

// The methods of the port-research-institute curves (C-type and S-type
// ground), which take one lateral-resistance constant for the embedment
// instead of the layer values.
inline constexpr bool is_curve_method(EmbedmentMethod method) {
    return method == EmbedmentMethod::CType || method == EmbedmentMethod::SType;
}
// The multi-layer methods, solved on a chain of beam elements.
inline constexpr bool is_multi_layer_method(EmbedmentMethod method) {
    return method == EmbedmentMethod::ChangMultiLayer || method == EmbedmentMethod::CTypeMultiLayer;
}

// The sheet-pile type ("joken" item 16). The front end lists the same types
// from 0 (list_index_of).
#define WTN_PILE_TYPE(X)                                                                           \
    X(U, 1, u8"Ｕ型")                                                                              \
    X(Z, 2, u8"Ｚ型")                                                                              \
    X(SteelOfFreeChoice, 3, u8"矢板任意指定")                                                      \
    X(SteelPipe, 4, u8"鋼管矢板指定")                                                              \
    X(PcSalt, 5, u8"ＰＣ矢板(塩害対策用)")                                                         \
    X(Pc, 6, u8"ＰＣ矢板")                                                                         \
    X(PcOfFreeChoice, 7, u8"ＰＣ矢板任意指定")
WTN_DEFINE_CODE(PileType, WTN_PILE_TYPE)
inline constexpr int kPileTypeCount = 7;

// The catalogue a sheet pile comes from (its "added" flag): the installed one
// or the user's own.
inline constexpr int kInstalledCatalogue = 0;
inline constexpr int kUserCatalogue = 1;

// The front end's sheet-pile kind (0 U .. 6 PC of free choice) is the list
// index of the type.
inline constexpr PileType pile_type_from_screen_kind(int kind) {
    return code_of_list_index<PileType>(kind);
}
inline constexpr int screen_pile_kind(PileType type) {
    return list_index_of(type);
}

// Piles of free choice come from a catalogue the user adds to: steel or PC.
inline constexpr bool is_pile_of_free_choice(PileType type) {
    return type == PileType::SteelOfFreeChoice || type == PileType::PcOfFreeChoice;
}

// The steel types run from U to the steel pipe, the PC (concrete) ones follow.
inline constexpr bool is_steel_pile(PileType type) {
    return type >= PileType::U && type <= PileType::SteelPipe;
}
inline constexpr bool is_pc_pile(PileType type) {
    return type > PileType::SteelPipe;
}

} // namespace wtn

namespace wtn {

// The other codes of the calculation input that choose between methods, each
// numbered as the file carries it.

// A yes-or-no switch: 1 yes, 2 no (the decisions of "swdat", the examine and
// draw switches of the tide levels, the dynamic water pressure and the
// secondary-stress check of "nir_t").
#define WTN_YES_NO(X)                                                                              \
    X(Yes, 1, u8"○")                                                                               \
    X(No, 2, u8"×")
WTN_DEFINE_CODE(YesNo, WTN_YES_NO)

// How the residual water level is set ("joken" item 3).
#define WTN_RESIDUAL_LEVEL_RULE(X)                                                                 \
    X(Given, 0, u8"直接入力")                                                                      \
    X(TwoThirdsOfRange, 1, u8"α=2/3で計算")                                                        \
    X(WholeRange, 2, u8"α=1で計算")
WTN_DEFINE_CODE(ResidualLevelRule, WTN_RESIDUAL_LEVEL_RULE)

// Earth pressure below the seabed ("swdat" item 12): linear interpolation down
// to 10 m below the seabed, or none.
#define WTN_EARTH_PRESSURE_METHOD(X)                                                               \
    X(InterpolatedBelowSeabed, 1, u8"直線補間をかける")                                            \
    X(NotInterpolated, 2, u8"直線補間をかけない")
WTN_DEFINE_CODE(EarthPressureMethod, WTN_EARTH_PRESSURE_METHOD)

// The wave-pressure formula ("wavsw" item 1).
#define WTN_WAVE_FORMULA(X)                                                                        \
    X(Goda, 1, u8"合田式")                                                                         \
    X(KurodaHiroi, 2, u8"黒田式／広井式（森平式）")
WTN_DEFINE_CODE(WaveFormula, WTN_WAVE_FORMULA)

// Whether wave-dissipating works stand in front of the wall ("wavsw" item 2).
#define WTN_DISSIPATING_WORKS(X)                                                                   \
    X(Present, 1, u8"消波工あり")                                                                  \
    X(Absent, 2, u8"消波工なし")
WTN_DEFINE_CODE(DissipatingWorks, WTN_DISSIPATING_WORKS)

// The water depth of the wave length and pressure ("wlvl_" item 1): at the
// ground level h in front of the wall, or at the crown d of the toe works.
#define WTN_WAVE_DEPTH_RULE(X)                                                                     \
    X(AtGroundLevel, 1, u8"ｈ位置の水深を使用")                                                    \
    X(AtToeWorks, 2, u8"ｄ位置の水深を使用")
WTN_DEFINE_CODE(WaveDepthRule, WTN_WAVE_DEPTH_RULE)

// The breaker depth hb ("wlvl_" item 5): from the seabed slope, or given.
#define WTN_BREAKER_DEPTH_RULE(X)                                                                  \
    X(FromSlope, 1, u8"自動計算")                                                                  \
    X(Given, 2, u8"直接入力")
WTN_DEFINE_CODE(BreakerDepthRule, WTN_BREAKER_DEPTH_RULE)

// The breaking-wave influence of a tide level under Goda's formula (its item
// 1, listed by the front end from 0); a Kuroda / Hiroi tide level carries 0.
#define WTN_BREAKING_INFLUENCE(X)                                                                  \
    X(NotInfluenced, 1, u8"×")                                                                     \
    X(Influenced, 2, u8"○")                                                                        \
    X(KurodaHiroiRow, 0, u8"")
WTN_DEFINE_CODE(BreakingInfluence, WTN_BREAKING_INFLUENCE)

// The wave length of a tide level (its item 4): from period and depth, or given.
#define WTN_WAVE_LENGTH_METHOD(X)                                                                  \
    X(Computed, 1, u8"計  算")                                                                     \
    X(Given, 2, u8"入  力")
WTN_DEFINE_CODE(WaveLengthMethod, WTN_WAVE_LENGTH_METHOD)

// The cases of the completed state ("swdat" item 6); a value outside the list
// studies both.
#define WTN_COMPLETED_CASES(X)                                                                     \
    X(NormalOnly, 1, u8"常時のみ検討")                                                             \
    X(SeismicOnly, 2, u8"地震時のみ検討")                                                          \
    X(Both, 3, u8"常時・地震時共に検討")
WTN_DEFINE_CODE(CompletedCases, WTN_COMPLETED_CASES)

// The studies ("swdat" item 13); the reader holds a value outside the list as
// the completed state. Neither study is what the front end writes when both
// boxes are clear: the run then writes only the input check list.
#define WTN_STUDIES(X)                                                                             \
    X(Neither, 0, u8"検討しない")                                                                  \
    X(CompletedOnly, 1, u8"完成時のみ検討")                                                        \
    X(ConstructionOnly, 2, u8"施工時のみ検討")                                                     \
    X(Both, 3, u8"完成時・施工時共に検討")
WTN_DEFINE_CODE(Studies, WTN_STUDIES)

// The design standard ("swdat" item 1).
#define WTN_DESIGN_STANDARD(X)                                                                     \
    X(Port, 1, u8"港湾基準")                                                                       \
    X(FisheryPort, 2, u8"漁港基準")                                                                \
    X(River, 3, u8"河川基準")
WTN_DEFINE_CODE(DesignStandard, WTN_DESIGN_STANDARD)

// The ground surface behind the wall ("swdat" item 7).
#define WTN_GROUND_SHAPE(X)                                                                        \
    X(Straight, 1, u8"直線形状")                                                                   \
    X(Embankment, 2, u8"任意形状")
WTN_DEFINE_CODE(GroundShape, WTN_GROUND_SHAPE)

// Where the surcharge is taken ("swdat" item 8): at the seabed for all
// layers, or per layer.
#define WTN_SURCHARGE_MODE(X)                                                                      \
    X(AtSeabedForAllLayers, 1, u8"海底面で計算した荷重")                                           \
    X(PerLayer, 2, u8"各土層毎に計算した荷重")
WTN_DEFINE_CODE(SurchargeMode, WTN_SURCHARGE_MODE)

// The seismic coefficient at the residual water level ("swdat" item 10) and
// at the L.W.L. (item 14; the reader holds a value outside the list as the
// first entry).
#define WTN_LEVEL_SEISMIC_RULE(X)                                                                  \
    X(AirAboveApparentBelow, 1, u8"上側空中震度・下側見かけの震度")                                \
    X(AirBothSides, 2, u8"上下共に空中震度")
WTN_DEFINE_CODE(LevelSeismicRule, WTN_LEVEL_SEISMIC_RULE)

// Which of the two clay formulas are compared: in the seismic case ("swdat"
// item 11) and in the normal case ("nir_t" item 5), numbered differently.
#define WTN_CLAY_SEISMIC_FORMULA(X)                                                                \
    X(CompareBoth, 1, u8"２式の比較")                                                              \
    X(FirstOnly, 2, u8"１式のみで計算")
WTN_DEFINE_CODE(ClaySeismicFormula, WTN_CLAY_SEISMIC_FORMULA)
#define WTN_CLAY_NORMAL_FORMULA(X)                                                                 \
    X(CompareBoth, 0, u8"２式の比較")                                                              \
    X(FirstOnly, 1, u8"１式のみで計算")
WTN_DEFINE_CODE(ClayNormalFormula, WTN_CLAY_NORMAL_FORMULA)

// Okabe's formula when the square root turns negative ("nir_t" item 6).
#define WTN_OKABE_WHEN_NEGATIVE(X)                                                                 \
    X(Off, 0, u8"")                                                                                \
    X(On, 1, u8"岡部の式で計算")
WTN_DEFINE_CODE(OkabeWhenNegative, WTN_OKABE_WHEN_NEGATIVE)

// The design seismic coefficient ("neire" item 5): given, or the product of
// the regional, ground-type and importance factors.
#define WTN_SEISMIC_COEFFICIENT_RULE(X)                                                            \
    X(Given, 0, u8"直接入力")                                                                      \
    X(ProductOfFactors, 1, u8"設計震度を係数から計算")
WTN_DEFINE_CODE(SeismicCoefficientRule, WTN_SEISMIC_COEFFICIENT_RULE)

// The apparent seismic coefficient ("neire" item 10).
#define WTN_APPARENT_SEISMIC_RULE(X)                                                               \
    X(Given, 0, u8"直接入力")                                                                      \
    X(GeneralFormula, 1, u8"γ／（γ－１０）･ｋで計算")                                              \
    X(Niken, 2, u8"二建の提案式で計算")                                                            \
    X(AraiYokoi, 3, u8"荒井・横井の提案式で計算")
WTN_DEFINE_CODE(ApparentSeismicRule, WTN_APPARENT_SEISMIC_RULE)

// One side's lateral resistance of the embedment ("neire" items 1 and 12).
#define WTN_LATERAL_RESISTANCE_METHOD(X)                                                           \
    X(DerivedFromSoil, 1, u8"Ｎ値から計算")                                                        \
    X(Given, 2, u8"直接入力")
WTN_DEFINE_CODE(LateralResistanceMethod, WTN_LATERAL_RESISTANCE_METHOD)

// The lateral subgrade-reaction coefficient of a soil layer (its item 8):
// given, 1500 N, or read from N on Yokoyama's chart or on the chart of N
// against Kc.
#define WTN_LAYER_KH_OPTION(X)                                                                     \
    X(Given, 1, u8"直接入力(Kh：kN/m3 , Kc：kN/m2.5)")                                             \
    X(LinearInN, 2, u8"N値より計算(Kh=1500N)")                                                     \
    X(ChartFirstLine, 3, u8"N値より計算（横山の図）")                                              \
    X(ChartThirdLine, 4, u8"N値より計算（N値とKcとの関係図）")
WTN_DEFINE_CODE(LayerKhOption, WTN_LAYER_KH_OPTION)
inline constexpr int kLayerKhOptionCount = 4;

// The static water pressure of the construction stage ("wav_t" item 1).
#define WTN_STATIC_WATER(X)                                                                        \
    X(Off, 0, u8"考慮しない")                                                                      \
    X(On, 1, u8"考慮する")
WTN_DEFINE_CODE(StaticWater, WTN_STATIC_WATER)

// The section of a U pile ("joken" item 17).
#define WTN_U_SECTION(X)                                                                           \
    X(Improved, 1, u8"改良型[添字A,L]")                                                            \
    X(General, 2, u8"一般型")                                                                      \
    X(Wide, 3, u8"広幅型")
WTN_DEFINE_CODE(USection, WTN_U_SECTION)

// The steel grade of the sheet pile ("joken" item 18): SY295 / SKY400 or
// SY390 / SKY490.
#define WTN_STEEL_GRADE(X)                                                                         \
    X(SY295, 1, u8"SY295")                                                                         \
    X(SY390, 2, u8"SY390")
WTN_DEFINE_CODE(SteelGrade, WTN_STEEL_GRADE)

// The zones whose corrosion decides the section ("fsyok" item 13).
#define WTN_CORROSION_RANGE(X)                                                                     \
    X(SeaWaterAndMud, 0, u8"海中部・海底泥層中共に検討")                                           \
    X(MudOnly, 1, u8"海底泥層中のみ検討")
WTN_DEFINE_CODE(CorrosionRange, WTN_CORROSION_RANGE)

// Options of the customisation file that the calculation reads. The pile
// tip (line 11):
#define WTN_PILE_TIP_CONDITION(X)                                                                  \
    X(HeadFree, 1, u8"杭頭自由")                                                                   \
    X(PinnedTip, 2, u8"杭先端ピン")                                                                \
    X(FixedTip, 3, u8"杭先端固定")
WTN_DEFINE_CODE(PileTipCondition, WTN_PILE_TIP_CONDITION)
inline constexpr int kPileTipConditionCount = 3;
// The rounding of the design and apparent seismic coefficients (lines 20 and
// 18): half up to 0.01, or to steps of 0.05.
#define WTN_SEISMIC_ROUNDING(X)                                                                    \
    X(HalfUp, 0, u8"四捨五入")                                                                     \
    X(StepsOfFiveHundredths, 1, u8"二捨三入・七捨八入")
WTN_DEFINE_CODE(SeismicRounding, WTN_SEISMIC_ROUNDING)

// The two load cases, as the load tables and the force file index them.
inline constexpr int kNormalCase = 0;
inline constexpr int kSeismicCase = 1;
inline constexpr int kCaseCount = 2;

// The front end lists the residual-water-level rules in another order, and
// its project file holds them so: the two-thirds rule, the whole range, given.
// A number outside that list stands for itself, so a rule that is not listed
// goes back to the number it was read from.
inline constexpr ResidualLevelRule kScreenResidualRules[] = {
    ResidualLevelRule::TwoThirdsOfRange, ResidualLevelRule::WholeRange, ResidualLevelRule::Given};
inline constexpr int kScreenResidualRuleCount = 3;
inline constexpr ResidualLevelRule residual_rule_from_screen(int rwl_sw) {
    return rwl_sw >= 0 && rwl_sw < kScreenResidualRuleCount
               ? kScreenResidualRules[rwl_sw]
               : from_file_value<ResidualLevelRule>(rwl_sw);
}
inline constexpr int screen_residual_switch(ResidualLevelRule rule) {
    for (int i = 0; i < kScreenResidualRuleCount; ++i) {
        if (kScreenResidualRules[i] == rule) return i;
    }
    return to_file_value(rule);
}

} // namespace wtn
