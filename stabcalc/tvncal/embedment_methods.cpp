#include "embedment_methods.h"

#include "chang.h"
#include "error_messages.h"
#include "koken.h"
#include "matrix_methods.h"

#include <string>

namespace wtn {

void allocate_case_areas(StabilityRun& run, int j) {
    const EmbedmentMethod method = run.input.swdat.embedment_method;
    const CaseAreaSizes sizes = case_area_sizes(run.input, run.custom, run.force_case, j, method);
    // The solver's room is taken first: it is the largest, and its limit is
    // the one a case of too many elements meets.
    if (method_block(method) == MethodBlock::matrix)
        alloc_matrix_work(run.matrix_work, sizes.matrix_elements);
    alloc_method_area(run.results.areas, sizes, method);
}

void solve_case(StabilityRun& run, int j) {
    switch (run.input.swdat.embedment_method) {
    case EmbedmentMethod::Chang:
        solve_chang(run, j);
        return;
    case EmbedmentMethod::ChangMultiLayer:
        solve_chang_matrix(run, j);
        return;
    case EmbedmentMethod::CType:
    case EmbedmentMethod::SType:
        solve_koken(run, j);
        return;
    case EmbedmentMethod::CTypeMultiLayer:
        solve_ctype_matrix(run, j);
        return;
    }
    check_embedment_method(run.input.swdat.embedment_method);
}

void release_case_areas(StabilityRun& run) {
    free_method_area(run.results.areas, run.input.swdat.embedment_method);
    free_matrix_work(run.matrix_work);
}

} // namespace wtn
