// The stability results as TVNCAL and TVNPRN hold them: the blocks kept for
// the whole run and the areas of one case, allocated per case by the
// embedment method. Each program's driver owns one StabilityResults.
#pragma once

#include "customisation.h"
#include "error_messages.h"
#include "file_io.h"
#include "force_case.h"
#include "input_record.h"
#include "result_records.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace wtn {

// Which block a case record of NEIRE.PRN carries, by embedment method
// (swdat item 2): 1 Chang, 2 and 4 transfer matrix, any other value the
// port-research-institute curves.
enum class MethodBlock { chang, matrix, koken };
MethodBlock method_block(EmbedmentMethod method);

// The areas of one case.
struct CaseAreas {
    std::vector<LoadItem> load_items; // room for the case's loads
    std::int32_t load_item_count = 0; // rows of the current case record
    ChangResult chang;
    KokenResult koken;
    MatrixResult matrix;
};

struct StabilityResults {
    DecidedPile decided;
    CaseResultBlock case_results;
    CorrosionBlock corrosion;
    DesignValueBlock design_values;
    PipeStressBlock pipe_stress;
    LevelSolverBlock level_solver;
    LevelDisplacementBlock level_displacement;
    CaseAreas areas;
    // 1 when a joint-efficiency factor differs from 1.0 (normalise_stability_inputs).
    std::int32_t joint_efficiency_flag = 0;
};

// Rooms of a case's areas: the number of LoadItem rows and, for the
// transfer-matrix methods, the number of beam elements per section.
struct CaseAreaSizes {
    int load_items = 0;
    int matrix_elements = 0;
};

// The rooms of a case's areas, from the input and the force case just read
// for case_index (0 normal, 1 seismic):
// - load rows: the case's other external forces of the input, the force
//   lines of the force case and, in the seismic case, its dynamic-water
//   lines, plus one (the wave or resultant row);
// - beam elements (methods 2 and 4): walking the layers from the force
//   case's start row down to the one that holds the pile tip (joken item 7),
//   one element per layer (method 2) or the layer cut into pieces of the
//   division pitch (method 4), plus 5 spare elements. A tip below the last
//   layer stops the program with ErrorCode::TipBelowLastLayer.
CaseAreaSizes case_area_sizes(const InputRecord& input, const CustomisationValues& custom,
                              const ForceCase& force_case, int case_index, EmbedmentMethod method);

// Gives area room rows of row_bytes each, cleared. Work areas were limited to
// kZeroFillLimit bytes by the clearing routine; a larger one is refused in
// the same way rather than grown silently.
template <class T>
void allocate_rows(std::vector<T>& area, int rows, std::size_t row_bytes, ErrorCode error_code) {
    std::size_t count = rows > 0 ? static_cast<std::size_t>(rows) : 0;
    if (count * row_bytes > kZeroFillLimit) stop_with_error(ErrorCode::ZeroFillTooLarge);
    try {
        area.assign(count, T{});
    } catch (const std::bad_alloc&) {
        stop_with_error(error_code);
    }
}

template <class T> void release(std::vector<T>& area) {
    std::vector<T>().swap(area);
}

// The beam elements of a layer of the given thickness cut at the division
// pitch (method 4): its whole pitches, and one more for a remainder above
// kPieceRemainder (m); none for a layer no thicker than that. The allocator
// counts the elements so and the solver cuts them so.
inline constexpr double kPieceRemainder = 0.00001;
double pitch_pieces(double thickness, double pitch);

// Allocate the areas of one method, cleared. A room beyond the largest work
// area (kZeroFillLimit bytes) or an allocation failure stops the program
// with the method's message. The port-research-institute area starts with
// its scales: h0 1.0, EI 10^4 and, for methods 3 and 5, k 1000.0.
void alloc_chang_area(CaseAreas& areas, const CaseAreaSizes& sizes);
void alloc_koken_area(CaseAreas& areas, const CaseAreaSizes& sizes, EmbedmentMethod method);
void alloc_matrix_area(CaseAreas& areas, const CaseAreaSizes& sizes);
// Allocates the areas of the embedment method's block.
void alloc_method_area(CaseAreas& areas, const CaseAreaSizes& sizes, EmbedmentMethod method);

// Release what the allocators took.
void free_chang_area(CaseAreas& areas);
void free_koken_area(CaseAreas& areas);
void free_matrix_area(CaseAreas& areas);
void free_method_area(CaseAreas& areas, EmbedmentMethod method);

// Before a run: the force case has no start row (-1) and no rows, and the
// current case record no load rows. (The candidate table of TVNCAL starts
// empty with the program.)
void reset_result_counters(ForceCase& force_case, StabilityResults& results);

// Before a run: clears the force case's rows, totals and base lines and the
// result blocks the work files carry (the adopted values included), so that
// nothing of an earlier case survives. Counters are left to
// reset_result_counters.
void clear_result_areas(ForceCase& force_case, StabilityResults& results);

} // namespace wtn
