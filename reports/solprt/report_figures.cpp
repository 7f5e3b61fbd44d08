#include "report_figures.h"

#include "condition_parts.h"
#include "diagram_figure_fits.h"
#include "drawing_file.h"
#include "figure_layouts.h"
#include "figure_placement.h"
#include "format_values.h"
#include "ground_figure_fits.h"
#include "load_figure_parts.h"
#include "pressure_figure_parts.h"
#include "report_switches.h"
#include "surcharge_chapter.h"
#include "surcharge_figure_parts.h"

namespace wtn {

namespace {

// Drawing size of every figure of this report: a full page.
constexpr int kFigureColumns = 46;
constexpr int kFigureLines = 67;

// The case in a drawing's heading and in its frame title.
const char* heading_case(int c) {
    return c == kSeismicCase ? "地震時" : "常  時";
}

std::string frame_title(const char* figure, int c) {
    return format_text("（%s）%s", figure, c == kSeismicCase ? "［地震時］" : "［常　時］");
}

// Opens the drawing and writes its heading, size line and frame.
class FigureFile {
  public:
    FigureFile(const std::string& name, const char* figure, int c, const FigureKit& kit,
               bool landscape)
        : file_(name, format_text("%s[%s]", figure, heading_case(c)), kFigureColumns,
                kFigureLines) {
        draw_figure_frame(file_, kit, frame_title(figure, c), landscape);
    }
    DrawingFile& file() { return file_; }
    void close() { file_.close(); }

  private:
    DrawingFile file_;
};

// The ink of one figure while it is drawn: its labels keep clear of the
// lines, texts and marks drawn before them.
class FigureInkScope {
  public:
    FigureInkScope(FigureKit& kit, bool landscape) : kit_(kit) {
        add_frame_ink(ink_, kit, landscape);
        kit_.ink = &ink_;
    }
    ~FigureInkScope() { kit_.ink = nullptr; }
    FigureInkScope(const FigureInkScope&) = delete;
    FigureInkScope& operator=(const FigureInkScope&) = delete;

  private:
    FigureKit& kit_;
    FigureInk ink_;
};

} // namespace

std::string condition_figure_name(int c) {
    return format_text("JOKEN_Z%1d.PZK", c);
}

std::string pressure_figure_name(int c) {
    return format_text("DOATU_Z%1d.PZK", c);
}

std::string load_figure_name(int c) {
    return format_text("MOMNT_Z%1d.PZK", c);
}

void write_condition_figure(EarthPressureReport& report, int c) {
    const std::string name = condition_figure_name(c);
    load_condition_profile(report);
    set_condition_layout(report.kit);
    report.kit.surcharge_landscape = 0;
    fit_figure_scale(report, name);
    FigureFile figure(name, "設計条件図", c, report.kit, false);
    const FigureInkScope ink(report.kit, false);
    draw_condition_parts(c, figure.file(), report);
    figure.close();
}

void write_surcharge_figures(EarthPressureReport& report, int c) {
    if (straight_ground(report.input)) return;
    FigureKit& kit = report.kit;
    load_surcharge_profile(report);
    // Upright or landscape, whichever gives the larger scale; a tie stays
    // upright. Every figure of the case takes the same.
    set_surcharge_layout(kit);
    fit_surcharge_scale(report);
    const double upright = kit.page_scale;
    set_surcharge_layout_landscape(kit);
    fit_surcharge_scale(report);
    kit.surcharge_landscape = upright < kit.page_scale ? 1 : 0;
    if (kit.surcharge_landscape == 1) {
        set_surcharge_layout_landscape(kit);
    } else {
        set_surcharge_layout(kit);
    }
    fit_surcharge_scale(report);
    map_surcharge_figure(report, surcharge_figure_name(c, 0));

    const SurchargeLayers layers = surcharge_layers(report);
    int n = 0;
    for (int a = layers.first; a <= layers.last; ++a, ++n) {
        FigureFile figure(surcharge_figure_name(c, n), "上載荷重図", c, kit,
                          kit.surcharge_landscape == 1);
        const FigureInkScope ink(kit, kit.surcharge_landscape == 1);
        draw_surcharge_parts(c, figure.file(), report, a);
        figure.close();
    }
}

void write_pressure_figure(PageFile& pages, EarthPressureReport& report, int c) {
    const std::string name = pressure_figure_name(c);
    set_pressure_layout(report.kit);
    fit_pressure_scale(report);
    map_pressure_figure(report, name);
    FigureFile figure(name, "土圧・残留水圧図", c, report.kit, true);
    const FigureInkScope ink(report.kit, true);
    draw_pressure_parts(c, figure.file(), report);
    figure.close();
    pages.drawing_block(BlockStart::new_page, name);
}

void write_load_figure(PageFile& pages, EarthPressureReport& report, int c) {
    set_load_layout(report, c, report.kit);
    // A diagram without extent gives no figure and no page entry.
    if (!fit_load_scale(report, c)) return;
    const std::string name = load_figure_name(c);
    map_load_figure(report, c, name);
    FigureFile figure(name, "外力荷重図", c, report.kit, false);
    const FigureInkScope ink(report.kit, false);
    draw_load_parts(c, figure.file(), report);
    figure.close();
    pages.drawing_block(BlockStart::new_page, name);
}

} // namespace wtn
