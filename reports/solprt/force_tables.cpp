#include "force_tables.h"

#include "layer_rows.h"
#include "pressure_segments.h"
#include "report_switches.h"
#include "user_text.h"

#include <cmath>

namespace wtn {

namespace {

// Printed columns of a force's name; a longer name is printed whole.
constexpr int kForceNameColumns = 20;

std::size_t case_at(int c) {
    return static_cast<std::size_t>(c);
}

const OtherForceRow& other_force(const InputRecord& input, int c, int i) {
    return c == kSeismicCase ? input.forces_seismic[row_at(i)] : input.forces_normal[row_at(i)];
}

// One piece of a diagram: its number, "1/2x" for a triangle, intensity,
// height and force, with its lever arm and moment where the table has them.
void segment_row(PageFile& pages, int number, const PressureSegment& piece, bool with_moment) {
    field(pages, 0, "%4d", number);
    if (piece.kind == kSegmentTriangle) field(pages, 1, "%s", "1/2x");
    field(pages, 2, "%8.3lfx", piece.width);
    field(pages, 3, "%6.3lf", piece.height);
    field(pages, 4, "%8.3lf", piece.force);
    if (!with_moment) return;
    field(pages, 5, "%6.3lf", piece.lever_arm);
    field(pages, 6, "%10.3lf", piece.moment);
}

// Lever arm of the hydrodynamic resultant about the virtual seabed.
double dynamic_lever_arm(const EarthPressureReport& report, int c) {
    const double S = report.input.joken.design_seabed;
    return S - report.common.seabed.data.level[case_at(c)] + report.common.dynamic.height;
}

// Lever arm of the second part of a split hydrodynamic pressure.
double crown_part_lever_arm(const EarthPressureReport& report, int c) {
    const double S = report.input.joken.design_seabed;
    const DynamicWaterData& d = report.common.dynamic;
    return (d.start_level - S) + d.crown_height + (S - report.common.seabed.data.level[case_at(c)]);
}

} // namespace

int other_force_count(const InputRecord& input, int c) {
    return c == kSeismicCase ? input.force_seismic_count : input.force_normal_count;
}

void write_moment_table(PageFile& pages, const EarthPressureReport& report, int c) {
    const int m = report.common.net_segment_count[case_at(c)];
    const ForceTotals& totals = report.common.totals;
    pages.reserve(other_force_count(report.input, c) == 0 ? 2 * m + 14 : 2 * m + 9);
    pages.table_begin();
    pages.block(BlockStart::same_page, "MOMENT1.PFM");
    field(pages, 98, "%s", " 2)");
    field(pages, 99, "%s", "土圧・水圧の作用位置、合力の計算");
    pages.heading("MOMNT_HD.PFM");
    pages.footing("MOMNT_FT.PFM");
    for (int i = 0; i < m; ++i) {
        pages.block(BlockStart::same_page, "MOMENT2.PFM");
        segment_row(pages, i + 1, report.tables.net.segments[i], true);
    }
    pages.block(BlockStart::same_page, "MOMENT3.PFM");
    field(pages, 0, "%8.3lf", totals.segment_force[case_at(c)]);
    field(pages, 1, "%10.3lf", totals.segment_moment[case_at(c)]);
    pages.clear_heading_and_footing();
    pages.table_end();
}

void write_dynamic_water_section(PageFile& pages, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    if (!hydrodynamic_condition(input, c)) return;
    const DynamicWaterData& d = report.common.dynamic;
    const double S = input.joken.design_seabed;
    const double vs = report.common.seabed.data.level[case_at(c)];
    const double h = input.joken.lwl - S;
    pages.block(BlockStart::same_page, "DOSUI_GO.PFM", "DOSUI_GO.PZK");
    if (d.above_crown == 0) {
        pages.block(BlockStart::same_page, "DOSUI_G1.PFM", "DOSUI_G1.PZK");
    } else {
        pages.block(BlockStart::same_page, "DOSUI_G2.PFM", "DOSUI_G2.PZK");
        field(pages, 10, "%6.2lf", input.joken.lwl - input.tjkn1.superstructure_crown);
        field(pages, 11, "%8.3lf", d.crown_force);
        field(pages, 12, "%8.3lf", d.crown_height);
        field(pages, 13, "%8.3lf", d.start_level - S);
        field(pages, 14, "%8.3lf", crown_part_lever_arm(report, c));
    }
    field(pages, 0, "%6.2lf", input.neire.seismic_coefficient);
    field(pages, 1, "%6.2lf", input.joken.water_weight);
    field(pages, 2, "%6.2lf", h);
    field(pages, 3, "%6.2lf", h);
    field(pages, 4, "%8.3lf", d.force);
    field(pages, 5, "%8.3lf", d.height);
    field(pages, 6, "%8.3lf", S);
    field(pages, 8, "%s", vs >= 0.0 ? " - " : " + ");
    field(pages, 7, "%8.3lf", std::abs(vs));
    field(pages, 9, "%8.3lf", dynamic_lever_arm(report, c));
}

void write_force_moment_table(PageFile& pages, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    const bool dynamic = hydrodynamic_condition(input, c);
    const int b = other_force_count(input, c);
    if (b == 0 && !dynamic) return;
    const DynamicWaterData& d = report.common.dynamic;
    const ForceTotals& totals = report.common.totals;
    // The reservation counts the hydrodynamic rows by the switches alone,
    // whatever the water depth.
    int lines = 16 + 2 * b;
    if (c == kSeismicCase && apparent_rule(input) == ApparentSeismicRule::AraiYokoi &&
        dynamic_water_switched_on(input)) {
        lines += d.above_crown != 0 ? 4 : 2;
    }
    pages.reserve(lines);
    pages.block(BlockStart::same_page, "GAI_MTM1.PFM");
    field(pages, 99, "%s", dynamic ? "4) " : "3) ");
    for (int i = 0; i < b; ++i) {
        const OtherForceRow& force = other_force(input, c, i);
        const OtherForceMoment& result = report.tables.net.other[row_at(i)];
        pages.block(BlockStart::same_page, "GAI_MTM2.PFM");
        field(pages, 0, "%4d", i + 1);
        pages.value(1, user_field(force.name, kForceNameColumns));
        field(pages, 2, "%8.3lf", force.force);
        field(pages, 3, "%6.3lf", result.lever_arm);
        field(pages, 4, "%10.3lf", result.moment);
    }
    if (dynamic) {
        pages.block(BlockStart::same_page, "GAI_MTM2.PFM");
        field(pages, 0, "%s", "──");
        field(pages, 1, "%s", d.above_crown == 0 ? "動水圧" : "動水圧１");
        field(pages, 2, "%8.3lf", d.force);
        field(pages, 3, "%6.3lf", dynamic_lever_arm(report, c));
        field(pages, 4, "%10.3lf", d.moment);
        if (d.above_crown != 0) {
            // The part above the crown does not act on the wall: it is taken off.
            pages.block(BlockStart::same_page, "GAI_MTM2.PFM");
            field(pages, 0, "%s", "──");
            field(pages, 1, "%s", "動水圧２");
            field(pages, 2, "%8.3lf", -d.crown_force);
            field(pages, 3, "%6.3lf", crown_part_lever_arm(report, c));
            field(pages, 4, "%10.3lf", -d.crown_moment);
        }
    }
    pages.block(BlockStart::same_page, "GAI_MTM2.PFM");
    field(pages, 0, "%s", "──");
    field(pages, 1, "%s", "土圧・水圧");
    field(pages, 2, "%8.3lf", totals.segment_force[case_at(c)]);
    filler6(pages, 3);
    field(pages, 4, "%10.3lf", totals.segment_moment[case_at(c)]);
    pages.block(BlockStart::same_page, "GAI_MTM3.PFM");
    field(pages, 0, "%8.3lf", totals.force[case_at(c)]);
    field(pages, 1, "%10.3lf", totals.moment[case_at(c)]);
}

void write_resultant_height(PageFile& pages, const EarthPressureReport& report, int c) {
    const ForceTotals& totals = report.common.totals;
    pages.block(BlockStart::same_page, "H0.PFM");
    field(pages, 0, "%8.3lf", totals.moment[case_at(c)]);
    field(pages, 1, "%8.3lf", totals.force[case_at(c)]);
    field(pages, 2, "%6.3lf", totals.lever_arm[case_at(c)]);
}

void write_dynamic_water_tables(PageFile& pages, const EarthPressureReport& report,
                                const ChapterNumbers& numbers) {
    const InputRecord& input = report.input;
    if (!hydrodynamic_condition(input, numbers.c)) return;
    const DynamicWaterData& d = report.common.dynamic;
    const double h = input.joken.lwl - input.joken.design_seabed;
    pages.reserve(2 * d.point_count + 20);
    pages.block(BlockStart::same_page, "DOSUI_B1.PFM", "DOSUI_B1.PZK");
    subsection_number(pages, numbers.hydrodynamic());
    for (int i = 0; i < d.point_count; ++i) {
        pages.block(BlockStart::same_page, "DOSUI_B2.PFM");
        field(pages, 0, "%6.2lf", d.depth[row_at(i)]);
        field(pages, 1, "%6.2lf", h);
        field(pages, 2, "%6.2lf", input.neire.seismic_coefficient);
        field(pages, 3, "%8.2lf", input.joken.water_weight);
        field(pages, 4, "%8.3lf", d.pressure[row_at(i)]);
    }
    pages.block(BlockStart::same_page, "DOSUI_B3.PFM");
    const int q = d.segment_count;
    pages.reserve(2 * q + 7);
    pages.block(BlockStart::same_page, "DOSUI_S1.PFM");
    for (int i = 0; i < q; ++i) {
        pages.block(BlockStart::same_page, "DOSUI_S2.PFM");
        segment_row(pages, i + 1, report.tables.dynamic_segments[i], false);
    }
    pages.block(BlockStart::same_page, "DOSUI_S3.PFM");
}

} // namespace wtn
