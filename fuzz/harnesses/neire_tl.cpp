// NEIRE_TL.PRN, one record per tide level, read as the stability report reads
// up to four of them, then checks that nothing is left.
#include "file_io.h"
#include "harness.h"
#include "program_stop.h"
#include "work_files.h"

#include <memory>

namespace wtn::fuzz {

inline constexpr int kRecordsRead = 4;

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kNeireTlFile, bytes);
    CFile file = open_file(kNeireTlFile, "rb");
    auto results = std::make_unique<StabilityResults>();
    try {
        for (int n = 0; n < kRecordsRead; ++n)
            read_neire_tl(file.get(), *results);
        check_work_file_end(file.get(), kNeireTlFile);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
