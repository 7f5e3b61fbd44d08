// The earth-pressure report SOLPRT run whole on a fuzzed load table, beside
// the other files of one of two sections of the chain tests (both cases,
// Arai-Yokoi, hydrodynamic pressure on): the uniform sand section, or the
// same behind an embankment with a fill and two surcharge zones, which adds
// the surcharge chapter and figures. The first byte b of the input picks the
// table it replaces (b % 3: 0 GAI_JYO.PRN, 1 GAI_JIS.PRN, 2 GAI_CM.PRN) and
// the section ((b / 3) % 2: 0 uniform, 1 embankment); the rest is the image.
// Each section's own tables are computed once by the load program's driver. A stop is an ordinary
// outcome; a crash, a hang, or a page or drawing that prints "nan" or "inf" is a finding.
#include "earth_pressure_report.h"
#include "earth_pressure_main.h"
#include "file_names.h"
#include "harness.h"
#include "load_tables.h"
#include "program_stop.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace wtn::fuzz {
namespace {

const char* const kInput = "gyonm,\"uniform sand\"\r\n"
                           "swdat,1,1,1,1,2,3,1,1,111,1,1,2,1,1\r\n"
                           "joken,1.000,0.000,0,0.000,3.000,-6.000,-30.000,-30.000,0.0,0.0,"
                           "10.000,0.0,0.0,5.0,7.5,1,1,1\r\n"
                           "tjkn1,1.5,0.5,3.000,3.000,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
                           "neire,1,1.0,1.0,0.0,0,0.150,0.0,0.0,0.0,3,0.0,1,1.0,1.0,0.0\r\n"
                           "nir_t,1,2,0.0,1.0,1,0\r\n"
                           "add_1,0.0,0.0,0.0,0.0\r\n"
                           "etcjo,\"A$B\\C\",10.000,2.000\r\n"
                           "sdatu,3.000,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n"
                           "jdatu,-6.000,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n";

// The embankment: ground points (0, 3), (0, 5), (40, 5), a fill +5.0 of
// gamma 18, zones [0, 2] 10 / 5 and [10, 30] 20 / 10 kN/m2, layer by layer.
const char* const kEmbankmentInput =
    "gyonm,\"embankment\"\r\n"
    "swdat,1,1,1,1,2,3,2,2,111,1,1,2,1,1\r\n"
    "joken,1.000,0.000,0,0.000,3.000,-6.000,-30.000,-30.000,0.0,0.0,"
    "10.000,0.0,0.0,5.0,7.5,1,1,1\r\n"
    "tjkn1,1.5,0.5,3.000,3.000,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
    "neire,1,1.0,1.0,0.0,0,0.150,0.0,0.0,0.0,3,0.0,1,1.0,1.0,0.0\r\n"
    "nir_t,1,2,0.0,1.0,1,0\r\n"
    "add_1,0.0,0.0,0.0,0.0\r\n"
    "tikei,0.000,3.000\r\n"
    "tikei,0.000,5.000\r\n"
    "tikei,40.000,5.000\r\n"
    "morid,5.000,18.000,10.000,20.000\r\n"
    "josai,0.000,2.000,10.000,5.000\r\n"
    "josai,10.000,30.000,20.000,10.000\r\n"
    "sdatu,3.000,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n"
    "jdatu,-6.000,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n";

constexpr int kSections = 2;
const char* const kSectionInputs[kSections] = {kInput, kEmbankmentInput};

const char* const kCustomisation = "0.0\r\n0.0\r\n0.0\r\n45.0\r\n\r\n0\r\n0\r\n0\r\n50.0\r\n0.5\r\n"
                                   "1\r\n0.1\r\n0\r\n0\r\n0\r\n3.0\r\n0\r\n0\r\n50.0\r\n0\r\n";

const char* const kConditions = "180.000000,270.000000,5.000000,7.500000\r\n"
                                "0,0.000000,0.000000,0.000000\r\n"
                                "0,0\r\n"
                                "0.900000,0.900000,0.900000,0.600000\r\n";

constexpr int kTableFiles = 3;
const char* table_name(int which) {
    return which < 2 ? case_table_file(which) : kCommonTableFile;
}

// Each section's own tables, as the load program wrote them.
std::array<std::array<std::string, kTableFiles>, kSections> section_tables;

// True when a line of plain text holds a number printf wrote as not finite.
bool prints_non_finite(const std::string& line) {
    for (unsigned char c : line)
        if (c >= 0x80) return false; // text of a caption, not a number
    return line.find("nan") != std::string::npos || line.find("inf") != std::string::npos;
}

bool is_output(const std::filesystem::path& path) {
    const std::string ext = path.extension().string();
    return ext == kPageFileExtension || ext == ".PZK" || ext == ".PFM" || ext == ".TMP";
}

void check_outputs() {
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        if (!is_output(entry.path())) continue;
        for (const std::string& line : file_lines(entry.path().filename().string()))
            if (prints_non_finite(line)) std::abort();
    }
}

void clear_outputs() {
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (is_output(entry.path())) std::filesystem::remove(entry.path());
}

} // namespace

void prepare() {
    write_file(kRunInfoFileName, "UNIFORM\r\nuniform sand\r\n7\r\n2\r\n3\r\n9\r\n5\r\n7\r\n");
    write_file("TVNCSTM.DAT", kCustomisation);
    write_file("SJOKEN.DAT", kConditions);
    for (int section = 0; section < kSections; ++section) {
        write_file("CAL_FILE.DAT", kSectionInputs[section]);
        earth_pressure_main();
        for (int which = 0; which < kTableFiles; ++which)
            section_tables[static_cast<std::size_t>(section)][static_cast<std::size_t>(which)] =
                read_file(table_name(which));
    }
}

void run_one(const std::string& bytes) {
    if (bytes.empty()) return;
    const int pick = static_cast<unsigned char>(bytes[0]);
    const int which = pick % kTableFiles;
    const int section = (pick / kTableFiles) % kSections;
    write_file("CAL_FILE.DAT", kSectionInputs[section]);
    for (int i = 0; i < kTableFiles; ++i)
        write_file(table_name(i),
                   section_tables[static_cast<std::size_t>(section)][static_cast<std::size_t>(i)]);
    write_file(table_name(which), bytes.substr(1));
    clear_outputs();
    try {
        earth_pressure_report_main();
    } catch (const ProgramStop&) {
    }
    check_outputs();
}

} // namespace wtn::fuzz
