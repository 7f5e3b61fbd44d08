// The log-log charts of a chapter: the lateral constant of the ground
// against the N value, with the standard's reference lines and the points of
// the case. k_h for Chang's methods (1, 2), k_c for the C-type ground
// methods (3, 4), k_s for the S-type ground method (5). Each chapter writes
// its own chart file, so every chapter shows its own case.
#pragma once

#include "report_state.h"

#include <string>

namespace wtn {

// "KHKSD%d.PZK" (completed state) or "KHKSW%d.PZK" (construction stage),
// with the digit of the chapter's page file.
std::string reaction_chart_name(int study_mode, int chapter_digit);

// The charts, each written whole into the file name. The k_h chart and the
// k_c chart of method 4 plot the layer rows of the case's force section from
// its start row down to the last row but one; the k_c chart of method 3 and
// the k_s chart the single N value of the port-research-institute methods.
void draw_kh_chart(const StabilityReport& report, const std::string& name);
void draw_kc_chart(const StabilityReport& report, const std::string& name);
void draw_ks_chart(const StabilityReport& report, const std::string& name);

// The chart of the report's embedment method.
void draw_reaction_chart(const StabilityReport& report, const std::string& name);

} // namespace wtn
