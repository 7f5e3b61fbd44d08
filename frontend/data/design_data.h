// The front end's design data: the whole input of one wall section, the
// current-file cells, the adopted results, the sheet-pile catalogues and the
// customisation values. Every screen loads its controls from one group and
// stores them back; the project files, the calculation-input writer and the
// import read and write the groups directly.
//
// Conventions of the fields:
// - Texts are UTF-8; they become code page 932 only in the file writers.
// - Switches hold their codes (wall_codes.h, screen_codes.h). The screens
//   show an option group's buttons in the order of the code's list; the
//   project file carries a switch as its list index from 0, except
//   dynwater_sw and second_sw (1 on, 2 off) and rwl_sw (the screen's order:
//   2/3 rule, 1.0 rule, given). A number outside a list is kept as it is.
// - Integer fields hold 16-bit values (the project files are read with that
//   range checked).
// - Arrays keep one spare element where the screens use one element fewer;
//   nothing reads the spare element.
// - Levels and elevations in m, unit weights in kN/m3, pressures and
//   surcharges in kN/m2, forces in kN/m, angles in degrees, unless a field
//   says otherwise. Older projects hold gravitational units until converted.
//
// A new DesignData is all zeros and empty texts, as the block is at start-up;
// New then loads the template project into it.
//
// DesignData is a plain value: a load reads into a copy and the copy replaces
// the current data only when the whole load succeeded.
#pragma once

#include "customisation_file.h"
#include "pile_catalogue_file.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <array>
#include <string>

