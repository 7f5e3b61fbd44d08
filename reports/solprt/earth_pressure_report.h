// SOLPRT, the report step of the completed-state chain: after the load and
// stability calculations it reads back the load tables and the report
// conditions and writes, per case, the earth-pressure chapter with its
// figures and the design-condition figure, then the design-condition list.
#pragma once

namespace wtn {

inline constexpr const char* kEarthPressureReportTitle = "土圧強度帳票作成";

// The program's driver: reads every input, writes every page and drawing.
// A fatal condition stops the program with its message before any later
// file is written.
void earth_pressure_report_main();

} // namespace wtn
