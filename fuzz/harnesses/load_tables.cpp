// The load tables of the completed-state load program: GAI_JYO.PRN,
// GAI_JIS.PRN and GAI_CM.PRN, fixed-size images read by the earth-pressure
// report. The first byte of the input chooses the file (0 normal case,
// 1 seismic case, 2 common values); the rest is its image.
#include "load_tables.h"
#include "harness.h"
#include "program_stop.h"

#include <memory>

namespace wtn::fuzz {

inline constexpr int kTableFiles = 3;

void prepare() {}

void run_one(const std::string& bytes) {
    if (bytes.empty()) return;
    const int which = static_cast<unsigned char>(bytes[0]) % kTableFiles;
    auto model = std::make_unique<LoadModel>();
    try {
        if (which < 2) {
            write_file(case_table_file(which), bytes.substr(1));
            auto tables = std::make_unique<CaseLoadTables>();
            read_gai_case(which, *model, *tables);
        } else {
            write_file(kCommonTableFile, bytes.substr(1));
            auto common = std::make_unique<CommonLoadResults>();
            read_gai_cm(*model, *common);
        }
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
