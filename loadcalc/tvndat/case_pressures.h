// The water-pressure and diagram stage of a case on the layer model: zero-
// pressure levels of cohesive layers, residual water pressure, the merged
// diagram and the clipping of negative active pressures.
#pragma once

#include "input_record.h"
#include "layer_model.h"
#include "net_forces.h"
#include "pressure_diagram.h"

namespace wtn {

// Zero-pressure flag and level of the land-side layers first .. end - 1.
void mark_zero_pressure_levels(int first, int end, const InputRecord& input, LoadModel& model);

// p_w into totals and the residual water values of the land-side intensity rows.
void residual_water_pressure(const InputRecord& input, LoadModel& model, ForceTotals& totals);

// The merged diagram of the current intensities, with the residual water values
// of its rows.
void build_merged_diagram(const InputRecord& input, const LoadModel& model, double pw,
                          MergedDiagram& diagram);

// Negative adopted active pressures of the land-side rows first .. end - 1 and
// of the merged diagram become 0 (the soil cannot pull on the wall); the
// residual water values keep their sign.
void clip_negative_pressures(int first, int end, LoadModel& model, MergedDiagram& diagram);

} // namespace wtn
