// GAI_CM.PRN's leading counts and row indices at their byte offsets, so two
// swapped fields in the one field list cannot pass a read-back of their own.
#include "load_tables.h"

#include "current_folder.h"
#include "program_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace wtn {
namespace {

std::int32_t int_at(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(offset + i)))
             << (8 * i);
    }
    return static_cast<std::int32_t>(v);
}

TEST(LoadTableLayout, CommonTableStartsWithItsCountsAndIndicesInFileOrder) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    LoadModel model;
    CommonLoadResults common;
    common.seabed.candidate_count = 101;
    model.index.land_seabed = 102;
    model.index.residual_water = 103;
    model.index.superstructure_crown = 104;
    model.index.ground_crown = 105;
    model.index.sea_seabed = 106;
    model.index.lwl = 107;
    common.seabed.merged_row = {108, 109};
    common.seabed.passive_row = {110, 111};
    model.land_count = 112;
    model.sea_count = 113;
    model.ground_count = 114;
    common.net_segment_count = {115, 116};
    write_gai_cm(model, common);

    std::ifstream in(kCommonTableFile, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(bytes.size(), kLoadCommonImageBytes);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(int_at(bytes, static_cast<std::size_t>(i) * 4), 101 + i) << "field " << i;
    }
}

} // namespace
} // namespace wtn
