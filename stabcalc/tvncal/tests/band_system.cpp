#include "band_system.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace wtn {

BandSystem::BandSystem(std::vector<double>& storage, std::size_t size, int lower, int upper)
    : size_(size), lower_(lower), upper_(lower + upper),
      width_(static_cast<std::size_t>(lower + lower + upper + 1)), a_(storage), rhs_(size, 0.0) {
    a_.assign(size * width_, 0.0);
}

double& BandSystem::at(std::size_t row, std::size_t column) {
    const long offset = static_cast<long>(column) - static_cast<long>(row);
    if (offset < -lower_ || offset > upper_) throw std::out_of_range("band");
    return a_[row * width_ + static_cast<std::size_t>(offset + lower_)];
}

void BandSystem::equilibrate_rows() {
    for (std::size_t i = 0; i < size_; ++i) {
        double largest = 0.0;
        for (std::size_t k = 0; k < width_; ++k)
            largest = std::max(largest, std::fabs(a_[i * width_ + k]));
        if (largest == 0.0) continue;
        for (std::size_t k = 0; k < width_; ++k)
            a_[i * width_ + k] /= largest;
        rhs_[i] /= largest;
    }
}

bool BandSystem::solve(std::vector<double>& x, double tiny) {
    // The elimination stays inside the band by construction: row i of the
    // factor reaches columns i - lower .. i + lower + upper. Its entries are
    // indexed directly rather than through the checked at().
    const std::size_t n = size_;
    const std::size_t width = width_;
    const auto below = static_cast<std::size_t>(lower_);
    double* const a = a_.data();
    const auto cell = [a, width, below](std::size_t row, std::size_t column) -> double& {
        return a[row * width + column + below - row];
    };
    const auto lower = static_cast<std::size_t>(lower_);
    const auto upper = static_cast<std::size_t>(upper_);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t last_row = std::min(n - 1, k + lower);
        const std::size_t last_col = std::min(n - 1, k + upper);
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i <= last_row; ++i) {
            if (std::fabs(cell(i, k)) > std::fabs(cell(pivot, k))) pivot = i;
        }
        if (!(std::fabs(cell(pivot, k)) >= tiny)) return false;
        if (pivot != k) {
            // Columns left of k are already eliminated in both rows.
            for (std::size_t j = k; j <= last_col; ++j)
                std::swap(cell(k, j), cell(pivot, j));
            std::swap(rhs_[k], rhs_[pivot]);
        }
        const double p = cell(k, k);
        for (std::size_t i = k + 1; i <= last_row; ++i) {
            const double f = cell(i, k) / p;
            if (f == 0.0) continue;
            cell(i, k) = 0.0;
            for (std::size_t j = k + 1; j <= last_col; ++j)
                cell(i, j) -= f * cell(k, j);
            rhs_[i] -= f * rhs_[k];
        }
    }
    x.assign(n, 0.0);
    for (std::size_t i = n; i-- > 0;) {
        double sum = rhs_[i];
        const std::size_t last_col = std::min(n - 1, i + upper);
        for (std::size_t j = i + 1; j <= last_col; ++j)
            sum -= cell(i, j) * x[j];
        x[i] = sum / cell(i, i);
    }
    return true;
}

} // namespace wtn
