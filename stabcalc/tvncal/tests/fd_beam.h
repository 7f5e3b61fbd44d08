// An independent oracle for the transfer-matrix solvers: the pile below the
// reference level as a finite-difference beam on a linear foundation,
//     EI y'''' + kh(x) y = 0,  M = -EI y'',  Q = -EI y''',  θ = -y',
// with the head moment and shear given and the tip free, pinned or fixed.
// Second-order central differences of EI y'' = -M and M'' = kh·y, with a
// ghost node at each end.
#pragma once

#include <functional>
#include <vector>

namespace wtn::test {

struct FdBeam {
    double length = 0.0;
    double rigidity = 0.0;
    std::function<double(double)> kh; // at depth x
    double head_moment = 0.0;
    double head_shear = 0.0;
    int tip_condition = 1; // 1 free, 2 pinned, 3 fixed
    int intervals = 4000;
};

struct FdState {
    double y = 0.0;
    double theta = 0.0;
    double moment = 0.0;
    double shear = 0.0;
};

class FdSolution {
  public:
    FdSolution(const FdBeam& beam, std::vector<double> x);
    // The state at the node nearest to depth x.
    FdState at(double x) const;
    // Largest |M| and its depth; the first depth where M changes sign
    // (linear between nodes; the tip when M only reaches 0 there).
    double max_abs_moment() const;
    double max_moment_depth() const;
    double first_moment_zero() const;

  private:
    FdState node(std::size_t i) const;
    double y(long i) const;
    double m(long i) const;
    double h_;
    std::size_t intervals_;
    std::vector<double> x_; // y and M of nodes -1 .. N + 1
};

FdSolution solve_fd_beam(const FdBeam& beam);

} // namespace wtn::test
