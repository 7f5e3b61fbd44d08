// The driver of TVNPRN: reads the input and the stability work files that
// TVNCAL has just written, writes one stability chapter per examined tide
// level and case, then the results summary.
#pragma once

namespace wtn {

inline constexpr const char* kStabilityReportTitle = "安定計算帳票作成";

void stability_report_main();

} // namespace wtn
