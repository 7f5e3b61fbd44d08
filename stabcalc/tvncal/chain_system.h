// The linear system of an element chain's node states, solved node by node.
//
// The unknowns are the four state components of every node. The rows are two
// conditions on the head node, four relations per piece between a node and
// the next, state(i + 1) + G_i · state(i) = 0, and two conditions on the last
// node. Ordered so, the matrix is banded with five diagonals below the main
// one and two above, and made of 4 × 4 blocks: the elimination of a node's
// four unknowns involves only the two rows carried over from the node above
// and the four relations of the node's piece. The solve therefore keeps six
// rows of eight coefficients at a time, never the whole band.
//
// Every row is divided by its largest coefficient as it is filled, so that
// the pivot test compares like with like; pivots are chosen by partial
// pivoting among the six rows in the order a banded elimination holds them,
// so the result is the banded elimination's to the last bit.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace wtn {

// The coefficients of a piece's relations on a node's state, row-major 4 × 4.
using ChainBlock = std::array<double, 16>;

// A condition on the state of an end node: coefficients · state = rhs.
struct ChainEndRow {
    std::array<double, 4> coefficients{};
    double rhs = 0.0;
};

class ChainSystem {
  public:
    // storage keeps the eliminated rows for the back substitution; a caller
    // that solves many chains passes the same vector each time, so its room
    // is reused; pieces (the number of relation blocks that will be added)
    // sizes it. A pivot below tiny makes the system singular to working precision.
    ChainSystem(std::vector<double>& storage, std::size_t pieces, double tiny);

    // The two conditions on the head node; first of all.
    void set_head(const ChainEndRow& first, const ChainEndRow& second);

    // The four relations of the next piece: row k is
    // state(i + 1)[k] + Σc block[k·4 + c] · state(i)[c] = 0. Eliminates the
    // node's unknowns; false when a pivot falls below tiny.
    bool add_piece(const ChainBlock& block);

    // The two conditions on the last node, after every piece; solves and
    // gives the unknowns node by node in x (4 per node). False when a pivot
    // falls below tiny; x is then unusable.
    bool solve(const ChainEndRow& first, const ChainEndRow& second, std::vector<double>& x);

  private:
    // A row being eliminated: the coefficients of the node being eliminated,
    // then of the next node, then the right-hand side.
    static constexpr std::size_t kRowWidth = 9;
    static constexpr std::size_t kRhs = 8;
    using Row = std::array<double, kRowWidth>;

    // An end condition as a row, divided by its largest coefficient.
    Row end_row(const ChainEndRow& end) const;
    // Stores the rows at positions order[0 .. 3] as the pivot rows of the
    // node being eliminated.
    void store_pivot_rows(const std::size_t* order);

    std::vector<double>& stored_;
    std::size_t added_ = 0;
    double tiny_;
    // The rows of the node being eliminated: the two carried over from the
    // node above (or the head conditions), then the piece's four relations
    // (or the two tip conditions).
    std::array<Row, 6> rows_{};
};

} // namespace wtn
