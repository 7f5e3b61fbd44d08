#include "result_areas.h"

#include "error_messages.h"
#include "file_io.h"
#include "result_images.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace wtn {

namespace {

// The fixed-size records are members of CaseAreas and need no allocation of
// their own; only the rows and arrays whose room depends on the case are
// allocated, each with the error code shown when it cannot be had.

void alloc_load_items(CaseAreas& areas, const CaseAreaSizes& sizes) {
    allocate_rows(areas.load_items, sizes.load_items, kLoadItemBytes, ErrorCode::DeformationArea);
}

// Spare elements beyond the counted ones.
constexpr int kSpareElements = 5;
// Most elements whose transfer-matrix work rows fit one work area; a count
// above it is refused when the areas are allocated.
constexpr double kMaxMatrixElements = static_cast<double>(kZeroFillLimit / kFieldMatrixBytes);

// Beam elements of the layers from the start row down to the layer that
// holds the tip. Layer i lies between boundary rows i and i + 1; the last
// row only closes the layer above it.
int count_elements(const ForceCase& fc, int case_index, double tip, double pitch, bool by_pitch) {
    if (by_pitch && !(pitch > 0.0)) {
        stop_with_error("(ERROR)-伝達マトリックスの分割長が 0.0 以下になっています.");
    }
    int count = 0;
    for (int i = std::max(fc.start_index, 0); i + 1 < fc.layer_count; ++i) {
        const ForceLayerRow& layer = fc.layers[static_cast<std::size_t>(i)];
        const double bottom = fc.layers[static_cast<std::size_t>(i) + 1].level;
        const bool holds_tip = bottom <= tip;
        if (!by_pitch) {
            ++count;
        } else {
            double thickness = layer.thickness;
            if (i == fc.start_index) {
                thickness = fc.base[static_cast<std::size_t>(case_index)].level - bottom;
            } else if (holds_tip) {
                thickness = layer.level - tip;
            }
            const double pieces = pitch_pieces(thickness, pitch);
            // A pitch tiny against the layer gives more pieces than an int
            // holds; refuse it before the count wraps into a negative room.
            if (pieces + count > kMaxMatrixElements) stop_with_error(ErrorCode::ZeroFillTooLarge);
            count += static_cast<int>(pieces);
        }
        if (holds_tip) return count + kSpareElements;
    }
    stop_with_error(ErrorCode::TipBelowLastLayer);
}

} // namespace

double pitch_pieces(double thickness, double pitch) {
    const double whole = std::floor(thickness / pitch);
    return std::max(whole, 0.0) + (thickness - whole * pitch > kPieceRemainder ? 1.0 : 0.0);
}

CaseAreaSizes case_area_sizes(const InputRecord& input, const CustomisationValues& custom,
                              const ForceCase& force_case, int case_index, EmbedmentMethod method) {
    CaseAreaSizes sizes;
    sizes.load_items = (case_index == 0 ? input.force_normal_count : input.force_seismic_count) +
                       force_case.force_count + (case_index == 0 ? 0 : force_case.dynamic_count) +
                       1;
    if (method_block(method) == MethodBlock::matrix) {
        sizes.matrix_elements =
            count_elements(force_case, case_index, input.joken.embedment_level,
                           custom.division_pitch, method == EmbedmentMethod::CTypeMultiLayer);
    }
    return sizes;
}

void reset_result_counters(ForceCase& force_case, StabilityResults& results) {
    force_case.start_index = -1;
    force_case.layer_count = 0;
    force_case.force_count = 0;
    force_case.dynamic_count = 0;
    force_case.diagram_rows = 0;
    force_case.diagram_seabed_row = 0;
    results.areas.load_item_count = 0;
}

void clear_result_areas(ForceCase& force_case, StabilityResults& results) {
    ForceCase cleared;
    cleared.start_index = force_case.start_index;
    cleared.layer_count = force_case.layer_count;
    cleared.force_count = force_case.force_count;
    cleared.dynamic_count = force_case.dynamic_count;
    cleared.diagram_rows = force_case.diagram_rows;
    cleared.diagram_seabed_row = force_case.diagram_seabed_row;
    force_case = cleared;
    results.decided = DecidedPile{};
    results.case_results = CaseResultBlock{};
    results.corrosion = CorrosionBlock{};
    results.design_values = DesignValueBlock{};
    results.pipe_stress = PipeStressBlock{};
    results.level_solver = LevelSolverBlock{};
    results.level_displacement = LevelDisplacementBlock{};
}

MethodBlock method_block(EmbedmentMethod method) {
    switch (method) {
    case EmbedmentMethod::Chang:
        return MethodBlock::chang;
    case EmbedmentMethod::ChangMultiLayer:
    case EmbedmentMethod::CTypeMultiLayer:
        return MethodBlock::matrix;
    default:
        return MethodBlock::koken;
    }
}

void alloc_chang_area(CaseAreas& areas, const CaseAreaSizes& sizes) {
    areas.chang = ChangResult{};
    alloc_load_items(areas, sizes);
}

void alloc_koken_area(CaseAreas& areas, const CaseAreaSizes& sizes, EmbedmentMethod method) {
    areas.koken = KokenResult{};
    areas.koken.scale[0] = kKokenDepthScale;
    areas.koken.scale[1] = kKokenRigidityScale;
    const EmbedmentMethod m = method;
    if (is_curve_method(m)) {
        areas.koken.scale[2] = kKokenConstantScale;
    }
    alloc_load_items(areas, sizes);
}

void alloc_matrix_area(CaseAreas& areas, const CaseAreaSizes& sizes) {
    areas.matrix = MatrixResult{};
    const int room = sizes.matrix_elements;
    for (MatrixElements& section : areas.matrix.elements) {
        allocate_rows(section.rigidity, room, kRealBytes, ErrorCode::MatrixRigidity);
        allocate_rows(section.length, room, kRealBytes, ErrorCode::MatrixLength);
        allocate_rows(section.kh, room, kRealBytes, ErrorCode::MatrixKh);
        allocate_rows(section.beta, room, kRealBytes, ErrorCode::MatrixBeta);
        allocate_rows(section.factor, room, kRealBytes, ErrorCode::MatrixFactor);
    }
    alloc_load_items(areas, sizes);
}

void alloc_method_area(CaseAreas& areas, const CaseAreaSizes& sizes, EmbedmentMethod method) {
    switch (method_block(method)) {
    case MethodBlock::chang:
        alloc_chang_area(areas, sizes);
        return;
    case MethodBlock::matrix:
        alloc_matrix_area(areas, sizes);
        return;
    case MethodBlock::koken:
        alloc_koken_area(areas, sizes, method);
        return;
    }
}

void free_chang_area(CaseAreas& areas) {
    areas.chang = ChangResult{};
    release(areas.load_items);
}

void free_koken_area(CaseAreas& areas) {
    areas.koken = KokenResult{};
    release(areas.load_items);
}

void free_matrix_area(CaseAreas& areas) {
    areas.matrix = MatrixResult{};
    release(areas.load_items);
}

void free_method_area(CaseAreas& areas, EmbedmentMethod method) {
    switch (method_block(method)) {
    case MethodBlock::chang:
        free_chang_area(areas);
        return;
    case MethodBlock::matrix:
        free_matrix_area(areas);
        return;
    case MethodBlock::koken:
        free_koken_area(areas);
        return;
    }
}

} // namespace wtn
