// TVNCSTM.DAT as the front end reads it into its customisation table, and
// the lines it writes back.
#include "custom_file.h"
#include "harness.h"
#include "number_text.h"

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kCustomisationFileName, bytes);
    try {
        const CustomisationValues table = read_custom_file(".");
        require_finite_fields(custom_file_lines(table), "TVNCSTM.DAT");
    } catch (const DataError&) {
    }
}

} // namespace wtn::fuzz
