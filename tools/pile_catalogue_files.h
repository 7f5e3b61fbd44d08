// Text of the installed sheet-pile catalogues and of the corroded-section
// chart table, written from the section list and the derived columns.
// Every line ends with CR LF and stays under 80 bytes, well inside what the
// catalogue readers take in one read.
#pragma once

#include "sheet_pile_sections.h"

#include <string>
#include <vector>

namespace wtn::tools {

struct ChartAxes {
    int z_min, z_max, z_interval, z_lines;     // cm3/m
    int t1_min, t1_max, t1_interval, t1_lines; // mm
};

ChartAxes chart_axes(const SteelSection& section);

// "YAITA.D0n" (n = 1 to 4): one line per section of that file, 12 fields.
std::string steel_catalogue_text(int file);
// "YAITA.C0n" (n = 1, 2): three lines per section, the first of 9 fields.
std::string concrete_catalogue_text(int file);
// "YAITA.FDM": one line per steel section.
std::string chart_table_text();

// Every file the generator writes, by name.
struct GeneratedFile {
    std::string name;
    std::string text;
};
std::vector<GeneratedFile> pile_catalogue_files();

} // namespace wtn::tools
