// AUDSHEET, the first program of every run: it stamps the run's date and
// time into CAL_FILE.INF, so that every page of the run carries the same
// stamp, and writes the input check list (AUDSHEET.PDT with one generated
// template per block), which sorts before every other page.
#pragma once

namespace wtn {

inline constexpr const char* kCheckListTitle = "チェックリスト";

// Reads the run information, the input and the customisation, stamps and
// rewrites CAL_FILE.INF, writes the list. Stops the program with exit code 1
// when the input, the customisation or a needed pile catalogue cannot be
// read, or CAL_FILE.INF cannot be rewritten.
void check_list_main();

} // namespace wtn
