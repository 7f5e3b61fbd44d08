// The content of the schematic cross-section: two display lists, line
// segments and text labels, built from the design data for one study case.
// The wall stands at x = 0; x grows towards the land side (drawn to the
// right), y is the elevation on the datum of every level of the design data.
// Drawing units are metres. The view (schematic_view.h) fits, draws and moves
// over these lists; nothing here knows about a window.
#pragma once

#include "design_data.h"

#include <string>
#include <vector>

namespace wtn::schematic {

// Colour indices of the standard 16-colour palette.
inline constexpr int kLightGreen = 10;   // ground surface, seabed, elevations
inline constexpr int kLightCyan = 11;    // water levels
inline constexpr int kLightRed = 12;     // lower limit of the soil model, layer boundaries
inline constexpr int kLightMagenta = 13; // layer texts
inline constexpr int kYellow = 14;       // water-level and seabed labels, zoom rectangle
inline constexpr int kWhite = 15;        // wall, crown label, surcharges

// Line styles.
inline constexpr int kSolid = 0;
inline constexpr int kDotted = 2;

// An x of a view-edge marker: the line runs to the right or left edge of
// whatever part of the section the view shows. A y never holds a marker.
inline constexpr double kRightEdge = 999.9;
inline constexpr double kLeftEdge = -999.9;

// Label kinds. A layer text line n (1 to 4) is kind n on the land side and
// kind -n on the sea side.
inline constexpr int kCrownLabel = 0;
inline constexpr int kLandEndLabel = 999; // at the land-side end of a horizontal line
inline constexpr int kSeaEndLabel = -999; // at the sea-side end (left edge of the view)
inline constexpr int kFirstLayerTextLine = 1;
inline constexpr int kLayerTextLines = 4;

// Capacity of a label text in characters.
inline constexpr int kLabelLength = 64;

// One line segment of the display.
struct MseRec {
    double x1 = 0.0, y1 = 0.0; // start point
    double x2 = 0.0, y2 = 0.0; // end point
    int color = 0;             // palette index
    int style = kSolid;
};

// One text label: its top-left corner is placed by the view from its kind
// and its anchor elevation y.
struct MmoRec {
    int kind = 0;
    double y = 0.0; // the level named, or the mid-height of the layer for a layer text
    int color = 0;
    std::string text; // UTF-8, at most kLabelLength characters
};

// The study cases of the schematic, in the order of its case options.
enum class StudyCase { completed_normal = 0, completed_seismic = 1, construction = 2 };
inline constexpr int kStudyCaseCount = 3;

// The two display lists, in drawing order: later entries are drawn over
// earlier ones. They grow as needed: an embankment with many points and
// zones yields more than a thousand outline lines, and the wall, added last,
// must never be lost.
struct SchematicLists {
    std::vector<MseRec> Mse_tbl;
    std::vector<MmoRec> Mmo_tbl;
};

// Whether a case can be chosen with the study switches as they stand: the
// completed-state cases need the completed-state study and their own case
// switch, the construction case the construction-stage study.
bool study_case_enabled(const DesignData& data, StudyCase study_case);

// The lists of one case: ground surface and surcharges, water levels, seabed,
// lower limit of the soil model, layer boundaries and texts of both sides,
// and the wall with its crown. Validates nothing: odd input gives lines at
// odd places, never an error.
SchematicLists build_schematic(const DesignData& data, StudyCase study_case);

// Adds the surcharge outlines that stand on the embankment ground segment
// (x1, y1) -> (x2, y2) in a completed-state case: for each zone at most one
// piece, outlined by its top line, drawn at the full intensity in metres
// (one metre per kN/m2), and its two vertical sides.
void add_Mjosai(std::vector<MseRec>& lines, const TihyouData& ground, double x1, double y1,
                double x2, double y2, StudyCase study_case);

} // namespace wtn::schematic
