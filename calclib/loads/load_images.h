// Byte layout of the load-result records in the load tables GAI_JYO.PRN,
// GAI_JIS.PRN and GAI_CM.PRN: each function hands the fields of one record
// to io in file order (a ByteWriter, ByteReader or ByteCounter of byte_io.h),
// so the writer of the load program and the reader of the report program
// share one description. Sizes are checked at compile time below.
#pragma once

#include "byte_io.h"
#include "dynamic_water_data.h"
#include "load_records.h"
#include "merged_diagram.h"
#include "net_pressure.h"
#include "pressure_segments.h"
#include "virtual_seabed_data.h"

namespace wtn {

// The 4-byte gap after an integer that precedes a real: written as 0, not read.
inline constexpr std::size_t kLoadAlignmentGap = 4;

template <class Io, class R> constexpr void image_fields_ground(Io& io, R& r) {
    io.field(r.distance);
    io.field(r.level);
    io.field(r.surcharge_normal);
    io.field(r.surcharge_seismic);
}

// The leading fields both sides' layer records share: the layer, its soil
// and wall-friction angles and the failure-plane angles.
template <class Io, class R> constexpr void image_fields_layer_head(Io& io, R& r) {
    io.field(r.top);
    io.field(r.thickness);
    io.field(r.unit_weight);
    io.field(r.saturated_weight);
    io.field(r.beta);
    io.field(r.phi);
    io.field(r.delta_normal);
    io.field(r.delta_seismic);
    io.field(r.psi);
    io.field(r.failure_top);
    io.field(r.failure_bottom);
}

// Two runs both sides' layer records hold in the same order further on: the
// seismic angles and the overburden ...
template <class Io, class R> constexpr void image_fields_layer_overburden(Io& io, R& r) {
    io.field(r.theta_top);
    io.field(r.theta_bottom);
    io.field(r.wet_overburden);
    io.field(r.saturated_overburden);
    io.field(r.used_overburden);
    io.field(r.sigma_top);
    io.field(r.sigma_bottom);
}

// ... and the water heights with the seismic coefficients k'.
template <class Io, class R> constexpr void image_fields_layer_water_k(Io& io, R& r) {
    io.field(r.water_height_top);
    io.field(r.water_height_bottom);
    io.field(r.k_top);
    io.field(r.k_bottom);
}

template <class Io, class R> constexpr void image_fields_land_layer(Io& io, R& r) {
    image_fields_layer_head(io, r);
    io.field(r.wedge_angles);
    io.field(r.wedge_angle);
    io.field(r.mean_case);
    io.field(r.reserved1);
    image_fields_layer_overburden(io, r);
    io.field(r.sigma_clay_top);
    io.field(r.sigma_minus10);
    image_fields_layer_water_k(io, r);
    io.field(r.k_kind_top);
    io.field(r.k_kind_bottom);
    io.field(r.cohesion_top);
    io.field(r.cohesion_bottom);
    io.field(r.reserved2);
    io.field(r.cohesion_minus10);
    io.field(r.wedge_load_top);
    io.field(r.wedge_load_bottom);
    io.field(r.wedge_weight_top);
    io.field(r.wedge_weight_bottom);
    io.field(r.wedge_width_top);
    io.field(r.wedge_width_bottom);
    io.field(r.surcharge_top);
    io.field(r.surcharge_bottom);
    io.field(r.crossing_x_top);
    io.field(r.crossing_x_bottom);
    io.field(r.crossing_z_top);
    io.field(r.crossing_z_bottom);
    io.field(r.label_x);
    io.field(r.label_z);
    io.field(r.zero_pressure_flag);
    io.field(r.reserved3);
    io.field(r.zero_pressure_level);
    io.field(r.bottom_at_minus10);
    io.field(r.reserved4);
}

template <class Io, class R> constexpr void image_fields_sea_layer(Io& io, R& r) {
    image_fields_layer_head(io, r);
    io.field(r.reserved1);
    image_fields_layer_overburden(io, r);
    image_fields_layer_water_k(io, r);
    io.field(r.surcharge_top);
    io.field(r.surcharge_bottom);
    io.field(r.cohesion_top);
    io.field(r.cohesion_bottom);
    io.field(r.resistance_option);
    io.field(r.reserved2);
    io.field(r.n_value);
    io.field(r.n_from_cohesion);
    io.field(r.reserved3);
    io.field(r.kh);
}

template <class Io, class R> constexpr void image_fields_active_row(Io& io, R& r) {
    io.field(r.k_top);
    io.field(r.k_bottom);
    io.field(r.formula1_top);
    io.field(r.formula1_bottom);
    io.field(r.formula2_top);
    io.field(r.formula2_bottom);
    io.field(r.active_top);
    io.field(r.active_bottom);
    io.field(r.residual_top);
    io.field(r.residual_bottom);
}

template <class Io, class R> constexpr void image_fields_passive_row(Io& io, R& r) {
    io.field(r.k_top);
    io.field(r.k_bottom);
    io.field(r.passive_top);
    io.field(r.passive_bottom);
}

template <class Io, class R> constexpr void image_fields_pressure_row(Io& io, R& r) {
    io.field(r.level);
    io.field(r.active_top);
    io.field(r.active_bottom);
    io.field(r.water_top);
    io.field(r.water_bottom);
}

template <class Io, class R> constexpr void image_fields_diagram_row(Io& io, R& r) {
    io.field(r.level);
    io.field(r.top);
    io.field(r.bottom);
}

template <class Io, class R> constexpr void image_fields_segment(Io& io, R& r) {
    io.field(r.kind);
    io.reserved(kLoadAlignmentGap);
    segment_position_fields(io, r);
    segment_load_fields(io, r);
}

template <class Io, class R> constexpr void image_fields_other_force(Io& io, R& r) {
    io.field(r.moment);
    io.field(r.lever_arm);
}

template <class Io, class R> constexpr void image_fields_case_totals(Io& io, R& r) {
    io.field(r.segment_force);
    io.field(r.segment_moment);
    io.field(r.force);
    io.field(r.moment);
    io.field(r.lever_arm);
}

template <class Io, class R> constexpr void image_fields_force_totals(Io& io, R& r) {
    io.field(r.residual_water);
    image_fields_case_totals(io, r);
}

template <class Io, class R> constexpr void image_fields_dynamic_totals(Io& io, R& r) {
    io.field(r.spare);
    image_fields_case_totals(io, r);
}

template <class Io, class R> constexpr void image_fields_virtual_seabed(Io& io, R& r) {
    io.field(r.candidate_level);
    io.field(r.candidate_passive);
    io.field(r.chosen);
    io.field(r.level);
    io.field(r.passive);
    io.field(r.boundary_above);
    io.field(r.boundary_below);
    io.field(r.active_above);
    io.field(r.active_below);
    io.field(r.passive_above);
    io.field(r.passive_below);
}

template <class Io, class R> constexpr void image_fields_dynamic_water(Io& io, R& r) {
    io.field(r.force);
    io.field(r.height);
    io.field(r.moment);
    io.field(r.above_crown);
    io.reserved(kLoadAlignmentGap);
    io.field(r.crown_force);
    io.field(r.crown_height);
    io.field(r.crown_moment);
    io.field(r.seabed_pressure);
    io.field(r.step);
    io.field(r.point_count);
    io.reserved(kLoadAlignmentGap);
    io.field(r.start_level);
    io.field(r.depth);
    io.field(r.pressure);
    io.field(r.segment_count);
    io.reserved(kLoadAlignmentGap);
}

inline constexpr std::size_t kPressureRowBytes =
    image_bytes<PressureRow, image_fields_pressure_row<ByteCounter, const PressureRow>>();
inline constexpr std::size_t kDiagramRowBytes =
    image_bytes<DiagramRow, image_fields_diagram_row<ByteCounter, const DiagramRow>>();
inline constexpr std::size_t kPressureSegmentBytes =
    image_bytes<PressureSegment, image_fields_segment<ByteCounter, const PressureSegment>>();
inline constexpr std::size_t kOtherForceMomentBytes =
    image_bytes<OtherForceMoment, image_fields_other_force<ByteCounter, const OtherForceMoment>>();
inline constexpr std::size_t kForceTotalsBytes =
    image_bytes<ForceTotals, image_fields_force_totals<ByteCounter, const ForceTotals>>();
inline constexpr std::size_t kDynamicWaterTotalsBytes =
    image_bytes<DynamicWaterTotals,
                image_fields_dynamic_totals<ByteCounter, const DynamicWaterTotals>>();
inline constexpr std::size_t kVirtualSeabedDataBytes =
    image_bytes<VirtualSeabedData,
                image_fields_virtual_seabed<ByteCounter, const VirtualSeabedData>>();
inline constexpr std::size_t kDynamicWaterDataBytes =
    image_bytes<DynamicWaterData,
                image_fields_dynamic_water<ByteCounter, const DynamicWaterData>>();

static_assert(image_bytes<GroundRow, image_fields_ground<ByteCounter, const GroundRow>>() ==
              kGroundRowBytes);
static_assert(
    image_bytes<LandLayerCalc, image_fields_land_layer<ByteCounter, const LandLayerCalc>>() ==
    kLandLayerCalcBytes);
static_assert(
    image_bytes<SeaLayerCalc, image_fields_sea_layer<ByteCounter, const SeaLayerCalc>>() ==
    kSeaLayerCalcBytes);
static_assert(image_bytes<ActiveIntensityRow,
                          image_fields_active_row<ByteCounter, const ActiveIntensityRow>>() ==
              kActiveIntensityRowBytes);
static_assert(image_bytes<PassiveIntensityRow,
                          image_fields_passive_row<ByteCounter, const PassiveIntensityRow>>() ==
              kPassiveIntensityRowBytes);
static_assert(kPressureRowBytes == 40);
static_assert(kDiagramRowBytes == 24);
static_assert(kPressureSegmentBytes == 64);
static_assert(kOtherForceMomentBytes == 16);
static_assert(kForceTotalsBytes == 88);
static_assert(kDynamicWaterTotalsBytes == 88);
static_assert(kVirtualSeabedDataBytes == 328);
// 96 bytes of single values and counts, then the depths and pressures.
static_assert(kDynamicWaterDataBytes == 96 + 2 * kDynamicWaterPointRoom * kRealBytes);

} // namespace wtn
