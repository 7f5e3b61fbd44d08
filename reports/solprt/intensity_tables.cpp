#include "intensity_tables.h"

#include "layer_rows.h"
#include "load_records.h"
#include "page_values.h"
#include "report_switches.h"
#include "rounding.h"

#include <cmath>

namespace wtn {

namespace {

// A clay layer whose bottom lies strictly between 10 m below the design
// seabed and the seabed itself: its pressure at the bottom is interpolated.
bool interpolation_row(const LandLayerCalc& row, double seabed) {
    const double bottom = bottom_of(row);
    return row.phi <= 0.0 && seabed - kSeismicFormulaDepth < bottom && bottom < seabed &&
           std::abs(bottom - seabed) >= kReportLevelTolerance;
}

void level_and_overburden(PageFile& pages, const LandLayerCalc& row) {
    field(pages, 0, "%6.2lf", row.top);
    field(pages, 1, "%6.2lf", bottom_of(row));
    field(pages, 2, "%8.3lf", row.sigma_top);
    field(pages, 3, "%8.3lf", row.sigma_bottom);
    field(pages, 4, "%8.2lf", round_dec(row.surcharge_top, 2));
    field(pages, 5, "%8.2lf", round_dec(row.surcharge_bottom, 2));
}

void normal_case_rows(PageFile& pages, const EarthPressureReport& report) {
    const LoadModel& model = report.model;
    const RowRange rows = land_rows(model);
    const bool compare_both = clay_normal_compares_both(report.input);
    pages.reserve(3 * rows.size() + 7);
    pages.table_begin();
    pages.block(BlockStart::same_page, "JO_DTK1.PFM");
    pages.heading("JO_DTKHD.PFM");
    pages.footing("JO_DTKFT.PFM");
    for (int i = rows.first; i < rows.end; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        const ActiveIntensityRow& a = model.active[row_at(i)];
        pages.block(BlockStart::same_page, "JO_DTK2.PFM");
        level_and_overburden(pages, row);
        if (row.phi > 0.0) {
            field(pages, 14, "%6.1lf", printed_degrees(row.failure_top));
            field(pages, 15, "%6.1lf", printed_degrees(row.failure_bottom));
            field(pages, 6, "%8.4lf", a.k_top);
            field(pages, 7, "%8.4lf", a.k_bottom);
            for (int code = 8; code <= 11; ++code)
                filler8(pages, code);
        } else {
            filler6(pages, 14);
            filler6(pages, 15);
            filler8(pages, 6);
            filler8(pages, 7);
            field(pages, 8, "%8.3lf", a.formula1_top);
            field(pages, 9, "%8.3lf", a.formula1_bottom);
            if (compare_both) {
                field(pages, 10, "%8.3lf", a.formula2_top);
                field(pages, 11, "%8.3lf", a.formula2_bottom);
            } else {
                filler8(pages, 10);
                filler8(pages, 11);
            }
        }
        field(pages, 12, "%8.3lf", a.active_top);
        field(pages, 13, "%8.3lf", a.active_bottom);
    }
    pages.block(BlockStart::same_page, "JO_DTK3.PFM");
    pages.clear_heading_and_footing();
    pages.table_end();
}

void seismic_case_rows(PageFile& pages, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const RowRange rows = land_rows(model);
    const double S = input.joken.design_seabed;
    const bool interpolate = interpolation_method(input);
    const bool compare_both = clay_seismic_compares_both(input);
    int n = 0;
    if (interpolate) {
        for (int i = rows.first; i < rows.end; ++i)
            n += interpolation_row(model.land_calc[row_at(i)], S) ? 1 : 0;
    }
    pages.reserve(rows.size() + 7 + (interpolate && n > 0 ? 2 : 0));
    pages.table_begin();
    pages.block(BlockStart::same_page, "JS_DTK1.PFM");
    pages.heading("JS_DTKHD.PFM");
    pages.footing("JS_DTKFT.PFM");
    for (int i = rows.first; i < rows.end; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        const ActiveIntensityRow& a = model.active[row_at(i)];
        pages.block(BlockStart::same_page, "JS_DTK2.PFM");
        level_and_overburden(pages, row);
        if (row.phi > 0.0) {
            field(pages, 6, "%6.1lf", printed_degrees(row.failure_top));
            field(pages, 7, "%6.1lf", printed_degrees(row.failure_bottom));
            field(pages, 8, "%8.4lf", a.k_top);
            field(pages, 9, "%8.4lf", a.k_bottom);
            for (int code = 10; code <= 13; ++code)
                filler8(pages, code);
        } else {
            field(pages, 6, "%6.1lf", printed_degrees(row.failure_top));
            filler8(pages, 8);
            field(pages, 10, "%8.3lf", a.formula1_top);
            if (compare_both)
                field(pages, 12, "%8.3lf", a.formula2_top);
            else
                filler8(pages, 12);
            field(pages, 7, "%6.1lf", printed_degrees(row.failure_bottom));
            filler8(pages, 9);
            if (interpolate && interpolation_row(row, S)) {
                // The bottom pressure is the interpolated one of the table below.
                filler8(pages, 11);
                filler8(pages, 13);
                field(pages, 99, "%s", "※");
            } else {
                field(pages, 11, "%8.3lf", a.formula1_bottom);
                if (compare_both)
                    field(pages, 13, "%8.3lf", a.formula2_bottom);
                else
                    filler8(pages, 13);
            }
        }
        field(pages, 14, "%8.3lf", a.active_top);
        field(pages, 15, "%8.3lf", a.active_bottom);
    }
    pages.block(BlockStart::same_page, "JS_DTK3.PFM");
    pages.clear_heading_and_footing();
    pages.table_end();
    if (interpolate && n > 0) {
        pages.block(BlockStart::same_page, "JS_10MSG.PFM");
        write_clay_interpolation_table(pages, report, n);
    }
}

// Clay layers whose first-formula pressure is negative at the top and
// positive at the bottom, so that the active pressure starts at a zero level.
// The load calculation marks the closing row too, so it is included.
void negative_pressure_table(PageFile& pages, const LoadModel& model) {
    constexpr int kStartsAtZeroLevel = 1;
    int m = 0;
    for (int i = model.index.ground_crown; i < model.land_count; ++i)
        m += model.land_calc[row_at(i)].zero_pressure_flag == kStartsAtZeroLevel ? 1 : 0;
    if (m == 0) return;
    pages.reserve(m + 2);
    pages.block(BlockStart::same_page, "FU_DAT1.PFM");
    for (int i = model.index.ground_crown; i < model.land_count; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        if (row.zero_pressure_flag != kStartsAtZeroLevel) continue;
        pages.block(BlockStart::same_page, "FU_DAT2.PFM");
        field(pages, 0, "%7.2lf", row.top);
        field(pages, 1, "%7.2lf", bottom_of(row));
        field(pages, 2, "%7.2lf", row.zero_pressure_level);
    }
}

} // namespace

void write_active_intensity_table(PageFile& pages, const EarthPressureReport& report, int c) {
    if (c == kSeismicCase)
        seismic_case_rows(pages, report);
    else
        normal_case_rows(pages, report);
    negative_pressure_table(pages, report.model);
}

void write_clay_interpolation_table(PageFile& pages, const EarthPressureReport& report, int n) {
    const LoadModel& model = report.model;
    const double S = report.input.joken.design_seabed;
    const bool compare_both = clay_seismic_compares_both(report.input);
    pages.reserve(2 * n + 6);
    pages.block(BlockStart::same_page, "JS_TOK1.PFM");
    const RowRange rows = land_rows(model);
    for (int i = rows.first; i < rows.end; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        if (!interpolation_row(row, S)) continue;
        const ActiveIntensityRow& a = model.active[row_at(i)];
        pages.block(BlockStart::same_page, "JS_TOK2.PFM");
        field(pages, 0, "%6.2lf", bottom_of(row));
        field(pages, 1, "%8.3lf", row.sigma_minus10);
        field(pages, 2, "%8.2lf", round_dec(row.surcharge_bottom, 2));
        field(pages, 3, "%8.3lf", row.cohesion_minus10);
        field(pages, 4, "%8.3lf", a.formula1_bottom);
        if (compare_both)
            field(pages, 5, "%8.3lf", a.formula2_bottom);
        else
            filler8(pages, 5);
        // The greater formula governs; on a tie the second is printed.
        field(pages, 6, "%8.3lf",
              a.formula1_bottom > a.formula2_bottom ? a.formula1_bottom : a.formula2_bottom);
    }
    pages.block(BlockStart::same_page, "JS_TOK3.PFM");
}

void write_passive_intensity_table(PageFile& pages, const EarthPressureReport& report) {
    const LoadModel& model = report.model;
    const RowRange rows = sea_rows(model);
    pages.reserve(3 * rows.size() + 7);
    pages.table_begin();
    pages.block(BlockStart::same_page, "JU_DTP1.PFM");
    pages.heading("JU_DTPHD.PFM");
    pages.footing("JU_DTPFT.PFM");
    for (int i = rows.first; i < rows.end; ++i) {
        const SeaLayerCalc& row = model.sea_calc[row_at(i)];
        const PassiveIntensityRow& p = model.passive[row_at(i)];
        pages.block(BlockStart::same_page, "JU_DTP2.PFM");
        field(pages, 0, "%6.2lf", row.top);
        field(pages, 1, "%6.2lf", bottom_of(row));
        field(pages, 2, "%8.3lf", row.sigma_top);
        field(pages, 3, "%8.3lf", row.sigma_bottom);
        if (row.phi > 0.0) {
            field(pages, 8, "%6.1lf", printed_degrees(row.failure_top));
            field(pages, 9, "%6.1lf", printed_degrees(row.failure_bottom));
            field(pages, 4, "%8.4lf", p.k_top);
            field(pages, 5, "%8.4lf", p.k_bottom);
        } else {
            filler6(pages, 8);
            filler6(pages, 9);
            filler8(pages, 4);
            filler8(pages, 5);
        }
        field(pages, 6, "%8.3lf", p.passive_top);
        field(pages, 7, "%8.3lf", p.passive_bottom);
    }
    pages.block(BlockStart::same_page, "JU_DTP3.PFM");
    pages.clear_heading_and_footing();
    pages.table_end();
}

} // namespace wtn
