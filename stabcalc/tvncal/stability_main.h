// The driver of TVNCAL: reads the input and the loads of GAIRYOK.DAT, builds
// the candidate table and tries the candidates in table order until one
// passes every switched-on check (or the table ends), then writes the result
// files of the results dialog and the work files of the stability report.
#pragma once

namespace wtn {

inline constexpr const char* kStabilityProgramTitle = "安定計算";

void stability_main();

} // namespace wtn
