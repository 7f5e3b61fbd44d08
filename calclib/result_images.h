// Byte layout of the result records in the work files: each function hands
// the fields of one record to io in file order (io is a ByteWriter,
// ByteReader or ByteCounter of byte_io.h). The sizes are fixed by the files
// that TVNCAL writes and TVNPRN reads and are checked below at compile time.
#pragma once

#include "byte_io.h"
#include "result_records.h"

namespace wtn {

// The 4-byte gap after an integer that precedes a real: written as 0, not read.
inline constexpr std::size_t kAlignmentGap = 4;

// The section values a candidate and the decided pile share: Z, Z before
// the significant-digit cut, I, EI and the reduction ratio, each of the three
// sections.
template <class Io, class R> constexpr void image_fields_pile_sections(Io& io, R& r) {
    io.field(r.modulus);
    io.field(r.modulus_before_cut);
    io.field(r.inertia);
    io.field(r.rigidity);
    io.field(r.reduction_ratio);
}

// The corrosion-table limits, the allowable moment of a concrete pile and
// the per-pile values of a steel pipe, shared likewise.
template <class Io, class R> constexpr void image_fields_pile_limits(Io& io, R& r) {
    io.field(r.table_min_modulus);
    io.field(r.table_max_allowance);
    io.field(r.allowable_moment);
    io.field(r.pipe_effective_width);
    io.field(r.pipe_inertia);
    io.field(r.pipe_modulus);
}

template <class Io, class R> constexpr void image_fields_candidate(Io& io, R& r) {
    io.field(r.id);
    io.text(r.name, kPileNameRoom);
    image_fields_pile_sections(io, r);
    image_fields_pile_limits(io, r);
    io.field(r.added);
    io.reserved(kAlignmentGap);
}

template <class Io, class R> constexpr void image_fields_decided(Io& io, R& r) {
    io.field(r.id);
    io.text(r.name, kPileNameRoom);
    image_fields_pile_sections(io, r);
    io.field(r.corrosion_table);
    image_fields_pile_limits(io, r);
    io.field(r.inertia_beta);
    io.field(r.rigidity_beta);
    io.field(r.inertia_embed);
    io.field(r.rigidity_embed);
    io.field(r.stress_modulus);
    io.field(r.added);
    io.reserved(kAlignmentGap);
}

template <class Io, class R> constexpr void image_fields_case_result(Io& io, R& r) {
    io.field(r.stress);
    io.field(r.displacement);
    io.field(r.reaction);
    io.field(r.embedment);
    io.field(r.pipe_secondary);
    io.field(r.pipe_combined);
    io.field(r.stress_ng);
    io.field(r.displacement_ng);
    io.field(r.reaction_ng);
    io.field(r.secondary_ng);
    io.field(r.combined_ng);
}

template <class Io, class R> constexpr void image_fields_corrosion(Io& io, R& r) {
    io.field(r.t1_sea);
    io.field(r.t1_mud);
    io.field(r.t2_sea);
    io.field(r.t2_mud);
    io.field(r.ratio_sea);
    io.field(r.ratio_mud);
    io.field(r.case_flag);
    io.reserved(kAlignmentGap);
}

template <class Io, class R> constexpr void image_fields_design_values(Io& io, R& r) {
    io.field(r.allowable_stress);
    io.field(r.allowable_combined);
    io.field(r.allowable_displacement);
    io.field(r.n_value_flag);
    io.reserved(kAlignmentGap);
    io.field(r.n_value);
    io.field(r.n_value_increase);
    io.field(r.lateral_constant);
    io.field(r.decided_tip_level);
    io.field(r.adopted.embedment_depth);
    io.field(r.adopted.pile_length);
    io.field(r.young_modulus);
    io.field(r.young_mantissa);
    io.field(r.young_exponent);
}

template <class Io, class R> constexpr void image_fields_pipe_stress(Io& io, R& r) {
    io.field(r.search_status);
    io.field(r.bracket_level);
    io.field(r.bracket_difference);
    io.field(r.max_moment_level);
    io.field(r.pressure_difference);
    io.field(r.outer_diameter);
    io.field(r.wall_thickness);
}

template <class Io, class R> constexpr void image_fields_level_solver(Io& io, R& r) {
    io.field(r.moment);
    io.field(r.max_moment_depth);
    io.field(r.first_zero);
    io.field(r.bending_stress);
    io.field(r.pipe_secondary);
    io.field(r.pipe_combined);
}

template <class Io, class R> constexpr void image_fields_level_displacement(Io& io, R& r) {
    io.field(r.load_sum);
    io.field(r.seabed_deflection);
    io.field(r.rotation_term);
    io.field(r.cantilever_term);
    io.field(r.total);
    io.field(r.reaction);
    io.field(r.embedment);
}

template <class Io, class R> constexpr void image_fields_load_item(Io& io, R& r) {
    io.field(r.ratio);
    io.field(r.factor);
    io.field(r.term);
}

template <class Io, class R> constexpr void image_fields_chang(Io& io, R& r) {
    io.field(r.status);
    io.reserved(kAlignmentGap);
    io.field(r.kh);
    io.field(r.beta);
    io.field(r.moment);
}

template <class Io, class R> constexpr void image_fields_koken(Io& io, R& r) {
    io.field(r.scale);
    io.field(r.curve);
    io.field(r.result);
}

template <class Io, class R> constexpr void image_fields_matrix_nodes(Io& io, R& r) {
    io.field(r.point_count);
    io.field(r.points_above);
    io.field(r.depth);
    io.field(r.deflection);
    io.field(r.angle);
    io.field(r.moment);
    io.field(r.shear);
}

inline constexpr std::size_t kCandidateRecordBytes = 216;
inline constexpr std::size_t kDecidedPileBytes = 376;
inline constexpr std::size_t kCaseResultBlockBytes = 1096;
inline constexpr std::size_t kCorrosionBlockBytes = 56;
inline constexpr std::size_t kDesignValueBlockBytes = 128;
inline constexpr std::size_t kPipeStressBlockBytes = 136;
inline constexpr std::size_t kLevelSolverBlockBytes = 256;
inline constexpr std::size_t kLevelDisplacementBlockBytes = 208;
inline constexpr std::size_t kLoadItemBytes = 24;
inline constexpr std::size_t kChangResultBytes = 80;
inline constexpr std::size_t kKokenCurveBytes = 528;
inline constexpr std::size_t kKokenResultAreaBytes = 968;
inline constexpr std::size_t kKokenResultBytes =
    3 * kRealBytes + kKokenCurveBytes + kKokenResultAreaBytes;
inline constexpr std::size_t kMatrixNodeResultBytes = 1808;
inline constexpr std::size_t kNeireCmBytes = 1792;
inline constexpr std::size_t kNeireTlRecordBytes =
    kLevelSolverBlockBytes + kLevelDisplacementBlockBytes;
// Bytes per element of the transfer-matrix working data.
inline constexpr std::size_t kFieldMatrixBytes = 128;
inline constexpr std::size_t kNodeStateBytes = 32;

static_assert(
    image_bytes<CandidateRecord, [](auto& io, auto& r) { image_fields_candidate(io, r); }>() ==
    kCandidateRecordBytes);
static_assert(image_bytes<DecidedPile, [](auto& io, auto& r) { image_fields_decided(io, r); }>() ==
              kDecidedPileBytes);
static_assert(
    image_bytes<CaseResultBlock, [](auto& io, auto& r) { image_fields_case_result(io, r); }>() ==
    kCaseResultBlockBytes);
static_assert(
    image_bytes<CorrosionBlock, [](auto& io, auto& r) { image_fields_corrosion(io, r); }>() ==
    kCorrosionBlockBytes);
static_assert(
    image_bytes<DesignValueBlock, [](auto& io, auto& r) { image_fields_design_values(io, r); }>() ==
    kDesignValueBlockBytes);
static_assert(
    image_bytes<PipeStressBlock, [](auto& io, auto& r) { image_fields_pipe_stress(io, r); }>() ==
    kPipeStressBlockBytes);
static_assert(
    image_bytes<LevelSolverBlock, [](auto& io, auto& r) { image_fields_level_solver(io, r); }>() ==
    kLevelSolverBlockBytes);
static_assert(image_bytes<LevelDisplacementBlock, [](auto& io, auto& r) {
                  image_fields_level_displacement(io, r);
              }>() == kLevelDisplacementBlockBytes);
static_assert(image_bytes<LoadItem, [](auto& io, auto& r) { image_fields_load_item(io, r); }>() ==
              kLoadItemBytes);
static_assert(image_bytes<ChangResult, [](auto& io, auto& r) { image_fields_chang(io, r); }>() ==
              kChangResultBytes);
static_assert(image_bytes<KokenResult, [](auto& io, auto& r) { image_fields_koken(io, r); }>() ==
              kKokenResultBytes);
static_assert(
    image_bytes<MatrixNodeResult, [](auto& io, auto& r) { image_fields_matrix_nodes(io, r); }>() ==
    kMatrixNodeResultBytes);
static_assert(kDecidedPileBytes + kCaseResultBlockBytes + kCorrosionBlockBytes +
                  kDesignValueBlockBytes + kPipeStressBlockBytes ==
              kNeireCmBytes);
static_assert(sizeof(std::array<double, 16>) == kFieldMatrixBytes &&
              sizeof(std::array<double, 4>) == kNodeStateBytes);

} // namespace wtn
