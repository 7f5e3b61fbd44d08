#include "chang.h"

#include "checks.h"
#include "error_messages.h"
#include "math_constants.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {

namespace {

// The depth 1/beta is found when the bisection's mid depth is this close (m).
constexpr double kDepthTolerance = 0.0001;
// Halvings of a layer that reach far below any depth tolerance; the search
// never needs them all.
constexpr int kMaxHalvings = 200;
constexpr double kLastLayerThickness = 999.9;

} // namespace

int find_beta_depth(const std::vector<GroundLayer>& layers, double rigidity, double& kh,
                    double& beta) {
    double depth = 0.0;
    double sum = 0.0;
    for (const GroundLayer& layer : layers) {
        double top = depth;
        double sum_top = sum;
        depth += layer.thickness;
        sum += layer.kh * layer.thickness;
        if (!(1.0 / pile_beta(sum / depth, rigidity) - depth < 0.0)) continue;

        double bottom = depth;
        double average = sum / depth;
        for (int halving = 0;; ++halving) {
            if (halving == kMaxHalvings) return 1;
            const double mid = top + (bottom - top) / 2.0;
            const double sum_mid = sum_top + layer.kh * (mid - top);
            average = sum_mid / mid;
            const double reach = 1.0 / pile_beta(average, rigidity);
            if (std::fabs(mid - reach) < kDepthTolerance) break;
            if (reach < mid) {
                bottom = mid;
            } else {
                top = mid;
                sum_top = sum_mid;
            }
        }
        kh = round_dec(average, 1);
        beta = round_dec(pile_beta(kh, rigidity), 3);
        return 0;
    }
    return 1;
}

double chang_max_moment(double beta, double h0, double moment, double force) {
    const double bh = 2.0 * beta * h0;
    // With the load at the reference level (h0 = 0) the closed form is 0/0;
    // its limit is -P sqrt(2) e^(-pi/4) / (2 beta).
    if (bh == 0.0)
        return round_dec(-force * std::sqrt(2.0) * std::exp(-kPi / 4.0) / (2.0 * beta), 3);
    return round_dec(std::exp(-std::atan(1.0 / (bh + 1.0))) *
                         (-moment * std::sqrt((bh + 1.0) * (bh + 1.0) + 1.0)) / bh,
                     3);
}

double chang_max_moment_depth(int section, double beta, double h0) {
    if (section == 1) return 0.0;
    return round_dec(std::atan(1.0 / (2.0 * beta * h0 + 1.0)) / beta, 3);
}

double chang_first_zero(int section, double beta, double h0) {
    if (section == 1) return 0.0;
    return round_dec((std::atan(-beta * h0 / (beta * h0 + 1.0)) + kPi) / beta, 3);
}

double layered_embedment(const std::vector<GroundLayer>& layers, double rigidity, double target) {
    double reached = 0.0;
    double depth = 0.0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const double beta = round_dec(pile_beta(layers[i].kh, rigidity), 3);
        const double thickness = i + 1 == layers.size() ? kLastLayerThickness : layers[i].thickness;
        if (beta > 0.0 && reached + beta * thickness >= target)
            return round_dec(depth + round_dec((target - reached) / beta, 3), 3);
        reached += beta * thickness;
        depth += thickness;
    }
    // Without this stop the embedment would read 0 and a pile too short
    // for the ground would pass.
    stop_with_error("(ERROR)-最下層まで横抵抗定数が足りず、根入れ長が求まりません.");
}

ChangDisplacement chang_displacement(double force, double h0, double free_length, double beta,
                                     double rigidity_free, double rigidity_embedded,
                                     double load_sum, double kh_first) {
    ChangDisplacement d;
    const double h = free_length * 100.0;
    const double b = beta / 100.0;
    const double p = force * 1000.0;
    const double arm = h0 * 100.0;
    const double v = 2.0 * rigidity_embedded * 1.0e7;
    d.at_reference = round_dec(p * (b * arm + 1.0) / (b * b * b * v), 3);
    d.rotation = round_dec(p * h * (2.0 * b * arm + 1.0) / (b * b * v), 3);
    d.cantilever = cantilever_deflection(load_sum, h, rigidity_free);
    d.total = d.at_reference + d.rotation + d.cantilever;
    d.reaction = d.at_reference * kh_first / 100.0;
    return d;
}

void solve_chang(StabilityRun& run, int j) {
    const SectionValues& sv = run.section;
    const ForceCase& fc = run.force_case;
    const std::size_t jc = static_cast<std::size_t>(j);
    ChangResult& result = run.results.areas.chang;
    LevelSolverBlock& solver = run.results.level_solver;
    LevelDisplacementBlock& disp = run.results.level_displacement;

    const std::vector<GroundLayer> layers = layers_below_reference(fc, j);
    const double load_sum = load_displacement_sum(run, j);

    for (std::size_t s = 0; s < kSectionCount; ++s) {
        if (find_beta_depth(layers, sv.rigidity_beta[s], result.kh[s], result.beta[s]) != 0)
            stop_with_error(ErrorCode::NoInverseBetaDepth);
        result.moment[s] = s == 1 ? -fc.total_moment
                                  : chang_max_moment(result.beta[s], fc.lever_arm, fc.total_moment,
                                                     fc.total_force);
        solver.moment[jc][s] = -result.moment[s];
        solver.bending_stress[jc][s] = bending_stress(result.moment[s], sv.stress_modulus[s]);
        const int section = static_cast<int>(s);
        solver.max_moment_depth[jc][s] =
            chang_max_moment_depth(section, result.beta[s], fc.lever_arm);
        solver.first_zero[jc][s] = chang_first_zero(section, result.beta[s], fc.lever_arm);
    }

    const double target = chang_numerator_in_use(run.custom);
    disp.embedment[jc][0] = layered_embedment(layers, sv.rigidity_embed[0], target);
    disp.embedment[jc][1] = layered_embedment(layers, sv.rigidity_embed[2], target);

    pipe_secondary_stresses(run, j, solver.max_moment_depth[jc][0], solver.max_moment_depth[jc][2]);

    const double free_length = displacement_crown(run) - fc.base[jc].level;
    const double kh_first =
        fc.start_index >= 0 ? fc.layers[static_cast<std::size_t>(fc.start_index)].kh : 0.0;
    const auto store = [&](std::size_t state, const ChangDisplacement& d) {
        disp.seabed_deflection[jc][state] = d.at_reference;
        disp.rotation_term[jc][state] = d.rotation;
        disp.cantilever_term[jc][state] = d.cantilever;
        disp.total[jc][state] = d.total;
        disp.reaction[jc][state] = d.reaction;
    };
    const double p = fc.total_force;
    const double h0 = fc.lever_arm;
    store(0, chang_displacement(p, h0, free_length, result.beta[0], sv.rigidity_beta[0],
                                sv.rigidity_beta[0], load_sum, kh_first));
    if (run.custom.chang_displacement_rule == ChangDisplacementRule::MudThenSeaWater) {
        store(1, chang_displacement(p, h0, free_length, result.beta[2], sv.rigidity_beta[1],
                                    sv.rigidity_beta[2], load_sum, kh_first));
    } else {
        store(1, chang_displacement(p, h0, free_length, result.beta[1], sv.rigidity_beta[1],
                                    sv.rigidity_beta[1], load_sum, kh_first));
    }
}

} // namespace wtn
