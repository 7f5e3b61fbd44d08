#include "batch_frame.h"
#include "stability_main.h"

#include <malloc.h>

namespace {

// Every case of every candidate allocates and frees its result areas and
// the solver's rows again (a few hundred kilobytes on a long chain). With the
// allocator's defaults each free gives the pages back to the system and each
// allocation faults them in afresh, which on a long transfer-matrix run costs
// more than the solve. Kept in the heap, the pages are reused; the peak is
// the same.
constexpr int kKeptHeapBytes = 64 * 1024 * 1024;

} // namespace

int main() {
    mallopt(M_TRIM_THRESHOLD, kKeptHeapBytes);
    mallopt(M_MMAP_THRESHOLD, kKeptHeapBytes);
    return wtn::run_batch_program(wtn::kStabilityProgramTitle, wtn::stability_main);
}
