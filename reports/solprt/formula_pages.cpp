#include "formula_pages.h"

#include "layer_rows.h"
#include "page_values.h"
#include "report_switches.h"
#include "rounding.h"
#include "seismic_tables.h"

namespace wtn {

namespace {

struct LayerTableTemplates {
    const char* title;
    const char* heading;
    const char* footing;
    const char* row;
    const char* closing;
};

LayerTableTemplates layer_templates(int c) {
    if (c == kSeismicCase)
        return {"JS_DTT1.PFM", "JS_DTTHD.PFM", "JS_DTTFT.PFM", "JS_DTT2.PFM", "JS_DTT3.PFM"};
    return {"JO_DTT1.PFM", "JO_DTTHD.PFM", "JO_DTTFT.PFM", "JO_DTT2.PFM", "JO_DTT3.PFM"};
}

// The values every layer row prints, whichever side it lies on.
struct LayerValues {
    double top = 0.0;
    double thickness = 0.0;
    double phi = 0.0; // radians
    double cohesion_top = 0.0;
    double cohesion_bottom = 0.0;
    double unit_weight = 0.0;
    // Seismic case: coefficients and angles as printed.
    double k_top = 0.0;
    double k_bottom = 0.0;
    double angle_top = 0.0;
    double angle_bottom = 0.0;
};

void layer_table_begin(PageFile& pages, const LayerTableTemplates& t, double slope,
                       double wall_friction) {
    pages.table_begin();
    pages.block(BlockStart::new_page, t.title);
    field(pages, 99, "%5.1lf", slope);
    field(pages, 98, "%5.1lf", wall_friction);
    pages.heading(t.heading);
    field(pages, 99, "%5.1lf", slope);
    field(pages, 98, "%5.1lf", wall_friction);
    pages.footing(t.footing);
}

void layer_row(PageFile& pages, const LayerTableTemplates& t, const LayerValues& v, int c) {
    pages.block(BlockStart::same_page, t.row);
    field(pages, 0, "%6.2lf", v.top);
    field(pages, 1, "%6.2lf", v.top - v.thickness);
    field(pages, 2, "%6.2lf", v.thickness);
    if (v.phi > 0.0) {
        field(pages, 3, "%6.1lf", printed_degrees(v.phi));
        filler8(pages, 4);
        filler8(pages, 5);
    } else {
        filler6(pages, 3);
        field(pages, 4, "%8.3lf", v.cohesion_top);
        field(pages, 5, "%8.3lf", v.cohesion_bottom);
    }
    field(pages, 6, "%8.3lf", v.unit_weight);
    field(pages, 7, "%8.3lf", round_dec(v.thickness * v.unit_weight, 3));
    if (c != kSeismicCase) return;
    field(pages, 8, "%6.2lf", v.k_top);
    field(pages, 9, "%6.2lf", v.k_bottom);
    field(pages, 10, "%6.1lf", v.angle_top);
    field(pages, 11, "%6.1lf", v.angle_bottom);
}

void layer_table_end(PageFile& pages, const LayerTableTemplates& t) {
    pages.block(BlockStart::same_page, t.closing);
    pages.clear_heading_and_footing();
    pages.table_end();
}

} // namespace

void write_active_formula_pages(PageFile& pages, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    const int s = straight_ground(input) ? 0 : 1;
    if (c != kSeismicCase) {
        pages.block(BlockStart::same_page, "JO_DTS1.PFM", "JO_DTS1.PZK");
        subsection_number(pages, 1 + s);
        if (clay_normal_compares_both(input)) {
            pages.block(BlockStart::same_page, "JO_DTS2.PFM");
            field(pages, 98, "%4.1lf", report.custom.consolidation_factor);
        } else {
            pages.block(BlockStart::same_page, "JO_DTS3.PFM");
        }
        return;
    }
    const bool compare_both = clay_seismic_compares_both(input);
    const bool okabe = okabe_when_negative(input);
    pages.block(BlockStart::new_page, "JS_DTS1.PFM", "JS_DTS1.PZK");
    subsection_number(pages, 2 + s);
    if (compare_both)
        pages.block(BlockStart::same_page, "JS_DTS2.PFM", "JS_DTS2.PZK");
    else
        pages.block(BlockStart::same_page, "JS_DTS3.PFM", "JS_DTS3.PZK");
    if (!okabe) {
        pages.block(BlockStart::same_page, "JS_DTS10.PFM");
        field(pages, 99, "%5.1lf", report.custom.clay_failure_angle_seismic);
    } else {
        pages.block(BlockStart::same_page, "JS_DTS11.PFM", "JS_DTS11.PZK");
    }
    pages.block(BlockStart::same_page, interpolation_method(input) ? "JS_DTS5.PFM" : "JS_DTS4.PFM");
    const char* caption = okabe ? "α,ζ$Sa$Z：土層の崩壊面が水平となす角(度)"
                                : "   ζ$Sa$Z：土層の崩壊面が水平となす角(度)";
    if (compare_both) {
        pages.block(BlockStart::same_page, "JS_DTS7.PFM");
        pages.block(BlockStart::same_page, "JS_DTS6.PFM");
        field(pages, 99, "%s", caption);
        field(pages, 98, "%4.1lf", report.custom.consolidation_factor);
    } else {
        pages.block(BlockStart::same_page, "JS_DTS8.PFM");
        pages.block(BlockStart::same_page, "JS_DTS9.PFM");
        field(pages, 99, "%s", caption);
    }
}

void write_active_layer_table(PageFile& pages, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const LayerTableTemplates t = layer_templates(c);
    const double friction =
        c == kSeismicCase ? input.add_1.seismic_active : input.add_1.normal_active;
    layer_table_begin(pages, t, input.joken.ground_angle, friction);
    const RowRange rows = land_rows(model);
    for (int i = rows.first; i < rows.end; ++i) {
        const LandLayerCalc& row = model.land_calc[row_at(i)];
        LayerValues v{row.top,          row.thickness,       row.phi,
                      row.cohesion_top, row.cohesion_bottom, row.unit_weight};
        v.k_top = printed_land_coefficient(report, row.k_top, row.k_kind_top);
        v.k_bottom = printed_land_coefficient(report, row.k_bottom, row.k_kind_bottom);
        v.angle_top = coefficient_angle(v.k_top);
        v.angle_bottom = coefficient_angle(v.k_bottom);
        layer_row(pages, t, v, c);
    }
    layer_table_end(pages, t);
}

void write_passive_formula_pages(PageFile& pages, const EarthPressureReport& report, int c) {
    const int s = straight_ground(report.input) ? 0 : 1;
    if (c == kSeismicCase)
        pages.block(BlockStart::new_page, "JS_DTJ.PFM", "JS_DTJ.PZK");
    else
        pages.block(BlockStart::new_page, "JO_DTJ.PFM", "JO_DTJ.PZK");
    subsection_number(pages, 2 + c + s);
}

void write_passive_layer_table(PageFile& pages, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const LayerTableTemplates t = layer_templates(c);
    const double friction =
        c == kSeismicCase ? input.add_1.seismic_passive : input.add_1.normal_passive;
    layer_table_begin(pages, t, input.joken.seabed_angle, friction);
    const RowRange rows = sea_rows(model);
    for (int i = rows.first; i < rows.end; ++i) {
        const SeaLayerCalc& row = model.sea_calc[row_at(i)];
        LayerValues v{row.top,          row.thickness,       row.phi,
                      row.cohesion_top, row.cohesion_bottom, row.unit_weight};
        v.k_top = row.k_top;
        v.k_bottom = row.k_bottom;
        v.angle_top = printed_degrees(row.theta_top);
        v.angle_bottom = printed_degrees(row.theta_bottom);
        layer_row(pages, t, v, c);
    }
    layer_table_end(pages, t);
}

} // namespace wtn
