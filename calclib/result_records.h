// The result records of the stability calculation. TVNCAL fills them and
// writes their images to the work files NEIRE_CM.PRN, NEIRE.PRN and
// NEIRE_TL.PRN; TVNPRN reads the images back into the same records. The byte
// layout of each image is in result_images.h.
//
// Index conventions of the arrays:
//   level    tide level 0 to 3, plus a fifth slot that no step fills;
//   case     0 normal, 1 seismic;
//   section  0 before corrosion, 1 sea-water part after corrosion,
//            2 seabed-mud part after corrosion;
//   state    0 before, 1 after corrosion.
// Units: elevations and depths m, stresses N/mm2, moments kN*m/m, forces kN/m,
// displacements cm, Z cm3/m, I cm4/m, EI kN*m2/m, Young's modulus kN/mm2.
#pragma once

#include "adopted_values.h"
#include "wall_codes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wtn {

inline constexpr std::size_t kLevelSlots = 5;
inline constexpr std::size_t kSectionCount = 3;
// The sections by name: before corrosion and, after corrosion, the
// sea-water and the seabed-mud parts.
inline constexpr std::size_t kSectionUncorroded = 0;
inline constexpr std::size_t kSectionSeaWater = 1;
inline constexpr std::size_t kSectionSeabedMud = 2;
inline constexpr std::size_t kStateCount = 2;

// Room of a pile name in the images, terminator included.
inline constexpr std::size_t kPileNameRoom = 36;

template <class T, std::size_t A, std::size_t B> using Grid2 = std::array<std::array<T, B>, A>;
template <class T, std::size_t A, std::size_t B, std::size_t C>
using Grid3 = std::array<Grid2<T, B, C>, A>;

using PerCase = std::array<double, kCaseCount>;
using PerSection = std::array<double, kSectionCount>;
using PerCaseSection = Grid2<double, kCaseCount, kSectionCount>;
using PerCaseState = Grid2<double, kCaseCount, kStateCount>;
using PerLevelCaseSection = Grid3<double, kLevelSlots, kCaseCount, kSectionCount>;
using PerLevelCaseState = Grid3<double, kLevelSlots, kCaseCount, kStateCount>;

// One sheet pile of the candidate table, with its section values before and
// after corrosion. Held in memory only.
struct CandidateRecord {
    std::int32_t id = 0; // -1 steel pipe
    std::string name;
    PerSection modulus{};            // Z, cm3/m
    PerSection modulus_before_cut{}; // Z before the significant-digit cut (section 0 stays 0)
    PerSection inertia{};            // I, cm4/m
    PerSection rigidity{};           // EI, kN*m2/m
    PerSection reduction_ratio{};
    double table_min_modulus = 0.0;    // smallest Z of the corrosion table
    double table_max_allowance = 0.0;  // largest corrosion allowance of the table, mm
    double allowable_moment = 0.0;     // concrete piles
    double pipe_effective_width = 0.0; // steel pipe, per pile, cm
    double pipe_inertia = 0.0;         // steel pipe, per pile, cm4
    double pipe_modulus = 0.0;         // steel pipe, per pile, cm3
    std::int32_t added = 0;            // 1: pile of the user's own catalogue
};

inline constexpr std::size_t kCorrosionTablePoints = 5; // t2/t1 = 0, .25, .5, .75, 1

// The pile decided (the candidate tried last).
struct DecidedPile {
    std::int32_t id = 0;
    std::string name;
    PerSection modulus{};
    PerSection modulus_before_cut{};
    PerSection inertia{};
    PerSection rigidity{};
    PerSection reduction_ratio{};
    std::array<double, kCorrosionTablePoints> corrosion_table{};
    double table_min_modulus = 0.0;
    double table_max_allowance = 0.0;
    double allowable_moment = 0.0;
    double pipe_effective_width = 0.0;
    double pipe_inertia = 0.0;
    double pipe_modulus = 0.0;
    PerSection inertia_beta{}; // I with the joint efficiency of the section calculation (0 without)
    PerSection rigidity_beta{}; // EI beta
    PerSection
        inertia_embed{}; // I with the joint efficiency of the embedment calculation (0 without)
    PerSection rigidity_embed{}; // EI e
    PerSection stress_modulus{}; // Z' used for the stresses
    std::int32_t added = 0;
};

// The NG flags of the checks: passed, failed, or not applicable (the
// reaction in the construction stage), shown as not checked.
inline constexpr std::int32_t kCheckPassed = 0;
inline constexpr std::int32_t kCheckFailed = 1;
inline constexpr std::int32_t kNotChecked = -1;

