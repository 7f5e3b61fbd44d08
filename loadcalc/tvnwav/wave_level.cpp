#include "wave_level.h"

#include "error_messages.h"
#include "goda.h"
#include "kuroda_hiroi.h"
#include "wall_codes.h"
#include "wave_diagram.h"
#include "wave_forces.h"
#include "wave_input.h"

#include <string>

namespace wtn {
namespace {

// The row of the wall top. A wall top below the whole diagram would leave no
// row to start the loads at, and every piece of the diagram would be taken
// as acting on the wall.
int wall_top_row(WaveDiagram& diagram, double wall_top, int tide_level) {
    const int row = locate_wave_level(diagram, wall_top);
    if (row >= 0) return row;
    std::string text = "(ERROR)-";
    text += tide_level_name(tide_level);
    text += ":天端位置が波圧分布の下端より下にあります.";
    stop_with_wave_error(text);
}

// The standing-wave line from p_s at the tide level through p_b at the depth
// D, when it is run on down to h', can fall below 0. The force pieces take
// each pressure by its magnitude, so such a suction would be added to the
// load; the formulas give no pressure there, so the input is refused.
void check_standing_wave_bottom(const WaveBlock& block, int tide_level) {
    if (block.kuroda_hiroi.breaking != 0) return;
    const WaveDiagram& diagram = block.diagram;
    if (!(diagram.rows[diagram.count].top < 0.0)) return;
    std::string text = "(ERROR)-";
    text += tide_level_name(tide_level);
    text += ":重複波の波圧がh'までに負になります.水深Ｄとh'を確認して下さい.";
    stop_with_wave_error(text);
}

} // namespace

void compute_wave_level(const InputRecord& input, int tide_level, double wall_top,
                        WaveBlock& block) {
    fill_wave_common(input, tide_level, block);
    check_wave_data(block);
    const WaveCommon& wave = block.common;
    const double z_h_dash = input.wlvl.h_dash;
    WaveDiagram& diagram = block.diagram;
    diagram = WaveDiagram{};

    if (block.formula == WaveFormula::Goda) {
        goda_pressure(wave, {input.wavsw.lambda1, input.nir_t.lambda2, input.version_number},
                      block.goda);
        goda_distribution(wave, block.goda, wall_top, z_h_dash, input.wlvl.h, diagram);
        diagram.wall_top_row = wall_top_row(diagram, wall_top, tide_level);
    } else {
        const KurodaHiroiOptions options{input.swdat.design_standard == DesignStandard::Port,
                                         input.wavsw.dissipating_works ==
                                             DissipatingWorks::Present};
        kuroda_hiroi_pressure(wave, options, block.kuroda_hiroi);
        kuroda_hiroi_distribution(wave, block.kuroda_hiroi, options.dissipating_works, wall_top,
                                  z_h_dash, diagram);
        check_standing_wave_bottom(block, tide_level);
        diagram.wall_top_row = wall_top_row(diagram, wall_top, tide_level);
        // The bottom of the wave and h' become rows, the higher one first.
        const double wave_bottom = wave.tide_level - block.kuroda_hiroi.depth_used;
        if (wave_bottom > z_h_dash) {
            locate_wave_level(diagram, wave_bottom);
            diagram.h_dash_row = locate_wave_level(diagram, z_h_dash);
        } else {
            diagram.h_dash_row = locate_wave_level(diagram, z_h_dash);
            locate_wave_level(diagram, wave_bottom);
        }
    }
    diagram.first_loaded_row = first_loaded_level(diagram);

    const double seabed = input.tjkn1.construction_seabed;
    const bool with_still_water = still_water_on(input);
    // Still water below the seabed would give a negative pressure whose
    // triangle still counts as a positive force.
    if (with_still_water && wave.tide_level < seabed) {
        std::string text = "(ERROR)-";
        text += tide_level_name(tide_level);
        text += ":施工時の設計海底面が潮位より上にあります.";
        stop_with_wave_error(text);
    }
    block.forces = WaveForces{};
    block.resultant = WaveResultant{};
    still_water_pressure(wave, with_still_water, seabed, block.still, block.resultant);
    wave_forces(wave, seabed, diagram, block.forces, block.resultant);
}

} // namespace wtn
