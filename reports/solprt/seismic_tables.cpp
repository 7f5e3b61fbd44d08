#include "seismic_tables.h"

#include "customisation.h"
#include "layer_rows.h"
#include "load_records.h"
#include "page_values.h"
#include "report_switches.h"
#include "rounding.h"

#include <cmath>

namespace wtn {

namespace {

enum class SeismicLayout { AraiYokoi, Bureau, Standard };

SeismicLayout layout_of(const InputRecord& input) {
    switch (apparent_rule(input)) {
    case ApparentSeismicRule::AraiYokoi:
        return SeismicLayout::AraiYokoi;
    case ApparentSeismicRule::Niken:
        return SeismicLayout::Bureau;
    default:
        return SeismicLayout::Standard;
    }
}

struct TableTemplates {
    const char* title;
    const char* heading;
    const char* footing;
    const char* row;
    const char* closing;
};

TableTemplates templates_of(SeismicLayout layout, bool active) {
    switch (layout) {
    case SeismicLayout::AraiYokoi:
        // The passive Arai-Yokoi table closes its pages with the bureau's footing.
        return {"ARAYOKO1.PFM", "ARAYOKOH.PFM", active ? "ARAYOKOF.PFM" : "NIKEN_FT.PFM",
                "ARAYOKO2.PFM", "ARAYOKO3.PFM"};
    case SeismicLayout::Bureau:
        return {"NIKEN1.PFM", "NIKEN_HD.PFM", "NIKEN_FT.PFM", "NIKEN2.PFM", "NIKEN3.PFM"};
    default:
        return {"HYOJN1.PFM", "HYOJN_HD.PFM", "HYOJN_FT.PFM", "HYOJN2.PFM", "HYOJN3.PFM"};
    }
}

// The design coefficient, and for Arai-Yokoi the sum of gamma h above the
// water taken from the side's last row.
void head_values(PageFile& pages, const EarthPressureReport& report, SeismicLayout layout,
                 double wet_overburden) {
    field(pages, 98, "%6.2lf", report.input.neire.seismic_coefficient);
    if (layout == SeismicLayout::AraiYokoi) field(pages, 97, "%8.3lf", wet_overburden);
}

void table_frame_begin(PageFile& pages, const EarthPressureReport& report, SeismicLayout layout,
                       const TableTemplates& t, int rows, const char* item, double wet_overburden) {
    pages.reserve(4 * rows + 8);
    pages.table_begin();
    pages.block(BlockStart::same_page, t.title);
    field(pages, 99, "%s", item);
    head_values(pages, report, layout, wet_overburden);
    pages.heading(t.heading);
    head_values(pages, report, layout, wet_overburden);
    pages.footing(t.footing);
}

void table_frame_end(PageFile& pages, const TableTemplates& t) {
    pages.block(BlockStart::same_page, t.closing);
    pages.clear_heading_and_footing();
    pages.table_end();
}

void value_or_filler8(PageFile& pages, int code, bool shown, double value) {
    if (shown)
        field(pages, code, "%8.3lf", value);
    else
        filler8(pages, code);
}

void coefficient_or_filler(PageFile& pages, int code, bool shown, double k) {
    if (shown)
        field(pages, code, "%6.2lf", k);
    else
        filler6(pages, code);
}

void angle_or_filler(PageFile& pages, int code, bool shown, double degrees) {
    if (shown)
        field(pages, code, "%6.1lf", degrees);
    else
        filler6(pages, code);
}

void level_columns(PageFile& pages, double top, double bottom, double thickness) {
    field(pages, 0, "%6.2lf", top);
    field(pages, 1, "%6.2lf", bottom);
    field(pages, 2, "%6.2lf", thickness);
}

} // namespace

double printed_land_coefficient(const EarthPressureReport& report, double k, int kind) {
    return printed_coefficient(k, kind, apparent_rule(report.input) == ApparentSeismicRule::Given,
                               apparent_in_steps_of_five(report.custom));
}

void write_apparent_seismic_section(PageFile& pages, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const CustomisationValues& custom = report.custom;
    switch (apparent_rule(input)) {
    case ApparentSeismicRule::Given:
        pages.block(BlockStart::same_page, "MIKAKE3.PFM");
        field(pages, 98, "%6.2lf", input.neire.apparent_coefficient);
        break;
    case ApparentSeismicRule::GeneralFormula:
        pages.block(BlockStart::same_page, "MIKAKE2.PFM");
        break;
    case ApparentSeismicRule::Niken:
        pages.block(BlockStart::same_page,
                    custom.apparent_crown_rule == CrownApparentRule::SubmergedFormula
                        ? "MIKAKE1A.PFM"
                        : "MIKAKE1B.PFM");
        field(pages, 98, "%s",
              custom.apparent_land_depth_rule == LandDepthOrigin::ResidualWaterLevel
                  ? "実残留水位位置からの深さ。"
                  : "天端位置からの深さ。");
        field(pages, 97, "%s",
              custom.apparent_sea_depth_rule == SeaDepthOrigin::Lwl ? "L.W.L位置からの深さ。"
                                                                    : "設計海底面位置からの深さ。");
        break;
    default:
        pages.block(BlockStart::same_page, "MIKAKE4.PFM");
        break;
    }
    subsection_number(pages, straight_ground(input) ? 1 : 2);
    pages.block(BlockStart::same_page,
                interpolation_method(input) ? "SND_MSG2.PFM" : "SND_MSG1.PFM");
}

void write_active_seismic_table(PageFile& pages, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const SeismicLayout layout = layout_of(input);
    const TableTemplates t = templates_of(layout, true);
    const RowRange rows = land_rows(model);
    const double R = input.joken.residual_level;
    const double S = input.joken.design_seabed;
    const double gw = input.joken.water_weight;
    const double last_wet = model.land_calc[row_at(model.land_count - 2)].wet_overburden;

    table_frame_begin(pages, report, layout, t, rows.size(), "1) 主働側", last_wet);
    for (int i = rows.first; i < rows.end; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        const double bottom = bottom_of(row);
        const bool top_shown = row.top <= R;
        const bool top_in_air_at_r =
            std::abs(row.top - R) < kReportLevelTolerance && in_air_at_residual_level(input);
        const bool bottom_shown = bottom < R;
        // A clay layer ending within 10 m below the seabed takes the
        // interpolated pressure; its bottom coefficient is not used.
        const bool interpolated = interpolation_method(input) && row.phi < kReportLevelTolerance &&
                                  S - kSeismicFormulaDepth < bottom && bottom < S;
        const double k_top = printed_land_coefficient(report, row.k_top, row.k_kind_top);
        const double k_bottom = printed_land_coefficient(report, row.k_bottom, row.k_kind_bottom);
        const bool top_k_shown = top_shown && !top_in_air_at_r;
        const bool bottom_k_shown = bottom_shown && !interpolated;
        const bool bottom_angle_shown = !(bottom_shown && interpolated);

        pages.block(BlockStart::same_page, t.row);
        level_columns(pages, row.top, bottom, row.thickness);
        switch (layout) {
        case SeismicLayout::AraiYokoi:
            field(pages, 3, "%8.3lf", row.saturated_weight);
            field(pages, 4, "%8.3lf", row.unit_weight);
            value_or_filler8(pages, 5, top_shown, row.saturated_overburden);
            value_or_filler8(pages, 6, top_shown, row.used_overburden);
            field(pages, 7, "%8.2lf", round_dec(row.surcharge_bottom, 2));
            coefficient_or_filler(pages, 8, top_k_shown, k_top);
            coefficient_or_filler(pages, 9, bottom_k_shown, k_bottom);
            field(pages, 10, "%6.1lf", coefficient_angle(k_top));
            angle_or_filler(pages, 11, bottom_angle_shown, coefficient_angle(k_bottom));
            break;
        case SeismicLayout::Bureau:
            field(pages, 3, "%8.3lf", row.unit_weight);
            field(pages, 4, "%8.3lf", row.sigma_top);
            field(pages, 5, "%8.3lf", row.sigma_bottom);
            field(pages, 6, "%8.2lf", round_dec(row.surcharge_top, 2));
            field(pages, 7, "%8.2lf", round_dec(row.surcharge_bottom, 2));
            value_or_filler8(pages, 8, top_shown, gw * row.water_height_top);
            value_or_filler8(pages, 9, bottom_shown, gw * row.water_height_bottom);
            coefficient_or_filler(pages, 10, top_shown, k_top);
            coefficient_or_filler(pages, 11, bottom_k_shown, k_bottom);
            field(pages, 12, "%6.1lf", coefficient_angle(k_top));
            angle_or_filler(pages, 13, bottom_angle_shown, coefficient_angle(k_bottom));
            break;
        case SeismicLayout::Standard:
            field(pages, 3, "%8.3lf", row.saturated_weight);
            coefficient_or_filler(pages, 4, top_k_shown, k_top);
            coefficient_or_filler(pages, 5, bottom_k_shown, k_bottom);
            field(pages, 6, "%6.1lf", coefficient_angle(k_top));
            angle_or_filler(pages, 7, bottom_angle_shown, coefficient_angle(k_bottom));
            break;
        }
    }
    table_frame_end(pages, t);
}

void write_passive_seismic_table(PageFile& pages, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const SeismicLayout layout = layout_of(input);
    const TableTemplates t = templates_of(layout, false);
    const RowRange rows = sea_rows(model);
    const double L = input.joken.lwl;
    const double gw = input.joken.water_weight;
    const double last_wet = model.sea_calc[row_at(model.sea_count - 2)].wet_overburden;

    table_frame_begin(pages, report, layout, t, rows.size(), "2) 受働側", last_wet);
    for (int i = rows.first; i < rows.end; ++i) {
        const SeaLayerCalc& row = model.sea_calc[row_at(i)];
        const double bottom = bottom_of(row);
        const bool sandy = row.phi > kReportLevelTolerance;
        const bool top_shown = row.top <= L;
        const bool top_in_air_at_l =
            std::abs(row.top - L) < kReportLevelTolerance && in_air_at_lwl(input);
        const bool bottom_shown = bottom < L;
        const bool top_k_shown = top_shown && sandy && !top_in_air_at_l;
        const bool bottom_k_shown = bottom_shown && sandy;
        const double angle_top = printed_degrees(row.theta_top);
        const double angle_bottom = printed_degrees(row.theta_bottom);

        pages.block(BlockStart::same_page, t.row);
        level_columns(pages, row.top, bottom, row.thickness);
        switch (layout) {
        case SeismicLayout::AraiYokoi:
            field(pages, 3, "%8.3lf", row.saturated_weight);
            field(pages, 4, "%8.3lf", row.unit_weight);
            value_or_filler8(pages, 5, top_shown, row.saturated_overburden);
            value_or_filler8(pages, 6, top_shown, row.used_overburden);
            filler8(pages, 7);
            coefficient_or_filler(pages, 8, top_k_shown, row.k_top);
            coefficient_or_filler(pages, 9, bottom_k_shown, row.k_bottom);
            angle_or_filler(pages, 10, sandy, angle_top);
            angle_or_filler(pages, 11, sandy, angle_bottom);
            break;
        case SeismicLayout::Bureau:
            field(pages, 3, "%8.3lf", row.unit_weight);
            field(pages, 4, "%8.3lf", row.sigma_top);
            field(pages, 5, "%8.3lf", row.sigma_bottom);
            filler8(pages, 6);
            filler8(pages, 7);
            value_or_filler8(pages, 8, top_shown && sandy, gw * row.water_height_top);
            value_or_filler8(pages, 9, bottom_shown && sandy, gw * row.water_height_bottom);
            coefficient_or_filler(pages, 10, top_shown && sandy, row.k_top);
            coefficient_or_filler(pages, 11, bottom_k_shown, row.k_bottom);
            angle_or_filler(pages, 12, sandy, angle_top);
            angle_or_filler(pages, 13, sandy, angle_bottom);
            break;
        case SeismicLayout::Standard:
            field(pages, 3, "%8.3lf", row.saturated_weight);
            coefficient_or_filler(pages, 4, top_k_shown, row.k_top);
            coefficient_or_filler(pages, 5, bottom_k_shown, row.k_bottom);
            angle_or_filler(pages, 6, sandy, angle_top);
            angle_or_filler(pages, 7, sandy, angle_bottom);
            break;
        }
    }
    table_frame_end(pages, t);
}

} // namespace wtn
