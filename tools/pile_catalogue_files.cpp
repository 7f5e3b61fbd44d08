#include "pile_catalogue_files.h"

#include "corrosion_columns.h"
#include "file_names.h"

#include <cmath>
#include <cstdio>

namespace wtn::tools {

namespace {

void add_line(std::string& text, const char* line) {
    text += line;
    text += "\r\n";
}

const char* steel_kind(int file) {
    switch (file) {
    case 1:
        return "general U-type";
    case 2:
        return "improved U-type (A and L sections)";
    case 3:
        return "Z-type (assumed values)";
    default:
        return "wide U-type";
    }
}

// Prestressed concrete section values per metre of wall, from the solid slab.
struct ConcreteValues {
    double z0;     // cm3/m
    double i0;     // cm4/m
    double moment; // normal-case allowable bending moment, kN m/m
    double area;   // cm2/m
    double mass;   // kg/m2
};

// Unit mass of prestressed concrete, kg/m3.
constexpr double kConcreteDensity = 2500.0;

ConcreteValues concrete_values(const ConcreteSection& s) {
    const double h_cm = s.thickness / 10.0;
    ConcreteValues v;
    v.z0 = std::round(100.0 * h_cm * h_cm / 6.0);
    v.i0 = std::round(100.0 * h_cm * h_cm * h_cm / 12.0);
    // The fibre on the tension side reaches the allowed tension when the
    // bending stress M / Z equals the prestress plus that tension.
    // N/mm2 x cm3 x 1000 = N mm; / 10^6 = kN m.
    v.moment = std::round((s.prestress + s.tension) * v.z0 * 1000.0 / 1.0e6 * 10.0) / 10.0;
    v.area = 100.0 * h_cm;
    v.mass = kConcreteDensity * s.thickness / 1000.0;
    return v;
}

} // namespace

ChartAxes chart_axes(const SteelSection& section) {
    const CorrosionColumns cols = corrosion_columns(section);
    ChartAxes a{};
    static const int steps[] = {50, 100, 200, 250, 500, 1000, 2000};
    for (int step : steps) {
        const int top = static_cast<int>(std::ceil(section.z0 / step)) * step;
        const int bottom = static_cast<int>(std::floor(cols.smallest_z / step)) * step;
        a = {bottom, top, step, step == 200 ? 4 : 5, 0, 0, 0, 0};
        if ((top - bottom) / step <= 8) break;
    }
    const int t1_top = static_cast<int>(std::ceil(cols.line_ends[0]));
    if (t1_top <= 8) {
        a.t1_max = t1_top;
        a.t1_interval = 1;
        a.t1_lines = 2;
    } else {
        a.t1_max = t1_top + t1_top % 2;
        a.t1_interval = 2;
        a.t1_lines = 4;
    }
    return a;
}

std::string steel_catalogue_text(int file) {
    std::string text;
    char line[160];
    std::snprintf(line, sizeof line, "# Steel sheet piles, %s; values per metre of wall.",
                  steel_kind(file));
    add_line(text, line);
    add_line(text, "# id,name,Z0 cm3/m,loss of Z per mm of t1 at t2/t1 = 0 .25 .5 .75 1,");
    add_line(text, "#   c mm,I0 cm4/m,smallest tabled Z cm3/m,largest tabled t1 mm");
    add_line(text, "# Check against the supplier's tables before a design is issued.");
    for (const SteelSection& s : steel_sections()) {
        if (s.file != file) continue;
        const CorrosionColumns c = corrosion_columns(s);
        std::snprintf(line, sizeof line,
                      "%d,\"%s\",%.0f,%.2f,%.2f,%.2f,%.2f,%.2f,%.0f,%.0f,%.0f,%.2f", s.id, s.name,
                      s.z0, c.loss_per_mm[0], c.loss_per_mm[1], c.loss_per_mm[2], c.loss_per_mm[3],
                      c.loss_per_mm[4], c.depth_value, s.i0, c.smallest_z, c.largest_t1);
        add_line(text, line);
    }
    return text;
}

std::string concrete_catalogue_text(int file) {
    std::string text;
    char line[160];
    add_line(text,
             file == 1
                 ? "# Prestressed concrete sheet piles, salt-laden environment; per metre of wall."
                 : "# Prestressed concrete sheet piles, general environment; per metre of wall.");
    add_line(text, "# Idealised solid slabs, not a supplier's table: replace before design use.");
    add_line(text, "# 1: id,name,Z0 cm3/m,normal allowable M kN m/m,area cm2/m,prestress,");
    add_line(text, "#   allowed tension,concrete strength N/mm2,I0 cm4/m");
    add_line(text, "# 2: thickness mm,width of one pile mm  3: mass kg/m2");
    for (const ConcreteSection& s : concrete_sections()) {
        if (s.file != file) continue;
        const ConcreteValues v = concrete_values(s);
        std::snprintf(line, sizeof line, "%d,\"%s\",%.0f,%.1f,%.0f,%.1f,%.1f,%.1f,%.0f", s.id,
                      s.name, v.z0, v.moment, v.area, s.prestress, s.tension, s.strength, v.i0);
        add_line(text, line);
        std::snprintf(line, sizeof line, "%.0f,%.0f", s.thickness, s.width);
        add_line(text, line);
        std::snprintf(line, sizeof line, "%.0f", v.mass);
        add_line(text, line);
    }
    return text;
}

std::string chart_table_text() {
    std::string text;
    char line[160];
    add_line(text,
             "# Corroded-section charts: id,name,Z axis min,max,interval,lines per interval,");
    add_line(text, "#   t1 axis min,max,interval,lines per interval,");
    add_line(text, "#   t1 where the lines t2/t1 = 0 .25 .5 .75 1 end (mm)");
    for (int file = 1; file <= 4; ++file)
        for (const SteelSection& s : steel_sections()) {
            if (s.file != file) continue;
            const CorrosionColumns c = corrosion_columns(s);
            const ChartAxes a = chart_axes(s);
            std::snprintf(line, sizeof line,
                          "%d,\"%s\",%d,%d,%d,%d,%d,%d,%d,%d,%.2f,%.2f,%.2f,%.2f,%.2f", s.id,
                          s.name, a.z_min, a.z_max, a.z_interval, a.z_lines, a.t1_min, a.t1_max,
                          a.t1_interval, a.t1_lines, c.line_ends[0], c.line_ends[1], c.line_ends[2],
                          c.line_ends[3], c.line_ends[4]);
            add_line(text, line);
        }
    return text;
}

std::vector<GeneratedFile> pile_catalogue_files() {
    std::vector<GeneratedFile> files;
    for (int file = 1; file <= kSteelCatalogueCount; ++file)
        files.push_back({steel_catalogue_name(file), steel_catalogue_text(file)});
    for (int file = 1; file <= kPcCatalogueCount; ++file)
        files.push_back({pc_catalogue_name(file), concrete_catalogue_text(file)});
    files.push_back({"YAITA.FDM", chart_table_text()});
    return files;
}

} // namespace wtn::tools
