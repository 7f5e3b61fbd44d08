// The surcharge chapter of a case with an embankment ground surface
// (JD%d01KJU.PDT, d = case + 1): the failure angles of the land-side layers,
// then, for the layer at the design seabed or for every land-side layer, the
// surcharge zones inside its failure wedge (Q), the fill areas and weights
// inside it (W) and the equivalent uniform surcharge q = (W + Q) / L the load
// calculation spread them to. The values are the load calculation's; only
// the fill areas are recomputed, from the same geometry, to show them.
#pragma once

#include "earth_pressure_report.h"
#include "page_file.h"

#include <string>

namespace wtn {

std::string surcharge_chapter_name(int c); // "JD%d01KJU.PDT"
// "JKJUZ%d%02d.PZK": surcharge figure n of case c.
std::string surcharge_figure_name(int c, int n);

// The land-side layers whose wedges the chapter and the surcharge figures
// show: the layer just above the design seabed when the surcharge is taken
// there for all layers, else every land-side layer from the ground-surface
// level down. A damaged common table without that layer stops the program.
struct SurchargeLayers {
    int first = 0;
    int last = -1; // inclusive
};
SurchargeLayers surcharge_layers(const EarthPressureReport& report);

// Writes the chapter of case c; nothing for a straight ground surface.
void write_surcharge_chapter(EarthPressureReport& report, int c);

// Sections of one calculation block (layer a), for the tests.
void write_failure_angles(PageFile& pages, const EarthPressureReport& report, int a);
// Zone rows printed for layer a: every zone up to and including the one that
// holds the exit point X, none that starts beyond X.
int count_zone_rows(const EarthPressureReport& report, int a);
void write_zone_loads(PageFile& pages, const EarthPressureReport& report, int a, int c);
void write_fill_weights(PageFile& pages, const EarthPressureReport& report, int a);
void write_surcharge_totals(PageFile& pages, const EarthPressureReport& report, int a);

} // namespace wtn
