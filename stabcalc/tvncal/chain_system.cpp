#include "chain_system.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace wtn {

namespace {

constexpr std::size_t kStateSize = 4;
// The rows in play while a node's unknowns are eliminated: the two carried
// from above and the four relations of the node's piece.
constexpr std::size_t kActiveRows = 6;
// At the last node: the two carried rows and the two end conditions.
constexpr std::size_t kLastRows = 4;

// Divides the row and its right-hand side by the row's largest coefficient
// magnitude; a row of zeros is left as it is.
template <typename Row> void equilibrate(Row& row, std::size_t coefficients, std::size_t rhs) {
    double largest = 0.0;
    for (std::size_t j = 0; j < coefficients; ++j)
        largest = std::max(largest, std::fabs(row[j]));
    if (largest == 0.0) return;
    for (std::size_t j = 0; j < coefficients; ++j)
        row[j] /= largest;
    row[rhs] /= largest;
}

// The relations of a piece as rows: the block's row k on the node, 1 on the
// next node's component k, each row divided by its largest magnitude.
template <typename Row> void fill_relations(Row* rows, const ChainBlock& block) {
    for (std::size_t k = 0; k < kStateSize; ++k) {
        Row& row = rows[k];
        double largest = 1.0; // of the next node's own component
        for (std::size_t c = 0; c < kStateSize; ++c)
            largest = std::max(largest, std::fabs(block[k * kStateSize + c]));
        for (std::size_t c = 0; c < kStateSize; ++c)
            row[kStateSize + c] = 0.0;
        for (std::size_t c = 0; c < kStateSize; ++c)
            row[c] = block[k * kStateSize + c] / largest;
        row[kStateSize + k] = 1.0 / largest;
        row[2 * kStateSize] = 0.0;
    }
}

// Eliminates the four unknowns of a node from the rows order[0 .. kCount - 1]
// (the positions a banded elimination would hold them in). The pivot of
// column c is the first row of largest magnitude among positions
// c .. kCount - 1, brought to position c; the rows below it lose their column
// c. False when a pivot falls below tiny.
template <std::size_t kCount, typename Row, std::size_t kRows>
bool eliminate_node(std::array<Row, kRows>& rows, std::array<std::size_t, kCount>& order,
                    double tiny) {
    constexpr std::size_t kWidth = std::tuple_size_v<Row>;
    for (std::size_t c = 0; c < kStateSize; ++c) {
        std::size_t pivot = c;
        double largest = std::fabs(rows[order[c]][c]);
        for (std::size_t r = c + 1; r < kCount; ++r) {
            const double magnitude = std::fabs(rows[order[r]][c]);
            if (magnitude > largest) {
                pivot = r;
                largest = magnitude;
            }
        }
        if (!(largest >= tiny)) return false;
        std::swap(order[c], order[pivot]);
        const Row p = rows[order[c]];
        for (std::size_t r = c + 1; r < kCount; ++r) {
            Row& row = rows[order[r]];
            const double f = row[c] / p[c];
            if (f == 0.0) continue;
            row[c] = 0.0;
            for (std::size_t j = c + 1; j < kWidth; ++j)
                row[j] -= f * p[j];
        }
    }
    return true;
}

// Back substitution over the stored pivot rows, last node first, each row
// summed from left to right as a banded elimination does. A pivot row of
// node i reaches the columns of node i + 1; those of the last node only its
// own.
void back_substitute(const double* stored, std::size_t nodes, std::size_t row_width,
                     std::size_t rhs, double* x) {
    for (std::size_t node = nodes; node-- > 0;) {
        const std::size_t last_column = node + 1 == nodes ? kStateSize - 1 : 2 * kStateSize - 1;
        const double* first_row = stored + node * kStateSize * row_width;
        double* const xs = x + node * kStateSize;
        for (std::size_t c = kStateSize; c-- > 0;) {
            const double* row = first_row + c * row_width;
            double sum = row[rhs];
            for (std::size_t j = c + 1; j <= last_column; ++j)
                sum -= row[j] * xs[j];
            xs[c] = sum / row[c];
        }
    }
}

} // namespace

ChainSystem::ChainSystem(std::vector<double>& storage, std::size_t pieces, double tiny)
    : stored_(storage), tiny_(tiny) {
    // Four pivot rows per node. Every stored value is written before it is
    // read, so room kept from an earlier solve is not cleared.
    const std::size_t needed = (pieces + 1) * kStateSize * kRowWidth;
    if (stored_.size() < needed) stored_.resize(needed);
}

void ChainSystem::set_head(const ChainEndRow& first, const ChainEndRow& second) {
    rows_[0] = end_row(first);
    rows_[1] = end_row(second);
}

ChainSystem::Row ChainSystem::end_row(const ChainEndRow& end) const {
    Row row{};
    std::copy(end.coefficients.begin(), end.coefficients.end(), row.begin());
    row[kRhs] = end.rhs;
    equilibrate(row, kStateSize, kRhs);
    return row;
}

void ChainSystem::store_pivot_rows(const std::size_t* order) {
    const std::size_t needed = (added_ + 1) * kStateSize * kRowWidth;
    if (stored_.size() < needed) stored_.resize(needed);
    double* out = stored_.data() + added_ * kStateSize * kRowWidth;
    for (std::size_t c = 0; c < kStateSize; ++c) {
        const Row& row = rows_[order[c]];
        for (std::size_t j = 0; j < kRowWidth; ++j)
            out[c * kRowWidth + j] = row[j];
    }
}

bool ChainSystem::add_piece(const ChainBlock& block) {
    std::array<std::size_t, kActiveRows> order = {0, 1, 2, 3, 4, 5};
    fill_relations(rows_.data() + 2, block);
    if (!eliminate_node(rows_, order, tiny_)) return false;
    store_pivot_rows(order.data());
    ++added_;
    // The last two rows now hold only the next node: they are carried to it
    // as the first two rows of its elimination.
    std::array<std::array<double, kStateSize + 1>, 2> carried;
    for (std::size_t i = 0; i < carried.size(); ++i) {
        const Row& from = rows_[order[kLastRows + i]];
        for (std::size_t c = 0; c < kStateSize; ++c)
            carried[i][c] = from[kStateSize + c];
        carried[i][kStateSize] = from[kRhs];
    }
    for (std::size_t i = 0; i < carried.size(); ++i) {
        Row& to = rows_[i];
        for (std::size_t c = 0; c < kStateSize; ++c) {
            to[c] = carried[i][c];
            to[kStateSize + c] = 0.0;
        }
        to[kRhs] = carried[i][kStateSize];
    }
    return true;
}

bool ChainSystem::solve(const ChainEndRow& first, const ChainEndRow& second,
                        std::vector<double>& x) {
    rows_[2] = end_row(first);
    rows_[3] = end_row(second);
    std::array<std::size_t, kLastRows> order = {0, 1, 2, 3};
    if (!eliminate_node(rows_, order, tiny_)) return false;
    store_pivot_rows(order.data());

    const std::size_t nodes = added_ + 1;
    x.resize(nodes * kStateSize);
    back_substitute(stored_.data(), nodes, kRowWidth, kRhs, x.data());
    return true;
}

} // namespace wtn
