#include "displacement_figure.h"

#include "drawing_file.h"
#include "drawing_primitives.h"

namespace wtn {

namespace {

// Origin of the sketch on the page (page units, Y downward) and its text
// height.
constexpr int kX0 = 1800;
constexpr int kY0 = 100;
constexpr int kTextSize = 60;
constexpr int kFigureColumns = 46;
constexpr int kFigureLines = 30;

constexpr int kSolid = 0;
constexpr int kThinPen = 1;
constexpr int kMediumPen = 2;
constexpr int kThickPen = 3;

// The two seabed lines run from X0 + 400 to X0 + 1900; the design seabed
// 1400 below the origin, the virtual seabed 300 further down.
constexpr int kSeabedLeft = kX0 + 400;
constexpr int kSeabedRight = kX0 + 1900;
constexpr int kDesignSeabedY = kY0 + 1400;
constexpr int kVirtualSeabedY = kY0 + 1700;

// The dimension line of the head displacement and its ticks.
constexpr int kDimensionY = kY0 + 100;
constexpr int kTickHalf = 25;

void seabed_line(DrawingFile& f, int y, const char* caption) {
    f.line(kSeabedLeft, y, kSeabedRight, y, kSolid, kThickPen);
    // The caption stands a quarter of its height above the line.
    f.text(kSeabedLeft + kTextSize, y - kTextSize * 0.25, kTextSize, kTextSize, 0,
           AngleField::padded, kMediumPen, caption);
}

} // namespace

void draw_displacement_figure(const StabilityReport& report) {
    DrawingFile f(kDisplacementFigureName, "変位図", kFigureColumns, kFigureLines);
    seabed_line(f, kDesignSeabedY, "設計海底面");
    seabed_line(f, kVirtualSeabedY, "仮想海底面");
    // The ground below the virtual seabed, drawn without turning or shift.
    draw_hatching(f.stream(), SheetTransform{}, kSeabedLeft + kTextSize, kVirtualSeabedY, 0.0);

    // The pile, its displaced line down to the virtual seabed, and the
    // deflected free length.
    f.line(kX0 + 1500, kY0 + 200, kX0 + 1500, kY0 + 2300, kSolid, kThickPen);
    f.line(kX0 + 1400, kY0 + 200, kX0 + 1400, kVirtualSeabedY, kSolid, kMediumPen);
    f.line(kX0 + 900, kY0 + 200, kX0 + 1410, kVirtualSeabedY, kSolid, kMediumPen);
    f.angle_mark(kX0 + 1500, kY0 + 2100, kX0 - 1700, kY0 + 2800, kX0 + 500, kY0 + 200, kMediumPen);

    // Ticks at the ends of the three parts of the head displacement.
    for (int x : {kX0 + 500, kX0 + 900, kX0 + 1400, kX0 + 1500})
        f.line(x, kDimensionY + kTickHalf, x, kDimensionY - kTickHalf, kSolid, kThickPen);
    f.arrow(kX0 + 500, kDimensionY, kX0 + 900, kDimensionY, kMediumPen);
    f.arrow(kX0 + 900, kDimensionY, kX0 + 1400, kDimensionY, kMediumPen);
    f.line(kX0 + 1400, kDimensionY, kX0 + 1500, kDimensionY, kSolid, kThinPen);
    f.arrow(kX0 + 1600, kDimensionY, kX0 + 1500, kDimensionY, kThinPen);

    // The port standard and the others number the two outer parts of the
    // head displacement in opposite order; δ1 sits at the pile.
    const bool port = report.input.swdat.design_standard == DesignStandard::Port;
    const int label_size = static_cast<int>(kTextSize * 1.3);
    const int label_y = kY0 + 100 - 30;
    const auto label = [&](int base, const char* text) {
        f.text(base - 30, label_y, label_size, kTextSize, 0, AngleField::padded, kMediumPen, text);
    };
    label(kX0 + 700, port ? "δ\\D2" : "δ\\D3");
    label(kX0 + 1150, port ? "δ\\D3" : "δ\\D2");
    label(kX0 + 1440, "δ\\D1");
    f.close();
}

} // namespace wtn
