// SOLPRT, the report step of the completed-state chain: after the load and
// stability calculations it reads back the load tables and the report
// conditions and writes, per case, the earth-pressure chapter with its
// figures and the design-condition figure, then the design-condition list.
//
// The program's state holds everything its writers read, filled once at the
// start (input, run information, customisation, report conditions, the common
// load results) and, for the load tables of a case, again at the start of
// each case. The driver owns one on the heap and passes it by reference; no
// writer changes a calculation result. Its figure records hold the page points
// of the report's four figures as their layouts store them (integers truncated
// toward zero) for the part routines to draw: one record per figure kind,
// named lines and point lists, filled anew for every figure.
#pragma once

#include "customisation.h"
#include "figure_kit.h"
#include "figure_points.h"
#include "input_record.h"
#include "load_model.h"
#include "load_records.h"
#include "load_tables.h"
#include "merged_diagram.h"
#include "net_pressure.h"
#include "report_conditions.h"
#include "run_info.h"

#include <array>

namespace wtn {

// Boundary lines of one side: a top line per layer row and the bottom line.
inline constexpr int kBoundaryLineRoom = kLayerRoom + 1;

// Points of the surcharged ground profile: the ground rows and a slip point
// of every land-side layer between them.
inline constexpr int kMaxSurchargePoints = kGroundRoom + kLayerRoom;

// One point of the surcharged ground profile.
struct SurchargePoint {
    double x = 0.0;       // distance from the wall face, m
    double y = 0.0;       // level, m
    double normal = 0.0;  // surcharge starting at the point, normal case, kN/m2
    double seismic = 0.0; // the same, seismic case
};

struct SurchargeProfile {
    std::array<SurchargePoint, kMaxSurchargePoints> points{};
    int count = 0; // points drawn
};

// Design-condition figure.
struct ConditionFigure {
    std::array<FigurePoint, kGroundRoom> ground{}; // straight ground: [0], the far end
    std::array<FigurePoint, kMaxSurchargePoints> profile{};
    FigureLine wall; // crown to the lowest soil level
    FigureLine rwl;
    FigureLine seabed;
    // Line i is the top of layer row i, line n (n rows) the bottom line. Only
    // lines from first_land (first_sea) on are mapped: a layer wholly above
    // the ground level (design seabed) is not drawn.
    std::array<FigureLine, kBoundaryLineRoom> land{};
    std::array<FigureLine, kBoundaryLineRoom> sea{};
    int first_land = 0;
    int first_sea = 0;
    FigureLine hwl;
    FigureLine lwl;
    FigureLine crown_mark;
    FigureLine ground_mark;
};

// Surcharge figures of a case.
struct SurchargeFigure {
    std::array<FigurePoint, kMaxSurchargePoints> profile{};
    FigureLine wall; // crown to the level of the last land-side record
    FigureLine rwl;
    FigureLine seabed;
    // Top line of land-side record j; unmapped for a record without a level.
    std::array<FigureLine, kLayerRoom> layers{};
    FigureLine crown;
};

// Earth-pressure figure (landscape): a line's x1/y1 the corner at the layer
// top, x2/y2 at its bottom.
struct PressureFigure {
    FigureLine wall;
    std::array<FigureLine, kLayerRoom> active{};
    std::array<FigureLine, kLayerRoom> passive{};
    // Residual water: axis and value at its top, at the L.W.L. and at its
    // bottom.
    FigurePoint water_top_axis, water_top, water_lwl_axis, water_lwl, water_bottom_axis,
        water_bottom;
    std::array<FigurePoint, kDiagramRowRoom> levels{}; // wall point of each pressure row
};

// External-force figure.
struct LoadFigure {
    FigureLine wall; // crown to the virtual seabed
    std::array<FigureLine, kDiagramRowRoom> active{};
    std::array<FigureLine, kDiagramRowRoom> passive{};
    std::array<FigureLine, kDiagramRowRoom> net{};
    std::array<FigurePoint, kNetSegmentRoom> forces{};
    FigureLine lwl;
    FigureLine seabed;
};

struct FigureRecords {
    SurchargeProfile profile;
    ConditionFigure condition;
    SurchargeFigure surcharge;
    PressureFigure pressure;
    LoadFigure load;
};

struct EarthPressureReport {
    InputRecord input;
    RunInfo run;
    CustomisationValues custom;
    ReportConditions conditions;
    LoadModel model;          // layer records and intensities of the case read last
    CaseLoadTables tables;    // diagrams and pieces of the case read last
    CommonLoadResults common; // indices, totals, virtual seabed, dynamic water
    FigureKit kit;
    FigureRecords figures; // page points of the figure being drawn
};

inline constexpr const char* kEarthPressureReportTitle = "土圧強度帳票作成";

// The program's driver: reads every input, writes every page and drawing.
// A fatal condition stops the program with its message before any later
// file is written.
void earth_pressure_report_main();

} // namespace wtn
