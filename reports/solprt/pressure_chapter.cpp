#include "pressure_chapter.h"

#include "earth_pressure_templates.h"
#include "force_tables.h"
#include "format_values.h"
#include "formula_pages.h"
#include "intensity_tables.h"
#include "page_values.h"
#include "report_figures.h"
#include "report_switches.h"
#include "seismic_tables.h"
#include "water_and_seabed.h"

namespace wtn {

namespace {

const TemplateTable kChapterTemplates = kEarthPressureReportTemplates;

const char* case_name(int c) {
    return c == kSeismicCase ? "地 震 時" : "常    時";
}

// With a straight ground surface no surcharge chapter comes before, so this
// chapter opens the case.
void chapter_heading(PageFile& pages, int c) {
    pages.block(BlockStart::new_page, "GAI_TITL.PFM");
    if (c == kSeismicCase) {
        field(pages, 99, "%s", "3.地震時の検討");
        field(pages, 98, "%s", "3-1");
    } else {
        field(pages, 99, "%s", "2.常時の検討");
        field(pages, 98, "%s", "2-1");
    }
}

} // namespace

std::string pressure_chapter_name(int c) {
    return format_text("JD%d02DAT.PDT", c + 1);
}

void write_pressure_chapter(EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    PageFile pages(pressure_chapter_name(c),
                   format_text("完成時-%8s:土圧及び残留水圧", case_name(c)), report.run,
                   &kChapterTemplates);
    ChapterNumbers numbers{c, straight_ground(input) ? 0 : 1, 0};

    if (straight_ground(input)) chapter_heading(pages, c);
    if (c == kSeismicCase) {
        write_apparent_seismic_section(pages, report);
        write_active_seismic_table(pages, report);
        write_passive_seismic_table(pages, report);
    }
    write_active_formula_pages(pages, report, c);
    write_active_layer_table(pages, report, c);
    write_active_intensity_table(pages, report, c);
    write_passive_formula_pages(pages, report, c);
    write_passive_layer_table(pages, report, c);
    write_passive_intensity_table(pages, report);
    numbers.w = write_residual_water_section(pages, report, numbers);
    if (numbers.w == 1) write_residual_water_table(pages, report, numbers);
    write_pressure_figure(pages, report, c);
    write_net_pressure_table(pages, report, numbers);
    write_virtual_seabed_section(pages, report, numbers);
    write_moment_table(pages, report, c);
    write_dynamic_water_section(pages, report, c);
    write_force_moment_table(pages, report, c);
    write_resultant_height(pages, report, c);
    write_load_figure(pages, report, c);
    write_dynamic_water_tables(pages, report, numbers);
    pages.close();
}

} // namespace wtn
