// The completed-state records of the load calculation: one calculation
// record per soil-layer row of each side, the ground-surface table of the
// embankment shape and the active and passive intensity rows. The report
// program reads them back from the load tables, so each record's field order
// and byte layout (little-endian doubles and 32-bit integers) is a file format;
// the static_asserts below pin it. Levels in m, unit weights in kN/m3,
// pressures and cohesion in kN/m2, angles in radians.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace wtn {

// Rows of each layer table: input layers, fill layers, inserted boundaries
// and the closing row together.
inline constexpr int kLayerRoom = 25;
// Rows of the ground-surface table: wall row, ground points, zone edges and
// the dummy row together.
inline constexpr int kGroundRoom = 80;
// Wedge parts above the ground-surface crown that carry a label point.
inline constexpr int kWedgeLabelRoom = 5;

// Clay this deep below the design seabed (m) or deeper takes its active earth
// pressure by the normal-case formula in the seismic case too; the level is
// a boundary of the land-side layers, and under the interpolation method the
// pressure of a clay layer ending above it is interpolated down to it.
inline constexpr double kSeismicFormulaDepth = 10.0;

// Kinds of a seismic coefficient k'.
inline constexpr int kCoefficientInAir = 1;
inline constexpr int kApparentCoefficient = 2;

// One point of the ground-surface table (embankment shape).
struct GroundRow {
    double distance = 0.0; // horizontal distance from the wall
    double level = 0.0;
    double surcharge_normal = 0.0;  // surcharge starting at this row, normal case
    double surcharge_seismic = 0.0; // the same, seismic case
};

// One land-side layer (a row of the land-side table) from its top down to
// the next row's top. Pairs hold the value at the layer's top and bottom.
struct LandLayerCalc {
    double top = 0.0;
    double thickness = 0.0;
    double unit_weight = 0.0; // wet above the residual water level, submerged from it on
    double saturated_weight = 0.0;
    double beta = 0.0;          // ground-surface angle
    double phi = 0.0;           // friction angle (0 for clay)
    double delta_normal = 0.0;  // wall friction, active side, normal case
    double delta_seismic = 0.0; // wall friction, active side, seismic case
    double psi = 0.0;           // wall angle from the vertical
    double failure_top = 0.0;
    double failure_bottom = 0.0;
    // Element i: this layer's failure angle inside the trial wedge whose slip
    // line starts at the wall at the bottom of layer i.
    std::array<double, kLayerRoom> wedge_angles{};
    double wedge_angle = 0.0;   // failure angle used in the trial wedges
    std::int32_t mean_case = 0; // clay mean-angle case 0..3, -1 until set
    std::int32_t reserved1 = 0;
    double theta_top = 0.0; // seismic angle atan k'
    double theta_bottom = 0.0;
    double wet_overburden =
        0.0; // wet weight from the ground-surface crown down to the residual water level
    double saturated_overburden = 0.0; // saturated weight of the submerged rows above this layer
    double used_overburden = 0.0;      // the same rows with the used unit weights
    double sigma_top = 0.0;            // overburden
    double sigma_bottom = 0.0;
    double sigma_clay_top = 0.0;   // clay within 10 m below the seabed: sigma at the top
    double sigma_minus10 = 0.0;    // ... and sigma at the seabed minus 10 m
    double water_height_top = 0.0; // height of the reference water level above the point
    double water_height_bottom = 0.0;
    double k_top = 0.0; // seismic coefficient k'
    double k_bottom = 0.0;
    std::int32_t k_kind_top = 0; // kCoefficientInAir or kApparentCoefficient
    std::int32_t k_kind_bottom = 0;
    double cohesion_top = 0.0;
    double cohesion_bottom = 0.0;
    double reserved2 = 0.0;
    double cohesion_minus10 =
        0.0; // clay within 10 m below the seabed: cohesion at the seabed minus 10 m
    double wedge_load_top = 0.0; // Q: surcharge load on the ground inside the wedge (kN/m)
    double wedge_load_bottom = 0.0;
    double wedge_weight_top = 0.0; // W: soil weight of the wedge above the crown (kN/m)
    double wedge_weight_bottom = 0.0;
    double wedge_width_top = 0.0; // X: wedge width at the crown
    double wedge_width_bottom = 0.0;
    double surcharge_top = 0.0; // q = (W + Q) / X, the equivalent uniform surcharge
    double surcharge_bottom = 0.0;
    double crossing_x_top = 0.0; // where the slip line meets the ground surface
    double crossing_x_bottom = 0.0;
    double crossing_z_top = 0.0;
    double crossing_z_bottom = 0.0;
    std::array<double, kWedgeLabelRoom>
        label_x{}; // label points of the wedge parts above the crown
    std::array<double, kWedgeLabelRoom> label_z{};
    std::int32_t zero_pressure_flag = 0;
    std::int32_t reserved3 = 0;
    double zero_pressure_level = 0.0;
    std::int32_t bottom_at_minus10 =
        0; // 1 when a clay bottom intensity was computed at the seabed minus 10 m
    std::int32_t reserved4 = 0;
};

