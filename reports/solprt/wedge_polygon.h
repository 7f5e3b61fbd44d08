// The failure wedge of a land-side layer above the ground-surface top, as the
// surcharge chapter shows its fill areas: the ground profile out to where the
// failure plane meets it, that exit point and the point where the plane
// crosses the level of the ground-surface top, cut at the top of every fill
// layer exactly as the load calculation cut it, so the printed areas give the
// weight W it stored.
#pragma once

#include "input_record.h"
#include "load_model.h"
#include "plane_geometry.h"

#include <vector>

namespace wtn {

// The wedge polygon of the failure plane from the bottom of layer a.
std::vector<Point2> build_wedge_polygon(const LoadModel& model, const InputRecord& input, int a);

// The vertices of the polygon inside fill layer r (r below the first land
// layer at the ground-surface level).
std::vector<Point2> select_layer_vertices(const LoadModel& model, int r,
                                          const std::vector<Point2>& polygon);

} // namespace wtn
