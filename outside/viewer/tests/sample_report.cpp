// Writes a small report into the current folder with the report writers, as
// a report program would: a chapter of fields, a table that runs over pages
// and a full-page landscape figure. The viewer's tests lay it out.
#include "drawing_file.h"
#include "figure_kit.h"
#include "figure_labels.h"
#include "fixed_run_stamp.h"
#include "page_file.h"
#include "program_stop.h"
#include "sample_templates.h"
#include "user_text.h"

#include <cstdio>

namespace {

using namespace wtn;

constexpr int kTableRows = 80;

RunInfo sample_run() {
    return test::stamped_run("SAMPLE-QUAY");
}

void write_conditions(const TemplateTable& table) {
    PageFile page("JA001CND.PDT", "完成時-常    時:サンプル条件", sample_run(), &table);
    page.block(BlockStart::new_page, "SAMPLE_TITL.PFM");
    page.value(99, "1.設計条件");
    page.value(98, "1-1");
    page.block(BlockStart::same_page, "SAMPLE_COND.PFM");
    // Written out of code order: values go to their fields by code.
    page.value(1, "  -7.500");
    page.value(0, "   3.000");
    page.value(2, "  10.000");
    page.value(3, "  18.000");
    page.value(4, "07");
    page.value(5, "");
    page.block(BlockStart::same_page, "SAMPLE_FIG.PFM", "SAMPLE_MARK.PZK");
    page.value(0, " 1");
    page.value(1, user_field("凡例 US$5 a\\Db", 40));
    page.close();
}

void write_table(const TemplateTable& table) {
    PageFile page("JA002TBL.PDT", "完成時-常    時:サンプル地層", sample_run(), &table);
    page.block(BlockStart::new_page, "SAMPLE_TITL.PFM");
    page.value(99, "2.地層");
    page.value(98, "2-1");
    page.reserve(12); // caption, heading and a few rows: the table may run on
    page.table_begin();
    page.block(BlockStart::same_page, "SAMPLE_TBLC.PFM");
    page.value(99, "  層番号");
    page.value(98, "  層上端標高(m)");
    page.value(97, "   N値");
    page.heading("SAMPLE_TBLH.PFM");
    page.value(99, "  層番号");
    page.value(98, "  層上端標高(m)");
    page.value(97, "   N値");
    page.footing("SAMPLE_TBLF.PFM");
    for (int row = 0; row < kTableRows; ++row) {
        char number[16], level[32], n_value[16];
        std::snprintf(number, sizeof number, "%6d", row + 1);
        std::snprintf(level, sizeof level, "%12.3f", static_cast<double>(-row));
        std::snprintf(n_value, sizeof n_value, "%6d", 10 + row);
        page.block(BlockStart::same_page, "SAMPLE_TBLR.PFM");
        page.value(0, number);
        page.value(1, level);
        page.value(2, n_value);
    }
    page.block(BlockStart::same_page, "SAMPLE_TBLE.PFM");
    page.clear_heading_and_footing();
    page.table_end();
    page.close();
}

void write_figure() {
    FigureKit kit;
    set_sheet_stage(kit, true);
    kit.frame = {0, kTitleBandDepth, kFrameWidth, kFrameHeight, 0, 0};
    kit.text_height = 60;
    kit.text_width = 60;
    DrawingFile drawing("SAMPLE01.PZK", "サンプル図[常  時]", 46, 67);
    draw_figure_frame(drawing, kit, "サンプル図［常　時］", true);
    // A wall and a seabed drawn in the landscape system, then labels.
    const int wall_x[2] = {3000, 3000};
    const int wall_y[2] = {600, 3400};
    draw_model_line(drawing, kit, wall_x, wall_y);
    const int bed_x[2] = {1000, 3000};
    const int bed_y[2] = {2600, 2600};
    draw_model_line(drawing, kit, bed_x, bed_y);
    const char* pressure = "12.345 kN/m\\U2";
    place_value_label(drawing, kit, pressure, pressure, 3000, 1200, 3000, 1200,
                      label_cells(pressure), LabelSide::left);
    place_value_label(drawing, kit, "-7.500", "3.0", 3000, 2600, 3000, 2600, 6, LabelSide::left);
    const PagePoint a = to_sheet(kit, 2000, 2000);
    const PagePoint b = to_sheet(kit, 2600, 2000);
    drawing.arrow(a.x, a.y, b.x, b.y, 2);
    drawing.close();

    PageFile page("JA003FIG.PDT", "完成時-常    時:サンプル図", sample_run());
    page.drawing_block(BlockStart::new_page, "SAMPLE01.PZK");
    page.close();
}

} // namespace

int main() {
    try {
        const TemplateTable table(wtn::kSampleTemplates);
        write_conditions(table);
        write_table(table);
        write_figure();
    } catch (const ProgramStop& stop) {
        return stop.exit_code;
    }
    return 0;
}
