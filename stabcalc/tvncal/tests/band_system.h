// The reference solver of the solver tests (the finite-difference beam and
// the chain system checked against general elimination): a square linear
// system whose matrix has kl diagonals below the main one and ku above it,
// solved by Gaussian elimination with partial pivoting. The row interchanges
// widen the upper band to kl + ku, for which room is kept.
#pragma once

#include <cstddef>
#include <vector>

namespace wtn {

class BandSystem {
  public:
    // storage holds the coefficients; a caller that solves many systems of
    // one size passes the same vector each time, so its room is reused
    // rather than taken afresh from the system.
    BandSystem(std::vector<double>& storage, std::size_t size, int lower, int upper);

    std::size_t size() const { return size_; }
    // Coefficient (row, column); column - row must lie within [-lower, upper].
    double& at(std::size_t row, std::size_t column);
    double& rhs(std::size_t row) { return rhs_[row]; }

    // Divides each row and its right-hand side by the row's largest
    // magnitude, so that the pivot test compares like with like.
    void equilibrate_rows();

    // Solves in place. False when a pivot falls below tiny (the system is
    // singular to working precision); the solution is then unusable.
    bool solve(std::vector<double>& x, double tiny);

  private:
    std::size_t size_;
    int lower_;
    int upper_; // of the factor: upper + lower
    std::size_t width_;
    std::vector<double>& a_;
    std::vector<double> rhs_;
};

} // namespace wtn