namespace wtn {

// Room of the tables, as the screens and the project file hold them.
inline constexpr int kStudiedTideLevels = 4;   // H.H.W.L., H.W.L., L.W.L., user-named level
inline constexpr int kSoilLayerRoom = 15;      // layers per side on the soil-layer screen
inline constexpr int kSurchargeRoom = 5;       // surcharge zones
inline constexpr int kForceRoom = 5;           // external forces per case
inline constexpr int kSteelPipeRoom = 10;      // steel-pipe pile rows
inline constexpr int kGroundPointRoom = 80;    // ground-surface points
inline constexpr int kFillRoom = 3;            // embankment (fill) rows
inline constexpr int kPileSelectionRoom = 100; // selected pile-id pairs saved per list
inline constexpr int kCatalogueRoom = 101;     // catalogue piles, installed and user's

inline constexpr int kTitleLength = 36;     // characters of data_title
inline constexpr int kTideNameLength = 10;  // characters of tide_name
inline constexpr int kForceNameLength = 20; // characters of an external force name
inline constexpr int kPileNameLength = 16;  // characters of a catalogue pile name

// Text of the current file while the project has no file.
inline constexpr const char* kUntitled = "無題";

// Version tags of the project files.
inline constexpr const char* kVersion200 = "<2.00>";
inline constexpr const char* kVersion101 = "<1.01>";
inline constexpr const char* kVersion100 = "<1.00>";

// One tide level of a wave formula.
struct WaveRec {
    // Goda rows: the breaking-wave influence (the project file's first flag),
    // then the wave-length method. Kuroda / Hiroi rows carry the wave-length
    // method alone, as their first flag; their breaking field is not used
    // (neither saved nor written).
    BreakingInfluence breaking = BreakingInfluence::NotInfluenced;
    WaveLengthMethod length_method = WaveLengthMethod::Computed;
    double h13 = 0.0;    // significant wave height H1/3, m
    double hmax = 0.0;   // Goda: maximum wave height Hmax; Kuroda / Hiroi: design wave height HD, m
    double period = 0.0; // T, s
    double length = 0.0; // L, m (used when the method is "given")
    double beta = 0.0;   // incidence angle, degrees
};

// One steel-pipe pile row.
struct KokanRec {
    double diameter = 0.0;  // outer diameter, mm
    double thickness = 0.0; // wall thickness, mm
    // L-T joint [L-65x65x8], P-T joint [165.2x9.0], P-P joint [165.2x11.0],
    // or the effective joint spacing given.
    PipeJoint joint_type = PipeJoint::LT;
    double joint_spacing = 0.0; // effective joint spacing, mm (joint type 3)
};

// One soil layer. The screens of the soil layers name the fields as below; the
// older naming of the same layout is A(0..3) = top_lvl, unit_w(0..2);
// B(0..3) = soil_val; lateral option = kh_sw; C(0..4) = kh_val; D(0..4) = n_val.
struct DosouRec {
    double top_lvl = 0.0;           // elevation of the top of the layer, m
    std::array<double, 3> unit_w{}; // (0) wet, (1) saturated unit weight; (2) spare
    SoilKind soil_sw = SoilKind::Sand;
    std::array<double, 4>
        soil_val{}; // (0) friction angle, deg; (1) C0 of C = C0 + K z, kN/m2; (2) K; (3) spare
    // Lateral resistance: given directly (Kh kN/m3, Kc kN/m2.5), Kh = 1500 N,
    // from N by Yokoyama's chart, or from N by the N-Kc chart. Its list index
    // (0 to 3) selects the kh_val and n_val kept for it.
    LayerKhOption kh_sw = LayerKhOption::Given;
    std::array<double, 5> kh_val{}; // the constant kept per method; (0) the directly given one
    std::array<double, 5> n_val{};  // the N value kept per method (1) to (3)
};

// Method record of one side for the C-type and S-type ground methods.
// Older naming: option = hoho_sw, A(0..3) = hoho_k, B(0..3) = hoho_n.
struct DosouHohoRec {
    // Given directly (Kc kN/m2.5, Ks kN/m3.5), from the mean N value, or from
    // the rate of increase of N.
    SideResistanceOption hoho_sw = SideResistanceOption::Given;
    std::array<double, 4>
        hoho_k{}; // (0) Kc or Ks given; (1), (2) as typed in the N boxes; (3) spare
    std::array<double, 4> hoho_n{}; // (0) 0; (1) mean N value; (2) rate of increase of N; (3) spare
};

// One external force.
struct GairyokuRec {
    std::string name; // "外力名称", 20 characters in the files
    ForceSide direction = ForceSide::Active;
    double force = 0.0;  // horizontal force, kN/m
    double height = 0.0; // acting height, m
};

// One catalogue sheet pile, the record the batch programs read catalogues
// into; the name here is 16 characters of UTF-8.
using YaitaRec = PileRecord;

// One selected pile: an id of the installed catalogue and an id of the user
// catalogue. Each of the two lists runs from pair 0 to its first 0.
struct PileIdPair {
    int catalogue_id = 0;
    int user_id = 0;
};

// Basic conditions (screen 0).
struct SekkeiData {
    DesignStandard std_sw = DesignStandard::Port;      // port or fishery-port standard
    EmbedmentMethod neire_sw = EmbedmentMethod::Chang; // embedment method
    CheckBox kanseiji_sw = CheckBox::Clear;            // completed-state study
    CheckBox sekouji_sw = CheckBox::Clear;             // construction-stage study
    YesNo stress_sw = YesNo::Yes;                      // section decided by stress
    YesNo disp_sw = YesNo::Yes;                        // section decided by displacement
    YesNo zevove_sw = YesNo::Yes;      // decided by the virtual-seabed reaction (no, in practice)
    double water_w = 0.0;              // unit weight of water, kN/m3
    std::array<double, 3> delta_jyo{}; // wall friction, normal case: (0) active, (1) passive; deg
    std::array<double, 3> delta_jis{}; // the same, seismic case
    std::array<double, 6> tide_lvl{};  // (0) H.H.W.L., (1) H.W.L., (2) L.W.L., (3) user-named, (4)
                                       // residual water level given
    std::string tide_name;             // name of the user-named level, 10 characters
    ResidualLevelRule rwl_sw = ResidualLevelRule::TwoThirdsOfRange; // residual water level
    double crown_jobu = 0.0;    // crown of the superstructure, m
    double crown_yaita = 0.0;   // crown of the sheet pile, m
    double seabed_kansei = 0.0; // design seabed, completed state, m
    double seabed_sekou = 0.0;  // design seabed, construction stage, m
    double cohesion_lvl = 0.0;  // reference level of cohesion, m
    double embed_lvl = 0.0;     // pile embedment level, m
    double bottom_lvl = 0.0;    // lower limit of the last soil layer, m
};

// Completed state (screen 1).
struct KanseijiData {
    CheckBox jyo_sw = CheckBox::Clear;                           // normal case studied
    CheckBox jis_sw = CheckBox::Clear;                           // seismic case studied
    GroundShape shape_sw = GroundShape::Straight;                // ground surface
    SurchargeMode load_sw = SurchargeMode::AtSeabedForAllLayers; // where the surcharge is taken
    // Clay pressure (normal case): compare both formulas, or Pa = Σγh + w − 2c only.
    ClayNormalFormula clay_sw = ClayNormalFormula::CompareBoth;
    // Design seismic coefficient: given, or the product of the factors.
    SeismicCoefficientRule sindo_sw = SeismicCoefficientRule::Given;
    double sindo_val = 0.0;
    std::array<double, 4> sindo_factor{}; // (0) regional, (1) ground type, (2) importance
    ApparentSeismicRule mikake_sw = ApparentSeismicRule::Given; // apparent seismic coefficient
    double mikake_val = 0.0;
    // Coefficient at the R.W.L.: air above and apparent below, or air on both sides.
    LevelSeismicRule rwl_k_sw = LevelSeismicRule::AirAboveApparentBelow;
    LevelSeismicRule lwl_k_sw = LevelSeismicRule::AirAboveApparentBelow; // the same at the L.W.L.
    ClaySeismicFormula pa_formula_sw = ClaySeismicFormula::CompareBoth;  // (1) and (2), or (1) only
    // Interpolate to zero apparent k at seabed − 10 m, or apparent k throughout.
    EarthPressureMethod pa_method_sw = EarthPressureMethod::InterpolatedBelowSeabed;
    YesNo dynwater_sw{}; // dynamic water pressure (the project file's 1 on, 2 off)
    OkabeWhenNegative okabe_sw =
        OkabeWhenNegative::Off; // Okabe's formula when the root is negative
};

// Construction stage, waves (screen 2).
struct SekoujiData {
    WaveFormula wave_sw = WaveFormula::Goda; // Goda, or Kuroda / Hiroi (Morihira)
    DissipatingWorks dissip_sw = DissipatingWorks::Present;
    std::array<CheckBox, 5> tide_kentou_sw{}; // tide level studied, per level (0) to (3)
    std::array<CheckBox, 5> tide_sakuzu_sw{}; // tide level drawn
    WaveDepthRule depth_sw = WaveDepthRule::AtGroundLevel; // depth for wave length and pressure
    double lambda1 = 0.0;
    double lambda2 = 0.0;
    double d_lvl = 0.0;   // d, crown of the foot protection or mound cover, m
    double h2_lvl = 0.0;  // h', lower limit of the wave-pressure range, m
    double h_lvl = 0.0;   // h, ground level in front of the structure, m
    double slope_x = 0.0; // X of the seabed slope 1/X
    BreakerDepthRule hb_sw = BreakerDepthRule::FromSlope; // hb from the slope or given
    std::array<double, 5> hb_lvl{};                       // hb per tide level, m
    StaticWater static_sw = StaticWater::Off;             // static water pressure
    std::array<WaveRec, 5> goda_tbl{};
    std::array<WaveRec, 5> kuroda_tbl{};
};

// Corrosion block of the sheet-pile screen.
struct FsyokData {
    CorrosionRange range_sw = CorrosionRange::SeaWaterAndMud;
    std::array<double, 5> sea_rate{}; // mm/year: (0) above H.W.L., (1) H.W.L. to L.W.L. − 1 m, (2)
                                      // sea water, (3) mud layer
    std::array<double, 4> land_rate{}; // mm/year: (0) air, (1) water, (2) mud layer
    double service_life = 0.0;         // years
    std::array<int, 3> reduction{}; // reduction rate of the pile, %: (0) sea water, (1) mud layer
};

// Sheet pile (screen 3).
struct YaitaData {
    PileType yaita_kind = PileType::U;
    USection u_kind = USection::Improved;
    SteelGrade steel_grade = SteelGrade::SY295; // SY295/SKY400 or SY390/SKY490
    double young_e = 0.0; // Young's modulus, kN/mm2 (the coefficient of young_e × 10^young_exp)
    int young_exp = 0;    // always 0 after a save and reload
    std::array<double, 4>
        disp_allow{}; // allowable head displacement, cm: normal, seismic, construction
    std::array<double, 4> stress_allow{}; // allowable stress, N/mm2: normal, seismic, construction
    YesNo second_sw{};                    // secondary-stress check (the project file's 1 on, 2 off)
    double kh_lm = 0.0;                   // kh for lmMAX, kN/m3
    CheckBox alpha_sw = CheckBox::Clear;  // checked when all three joint_alpha equal 1
    std::array<double, 3> joint_alpha{};  // I section, I embedment, Z section
    std::array<PileIdPair, kPileSelectionRoom + 1> yaita_sel{};
    std::array<KokanRec, kSteelPipeRoom + 1> kokan_tbl{};
    std::array<PileIdPair, kPileSelectionRoom + 1> pcyaita_sel{};
    FsyokData fsyok_dat;
};

struct MoridRow {
    double top_lvl = 0.0; // top level, m
    double wet_w = 0.0;   // wet unit weight
    double sat_w = 0.0;   // saturated unit weight
};

struct JosaiRow {
    double start_x = 0.0, end_x = 0.0;      // m
    double q_normal = 0.0, q_seismic = 0.0; // kN/m2
};

struct TikeiPoint {
    double x = 0.0, y = 0.0; // m
};

// Ground surface (screen 4).
struct TihyouData {
    std::array<double, 3>
        ground_ang{}; // straight shape: (0) ground surface, (1) design seabed, deg
    std::array<double, 3> surcharge_q{}; // straight shape: (0) normal, (1) seismic, kN/m2
    double seabed_ang = 0.0;             // embankment shape: design seabed, deg
    std::array<MoridRow, kFillRoom + 1> morid_tbl{};
    std::array<JosaiRow, kSurchargeRoom + 1> josai_tbl{};
    std::array<TikeiPoint, kGroundPointRoom + 1> tikei_tbl{};
};

// Soil layers (screen 5). Record 15 of each side stays empty: the schematic
// relies on an empty record after the last layer.
struct DosouData {
    std::array<DosouRec, kSoilLayerRoom + 1> dosou_riku{}; // land side, top first
    std::array<DosouRec, kSoilLayerRoom + 1> dosou_umi{};  // sea side, top first
    std::array<DosouHohoRec, 3> dosou_hoho{};              // (0) land side, (1) sea side
};

// Other external forces (screen 6).
struct GairyokuData {
    std::array<GairyokuRec, kForceRoom + 1> gairyoku_jyo{}; // normal case
    std::array<GairyokuRec, kForceRoom + 1> gairyoku_jis{}; // seismic case
};

struct DesignData {
    SekkeiData sekkei_dat;
    KanseijiData kanseiji_dat;
    SekoujiData sekouji_dat;
    YaitaData yaita_dat;
    TihyouData tihyou_dat;
    DosouData dosou_dat;
    GairyokuData gairyoku_dat;

