#include "report_figures.h"

#include "drawing_file.h"
#include "figure_layouts.h"
#include "format_values.h"

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

void write_figure_file(const std::string& name, const char* figure, int c, const FigureKit& kit,
                       bool landscape) {
    DrawingFile file(name, format_text("%s[%s]", figure, heading_case(c)), kFigureColumns,
                     kFigureLines);
    draw_figure_frame(file, kit, frame_title(figure, c), landscape);
    file.close();
}

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
    set_condition_layout(report.kit);
    report.kit.surcharge_landscape = 0;
    write_figure_file(condition_figure_name(c), "設計条件図", c, report.kit, false);
}

void write_pressure_figure(PageFile& pages, EarthPressureReport& report, int c) {
    set_pressure_layout(report.kit);
    const std::string name = pressure_figure_name(c);
    write_figure_file(name, "土圧・残留水圧図", c, report.kit, true);
    pages.drawing_block(BlockStart::new_page, name);
}

void write_load_figure(PageFile& pages, EarthPressureReport& report, int c) {
    set_load_layout(report, c, report.kit);
    const std::string name = load_figure_name(c);
    write_figure_file(name, "外力荷重図", c, report.kit, false);
    pages.drawing_block(BlockStart::new_page, name);
}

} // namespace wtn
