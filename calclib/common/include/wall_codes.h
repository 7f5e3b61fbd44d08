// Codes of the calculation input that select a method or a kind, by name. The
// files carry them as whole numbers; they become these types where they are
// read, so no calculation compares a code with a bare number.
#pragma once

namespace wtn {

// How the embedment is calculated, numbered as in the calculation input.
enum class EmbedmentMethod : int {
    Chang = 1,
    ChangMultiLayer = 2,
    CType = 3,
    CTypeMultiLayer = 4,
    SType = 5,
};

inline constexpr EmbedmentMethod embedment_method_from_code(int code) {
    return static_cast<EmbedmentMethod>(code);
}

// The sheet-pile type, numbered as the calculation input carries it. The front
// end numbers the same list from 0 (pile_type_from_screen_kind).
enum class PileType : int {
    U = 1,
    Z = 2,
    SteelOfFreeChoice = 3,
    SteelPipe = 4,
    PcSalt = 5,
    Pc = 6,
    PcOfFreeChoice = 7,
};
inline constexpr int kPileTypeCount = 7;

// The catalogue a sheet pile comes from (its "added" flag): the installed one
// or the user's own.
inline constexpr int kInstalledCatalogue = 0;
inline constexpr int kUserCatalogue = 1;

inline constexpr PileType pile_type_from_code(int code) {
    return static_cast<PileType>(code);
}
inline constexpr int pile_type_code(PileType type) {
    return static_cast<int>(type);
}

// The front end's sheet-pile kind (0 U .. 6 PC of free choice) and the input
// file's type are one list shifted by one.
inline constexpr int kScreenPileKindOffset = 1;
inline constexpr PileType pile_type_from_screen_kind(int kind) {
    return static_cast<PileType>(kind + kScreenPileKindOffset);
}
inline constexpr int screen_pile_kind(PileType type) {
    return static_cast<int>(type) - kScreenPileKindOffset;
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

// The front end holds its option switches from 0, as its lists number their
// entries; the calculation input numbers the same options from 1. Every
// switch crosses the file boundary through these two, and nowhere else.
inline constexpr int kFileSwitchOffset = 1;
inline constexpr int file_switch_code(int screen_switch) {
    return screen_switch + kFileSwitchOffset;
}
inline constexpr int screen_switch_from_code(int file_code) {
    return file_code - kFileSwitchOffset;
}

// The other codes of the calculation input that choose between methods, each
// numbered as the file carries it.

// A yes-or-no switch: 1 yes, 2 no (the decisions of "swdat", the examine and
// draw switches of the tide levels, the dynamic water pressure and the
// secondary-stress check of "nir_t").
enum class YesNo : int { Yes = 1, No = 2 };

// How the residual water level is set ("joken" item 3).
enum class ResidualLevelRule : int { Given = 0, TwoThirdsOfRange = 1, WholeRange = 2 };

// The seismic coefficient at the residual water level and at the L.W.L.
// ("swdat" items 10 and 14): in-air above the level and apparent below it, or
// in-air on both sides.
enum class LevelSeismicRule : int { AirAboveApparentBelow = 1, AirBothSides = 2 };

// Earth pressure below the seabed ("swdat" item 12): linear interpolation down
// to 10 m below the seabed, or none.
enum class EarthPressureMethod : int { InterpolatedBelowSeabed = 1, NotInterpolated = 2 };

// The wave-pressure formula ("wavsw" item 1).
enum class WaveFormula : int { Goda = 1, KurodaHiroi = 2 };

// Whether wave-dissipating works stand in front of the wall ("wavsw" item 2).
enum class DissipatingWorks : int { Present = 1, Absent = 2 };

// The water depth of the wave length and pressure ("wlvl_" item 1): at the
// ground level h in front of the wall, or at the crown d of the toe works.
enum class WaveDepthRule : int { AtGroundLevel = 1, AtToeWorks = 2 };

// The breaker depth hb ("wlvl_" item 5): from the seabed slope, or given.
enum class BreakerDepthRule : int { FromSlope = 1, Given = 2 };

// The breaking-wave influence of a tide level under Goda's formula (its item
// 1; a Kuroda / Hiroi tide level carries 0).
enum class BreakingInfluence : int { NotInfluenced = 1, Influenced = 2 };

// The wave length of a tide level (its item 4): from period and depth, or given.
enum class WaveLengthMethod : int { Computed = 1, Given = 2 };

// The cases of the completed state ("swdat" item 6); a value outside the list
// studies both.
enum class CompletedCases : int { NormalOnly = 1, SeismicOnly = 2, Both = 3 };

// The studies of a run ("swdat" item 13): the completed state, the
// construction stage, or both. The reader takes a value outside the list as
// the completed state alone.
enum class Studies : int { CompletedOnly = 1, ConstructionOnly = 2, Both = 3 };

// The design standard ("swdat" item 1).
enum class DesignStandard : int { Port = 1, FisheryPort = 2, River = 3 };

// The ground surface behind the wall ("swdat" item 7).
enum class GroundShape : int { Straight = 1, Embankment = 2 };

// Where the surcharge is taken ("swdat" item 8): at the seabed for all
// layers, or per layer.
enum class SurchargeMode : int { AtSeabedForAllLayers = 1, PerLayer = 2 };

// Which of the two clay formulas are compared: in the seismic case ("swdat"
// item 11) and in the normal case ("nir_t" item 5), numbered differently.
enum class ClaySeismicFormula : int { CompareBoth = 1, FirstOnly = 2 };
enum class ClayNormalFormula : int { CompareBoth = 0, FirstOnly = 1 };

// Okabe's formula when the square root turns negative ("nir_t" item 6).
enum class OkabeWhenNegative : int { Off = 0, On = 1 };

// The design seismic coefficient ("neire" item 5): given, or the product of
// the regional, ground-type and importance factors.
enum class SeismicCoefficientRule : int { Given = 0, ProductOfFactors = 1 };

// The apparent seismic coefficient ("neire" item 10).
enum class ApparentSeismicRule : int { Given = 0, GeneralFormula = 1, Niken = 2, AraiYokoi = 3 };

// One side's lateral resistance of the embedment ("neire" items 1 and 12).
enum class LateralResistanceMethod : int { DerivedFromSoil = 1, Given = 2 };

// The lateral subgrade-reaction coefficient of a soil layer (its item 8):
// given, 1500 N, or read from N on the first or the third log-log chart line.
enum class LayerKhOption : int { Given = 1, LinearInN = 2, ChartFirstLine = 3, ChartThirdLine = 4 };
inline constexpr int kLayerKhOptionCount = 4;

// The static water pressure of the construction stage ("wav_t" item 1).
inline constexpr int kStaticWaterOff = 0;
inline constexpr int kStaticWaterOn = 1;

// The section of a U pile ("joken" item 17).
enum class USection : int { Improved = 1, General = 2, Wide = 3 };

// The steel grade of the sheet pile ("joken" item 18): SY295 / SKY400 or
// SY390 / SKY490.
enum class SteelGrade : int { SY295 = 1, SY390 = 2 };

// The zones whose corrosion decides the section ("fsyok" item 13).
enum class CorrosionRange : int { SeaWaterAndMud = 0, MudOnly = 1 };

// Options of the customisation file that the calculation reads. The pile
// tip (line 11):
enum class PileTipCondition : int { HeadFree = 1, PinnedTip = 2, FixedTip = 3 };
inline constexpr int kPileTipConditionCount = 3;
// The rounding of the design and apparent seismic coefficients (lines 20 and
// 18): half up to 0.01, or to steps of 0.05.
enum class SeismicRounding : int { HalfUp = 0, StepsOfFiveHundredths = 1 };

// The two load cases, as the load tables and the force file index them.
inline constexpr int kNormalCase = 0;
inline constexpr int kSeismicCase = 1;
inline constexpr int kCaseCount = 2;

// A code read from the file as its type, and back.
template <class Code> constexpr Code code_from_file(int code) {
    return static_cast<Code>(code);
}
template <class Code> constexpr int file_code(Code code) {
    return static_cast<int>(code);
}

// A code the front end holds as a list index from 0, as its type, and back.
template <class Code> constexpr Code code_from_screen_switch(int screen_switch) {
    return static_cast<Code>(file_switch_code(screen_switch));
}
template <class Code> constexpr int screen_switch_of(Code code) {
    return screen_switch_from_code(static_cast<int>(code));
}

// A yes-or-no switch from a decision.
inline constexpr int yes_no_code(bool yes) {
    return file_code(yes ? YesNo::Yes : YesNo::No);
}

// The front end lists the residual-water-level rules in another order: the
// two-thirds rule, the whole range, given. An index outside the list is a
// given level.
inline constexpr ResidualLevelRule kScreenResidualRules[] = {
    ResidualLevelRule::TwoThirdsOfRange, ResidualLevelRule::WholeRange, ResidualLevelRule::Given};
inline constexpr int kScreenResidualRuleCount = 3;
inline constexpr ResidualLevelRule residual_rule_from_screen(int rwl_sw) {
    return rwl_sw >= 0 && rwl_sw < kScreenResidualRuleCount ? kScreenResidualRules[rwl_sw]
                                                            : ResidualLevelRule::Given;
}
inline constexpr int screen_residual_switch(ResidualLevelRule rule) {
    for (int i = 0; i < kScreenResidualRuleCount; ++i) {
        if (kScreenResidualRules[i] == rule) return i;
    }
    return kScreenResidualRuleCount - 1;
}
inline constexpr bool is_residual_rule_code(int code) {
    return code >= file_code(ResidualLevelRule::Given) &&
           code <= file_code(ResidualLevelRule::WholeRange);
}

} // namespace wtn