    // Current-file cells.
    std::string work_dir; // the program folder: work files, template and customisation file
    std::string dlg_dir;  // folder of the file dialogs, with its trailing "/"
    std::string data_name = kUntitled; // bare project name, "無題" while untitled
    std::string file_name =
        kUntitled; // the current project file's full path, "無題" while untitled
    // Set after opening an older project or an old calculation file: file_name
    // then proposes a ".tn2" beside it, and the first Save goes through Save As
    // so that an existing file of that name is never replaced unasked.
    bool save_as_first = false;
    std::string data_ver;   // version tag of the loaded data
    std::string sys_ver;    // version text of the system
    std::string data_title; // project title "業務名称", 36 characters in the project file

    // Adopted results: (0) construction embedment depth, (1) pile length, m.
    std::array<double, 2> caldt_vals{};
    int kekka_mode = 0; // results dialog: 1, 2 after a run; -1, -2 view only
    std::array<double, 2> saiyou_kansei{};
    std::array<double, 2> saiyou_sekou{};

    // Catalogues, rebuilt from their files at start-up and after the catalogue dialogs.
    std::array<YaitaRec, kCatalogueRoom> yaita_tbl{};
    int yaita_cnt = 0, yaita_next = 0;
    std::array<YaitaRec, kCatalogueRoom> pcyaita_tbl{};
    int pcyaita_cnt = 0, pcyaita_next = 0;

    CustomisationValues custom_tbl;
};

} // namespace wtn
