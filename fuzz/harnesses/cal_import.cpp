// An old calculation-input file (".cal") imported as the front end imports
// it: over the template project, the imported groups converted to SI units,
// then the calculation input and the project file written from it.
#include "cal_import.h"
#include "cal_writer.h"
#include "design_data.h"
#include "harness.h"
#include "number_text.h"
#include "project_reader.h"
#include "project_writer.h"
#include "unit_conversion.h"

#include <memory>

namespace wtn::fuzz {

namespace {
std::unique_ptr<DesignData> g_template; // the template project every import starts from
} // namespace

void prepare() {
    copy_installed("新規.tn2");
    g_template = std::make_unique<DesignData>();
    read_data_file(*g_template, "新規.tn2");
}

void run_one(const std::string& bytes) {
    write_file("FUZZ.cal", bytes);
    auto loaded = std::make_unique<DesignData>(*g_template);
    try {
        const ConversionScope scope = import_cal_file(*loaded, "FUZZ.cal");
        conv_si_unit(*loaded, scope);
        require_finite_fields(cal_file_lines(*loaded), "the calculation input");
        require_finite_fields(project_file_lines(*loaded), "the project file");
    } catch (const DataError&) {
    }
}

} // namespace wtn::fuzz