// Check values and their NG flags (1 = NG) of every level, case and section.
struct CaseResultBlock {
    PerLevelCaseSection stress{};     // stress (steel) or moment (concrete)
    PerLevelCaseState displacement{}; // total displacement
    PerLevelCaseState reaction{};     // subgrade reaction at the virtual seabed
    PerLevelCaseState embedment{};    // embedment depth
    PerCaseState pipe_secondary{};    // steel-pipe secondary stress
    PerCaseState pipe_combined{};     // steel-pipe combined stress
    Grid3<std::int32_t, kLevelSlots, kCaseCount, kSectionCount> stress_ng{};
    Grid3<std::int32_t, kLevelSlots, kCaseCount, kStateCount> displacement_ng{};
    Grid3<std::int32_t, kLevelSlots, kCaseCount, kStateCount> reaction_ng{};
    Grid2<std::int32_t, kCaseCount, kStateCount> secondary_ng{};
    Grid2<std::int32_t, kCaseCount, kStateCount> combined_ng{};
};

inline constexpr std::int32_t kNoCorrosion = -1;
inline constexpr std::int32_t kCorrosionZonesDiffer = 0;
inline constexpr std::int32_t kCorrosionZonesSame = 1;

// Corrosion allowances (mm) of the sea-water and seabed-mud zones.
struct CorrosionBlock {
    double t1_sea = 0.0; // larger allowance of the two sides
    double t1_mud = 0.0;
    double t2_sea = 0.0; // smaller allowance
    double t2_mud = 0.0;
    double ratio_sea = 0.0; // t2/t1 as used (1.0 for concrete piles)
    double ratio_mud = 0.0;
    std::int32_t case_flag = 0; // kNoCorrosion, kCorrosionZonesDiffer, kCorrosionZonesSame
};

struct DesignValueBlock {
    PerCase allowable_stress{};       // stress (or moment), normal and seismic
    PerCase allowable_combined{};     // combined stress of a steel pipe
    PerCase allowable_displacement{}; // cm
    std::int32_t n_value_flag = 0;    // 1: lateral-resistance constant from N values, 2: entered
    double n_value = 0.0;             // average N value (C-type ground)
    double n_value_increase = 0.0;    // increase of N with depth (S-type ground)
    double lateral_constant = 0.0;    // k of the port-research-institute methods
    double decided_tip_level = 0.0;
    AdoptedValues adopted;
    double young_modulus = 0.0;
    double young_mantissa = 0.0;
    double young_exponent = 0.0;
};

// Secondary stress of a steel pipe; index 0 no corrosion, 1 seabed-mud corrosion.
struct PipeStressBlock {
    std::array<std::int32_t, 2> search_status{}; // 0 not run, 1 at a table row, 2 between rows
    Grid2<double, 2, 2> bracket_level{};         // upper and lower bracketing elevation
    Grid2<double, 2, 2> bracket_difference{};    // pressure differences at the bracket
    std::array<double, 2> max_moment_level{};
    std::array<double, 2> pressure_difference{}; // kN/m2
    std::array<double, 2> outer_diameter{};      // after corrosion, mm
    std::array<double, 2> wall_thickness{};      // after corrosion, mm
};

// Solver results of one tide level.
struct LevelSolverBlock {
    PerCaseSection moment{};           // positive
    PerCaseSection max_moment_depth{}; // section 1: 0
    PerCaseSection first_zero{};       // section 1: 0
    PerCaseSection bending_stress{};
    PerCaseState pipe_secondary{};
    PerCaseState pipe_combined{};
};

// Displacements of one tide level (cm).
struct LevelDisplacementBlock {
    PerCase load_sum{};               // cantilever load sum
    PerCaseState seabed_deflection{}; // delta1, at the reference level
    PerCaseState rotation_term{};     // delta2
    PerCaseState cantilever_term{};   // delta3
    PerCaseState total{};             // delta1 + delta2 + delta3
    PerCaseState reaction{};          // subgrade reaction at the reference level
    PerCaseState embedment{};         // embedment depth
};

// One horizontal load of the cantilever deflection: r = a / l, the factor
// r^2 (3 - r) / 6 and the load times the factor.
struct LoadItem {
    double ratio = 0.0;
    double factor = 0.0;
    double term = 0.0;
};

// Chang's method (method 1).
struct ChangResult {
    std::int32_t status = 0; // of the last beta search
    PerSection kh{};         // coefficient averaged down to 1/beta
    PerSection beta{};
    PerSection moment{}; // negative; section 1 is -M
};

inline constexpr std::size_t kKokenScaleCount = 3;
inline constexpr std::size_t kKokenCurveCount = 66;
inline constexpr std::size_t kKokenResultCount = 121;
inline constexpr double kKokenDepthScale = 1.0;
inline constexpr double kKokenRigidityScale = 1.0e4;
inline constexpr double kKokenConstantScale = 1000.0;

