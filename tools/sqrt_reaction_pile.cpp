#include "sqrt_reaction_pile.h"

#include "banded_spd.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wtn::tools {

namespace {

// The pile length is this many times the first zero of the moment. Beyond
// about twice that depth the square-root reaction has stopped the pile
// altogether, so four times leaves the result independent of the tip.
constexpr double kLengthPerMomentZero = 4.0;
constexpr int kSurveyNodes = 801;
constexpr int kSecantRounds = 1000;
constexpr int kFirstResponseRound = 5;
constexpr int kSettledRounds = 3;
constexpr double kResponseTolerance = 1e-7;
// Deflections below this fraction of the largest are treated as this small
// when a reaction stiffness is formed, so the stiffness stays finite.
constexpr double kDeflectionFloor = 1e-24;

double max_abs(const std::vector<double>& v) {
    double m = 0.0;
    for (double x : v)
        m = std::max(m, std::fabs(x));
    return m;
}

// Finite differences on nodes 0..n with spacing h. Rows are the ODE times h^4;
// the two end rows are halved so the beam matrix is symmetric (the classic
// free-end stencil, ghost nodes eliminated with the end conditions).
struct Discretisation {
    double r;
    double h;
    std::size_t count;
    std::vector<double> weight_depth; // row weight (1/2 at the ends) x xi^m x h^4
    std::vector<double> rhs;

    Discretisation(int m, double ratio, double length, int nodes)
        : r(ratio), h(length / (nodes - 1)), count(static_cast<std::size_t>(nodes)),
          weight_depth(count), rhs(count, 0.0) {
        const double h4 = h * h * h * h;
        for (std::size_t i = 0; i < count; ++i) {
            const double xi = h * static_cast<double>(i);
            const double w = (i == 0 || i + 1 == count) ? 0.5 : 1.0;
            weight_depth[i] = w * h4 * (m == 0 ? 1.0 : xi);
        }
        // eta''(0) = r and eta'''(0) = 1 enter through the ghost nodes.
        rhs[0] = r * h * h + h * h * h;
        rhs[1] = -r * h * h;
    }

