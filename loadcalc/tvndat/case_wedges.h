// The surcharge, seismic-coefficient and failure-angle stage of each case,
// between the layer model and the earth pressures. Normal case: the given
// surcharge (straight shape) or the trial wedge of every layer with the
// failure angles of the normal case. Seismic case: the failure angles depend
// on the surcharge through the seismic coefficient, so each layer's wedge is
// solved by fixed-point iteration; then the stored k', theta and failure
// angles of every layer.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "layer_model.h"

namespace wtn {

// Rounds and tolerance of the seismic wedge iteration.
inline constexpr int kWedgeIterationRounds = 20;
inline constexpr double kWedgeIterationTolerance = 0.001; // kN/m2 between successive q
inline constexpr double kWedgeIterationStart = 1.0;       // first trial q (kN/m2)

// Both do their work only in their own case.
void normal_case_wedges(LoadModel& model, const InputRecord& input,
                        const CustomisationValues& custom, int load_case);
void seismic_case_wedges(LoadModel& model, const InputRecord& input,
                         const CustomisationValues& custom, int load_case);

// The equivalent surcharges of the seismic case (trial wedges iterated for the
// embankment shape).
void seismic_wedge_iteration(LoadModel& model, const InputRecord& input,
                             const CustomisationValues& custom);

// Seismic failure angles of land-side layer i from its stored theta and
// surcharges, and the wedge angle derived from them.
void seismic_failure_angles(LoadModel& model, const InputRecord& input,
                            const CustomisationValues& custom, int i);

// Clay failure angle at a point, retried with Okabe's formula when the root
// turns negative and the input allows it.
double clay_angle_with_retry(const InputRecord& input, double sigma, double q, double c,
                             double theta);

} // namespace wtn