// Port-research-institute curves (methods 3 and 5).
struct KokenResult {
    std::array<double, kKokenScaleCount> scale{}; // h0, EI and k scales
    std::array<double, kKokenCurveCount> curve{};
    std::array<double, kKokenResultCount> result{};
};

// Offsets in the result area (121 doubles); those marked [k] hold six
// values, one per k = koken_index(s, u), [s] three. TVNCAL fills them and
// TVNPRN prints them by these names.
inline constexpr std::size_t kKokenHeight = 0;            // h0 / 1.0
inline constexpr std::size_t kKokenLogHeight = 1;         // log h0
inline constexpr std::size_t kKokenRigidity = 2;          // EI' [k]
inline constexpr std::size_t kKokenLogRigidity = 8;       // log EI' [k]
inline constexpr std::size_t kKokenConstant = 14;         // k'
inline constexpr std::size_t kKokenLogConstant = 15;      // log k'
inline constexpr std::size_t kKokenTerm1 = 16;            // T1 [k]
inline constexpr std::size_t kKokenTerm2 = 22;            // T2 [k]
inline constexpr std::size_t kKokenTerm4 = 28;            // T4 [k]
inline constexpr std::size_t kKokenTerm3 = 34;            // T3 [k]
inline constexpr std::size_t kKokenReadMoment = 40;       // interpolated field 2 [k]
inline constexpr std::size_t kKokenReadZero = 46;         // field 3 [k]
inline constexpr std::size_t kKokenReadDeflection = 52;   // field 4 [k]
inline constexpr std::size_t kKokenReadSlope = 58;        // field 6 [k]
inline constexpr std::size_t kKokenLogMoment = 64;        // [k]
inline constexpr std::size_t kKokenLogZero = 70;          // [k]
inline constexpr std::size_t kKokenLogDeflection = 76;    // [k]
inline constexpr std::size_t kKokenLogSlope = 82;         // [k]
inline constexpr std::size_t kKokenMoment = 88;           // M (kN·m/m) [k]
inline constexpr std::size_t kKokenZero = 94;             // l1 (m) [k]
inline constexpr std::size_t kKokenDeflection = 100;      // y0 (cm) [k]
inline constexpr std::size_t kKokenSlope = 106;           // θ0 (rad) [k]
inline constexpr std::size_t kKokenSectionRigidity = 112; // EIβ [s]
inline constexpr std::size_t kKokenBeta = 115;            // β of the maximum-moment depth [s]
inline constexpr std::size_t kKokenMaxMomentDepth = 118;  // [s]

// Offsets in the curve area (66 doubles): log Ts [k], then fields 0, 2, 3,
// 4 and 6 of the upper and lower row [k][2].
inline constexpr std::size_t kCurveLogTs = 0;
inline constexpr std::size_t kCurveKey = 6;
inline constexpr std::size_t kCurveMoment = 18;
inline constexpr std::size_t kCurveZero = 30;
inline constexpr std::size_t kCurveDeflection = 42;
inline constexpr std::size_t kCurveSlope = 54;

// Index k of section s and rigidity u.
constexpr std::size_t koken_index(std::size_t section, std::size_t rigidity) {
    return 2 * section + rigidity;
}

inline constexpr std::size_t kMatrixNodeRoom = 45;

// The nodes of one transfer-matrix chain.
struct MatrixNodeResult {
    std::int32_t point_count = 0;
    std::int32_t points_above = 0; // points above the reference level (0)
    std::array<double, kMatrixNodeRoom> depth{};
    std::array<double, kMatrixNodeRoom> deflection{};
    std::array<double, kMatrixNodeRoom> angle{};
    std::array<double, kMatrixNodeRoom> moment{};
    std::array<double, kMatrixNodeRoom> shear{};
};

// The beam elements of one section. The arrays have the room the allocator
// gave them; count of them are in use.
struct MatrixElements {
    std::int32_t count = 0;
    double length_above = 0.0;    // above the reference level (0)
    double embedded_length = 0.0; // L
    std::vector<double> rigidity; // EI
    std::vector<double> length;
    std::vector<double> kh;
    std::vector<double> beta;
    std::vector<double> factor;

    std::size_t room() const { return rigidity.size(); }
};

// Transfer-matrix methods (methods 2 and 4).
struct MatrixResult {
    std::array<MatrixElements, kSectionCount> elements;
    std::array<MatrixNodeResult, kSectionCount> nodes;
    PerSection moment{};
    PerSection max_moment_depth{};
    PerSection first_zero{};
};

} // namespace wtn