    PentadiagonalMatrix beam() const {
        const std::size_t n = count;
        PentadiagonalMatrix a(n);
        for (std::size_t i = 0; i < n; ++i) {
            a.diagonal[i] = 6.0;
            a.first[i] = -4.0;
            a.second[i] = 1.0;
        }
        a.diagonal[0] = 1.0;
        a.first[0] = -2.0;
        a.diagonal[1] = 5.0;
        a.diagonal[n - 2] = 5.0;
        a.first[n - 2] = -2.0;
        a.diagonal[n - 1] = 1.0;
        return a;
    }
};

// Largest relative change of the quantities the curve tables use. The depth
// of the largest moment is left out: it is the vertex of a very flat
// parabola and moves with round-off long after everything else has settled.
double relative_change(const CanonicalPileResponse& a, const CanonicalPileResponse& b) {
    auto rel = [](double x, double y) {
        return std::fabs(x - y) / std::max(std::fabs(x), std::fabs(y));
    };
    return std::max({rel(a.head_deflection, b.head_deflection), rel(a.head_slope, b.head_slope),
                     rel(a.max_moment, b.max_moment), rel(a.moment_zero_depth, b.moment_zero_depth),
                     rel(a.deflection_zero_depth, b.deflection_zero_depth)});
}

// Depth where v changes sign between nodes i and i + 1, linearly interpolated.
double crossing(const std::vector<double>& v, std::size_t i, double h) {
    const double t = v[i] / (v[i] - v[i + 1]);
    return h * (static_cast<double>(i) + t);
}

CanonicalPileResponse read_response(const Discretisation& dis, const std::vector<double>& eta) {
    const std::size_t n = dis.count;
    const double h = dis.h;
    CanonicalPileResponse out;
    out.head_deflection = eta[0];
    // Central difference at the head with the ghost node of eta''(0) = r.
    out.head_slope = -((eta[1] - eta[0]) / h - dis.r * h / 2.0);

    std::vector<double> moment(n, 0.0);
    moment[0] = dis.r;
    for (std::size_t i = 1; i + 1 < n; ++i)
        moment[i] = (eta[i + 1] - 2.0 * eta[i] + eta[i - 1]) / (h * h);

    // The largest moment: the largest node value, refined by the parabola
    // through its neighbours.
    std::size_t top = 0;
    for (std::size_t i = 1; i + 1 < n; ++i)
        if (moment[i] > moment[top]) top = i;
    out.max_moment = moment[top];
    if (top > 0) {
        const double m0 = moment[top - 1], m1 = moment[top], m2 = moment[top + 1];
        const double curvature = m0 - 2.0 * m1 + m2;
        if (curvature < 0.0) out.max_moment = m1 - 0.125 * (m0 - m2) * (m0 - m2) / curvature;
    }
    // Its depth is where the shear first falls to zero; the shear is 1 at the
    // head and the third differences give it midway between nodes.
    const double ghost = dis.r * h * h + 2.0 * eta[0] - eta[1];
    double depth_before = 0.0, shear_before = 1.0;
    out.max_moment_depth = -1.0;
    for (std::size_t i = 0; i + 2 < n; ++i) {
        const double below = i == 0 ? ghost : eta[i - 1];
        const double shear = (eta[i + 2] - 3.0 * eta[i + 1] + 3.0 * eta[i] - below) / (h * h * h);
        const double depth = h * (static_cast<double>(i) + 0.5);
        if (shear <= 0.0) {
            out.max_moment_depth =
                depth_before + (depth - depth_before) * shear_before / (shear_before - shear);
            break;
        }
        depth_before = depth;
        shear_before = shear;
    }

    out.moment_zero_depth = -1.0;
    for (std::size_t i = 0; i + 2 < n; ++i)
        if (moment[i] > 0.0 && moment[i + 1] <= 0.0) {
            out.moment_zero_depth = crossing(moment, i, h);
            break;
        }
    out.deflection_zero_depth = -1.0;
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (eta[i] > 0.0 && eta[i + 1] <= 0.0) {
            out.deflection_zero_depth = crossing(eta, i, h);
            break;
        }
    if (out.moment_zero_depth <= 0.0 || out.max_moment_depth <= 0.0 ||
        out.deflection_zero_depth <= 0.0 || !(out.head_deflection > 0.0) ||
        !(out.head_slope > 0.0) || !(out.max_moment > 0.0))
        throw PileSolverError("pile response has no moment or deflection zero");
    return out;
}

// Secant stiffness rounds: the reaction is a spring of stiffness
// xi^m / sqrt|eta| taken from the previous round's deflection. Robust from any
// start; it converges linearly. The rounds stop when every quantity read from
// the pile has settled, because the deflection far down, where the pile has
// come to rest, keeps flickering at round-off level and never settles as such.
CanonicalPileResponse solve_discrete(const Discretisation& dis) {
    const std::size_t n = dis.count;
    std::vector<double> eta(n, 1.0), next;
    CanonicalPileResponse last;
    bool have_last = false;
    int settled = 0;
    for (int round = 0; round < kSecantRounds; ++round) {
        PentadiagonalMatrix a = dis.beam();
        const double floor = kDeflectionFloor * std::max(max_abs(eta), 1e-300);
        for (std::size_t i = 0; i < n; ++i)
            a.diagonal[i] += dis.weight_depth[i] / std::sqrt(std::max(std::fabs(eta[i]), floor));
        if (!solve_pentadiagonal_spd(a, dis.rhs, next))
            throw PileSolverError("secant matrix not positive");
        eta.swap(next);
        if (round < kFirstResponseRound) continue;
        CanonicalPileResponse now;
        try {
            now = read_response(dis, eta);
        } catch (const PileSolverError&) {
            have_last = false;
            continue;
        }
        if (have_last && relative_change(last, now) <= kResponseTolerance) {
            if (++settled == kSettledRounds) return now;
        } else {
            settled = 0;
        }
        last = now;
        have_last = true;
    }
    throw PileSolverError("secant iteration did not converge");
}

} // namespace

CanonicalPileResponse solve_canonical_pile_of_length(int depth_power, double moment_ratio,
                                                     double length, int nodes) {
    if ((depth_power != 0 && depth_power != 1) || !(moment_ratio > 0.0) || !(length > 0.0) ||
        nodes < 16)
        throw PileSolverError("bad pile parameters");
    const Discretisation dis(depth_power, moment_ratio, length, nodes);
    return solve_discrete(dis);
}

CanonicalPileResponse solve_canonical_pile(int depth_power, double moment_ratio, int nodes) {
    // A first coarse solve on a generous length finds the moment's first zero;
    // the depth scale grows like r^(1 / (6 + 2m)) when the moment dominates.
    const double guess = 12.0 * std::pow(1.0 + moment_ratio, 1.0 / (6.0 + 2.0 * depth_power));
    const CanonicalPileResponse survey =
        solve_canonical_pile_of_length(depth_power, moment_ratio, guess, kSurveyNodes);
    const double length = kLengthPerMomentZero * survey.moment_zero_depth;
    return solve_canonical_pile_of_length(depth_power, moment_ratio, length, nodes);
}

} // namespace wtn::tools
