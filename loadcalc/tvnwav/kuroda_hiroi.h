// The Kuroda / Hiroi (Morihira) wave pressure: a standing-wave diagram from the
// crest down to the bottom of the wave, raised to the band pressure within half
// a wave height of the tide level, or one uniform breaking-wave pressure from
// the crest down to h'. The truncated 2*pi and pi of math_constants.h
// are used as written, as the standard's tables were computed with them.
#pragma once

#include "wave_records.h"

namespace wtn {

struct KurodaHiroiOptions {
    bool port_standard = true;      // design standard is the port standard
    bool dissipating_works = false; // wave-dissipating works in front of the wall
};

// Breaking and angle flags and the depth D (h when depth_at_h, else d). The
// port standard tests strictly (2 H1/3 > d, beta > 45), the others inclusively.
void kuroda_hiroi_flags(const WaveCommon& wave, bool port_standard, bool depth_at_h,
                        KurodaHiroiValues& values);

// Fills p, and for a standing wave p_s, p_b and delta0, each rounded to 3
// decimals. Needs positive D, H and L (checked before).
void kuroda_hiroi_pressure(const WaveCommon& wave, const KurodaHiroiOptions& options,
                           KurodaHiroiValues& values);

// Builds the diagram from the wall top z_top down to the bottom of the wave
// (standing wave) or to z_h_dash (breaking wave).
void kuroda_hiroi_distribution(const WaveCommon& wave, const KurodaHiroiValues& values,
                               bool dissipating_works, double z_top, double z_h_dash,
                               WaveDiagram& diagram);

// Raises the standing-wave diagram to at least p from H/2 above to H/2 below
// the tide level, inserting rows where the diagram line crosses p.
void standing_wave_band(const WaveCommon& wave, const KurodaHiroiValues& values,
                        WaveDiagram& diagram);

} // namespace wtn
