// A project file of any of the three versions (".tn2" and ".wtn"), opened as
// the front end opens it: read into a copy of the current data, an older one
// converted to SI units, then the calculation input and the project file
// written from it. What is accepted must come back the same: the project file
// written, read and written again gives the same lines.
#include "cal_writer.h"
#include "design_data.h"
#include "harness.h"
#include "number_text.h"
#include "project_reader.h"
#include "project_writer.h"
#include "text_file.h"
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
    std::vector<std::string> written;
    try {
        read_data_file(*loaded, "FUZZ.tn2");
        if (loaded->data_ver != kVersion200) conv_si_unit(*loaded);
        require_finite_fields(cal_file_lines(*loaded), "the calculation input");
        written = project_file_lines(*loaded);
    } catch (const DataError&) {
        return;
    }
    require_finite_fields(written, "the project file");
    write_text_file("FUZZ2.tn2", written);
    // A refusal of what the writer wrote escapes uncaught: a finding.
    auto again = std::make_unique<DesignData>(*g_current);
    read_data_file(*again, "FUZZ2.tn2");
    require_same_lines(written, project_file_lines(*again), "the project file");
}

} // namespace wtn::fuzz
