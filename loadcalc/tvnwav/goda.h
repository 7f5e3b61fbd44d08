// Goda's wave pressure on an upright wall and its pressure diagram.
// The truncated 4*pi and 2*pi of math_constants.h are used as the
// standard's tables were computed with them, not as multiples of pi.
#pragma once

#include "wall_codes.h"
#include "wave_records.h"

namespace wtn {

// Degrees to radians for the wave incidence angle, as the standard's tables.
inline constexpr double kWaveDegree = 0.017453292519943295;

// h and h' within this distance (m) are one depth: the diagram ends at h'.
inline constexpr double kSameDepthTolerance = 0.001;

struct GodaOptions {
    double lambda1 = 0.0;  // wave-pressure reduction rate lambda1
    double lambda2 = 0.0;  // wave-pressure reduction rate lambda2
    int input_version = 0; // version number of the input file: 0 the older p1 form
};

// Fills every item of goda but breaking_depth (set by the caller) from the
// wave data: eta*, alpha1..alpha3 and p1..p3, each rounded to 3 decimals.
// Needs positive h, d, h_b, H and L (checked before).
void goda_pressure(const WaveCommon& wave, const GodaOptions& options, GodaValues& goda);

// Builds the diagram from the wall top z_top down: a zero row when the crest
// lies below the wall top, the crest, the tide level, z_h_dash and, unless h'
// equals h, z_h. Keeps the row at z_h_dash as the h' row.
void goda_distribution(const WaveCommon& wave, const GodaValues& goda, double z_top,
                       double z_h_dash, double z_h, WaveDiagram& diagram);

} // namespace wtn