// One sea-side layer.
struct SeaLayerCalc {
    double top = 0.0;
    double thickness = 0.0;
    double unit_weight = 0.0; // wet above the L.W.L., submerged from it on
    double saturated_weight = 0.0;
    double beta = 0.0; // design-seabed angle
    double phi = 0.0;
    double delta_normal = 0.0;  // wall friction, passive side, normal case
    double delta_seismic = 0.0; // wall friction, passive side, seismic case
    double psi = 0.0;
    double failure_top = 0.0; // passive failure angle
    double failure_bottom = 0.0;
    double reserved1 = 0.0;
    double theta_top = 0.0;
    double theta_bottom = 0.0;
    double wet_overburden = 0.0; // wet weight from the seabed down to the L.W.L.
    double saturated_overburden = 0.0;
    double used_overburden = 0.0;
    double sigma_top = 0.0; // overburden, 0 above the seabed
    double sigma_bottom = 0.0;
    double water_height_top = 0.0;
    double water_height_bottom = 0.0;
    double k_top = 0.0;
    double k_bottom = 0.0;
    double surcharge_top = 0.0; // always 0 on the sea side
    double surcharge_bottom = 0.0;
    double cohesion_top = 0.0;
    double cohesion_bottom = 0.0;
    std::int32_t resistance_option = 1;
    std::int32_t reserved2 = 0;
    double n_value = 0.0;
    std::int32_t n_from_cohesion = 0;
    std::int32_t reserved3 = 0;
    double kh = 0.0; // lateral subgrade-reaction coefficient
};

// Active intensities of one land-side layer.
struct ActiveIntensityRow {
    double k_top = 0.0; // Ka cos(delta) (sand; 0 for clay)
    double k_bottom = 0.0;
    double formula1_top = 0.0; // clay formula 1 (0 for sand)
    double formula1_bottom = 0.0;
    double formula2_top = 0.0; // clay formula 2, or -99999.9 when not used (0 for sand)
    double formula2_bottom = 0.0;
    double active_top = 0.0; // adopted active intensity
    double active_bottom = 0.0;
    double residual_top = 0.0; // residual water pressure
    double residual_bottom = 0.0;
};

// Passive intensities of one sea-side layer.
struct PassiveIntensityRow {
    double k_top = 0.0; // Kp cos(delta) (sand; 0 for clay)
    double k_bottom = 0.0;
    double passive_top = 0.0;
    double passive_bottom = 0.0;
};

// Byte sizes of the records in the load tables.
inline constexpr std::size_t kGroundRowBytes = 32;
inline constexpr std::size_t kLandLayerCalcBytes = 648;
inline constexpr std::size_t kSeaLayerCalcBytes = 248;
inline constexpr std::size_t kActiveIntensityRowBytes = 80;
inline constexpr std::size_t kPassiveIntensityRowBytes = 32;

static_assert(sizeof(GroundRow) == kGroundRowBytes);
static_assert(sizeof(LandLayerCalc) == kLandLayerCalcBytes);
static_assert(offsetof(LandLayerCalc, wedge_angle) == 288);
static_assert(offsetof(LandLayerCalc, wet_overburden) == 320);
static_assert(offsetof(LandLayerCalc, k_kind_top) == 408);
static_assert(offsetof(LandLayerCalc, cohesion_minus10) == 440);
static_assert(offsetof(LandLayerCalc, label_x) == 544);
static_assert(offsetof(LandLayerCalc, zero_pressure_flag) == 624);
static_assert(offsetof(LandLayerCalc, bottom_at_minus10) == 640);
static_assert(sizeof(SeaLayerCalc) == kSeaLayerCalcBytes);
static_assert(offsetof(SeaLayerCalc, wet_overburden) == 112);
static_assert(offsetof(SeaLayerCalc, resistance_option) == 216);
static_assert(offsetof(SeaLayerCalc, kh) == 240);
static_assert(sizeof(ActiveIntensityRow) == kActiveIntensityRowBytes);
static_assert(sizeof(PassiveIntensityRow) == kPassiveIntensityRowBytes);

} // namespace wtn
