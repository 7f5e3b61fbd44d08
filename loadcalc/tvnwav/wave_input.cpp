#include "wave_input.h"

#include "error_messages.h"
#include "goda.h"
#include "kuroda_hiroi.h"
#include "wall_codes.h"
#include "wave_inputs.h"

#include <string>

namespace wtn {
namespace {

[[noreturn]] void refuse(const WaveBlock& block, const char* what) {
    std::string text = "(ERROR)-";
    text += tide_level_name(block.tide_level);
    text += ":";
    text += what;
    stop_with_wave_error(text);
}

} // namespace

void fill_wave_common(const InputRecord& input, int tide_level, WaveBlock& block) {
    const TideLevelRow& row = input.tide_levels[tide_level];
    const double eta0 = tide_level_of(input, tide_level);
    block.tide_level = tide_level;
    block.formula = wave_formula_of(input);

    WaveCommon& w = block.common;
    w.significant_height = row.h13;
    w.tide_level = eta0;
    w.depth_h = eta0 - input.wlvl.h;
    w.depth_h_dash = eta0 - input.wlvl.h_dash;
    w.depth_d = eta0 - input.wlvl.d;
    w.incidence_angle = row.incidence_angle;
    w.wave_length = row.wave_length;
    w.water_unit_weight = input.joken.water_weight;

    if (block.formula == WaveFormula::Goda) {
        w.wave_height = goda_wave_height(row.breaking_influence, row.h13, row.hmax);
        block.goda.breaking_depth = eta0 - input.wlvl.hb[tide_level];
        return;
    }
    w.wave_height = row.hmax;
    kuroda_hiroi_flags(w, input.swdat.design_standard == DesignStandard::Port,
                       input.wlvl.depth_rule == WaveDepthRule::AtGroundLevel, block.kuroda_hiroi);
}

void check_wave_data(const WaveBlock& block) {
    const WaveCommon& w = block.common;
    if (!(w.wave_height > 0.0)) refuse(block, "波高Ｈが 0.0 以下です.");
    if (!(w.wave_length > 0.0)) refuse(block, "波長Ｌが 0.0 以下です.");
    if (block.formula == WaveFormula::Goda) {
        if (!(w.depth_h > 0.0)) refuse(block, "水深ｈが 0.0 以下です.");
        if (!(w.depth_d > 0.0)) refuse(block, "水深ｄが 0.0 以下です.");
        if (!(block.goda.breaking_depth > 0.0)) refuse(block, "水深ｈｂが 0.0 以下です.");
    } else if (!(block.kuroda_hiroi.depth_used > 0.0)) {
        refuse(block, "水深Ｄ（ｈ又はｄ）が 0.0 以下です.");
    }
    if (!(w.depth_h_dash > 0.0)) refuse(block, "波圧の下限ｈ'が潮位より上にあります.");
    if (w.depth_h_dash - w.depth_h >= kSameDepthTolerance)
        refuse(block, "波圧の下限ｈ'が水深ｈより深くなっています.");
}

} // namespace wtn
