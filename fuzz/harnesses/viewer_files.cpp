// The viewer's page files (.PDT), page templates (.PFM) and drawings (.PZK),
// as the viewer lays out a report folder and checks it. The first byte picks
// the kind: 'F' a template, 'Z' a drawing, anything else a page file. A fixed
// page file names the fuzzed template and drawing, so both are laid out too.
// The readers never stop; what they cannot read is a problem of the report.
#include "harness.h"
#include "report_folder.h"

#include <cstdio>

namespace wtn::fuzz {

namespace {

constexpr const char* kPageFile = "JA001FUZ.PDT";
constexpr const char* kTemplateFile = "FUZZ.PFM";
constexpr const char* kDrawingFile = "FUZZ.PZK";

// A page file whose one block shows the fuzzed template with the fuzzed
// drawing, with a value for the first few codes.
constexpr const char* kFixedPageFile = "FUZZ\r\n"
                                       "  26  12  10  12   0   0        FUZZ-DATA\r\n"
                                       "$1  FUZZ.PFM        FUZZ.PZK\r\n"
                                       "00  1.000\r\n"
                                       "01  2.000\r\n"
                                       "02  text\r\n";

} // namespace

void prepare() {}

void run_one(const std::string& bytes) {
    const char kind = bytes.empty() ? 'P' : bytes[0];
    const std::string body = bytes.empty() ? bytes : bytes.substr(1);
    std::remove(kTemplateFile);
    std::remove(kDrawingFile);
    if (kind == 'F' || kind == 'Z') {
        write_file(kPageFile, kFixedPageFile);
        write_file(kind == 'F' ? kTemplateFile : kDrawingFile, body);
    } else {
        write_file(kPageFile, body);
    }
    const std::string templates = installed_path("templates");
    viewer::load_report(".", templates);
    viewer::lint_report(".", templates, {});
}

} // namespace wtn::fuzz
