// A hand-made earth-pressure report for the page writers: the uniform sand
// section's records (land rows 3.00..0.00 and 0.00..-30.00 with a closing
// row, one sea row -6.00..-30.00), written into a page file in a fresh folder
// and read back as lines. Every field a test does not set stays at its
// default, so a test shows exactly what it changes.
#pragma once

#include "current_folder.h"
#include "earth_pressure_report.h"
#include "earth_pressure_templates.h"
#include "page_file.h"
#include "program_folder.h"
#include "wall_codes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace wtn::test {

inline std::vector<std::string> file_lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Every expected line appears, each after the one before.
inline ::testing::AssertionResult in_order(const std::vector<std::string>& lines,
                                           const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const std::string& want : expected) {
        while (at < lines.size() && lines[at] != want)
            ++at;
        if (at == lines.size())
            return ::testing::AssertionFailure() << "\"" << want << "\" missing or out of order";
        ++at;
    }
    return ::testing::AssertionSuccess();
}

inline int count_of(const std::vector<std::string>& lines, const std::string& line) {
    int n = 0;
    for (const std::string& l : lines)
        n += l == line ? 1 : 0;
    return n;
}

inline bool has_prefix(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) return true;
    return false;
}

struct ReportFixture {
    ProgramFolder folder{false};
    CurrentFolder here{folder};
    std::unique_ptr<EarthPressureReport> report = std::make_unique<EarthPressureReport>();

    ReportFixture() {
        EarthPressureReport& r = *report;
        reset_input_counters(r.input);
        set_input_defaults(r.input);
        r.input.joken.lwl = 0.0;
        r.input.joken.residual_level = 0.0;
        r.input.joken.design_seabed = -6.0;
        r.input.joken.water_weight = 10.0;
        r.input.tjkn1.superstructure_crown = 3.0;
        r.input.neire.seismic_coefficient = 0.15;
        r.input.neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
        r.input.nir_t.dynamic_water = YesNo::Yes;
        LoadModel& m = r.model;
        clear_load_tables(m);
        reset_load_indices(m);
        m.index.ground_crown = 0;
        m.index.superstructure_crown = 0;
        m.index.residual_water = 1;
        m.index.sea_seabed = 0;
        m.land_count = 3;
        m.sea_count = 2;
        land(0, 3.0, 3.0);
        land(1, 0.0, 30.0);
        m.land_calc[2].top = -30.0;
        SeaLayerCalc& sea = m.sea_calc[0];
        sea.top = -6.0;
        sea.thickness = 24.0;
        sea.phi = 30.0 * 3.14159265358979 / 180.0;
        m.sea_calc[1].top = -30.0;
        CommonLoadResults& c = r.common;
        for (int k = 0; k < kCaseCount; ++k) {
            c.seabed.data.level[k] = -7.425;
            c.seabed.data.boundary_above[k] = -6.0;
            c.seabed.data.boundary_below[k] = -30.0;
        }
        CaseLoadTables& t = r.tables;
        t.merged.rows.count = 2;
        t.merged.rows[0].level = 3.0;
        t.merged.rows[1].level = -30.0;
        t.merged.seabed_row = 1;
    }

    LandLayerCalc& land(int i, double top, double thickness) {
        LandLayerCalc& row = report->model.land_calc[static_cast<std::size_t>(i)];
        row.top = top;
        row.thickness = thickness;
        row.phi = 30.0 * 3.14159265358979 / 180.0;
        row.k_top = row.k_bottom = 0.15;
        row.k_kind_top = row.k_kind_bottom = kCoefficientInAir;
        return row;
    }

    // Runs write into a page file checked against the program's table and
    // returns its lines.
    std::vector<std::string> page(const std::function<void(PageFile&)>& write) {
        static const TemplateTable table = kEarthPressureReportTemplates;
        {
            PageFile pages("T.PDT", "title", report->run, &table);
            write(pages);
            pages.close();
        }
        return file_lines(folder.read("T.PDT"));
    }
};

} // namespace wtn::test
