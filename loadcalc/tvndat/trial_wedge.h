// The trial wedge of the embankment shape. The slip line starts at the wall
// at a layer boundary, rises through the layers above the point with their
// failure angles to the ground-surface crown, and continues above the crown
// until it meets the ground surface. The soil above the crown and the
// surcharge on the ground inside the wedge are spread over the wedge's width
// at the crown as an equivalent uniform surcharge q = (W + Q) / X.
#pragma once

#include "input_record.h"
#include "layer_model.h"
#include "plane_geometry.h"

#include <array>

namespace wtn {

struct WedgeValues {
    double load = 0.0;       // Q: surcharge load on the ground inside the wedge (kN/m)
    double weight = 0.0;     // W: soil weight of the wedge above the crown (kN/m)
    double width = 0.0;      // X: wedge width at the crown (m)
    double crossing_x = 0.0; // where the slip line meets the ground surface
    double crossing_z = 0.0;
    double surcharge = 0.0; // q = (W + Q) / X (kN/m2)
};

struct WedgeSoil {
    Point2 crossing;
    double weight = 0.0;
    std::array<double, kWedgeLabelRoom> label_x{};
    std::array<double, kWedgeLabelRoom> label_z{};
};

// Where the slip line from (x_crown, z_crown) meets the ground surface, and
// the weight of the soil above the crown inside the wedge, part by part with
// each row's used unit weight. A slip line that passes above the end of the
// ground table stops the program.
WedgeSoil wedge_soil_weight(const LoadModel& model, int i, double x_crown, double z_crown);

// The wedge values at the top (bottom = false) or bottom of land-side layer i
// for the case's surcharges. The wedge angles of the layers from the crown to
// i (element i) must be set. The bottom wedge's label points go into the
// layer's record; nothing else of the model changes.
WedgeValues wedge_surcharge(LoadModel& model, int i, bool bottom, int load_case);

// Stores wedge values as the layer's top or bottom values.
void set_wedge_top(LandLayerCalc& c, const WedgeValues& v);
void set_wedge_bottom(LandLayerCalc& c, const WedgeValues& v);
WedgeValues wedge_bottom_of(const LandLayerCalc& c);

} // namespace wtn
