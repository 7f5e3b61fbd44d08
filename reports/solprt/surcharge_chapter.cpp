#include "surcharge_chapter.h"

#include "degrees_minutes_seconds.h"
#include "earth_pressure_templates.h"
#include "error_messages.h"
#include "format_values.h"
#include "page_values.h"
#include "report_switches.h"
#include "rounding.h"
#include "wedge_polygon.h"

#include <cmath>
#include <vector>

namespace wtn {

namespace {

const TemplateTable kChapterTemplates = kEarthPressureReportTemplates;

// Q and W below this (kN/m) are no load at all.
constexpr double kNoLoad = 0.0001;

const char* case_name(int c) {
    return c == kSeismicCase ? "地 震 時" : "常    時";
}

const char* evaluation_word(const InputRecord& input) {
    return surcharge_at_seabed(input) ? "海底面" : "各土層";
}

const LandLayerCalc& land(const EarthPressureReport& report, int i) {
    return report.model.land_calc[static_cast<std::size_t>(i)];
}

// A load or an area computed from a damaged load table can overflow; it is
// never printed.
double checked(double value) {
    if (!std::isfinite(value))
        stop_with_error("(ERROR)-上載荷重の計算値が正しくありません(外力計算結果ファイル).");
    return value;
}

double bottom_level(const LandLayerCalc& layer) {
    return layer.top - layer.thickness;
}

void chapter_heading(PageFile& pages, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    pages.block(BlockStart::new_page, "GAI_TITL.PFM");
    if (c == kSeismicCase) {
        field(pages, 99, "%s", "3.地震時の検討");
        field(pages, 98, "%s", "3-1");
    } else {
        field(pages, 99, "%s", "2.常時の検討");
        field(pages, 98, "%s", "2-1");
    }
    pages.block(BlockStart::same_page, "JKJU_MDS.PFM");
    field(pages, 99, "%6s", evaluation_word(input));
    field(pages, 98, "%s", c == kSeismicCase ? "各土層の崩壊角及び、震度" : "各土層の崩壊角");

    if (c != kSeismicCase) {
        pages.block(BlockStart::same_page, "JKJU_TZ1.PFM", "JKJU_TZ1.PZK");
        field(pages, 99, "%5.1lf", report.custom.clay_failure_angle_normal);
        return;
    }
    pages.block(BlockStart::same_page, "JKJU_TZ2.PFM", "JKJU_TZ2.PZK");
    if (okabe_when_negative(input)) {
        pages.block(BlockStart::same_page, "JKJU_TZ4.PFM", "JKJU_TZ4.PZK");
    } else {
        pages.block(BlockStart::same_page, "JKJU_TZ3.PFM");
        field(pages, 99, "%5.1lf", report.custom.clay_failure_angle_seismic);
    }
    switch (apparent_rule(input)) {
    case ApparentSeismicRule::GeneralFormula:
        pages.block(BlockStart::same_page, "SHINDO2.PFM");
        break;
    case ApparentSeismicRule::Niken:
        pages.block(BlockStart::same_page, "SHINDO1.PFM");
        break;
    case ApparentSeismicRule::AraiYokoi:
        pages.block(BlockStart::same_page, "SHINDO3.PFM");
        break;
    default:
        break;
    }
}

void calculation_block(PageFile& pages, const EarthPressureReport& report, int a, int c,
                       char letter, const std::string& drawing) {
    pages.block(BlockStart::same_page, "JKJU_DSU.PFM");
    field(pages, 0, "  %c", letter);
    field(pages, 1, "%7.3lf", bottom_level(land(report, a)));
    write_failure_angles(pages, report, a);
    write_zone_loads(pages, report, a, c);
    write_fill_weights(pages, report, a);
    write_surcharge_totals(pages, report, a);
    pages.drawing_block(BlockStart::new_page, drawing);
}

} // namespace

std::string surcharge_chapter_name(int c) {
    return format_text("JD%d01KJU.PDT", c + 1);
}

std::string surcharge_figure_name(int c, int n) {
    return format_text("JKJUZ%d%02d.PZK", c, n);
}

SurchargeLayers surcharge_layers(const EarthPressureReport& report) {
    const LoadModel& model = report.model;
    if (!surcharge_at_seabed(report.input)) return {model.index.ground_crown, model.land_count - 2};
    // The layer just above the design seabed; the load calculation always
    // puts a boundary there for this mode.
    const int a = model.index.land_seabed - 1;
    if (a < model.index.ground_crown || a > model.land_count - 2)
        stop_with_error("(ERROR)-外力計算結果ファイル(GAI_CM.PRN)の内容が正しくありません.");
    return {a, a};
}

void write_surcharge_chapter(EarthPressureReport& report, int c) {
    if (straight_ground(report.input)) return;
    PageFile pages(
        surcharge_chapter_name(c),
        format_text("完成時-%8s:上載荷重(%6s)", case_name(c), evaluation_word(report.input)),
        report.run, &kChapterTemplates);
    chapter_heading(pages, report, c);
    pages.block(BlockStart::new_page, "JKJU_KSN.PFM");

    const SurchargeLayers layers = surcharge_layers(report);
    char letter = 'a';
    int k = 0;
    for (int a = layers.first; a <= layers.last; ++a, ++k, ++letter)
        calculation_block(pages, report, a, c, letter, surcharge_figure_name(c, k));
    pages.close();
}

void write_failure_angles(PageFile& pages, const EarthPressureReport& report, int a) {
    const int first = report.model.index.ground_crown;
    pages.reserve(2 * (a - first + 1) + 5);
    pages.block(BlockStart::same_page, "JKJU_ZT1.PFM");
    for (int i = first; i <= a; ++i) {
        const LandLayerCalc& layer = land(report, i);
        const DegreesMinutesSeconds angle =
            to_degrees_minutes_seconds(layer.wedge_angles[static_cast<std::size_t>(a)]);
        pages.block(BlockStart::same_page, "JKJU_ZT2.PFM");
        field(pages, 0, "%10.2lf", bottom_level(layer));
        field(pages, 1, "%4d°%2d′%2d″", angle.degrees, angle.minutes, angle.seconds);
    }
    pages.block(BlockStart::same_page, "JKJU_ZT3.PFM");
}

int count_zone_rows(const EarthPressureReport& report, int a) {
    const InputRecord& input = report.input;
    const double x = land(report, a).crossing_x_bottom;
    int m = 0;
    for (int j = 0; j < input.surcharge_count; ++j) {
        const SurchargeRow& zone = input.surcharges[static_cast<std::size_t>(j)];
        // Zones come in distance order: one starting beyond the exit point
        // and every later one lie outside the wedge.
        if (zone.start > x) break;
        ++m;
        if (x < zone.end) break;
    }
    return m;
}

void write_zone_loads(PageFile& pages, const EarthPressureReport& report, int a, int c) {
    const LandLayerCalc& layer = land(report, a);
    if (layer.wedge_load_bottom < kNoLoad) {
        pages.block(BlockStart::same_page, "JKJU_JS1.PFM");
        return;
    }
    const InputRecord& input = report.input;
    const int m = count_zone_rows(report, a);
    pages.reserve(2 * m + 8);
    pages.block(BlockStart::same_page, "JKJU_JS2.PFM");
    const double x = layer.crossing_x_bottom;
    for (int j = 0; j < m; ++j) {
        const SurchargeRow& zone = input.surcharges[static_cast<std::size_t>(j)];
        const double w = c == kSeismicCase ? zone.seismic : zone.normal;
        const double width = x < zone.end ? x - zone.start : zone.end - zone.start;
        pages.block(BlockStart::same_page, "JKJU_JS3.PFM");
        field(pages, 0, "%12.2lf", w);
        field(pages, 1, "%12.4lf", width);
        field(pages, 2, "%12.4lf", checked(round_dec(w * width, 4)));
    }
    pages.block(BlockStart::same_page, "JKJU_JS4.PFM");
    field(pages, 0, "%12.4lf", layer.wedge_load_bottom);
}

void write_fill_weights(PageFile& pages, const EarthPressureReport& report, int a) {
    const LandLayerCalc& layer = land(report, a);
    if (layer.wedge_weight_bottom < kNoLoad) {
        pages.block(BlockStart::same_page, "JKJU_TT1.PFM");
        return;
    }
    const LoadModel& model = report.model;
    const std::vector<Point2> polygon = build_wedge_polygon(model, report.input, a);
    pages.block(BlockStart::same_page, "JKJU_TTL.PFM");
    const int fills = model.index.ground_crown;
    std::vector<double> area(static_cast<std::size_t>(fills), 0.0);
    int k = 1;
    for (int r = fills - 1; r >= 0; --r) {
        const std::vector<Point2> v = select_layer_vertices(model, r, polygon);
        const int m = static_cast<int>(v.size());
        if (m == 0) continue;
        std::vector<double> xs, zs;
        for (const Point2& p : v) {
            xs.push_back(p.x);
            zs.push_back(p.z);
        }
        pages.reserve(2 * m + 8);
        pages.block(BlockStart::same_page, "JKJU_TT2.PFM");
        double sum = 0.0;
        for (int j = 0; j < m; ++j) {
            if (j == 0) {
                pages.block(BlockStart::same_page, "JKJU_TT3.PFM");
                field(pages, 0, "%3d", k);
            } else {
                pages.block(BlockStart::same_page, "JKJU_TT4.PFM");
            }
            const double term = checked(shoelace_term(xs.data(), zs.data(), m, j));
            sum += term;
            field(pages, 1, "%10.4lf", xs[static_cast<std::size_t>(j)]);
            field(pages, 2, "%10.4lf", zs[static_cast<std::size_t>(j)]);
            field(pages, 3, "%16.8lf", term);
        }
        area[static_cast<std::size_t>(r)] = checked(std::fabs(sum) * 0.5);
        pages.block(BlockStart::same_page, "JKJU_TT5.PFM");
        field(pages, 0, "%16.8lf", std::fabs(sum));
        field(pages, 1, "%16.9lf", area[static_cast<std::size_t>(r)]);
        ++k;
    }
    pages.reserve(2 * k + 7);
    pages.block(BlockStart::same_page, "JKJU_TT6.PFM");
    k = 1;
    for (int r = fills - 1; r >= 0; --r) {
        const double s = area[static_cast<std::size_t>(r)];
        if (!(s > 0.0)) continue;
        const double gamma = land(report, r).unit_weight;
        pages.block(BlockStart::same_page, "JKJU_TT7.PFM");
        field(pages, 0, "%4d", k);
        field(pages, 1, "%16.9lf", s);
        field(pages, 2, "%12.3lf", gamma);
        field(pages, 3, "%10.4lf", checked(round_dec(s * gamma, 4)));
        ++k;
    }
    pages.block(BlockStart::same_page, "JKJU_TT8.PFM");
    field(pages, 0, "%10.4lf", layer.wedge_weight_bottom);
}

void write_surcharge_totals(PageFile& pages, const EarthPressureReport& report, int a) {
    const LandLayerCalc& layer = land(report, a);
    if (layer.wedge_load_bottom < kNoLoad && layer.wedge_weight_bottom < kNoLoad) return;
    pages.reserve(10);
    pages.block(BlockStart::same_page, "JKJU_TU1.PFM");
    pages.block(BlockStart::same_page, "JKJU_TU2.PFM");
    field(pages, 0, "%10.4lf", layer.wedge_weight_bottom);
    field(pages, 1, "%12.4lf", layer.wedge_load_bottom);
    field(pages, 2, "%8.4lf", layer.wedge_width_bottom);
    field(pages, 3, "%10.4lf", layer.surcharge_bottom);
    pages.block(BlockStart::same_page, "JKJU_TU3.PFM");
    field(pages, 0, "%10.2lf", round_dec(layer.surcharge_bottom, 2));
}

} // namespace wtn
