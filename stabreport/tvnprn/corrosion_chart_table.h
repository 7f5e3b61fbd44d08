// The corroded-section chart table YAITA.FDM (installed): one comma line per
// steel sheet-pile section with the axis ranges of its chart and where the
// lines of the five t2/t1 ratios end:
//   id,"name",Z min,Z max,Z interval,Z lines per interval,
//   t1 min,t1 max,t1 interval,t1 lines per interval,t1 end of each line x 5
// Lines beginning with "#" are comments; the quoted name takes no place among
// the numbered fields.
#pragma once

#include "result_records.h"
#include "text_lines.h"

#include <array>
#include <optional>
#include <string>

namespace wtn {

inline constexpr const char* kCorrosionChartTableFile = "YAITA.FDM";

// Grid lines one axis of the chart may carry: the installed sections need at
// most 41; a table line asking for more is damaged, and would only fill the
// drawing with lines.
inline constexpr long kMaxChartGridLines = 200;

struct ChartAxis {
    int minimum = 0;
    int maximum = 0;
    int interval = 0;           // between labelled values
    int lines_per_interval = 0; // grid lines per labelled interval
};

struct CorrosionChartLine {
    int id = 0;
    std::string name;                                      // code page 932
    ChartAxis z;                                           // cm3/m
    ChartAxis t1;                                          // mm
    std::array<double, kCorrosionTablePoints> line_ends{}; // t1 (mm) where each ratio's line ends
    bool complete = true; // the line holds the name and every numbered field
};

// Grid steps of an axis: ((maximum - minimum) / interval, whole intervals)
// times the lines per interval; the grid has one line more.
long axis_grid_steps(const ChartAxis& axis);

// Reads lines of the open table up to the first data line of pile_id and
// returns it as read; nothing when no line has the id.
std::optional<CorrosionChartLine> find_chart_line(LineReader& file, int pile_id);

// Why the line cannot give a chart (empty when it can): a missing field, an axis whose
// maximum is not above its minimum, an interval or a line count below 1, or
// more grid lines than kMaxChartGridLines, or a line end outside the t1 axis.
std::string chart_line_fault(const CorrosionChartLine& line);

// Opens YAITA.FDM (missing: message 68) and returns the checked line of
// pile_id. A table without the pile, or with a line that cannot give a
// chart, stops the program with a message naming the file and the id.
CorrosionChartLine read_corrosion_chart_line(int pile_id);

} // namespace wtn
