// Names of the files that both the front end and the batch programs open in
// the program folder, and the patterns of a run's output files. File names
// are case-sensitive here, so every program spells them from this one list,
// in upper case as the programs have always written them.
#pragma once

#include <string>
#include <string_view>

namespace wtn {

// The calculation input the front end writes and every batch program reads.
inline constexpr const char* kInputFileName = "CAL_FILE.DAT";
// Run information: data name, title, run date and time.
inline constexpr const char* kRunInfoFileName = "CAL_FILE.INF";
// The user's standing options of the calculation.
inline constexpr const char* kCustomisationFileName = "TVNCSTM.DAT";
// The virtual-seabed chooser's exchange file.
inline constexpr const char* kChooserFileName = "ZEVOVE.DAT";
// Construction embedment depth and pile length adopted in the results dialog.
inline constexpr const char* kCalNeiFile = "CAL_NEI.DAT";

// Installed sheet-pile catalogues: steel YAITA.D01 to YAITA.D04, prestressed
// concrete YAITA.C01 and YAITA.C02; and the user's own catalogues.
inline constexpr int kSteelCatalogueCount = 4;
inline constexpr int kPcCatalogueCount = 2;
inline constexpr const char* kSteelAddedFileName = "KOUYAITA.APD";
inline constexpr const char* kPcAddedFileName = "PCYAITA.APD";
// "YAITA.D01" .. "YAITA.D04" and "YAITA.C01", "YAITA.C02" (number from 1).
std::string steel_catalogue_name(int number);
std::string pc_catalogue_name(int number);

// Result tables of the stability calculation for the results dialog:
// completed state first, construction stage second.
inline constexpr const char* kLevelResultFiles[2] = {"KEKKA1.DAT", "KEKKA3.DAT"};
inline constexpr const char* kPileResultFiles[2] = {"KEKKA2.DAT", "KEKKA4.DAT"};

// Report pages end in ".PDT"; the result tables are "KEKKA" and one
// character before ".DAT". A run's output files are cleared by these
// patterns before the next run and after a project is closed.
inline constexpr const char* kPageFileExtension = ".PDT";
bool is_page_file_name(std::string_view name);
bool is_result_table_file_name(std::string_view name);

} // namespace wtn
