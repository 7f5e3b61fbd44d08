// The common calculation input of one wall section as every batch program
// holds it: one group per key of the calculation input file, fixed-room row
// tables with a row count each, the project title and the version line.
// A driver fills it once at start (reset_input_counters, set_input_defaults,
// read_input) and afterwards only reads it; the load calculation adds its own
// values to the soil-layer rows.
//
// Units: levels are elevations in m (positive upwards), wave lengths and
// heights in m, unit weights in kN/m3, angles in degrees as entered,
// surcharges and cohesion in kN/m2, forces in kN/m, allowable displacements in
// cm, allowable stresses in N/mm2, steel-pipe dimensions in mm, corrosion rates
// in mm per year. Switches are 1-based: 1 is the first choice. Codes are held as the enums of
// wall_codes.h; a value outside a code's table is held with its number.
//
// "Item n" in the comments is the n-th comma field after the key on its line.
// Texts are code page 932 bytes, kept whole as the front end wrote them; only
// a printer cuts them, to the width it prints.
#pragma once

#include "wall_codes.h"

#include <array>
#include <string>

namespace wtn {

// Rooms of the row tables and id lists.
inline constexpr int kMaxPileIds = 50;       // "tyait", "apdyt" ids per list
inline constexpr int kPileIdsPerLine = 24;   // ids one "tyait"/"apdyt" line carries
inline constexpr int kMaxSurchargeRows = 10; // "josai"
inline constexpr int kMaxOtherForceRows = 5; // "etcjo", "etcjs" each
inline constexpr int kMaxSteelPipeRows = 10; // "kokan"
inline constexpr int kMaxSoilLayerRows =
    25; // "sdatu", "jdatu" each, rows the load calculation inserts included
inline constexpr int kMaxGroundPoints = 80; // "tikei"
inline constexpr int kMaxFillRows = 5;      // "morid"
inline constexpr int kTideLevelCount = 4;   // H.H.W.L., H.W.L., L.W.L., user-named level
inline constexpr int kTideLevelRoom = 5;    // tide-level arrays keep one spare element

// Tide-level indices of the wave data.
inline constexpr int kTideHhwl = 0;
inline constexpr int kTideHwl = 1;
inline constexpr int kTideLwl = 2;
inline constexpr int kTideUser = 3;

// "swdat": the calculation switches.
struct CalcSwitches {
    DesignStandard design_standard = DesignStandard::Port; // 1: 港湾基準, 2: 漁港基準, 3: 河川基準
    EmbedmentMethod embedment_method =
        EmbedmentMethod::Chang; // 2: 1 Chang, 2 Chang multi-layer, 3 C-type, 4 C-type multi-layer,
                                // 5 S-type
    YesNo decide_by_stress = YesNo::Yes;         // 3: 1 yes, 2 no
    YesNo decide_by_displacement = YesNo::Yes;   // 4: 1 yes, 2 no
    YesNo decide_by_seabed_reaction = YesNo::No; // 5: 1 yes, 2 no
    CompletedCases completed_cases =
        CompletedCases::Both; // 6: 1 normal only, 2 seismic only, 3 both
    GroundShape ground_shape =
        GroundShape::Straight; // 7: 1 straight, 2 embankment (polyline of ground points and fills)
    SurchargeMode surcharge_mode =
        SurchargeMode::AtSeabedForAllLayers; // 8: 1 taken at the seabed for all layers, 2 per layer
    int decision_code =
        111; // 9: units digit stress, tens displacement, hundreds seabed reaction (1 decides)
    LevelSeismicRule residual_level_seismic =
        LevelSeismicRule::AirAboveApparentBelow; // 10: seismic coefficient at the residual water
                                                 // level: 1 air above / apparent below, 2 air both
                                                 // sides
    ClaySeismicFormula clay_seismic_formula =
        ClaySeismicFormula::CompareBoth; // 11: clay intensity in the seismic case: 1 compare both
                                         // formulas, 2 first only
    EarthPressureMethod earth_pressure_method =
        EarthPressureMethod::NotInterpolated; // 12: 1 linear interpolation down to 10 m below the
                                              // seabed, 2 without
    Studies studies = Studies::CompletedOnly; // 13: 0 neither, 1 completed state, 2
                                              // construction stage, 3 both (others read as 1)
    LevelSeismicRule lwl_seismic =
        LevelSeismicRule::AirAboveApparentBelow; // 14: seismic coefficient at the L.W.L., as item
                                                 // 10 (others read as 1)
};

// "wavsw": the wave switches and the name of the user-named tide level.
struct WaveSwitches {
    std::string user_tide_name;                   // quoted text of the line
    WaveFormula wave_formula = WaveFormula::Goda; // 1: 1 Goda, 2 Kuroda / Hiroi (Morihira)
    DissipatingWorks dissipating_works = DissipatingWorks::Absent; // 2: 1 present, 2 absent
    double lambda1 = 0.0; // 3: wave-pressure reduction rate
    // Items 4, 6, 8, 10: examine switch per tide level, 1 examined, 2 not.
    std::array<YesNo, kTideLevelRoom> examine = {YesNo::Yes, YesNo::Yes, YesNo::Yes, YesNo::Yes,
                                                 YesNo::Yes};
    // Items 5, 7, 9, 11: draw switch per tide level, 1 drawn, 2 not.
    std::array<YesNo, kTideLevelRoom> draw = {YesNo::Yes, YesNo::Yes, YesNo::Yes, YesNo::Yes,
                                              YesNo::Yes};
};

// "joken": the design conditions.
struct DesignConditions {
    double hwl = 0.0; // 1: H.W.L.
    double lwl = 0.0; // 2: L.W.L.
    ResidualLevelRule residual_level_rule =
        ResidualLevelRule::TwoThirdsOfRange; // 3: 1 two thirds of the tide range above L.W.L., 2
                                             // whole range, 0 given
    double residual_level = 0.0;             // 4: residual water level
    double ground_crown = 0.0;     // 5: ground-surface crown (top of the first land-side layer)
    double design_seabed = 0.0;    // 6: design seabed of the completed state
    double embedment_level = 0.0;  // 7: sheet-pile toe level
    double soil_bottom = 0.0;      // 8: lower limit of the last soil layer
    double ground_angle = 0.0;     // 9: ground-surface angle (straight shape; 0 for the embankment)
    double seabed_angle = 0.0;     // 10: design-seabed angle
    double water_weight = 0.0;     // 11: unit weight of water
    double surcharge_normal = 0.0; // 12: surcharge, normal case (straight shape)
    double surcharge_seismic = 0.0;   // 13: surcharge, seismic case
    double allow_disp_normal = 0.0;   // 14: allowable head displacement, normal case
    double allow_disp_seismic = 0.0;  // 15: allowable head displacement, seismic case
    PileType pile_type = PileType::U; // 16: 1 U, 2 Z, 3 steel of free choice, 4 steel pipe, 5 PC
                                      // (salt), 6 PC, 7 PC of free choice
    USection u_variant = USection::Improved;    // 17: 1 improved (A, L), 2 general, 3 wide
    SteelGrade steel_grade = SteelGrade::SY295; // 18: 1 SY295/SKY400, 2 SY390/SKY490
};

// "tjkn1": conditions added in later releases.
struct AddedConditions {
    double hhwl = 0.0;                      // 1: H.H.W.L.
    double user_tide_level = 0.0;           // 2: user-named tide level
    double superstructure_crown = 0.0;      // 3: crown of the superstructure
    double pile_crown = 0.0;                // 4: crown of the sheet pile
    double cohesion_ref_level = 0.0;        // 5: level at which the cohesion C0 of the layers holds
    double allow_disp_construction = 0.0;   // 6: allowable head displacement, construction stage
    double allow_stress_normal = 0.0;       // 7: allowable stress, normal case
    double allow_stress_seismic = 0.0;      // 8: allowable stress, seismic case
    double allow_stress_construction = 0.0; // 9: allowable stress, construction stage
    double construction_seabed = 0.0;       // 10: design seabed of the construction stage
    double young_coefficient = 0.0; // 11: Young's modulus coefficient (kN/mm2 when item 12 is 0)
    double young_exponent = 0.0;    // 12: power of ten of Young's modulus
};

// One side's lateral-resistance record of "neire".
struct LateralResistance {
    LateralResistanceMethod method =
        LateralResistanceMethod::DerivedFromSoil; // 1 derived from a soil value, 2 given
    double first_value = 1.0;                     // first soil value (average N value)
    double second_value = 1.0;                    // second soil value (rate of increase of N)
    double kh = 0.0;                              // lateral subgrade-reaction coefficient
};

// "neire": embedment conditions; items 1-4 sea side, 5-11 seismic, 12-15 land side.
struct EmbedmentConditions {
    LateralResistance sea; // 1-4
    SeismicCoefficientRule seismic_rule =
        SeismicCoefficientRule::Given; // 5: 0 given directly, 1 product of the three factors
    double seismic_coefficient = 0.0;  // 6: design seismic coefficient
    double regional_factor = 0.0;      // 7: regional seismic coefficient
    double ground_factor = 0.0;        // 8: ground-type factor
    double importance_factor = 0.0;    // 9: importance factor
    ApparentSeismicRule apparent_rule =
        ApparentSeismicRule::Given;    // 10: 0 given, 1 general formula, 2 二建の提案式, 3
                                       // 荒井・横井の提案式
    double apparent_coefficient = 0.0; // 11: apparent seismic coefficient (given value)
    LateralResistance land;            // 12-15
};

// "nir_t": embedment options. Only lambda2 has a default; the others stay at
// 0 until a line sets them.
struct EmbedmentOptions {
    YesNo dynamic_water{};        // 1: dynamic water pressure, 1 considered, 2 not
    YesNo pipe_secondary_check{}; // 2: secondary stress of steel pipes, 1 examined, 2 not
    double pipe_kh = 0.0;         // 3: lateral subgrade-reaction coefficient of that check (kN/m3)
    double lambda2 = 0.0;         // 4: wave-pressure reduction rate
    ClayNormalFormula clay_normal_formula =
        ClayNormalFormula::CompareBoth; // 5: clay in the normal case: 0 compare both, 1 active
                                        // pressure only
    OkabeWhenNegative okabe_when_negative =
        OkabeWhenNegative::Off; // 6: Okabe's formula when the square root turns negative: 1 on
};

// "fsyok": corrosion data.
struct CorrosionData {
    std::array<double, 4> sea_rates = {0.03, 0.03, 0.03,
                                       0.03};              // 1-4: [2] sea water, [3] seabed mud
    std::array<double, 3> land_rates = {0.03, 0.03, 0.02}; // 5-7: [1] below water, [2] seabed mud
    double allowance_water = 1.0; // 8: corrosion allowance of the water side (mm), printed only
    double allowance_land = 1.0;  // 9: corrosion allowance of the land side (mm), printed only
    int service_life = 30;        // 10: design service life (years)
    double reduction_sea_water = 100.0;  // 11: reduction rate of the pile in the sea-water zone (%)
    double reduction_seabed_mud = 100.0; // 12: reduction rate of the pile in the seabed mud (%)
    CorrosionRange check_range = CorrosionRange::SeaWaterAndMud; // 13: 0 both zones, 1 seabed mud
                                                                 // only (0 until a line sets it)
};

// "tugit": joint efficiency factors.
struct JointEfficiency {
    double section_inertia = 1.0;   // 1: on I in the section calculation
    double embedment_inertia = 1.0; // 2: on I in the embedment calculation
    double section_modulus = 1.0;   // 3: on Z in the section calculation
};

// "tyait" (catalogue piles) and "apdyt" (user-added piles): selected ids.
struct PileIdList {
    std::array<int, kMaxPileIds> ids{};
    int count = 0;
};

// "josai": one surcharge strip.
struct SurchargeRow {
    double start = 0.0;   // 1: start distance from the wall (m)
    double end = 0.0;     // 2: end distance (m)
    double normal = 0.0;  // 3: intensity, normal case
    double seismic = 0.0; // 4: intensity, seismic case
};

// "etcjo" / "etcjs": one other external force.
struct OtherForceRow {
    std::string name;    // quoted text of the line
    double force = 0.0;  // 1: horizontal force, negative on the passive side
    double height = 0.0; // 2: level of its point of action
};

// "kokan": one steel-pipe sheet pile.
struct SteelPipeRow {
    double diameter = 0.0;  // 1: outer diameter (mm)
    double thickness = 0.0; // 2: wall thickness (mm)
    double joint = 1.0;     // 3: joint type 1-3, or the given effective joint spacing
};

// "sdatu" / "jdatu": one soil layer, rows from the top layer down.
struct SoilLayerRow {
    double top = 0.0;               // 1: top elevation
    double wet_weight = 0.0;        // 2: wet unit weight
    double submerged_weight = 0.0;  // 3: submerged unit weight
    double saturated_weight = 0.0;  // 4: saturated unit weight
    double friction_angle = 0.0;    // 5: φ (0 for clay)
    double cohesion = 0.0;          // 6: C0 at the cohesion reference level (0 for sand)
    double cohesion_increase = 0.0; // 7: K of C(z) = C0 + K (zc - z)
    LayerKhOption resistance_option =
        LayerKhOption::Given; // 8: 1 kh given, 2 kh = 1500 N, 3 and 4 kh from N on log-log lines
    double n_value = 0.0;     // 9: N value
    double kh = 0.0;          // 10: lateral subgrade-reaction coefficient
    // Filled by the load calculation, not read from the file.
    double cohesion_top = 0.0;    // cohesion at the top of the layer
    double cohesion_bottom = 0.0; // cohesion at its bottom
    int n_from_cohesion = 0;      // 1 when the N value was derived from the cohesion
};

// "tikei": one point of the ground-surface polyline (embankment shape).
struct GroundPoint {
    double distance = 0.0; // 1: horizontal distance from the wall
    double level = 0.0;    // 2: level
};

// "morid": one fill layer, from the top.
struct FillRow {
    double top = 0.0;              // 1: top level
    double wet_weight = 0.0;       // 2: wet unit weight
    double submerged_weight = 0.0; // 3: submerged unit weight
    double saturated_weight = 0.0; // 4: saturated unit weight
};

// "hhwl_", "hwl__", "lwl__", "ewl__": wave data of one tide level.
struct TideLevelRow {
    BreakingInfluence breaking_influence =
        BreakingInfluence::NotInfluenced; // 1: Goda, breaking-wave influence 1 or 2 (0 for Kuroda /
                                          // Hiroi)
    double h13 = 0.0;                     // 2: significant wave height H1/3
    double hmax = 0.0; // 3: Hmax (Goda) or design wave height HD (Kuroda / Hiroi)
    WaveLengthMethod wave_length_method =
        WaveLengthMethod::Given;  // 4: 1 computed from period and depth, 2 given
    double period = 0.0;          // 5: period T (s)
    double wave_length = 0.0;     // 6: wave length L
    double incidence_angle = 0.0; // 7: incidence angle β
};

// "wlvl_": wave conditions.
struct WaveConditions {
    WaveDepthRule depth_rule =
        WaveDepthRule::AtGroundLevel; // 1: water depth for wave length and pressure, 1 at h, 2 at d
    double d = 0.0;                   // 2: crown of the toe works or mound cover
    double h_dash = 0.0;              // 3: lower limit of the wave-pressure range
    double h = 0.0;                   // 4: ground level in front of the wall
    BreakerDepthRule hb_rule =
        BreakerDepthRule::Given;             // 5: hb 1 computed from the seabed slope, 2 given
    double slope_x = 0.0;                    // 6: X of the seabed slope 1/X
    std::array<double, kTideLevelRoom> hb{}; // 7-10: hb per tide level
};

// "add_1": wall-friction angles (degrees); 0 until a line sets them.
struct WallFriction {
    double normal_active = 0.0;
    double normal_passive = 0.0;
    double seismic_active = 0.0;
    double seismic_passive = 0.0;
};

struct InputRecord {
    std::string title;        // "gyonm"
    std::string version_text; // "versi" quoted text (0 until read)
    int version_number = 0;   // "versi" item 1
    StaticWater static_water =
        StaticWater::Off; // "wav_t" item 1: static water pressure in the construction stage, 1 yes

