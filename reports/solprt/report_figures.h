// The drawings of the earth-pressure report for each case: the design-
// condition figure, the surcharge figures of an embankment, the earth-pressure
// and residual-water-pressure figure and the external-force figure. Each writer lays its figure
// out, writes the drawing's heading, its size line and the frame with its title; the two chapter
// figures also add their page entry to the chapter.
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"

#include <string>

namespace wtn {

std::string condition_figure_name(int c); // "JOKEN_Z%1d.PZK"
std::string pressure_figure_name(int c);  // "DOATU_Z%1d.PZK"
std::string load_figure_name(int c);      // "MOMNT_Z%1d.PZK"

void write_condition_figure(EarthPressureReport& report, int c);
// The surcharge figures of case c (JKJUZ%d%02d.PZK), one per layer the
// surcharge chapter shows; none for a straight ground surface.
void write_surcharge_figures(EarthPressureReport& report, int c);
void write_pressure_figure(PageFile& pages, EarthPressureReport& report, int c);
void write_load_figure(PageFile& pages, EarthPressureReport& report, int c);

} // namespace wtn
