// A project file of any of the three versions (".tn2" and ".wtn"), opened as
// the front end opens it: read into a copy of the current data, an older one
// converted to SI units, then the calculation input and the project file
// written from it.
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
std::unique_ptr<DesignData> g_current; // the data before the open: the template project
} // namespace

void prepare() {
    copy_installed("新規.tn2");
    g_current = std::make_unique<DesignData>();
    read_data_file(*g_current, "新規.tn2");
}

void run_one(const std::string& bytes) {
    write_file("FUZZ.tn2", bytes);
    auto loaded = std::make_unique<DesignData>(*g_current);
    try {
        read_data_file(*loaded, "FUZZ.tn2");
        if (loaded->data_ver != kVersion200) conv_si_unit(*loaded);
        require_finite_fields(cal_file_lines(*loaded), "the calculation input");
        require_finite_fields(project_file_lines(*loaded), "the project file");
    } catch (const DataError&) {
    }
}

} // namespace wtn::fuzz
