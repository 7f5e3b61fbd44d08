#include "embedment_common.h"

#include "cantilever_loads.h"
#include "error_messages.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {

SectionValues section_values(const CandidateRecord& candidate, const JointEfficiency& factors,
                             bool joint_efficiency, double young) {
    SectionValues v;
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        if (!joint_efficiency) {
            v.rigidity_beta[s] = candidate.rigidity[s];
            v.rigidity_embed[s] = candidate.rigidity[s];
            v.stress_modulus[s] = candidate.modulus[s];
            continue;
        }
        v.inertia_beta[s] = round_dec(factors.section_inertia * candidate.inertia[s], 0);
        v.rigidity_beta[s] = flexural_rigidity(young, v.inertia_beta[s]);
        v.inertia_embed[s] = round_dec(factors.embedment_inertia * candidate.inertia[s], 0);
        v.rigidity_embed[s] = flexural_rigidity(young, v.inertia_embed[s]);
        v.stress_modulus[s] = round_dec(factors.section_modulus * candidate.modulus[s], 0);
    }
    return v;
}

double cantilever_deflection(double load_sum, double h_cm, double rigidity) {
    return round_dec(load_sum * 1000.0 * h_cm * h_cm * h_cm / (rigidity * 1.0e7), 3);
}

double bending_stress(double moment, double modulus) {
    return round_dec(std::fabs(moment) * 1.0e6 / modulus / 1000.0, 1);
}

std::vector<GroundLayer> layers_below_reference(const ForceCase& force_case, int case_index) {
    std::vector<GroundLayer> layers;
    const double reference = force_case.base[static_cast<std::size_t>(case_index)].level;
    for (int i = force_case.start_index; i >= 0 && i + 1 < force_case.layer_count; ++i) {
        const ForceLayerRow& row = force_case.layers[static_cast<std::size_t>(i)];
        const double thickness =
            i == force_case.start_index
                ? reference - force_case.layers[static_cast<std::size_t>(i + 1)].level
                : row.thickness;
        layers.push_back({thickness, row.kh});
    }
    return layers;
}

double displacement_crown(const StabilityRun& run) {
    return run.file_mode == kConstructionStageMode ? run.input.tjkn1.pile_crown
                                                   : run.input.tjkn1.superstructure_crown;
}

double load_displacement_sum(StabilityRun& run, int case_index) {
    CaseAreas& areas = run.results.areas;
    const ForceCase& fc = run.force_case;
    const double reference = fc.base[static_cast<std::size_t>(case_index)].level;
    const double free_length = displacement_crown(run) - reference;
    if (!(free_length > 0.0)) {
        stop_with_error("(ERROR)-天端が仮想海底面(基準面)より高くないため変位量が計算できません.");
    }
    areas.load_item_count = 0;
    double sum = 0.0;
    const auto add = [&](double height, double force) {
        if (static_cast<std::size_t>(areas.load_item_count) >= areas.load_items.size())
            stop_with_error("(ERROR)-変位量計算用の荷重の件数が領域を超えています.");
        LoadItem& item = areas.load_items[static_cast<std::size_t>(areas.load_item_count++)];
        item.ratio = round_dec(height / free_length, 3);
        const double r = item.ratio;
        item.factor = round_dec(r * r * (3.0 - r) / 6.0, 3);
        item.term = round_dec(force * item.factor, 3);
        sum += item.term;
    };

    for (const CantileverLoad& load : cantilever_loads(run.input, fc, run.file_mode, case_index))
        add(load.height, load.force);
    run.results.level_displacement.load_sum[static_cast<std::size_t>(case_index)] = sum;
    return sum;
}

} // namespace wtn

namespace wtn {

double free_length_cm(const StabilityRun& run, int j) {
    return (displacement_crown(run) - run.force_case.base[static_cast<std::size_t>(j)].level) *
           100.0;
}

void store_head_displacement(StabilityRun& run, int j, int state, double at_reference,
                             double rotation, double rigidity, double reaction) {
    LevelDisplacementBlock& disp = run.results.level_displacement;
    const auto jc = static_cast<std::size_t>(j);
    const auto t = static_cast<std::size_t>(state);
    const double h = free_length_cm(run, j);
    disp.seabed_deflection[jc][t] = at_reference;
    disp.rotation_term[jc][t] = rotation;
    disp.cantilever_term[jc][t] = cantilever_deflection(disp.load_sum[jc], h, rigidity);
    disp.total[jc][t] = at_reference + rotation + disp.cantilever_term[jc][t];
    disp.reaction[jc][t] = reaction;
}

} // namespace wtn
