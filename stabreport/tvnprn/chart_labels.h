// Labels of the report's charts kept legible: the page area a label's text
// covers, a place for a point's label clear of the chart's drawn marks and of
// the labels placed before it, and the grid lines broken behind the labels.
// A chart's grid is too dense for a label to stand between its lines, so the
// thin grid gives way to the labels; the marks that carry meaning (frame,
// reference, guide and ratio lines) never do, and a label moves off them.
#pragma once

#include "drawing_file.h"
#include "drawing_primitives.h"

#include <string>
#include <vector>

namespace wtn {

// A straight line drawn on the chart, page units.
struct ChartSegment {
    DrawPoint from;
    DrawPoint to;
};

// A text as a K command writes it: the anchor, the angle in degrees
// (counter-clockwise on the sheet), its printed length along the baseline
// and its character height, page units.
struct ChartLabel {
    DrawPoint anchor;
    int angle = 0;
    double length = 0.0;
    double height = 0.0;
};

// The chart's frame on the page (Y growing downward: top < bottom).
struct ChartFrame {
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;
};

// What a label must keep clear of.
struct ChartMarks {
    ChartFrame frame;
    std::vector<ChartSegment> lines; // drawn marks a label may not cross
    std::vector<ChartLabel> labels;  // labels placed so far
};

// The label of cp932 text of character height size anchored at anchor.
ChartLabel chart_label(DrawPoint anchor, int angle, int size, const std::string& text);

// True when the label stands inside the frame, crosses none of the marks'
// lines and covers none of their labels.
bool label_is_clear(const ChartLabel& label, const ChartMarks& marks);

// A point's label and, when it had to move away from the point, the leader
// along the point's level from the point to the label.
struct PointLabelPlace {
    ChartLabel label;
    bool has_leader = false;
    ChartSegment leader;
};

// The place of a point's label: at the point (above and right of it) when
// that is clear, else the first clear one of the point's four corners a
// little off it (upper right, upper left, lower right, lower left), else
// moved along the point's level step by step within the frame, above or
// below it, right (with a leader) before left. When nothing is clear the
// label stays at the point.
PointLabelPlace place_point_label(DrawPoint point, int size, const std::string& text,
                                  const ChartMarks& marks);

// The labels of several points, placed from the highest point down so that
// a label moved off a crowded spot leaves the points below it their own
// side; each placed label and leader joins the marks. In the order of the
// points.
std::vector<PointLabelPlace> place_point_labels(const std::vector<DrawPoint>& points, int size,
                                                const std::vector<std::string>& texts,
                                                ChartMarks& marks);

// The pieces of a grid line left outside every label, in order along it.
std::vector<ChartSegment> grid_line_pieces(const ChartSegment& line,
                                           const std::vector<ChartLabel>& labels);

// A thin grid line of the given pen, broken behind the labels.
void write_grid_line(DrawingFile& file, const ChartSegment& line,
                     const std::vector<ChartLabel>& labels, int pen);

// The point's label as placed, after its leader when it has one.
void write_point_label(DrawingFile& file, const PointLabelPlace& place, int pen,
                       const std::string& text);

} // namespace wtn
