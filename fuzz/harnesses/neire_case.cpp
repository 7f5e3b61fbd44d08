// NEIRE.PRN, one case record per tide level and case. The first byte of the
// input chooses the embedment method (1 to 5) whose block the records carry;
// the rest is the file. Up to four records are read, as four cases would be,
// then the end of the file is checked.
#include "file_io.h"
#include "harness.h"
#include "program_stop.h"
#include "work_files.h"

#include <memory>

namespace wtn::fuzz {

inline constexpr int kMethodCount = 5;
inline constexpr int kRecordsRead = 4;
// Rooms as a wall of a few layers and loads would give them.
inline constexpr CaseAreaSizes kRooms{12, 40};

void prepare() {}

void run_one(const std::string& bytes) {
    if (bytes.empty()) return;
    const auto method = wtn::from_file_value<wtn::EmbedmentMethod>(
        1 + static_cast<unsigned char>(bytes[0]) % kMethodCount);
    write_file(kNeireFile, bytes.substr(1));
    CFile file = open_file(kNeireFile, "rb");
    for (int n = 0; n < kRecordsRead; ++n) {
        auto areas = std::make_unique<CaseAreas>();
        try {
            read_neire_case(file.get(), *areas, method, kRooms);
        } catch (const ProgramStop&) {
            free_method_area(*areas, method);
            return;
        }
        free_method_area(*areas, method);
    }
    try {
        check_work_file_end(file.get(), kNeireFile);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
