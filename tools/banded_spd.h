// Solver of symmetric positive definite pentadiagonal systems (bandwidth two
// on each side of the diagonal), the shape a beam's fourth-derivative finite
// differences take. Factorised as L D L^T without pivoting, which is stable
// for positive definite matrices.
#pragma once

#include <vector>

namespace wtn::tools {

struct PentadiagonalMatrix {
    std::vector<double> diagonal; // A(i, i)
    std::vector<double> first;    // A(i, i + 1), last entry unused
    std::vector<double> second;   // A(i, i + 2), last two entries unused

    explicit PentadiagonalMatrix(std::size_t size)
        : diagonal(size, 0.0), first(size, 0.0), second(size, 0.0) {}
    std::size_t size() const { return diagonal.size(); }
};

// Solves A x = b. Returns false when a pivot is not positive (the matrix is
// not positive definite); x is then unspecified.
bool solve_pentadiagonal_spd(const PentadiagonalMatrix& a, const std::vector<double>& b,
                             std::vector<double>& x);

} // namespace wtn::tools
