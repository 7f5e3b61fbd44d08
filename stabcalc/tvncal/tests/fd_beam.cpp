#include "fd_beam.h"

#include "band_system.h"

#include <cmath>
#include <stdexcept>

namespace wtn::test {

FdSolution::FdSolution(const FdBeam& beam, std::vector<double> x)
    : h_(beam.length / beam.intervals), intervals_(static_cast<std::size_t>(beam.intervals)),
      x_(std::move(x)) {}

// Unknowns per node i = -1 .. N + 1: y at 2(i + 1), M at 2(i + 1) + 1.
double FdSolution::y(long i) const {
    return x_[static_cast<std::size_t>(2 * i + 2)];
}
double FdSolution::m(long i) const {
    return x_[static_cast<std::size_t>(2 * i + 3)];
}

FdState FdSolution::node(std::size_t node_index) const {
    const auto i = static_cast<long>(node_index);
    const double h = h_;
    FdState s;
    s.y = y(i);
    s.theta = -(y(i + 1) - y(i - 1)) / (2.0 * h);
    s.moment = m(i);
    s.shear = (m(i + 1) - m(i - 1)) / (2.0 * h);
    return s;
}

FdState FdSolution::at(double x) const {
    const auto i = static_cast<std::size_t>(std::lround(x / h_));
    return node(std::min(i, intervals_));
}

double FdSolution::max_abs_moment() const {
    double best = 0.0;
    for (std::size_t i = 0; i <= intervals_; ++i)
        best = std::max(best, std::fabs(node(i).moment));
    return best;
}

double FdSolution::max_moment_depth() const {
    double best = -1.0;
    std::size_t at = 0;
    for (std::size_t i = 0; i <= intervals_; ++i) {
        if (std::fabs(node(i).moment) > best) {
            best = std::fabs(node(i).moment);
            at = i;
        }
    }
    return static_cast<double>(at) * h_;
}

double FdSolution::first_moment_zero() const {
    for (std::size_t i = 0; i < intervals_; ++i) {
        const double a = node(i).moment;
        const double b = node(i + 1).moment;
        if (a * b < 0.0) return (static_cast<double>(i) + a / (a - b)) * h_;
    }
    return static_cast<double>(intervals_) * h_;
}

FdSolution solve_fd_beam(const FdBeam& beam) {
    const auto n = static_cast<std::size_t>(beam.intervals);
    const double h = beam.length / beam.intervals;
    const double ei = beam.rigidity;
    // The beam as two second-order equations, EI y'' = -M and M'' = kh y,
    // whose differences stay well conditioned on thousands of nodes. Columns:
    // y of node i at 2(i + 1), M at 2(i + 1) + 1, for i = -1 .. n + 1. Rows:
    // the head moment and shear, the two equations at nodes 0 .. n, the two
    // tip conditions.
    auto col_y = [](long i) { return static_cast<std::size_t>(2 * (i + 1)); };
    auto col_m = [](long i) { return static_cast<std::size_t>(2 * (i + 1) + 1); };
    std::vector<double> storage;
    BandSystem system(storage, 2 * n + 6, 5, 4);
    system.at(0, col_m(0)) = 1.0;
    system.rhs(0) = beam.head_moment;
    system.at(1, col_m(-1)) = -1.0 / (2.0 * h);
    system.at(1, col_m(1)) = 1.0 / (2.0 * h);
    system.rhs(1) = beam.head_shear;
    for (std::size_t k = 0; k <= n; ++k) {
        const auto i = static_cast<long>(k);
        const std::size_t r = 2 + 2 * k;
        system.at(r, col_y(i - 1)) = ei / (h * h);
        system.at(r, col_y(i)) = -2.0 * ei / (h * h);
        system.at(r, col_y(i + 1)) = ei / (h * h);
        system.at(r, col_m(i)) = 1.0;
        system.at(r + 1, col_m(i - 1)) = 1.0 / (h * h);
        system.at(r + 1, col_m(i)) = -2.0 / (h * h);
        system.at(r + 1, col_m(i + 1)) = 1.0 / (h * h);
        system.at(r + 1, col_y(i)) = -beam.kh(static_cast<double>(k) * h);
    }
    const auto tip = static_cast<long>(n);
    const std::size_t r1 = 2 * n + 4;
    const std::size_t r2 = 2 * n + 5;
    switch (beam.tip_condition) {
    case 1: // M = Q = 0
        system.at(r1, col_m(tip)) = 1.0;
        system.at(r2, col_m(tip - 1)) = -1.0;
        system.at(r2, col_m(tip + 1)) = 1.0;
        break;
    case 2: // y = M = 0
        system.at(r1, col_y(tip)) = 1.0;
        system.at(r2, col_m(tip)) = 1.0;
        break;
    case 3: // y = θ = 0
        system.at(r1, col_y(tip)) = 1.0;
        system.at(r2, col_y(tip - 1)) = -1.0;
        system.at(r2, col_y(tip + 1)) = 1.0;
        break;
    default:
        throw std::invalid_argument("tip condition");
    }
    system.equilibrate_rows();
    std::vector<double> x;
    if (!system.solve(x, 1e-300)) throw std::runtime_error("singular beam");
    return FdSolution(beam, std::move(x));
}

} // namespace wtn::test
