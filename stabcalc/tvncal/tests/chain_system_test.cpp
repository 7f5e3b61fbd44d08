#include "chain_system.h"

#include "band_system.h"
#include "transfer_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace wtn {
namespace {

// A chain of 0.1 m pieces through three layers of contrasting stiffness, as
// relation blocks in units of the head: long enough (βL ≈ 25) that a state
// multiplied forward from the head would be lost in round-off.
std::vector<ChainBlock> layered_blocks() {
    const double rigidity = 33600.0;
    const std::array<double, 4> unit =
        head_state_units(std::pow(2000.0 / (4.0 * rigidity), 0.25), rigidity);
    std::vector<ChainBlock> blocks;
    for (double kh : {2000.0, 60000.0, 9000.0}) {
        const double beta = std::pow(kh / (4.0 * rigidity), 0.25);
        const ChainBlock block = relation_block(field_matrix(beta, 0.1, rigidity), unit);
        for (int i = 0; i < 150; ++i)
            blocks.push_back(block);
    }
    return blocks;
}

ChainEndRow unit_row(std::size_t component, double rhs) {
    ChainEndRow row;
    row.coefficients[component] = 1.0;
    row.rhs = rhs;
    return row;
}

// The same system through the general banded elimination.
std::vector<double> banded_solution(const std::vector<ChainBlock>& blocks,
                                    const std::array<ChainEndRow, 4>& ends) {
    const std::size_t nodes = blocks.size() + 1;
    std::vector<double> storage;
    BandSystem band(storage, 4 * nodes, 5, 2);
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 0; c < 4; ++c)
            if (ends[r].coefficients[c] != 0.0) band.at(r, c) = ends[r].coefficients[c];
        band.rhs(r) = ends[r].rhs;
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t row = 2 + 4 * i + k;
            band.at(row, 4 * (i + 1) + k) = 1.0;
            for (std::size_t c = 0; c < 4; ++c)
                band.at(row, 4 * i + c) = blocks[i][k * 4 + c];
        }
    }
    const std::size_t tip = 4 * (nodes - 1);
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 0; c < 4; ++c)
            if (ends[2 + r].coefficients[c] != 0.0)
                band.at(4 * nodes - 2 + r, tip + c) = ends[2 + r].coefficients[c];
        band.rhs(4 * nodes - 2 + r) = ends[2 + r].rhs;
    }
    band.equilibrate_rows();
    std::vector<double> x;
    EXPECT_TRUE(band.solve(x, 1e-14));
    return x;
}

std::vector<double> chain_solution(const std::vector<ChainBlock>& blocks,
                                   const std::array<ChainEndRow, 4>& ends) {
    std::vector<double> storage;
    ChainSystem chain(storage, blocks.size(), 1e-14);
    chain.set_head(ends[0], ends[1]);
    for (const ChainBlock& b : blocks)
        EXPECT_TRUE(chain.add_piece(b));
    std::vector<double> x;
    EXPECT_TRUE(chain.solve(ends[2], ends[3], x));
    return x;
}

TEST(ChainSystem, IsTheBandedEliminationToTheBit) {
    const std::vector<ChainBlock> blocks = layered_blocks();
    // Head moment and shear; free, pinned and fixed tips.
    for (const auto& [tip_a, tip_b] : {std::pair{2, 3}, std::pair{0, 2}, std::pair{0, 1}}) {
        SCOPED_TRACE(tip_a * 10 + tip_b);
        const std::array<ChainEndRow, 4> ends = {unit_row(2, -350.0), unit_row(3, -80.0),
                                                 unit_row(static_cast<std::size_t>(tip_a), 0.0),
                                                 unit_row(static_cast<std::size_t>(tip_b), 0.0)};
        const std::vector<double> band = banded_solution(blocks, ends);
        const std::vector<double> chain = chain_solution(blocks, ends);
        ASSERT_EQ(chain.size(), band.size());
        EXPECT_EQ(std::memcmp(chain.data(), band.data(), band.size() * sizeof(double)), 0);
    }
}

TEST(ChainSystem, ASingularSystemIsReported) {
    const std::vector<ChainBlock> blocks(3, ChainBlock{});
    // Both head rows fix the moment, and no piece relates its nodes.
    std::vector<double> storage;
    ChainSystem chain(storage, blocks.size(), 1e-14);
    chain.set_head(unit_row(2, 1.0), unit_row(2, 1.0));
    bool solved = true;
    for (const ChainBlock& b : blocks)
        solved = solved && chain.add_piece(b);
    std::vector<double> x;
    if (solved) solved = chain.solve(unit_row(2, 0.0), unit_row(3, 0.0), x);
    EXPECT_FALSE(solved);
}

} // namespace
} // namespace wtn