    CalcSwitches swdat;
    WaveSwitches wavsw;
    DesignConditions joken;
    AddedConditions tjkn1;
    EmbedmentConditions neire;
    EmbedmentOptions nir_t;
    CorrosionData fsyok;
    JointEfficiency tugit;
    WaveConditions wlvl;
    WallFriction add_1;

    PileIdList catalogue_piles; // "tyait"
    PileIdList added_piles;     // "apdyt"

    std::array<SurchargeRow, kMaxSurchargeRows> surcharges{};
    int surcharge_count = 0;
    std::array<OtherForceRow, kMaxOtherForceRows> forces_normal{};
    int force_normal_count = 0;
    std::array<OtherForceRow, kMaxOtherForceRows> forces_seismic{};
    int force_seismic_count = 0;
    std::array<SteelPipeRow, kMaxSteelPipeRows> steel_pipes{};
    int steel_pipe_count = 0;
    std::array<SoilLayerRow, kMaxSoilLayerRows> land_layers{};
    int land_layer_count = 0;
    std::array<SoilLayerRow, kMaxSoilLayerRows> sea_layers{};
    int sea_layer_count = 0;
    std::array<GroundPoint, kMaxGroundPoints> ground_points{};
    int ground_point_count = 0;
    std::array<FillRow, kMaxFillRows> fills{};
    int fill_count = 0;
    // Indexed by kTideHhwl .. kTideUser; a line replaces its row. The examine
    // switches of wavsw tell which rows are in use.
    std::array<TideLevelRow, kTideLevelRoom> tide_levels{};
};

// Sets every row count and both id-list counts to 0.
void reset_input_counters(InputRecord& input);

// Gives every field its default. The fields that have no default (version
// text and number, "wav_t", "nir_t" items other than λ2, "fsyok" item 13,
// "add_1") keep what they hold: 0 or empty in a freshly constructed record.
// Row counts are not touched (reset_input_counters does that).
void set_input_defaults(InputRecord& input);

} // namespace wtn
