// Known values of the load tables at their byte offsets: GAI_CM.PRN's leading
// counts and row indices, and the block starts and the last record of
// GAI_JYO.PRN and GAI_JIS.PRN, so two swapped fields or blocks in the one
// field list cannot pass a read-back of their own.
#include "load_images.h"
#include "load_tables.h"

#include "current_folder.h"
#include "file_replace.h"
#include "program_folder.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

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

double real_at(const std::string& bytes, std::size_t offset) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes.at(offset + i)))
             << (8 * i);
    }
    double value = 0.0;
    std::memcpy(&value, &v, sizeof value);
    return value;
}

std::string file_bytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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

// The report's tables run from the first land row (at the ground-surface
// crown) and from the sea row at the seabed down to each side's closing row;
// rows the reader cannot start from stop it instead of sending the writers
// past the rows that hold layers.
TEST(LoadTableLayout, CommonTableRefusesFirstRowsOutsideTheirSide) {
    const auto valid = [](LoadModel& m) {
        m.land_count = 5;
        m.sea_count = 3;
        m.index.ground_crown = 1;
        m.index.superstructure_crown = 0;
        m.index.residual_water = 2;
        m.index.sea_seabed = 0;
        m.index.land_seabed = -1;
    };
    const std::function<void(LoadModel&)> damages[] = {
        [](LoadModel& m) { m.index.ground_crown = 4; }, // the closing row
        [](LoadModel& m) { m.index.ground_crown = -1; },
        [](LoadModel& m) { m.index.superstructure_crown = 5; },
        [](LoadModel& m) { m.index.residual_water = -1; },
        [](LoadModel& m) { m.index.sea_seabed = 2; },
        [](LoadModel& m) { m.index.land_seabed = 1; }, // not below the first row
        [](LoadModel& m) { m.index.land_seabed = 5; },
    };
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    {
        auto model = std::make_unique<LoadModel>();
        auto common = std::make_unique<CommonLoadResults>();
        valid(*model);
        model->index.land_seabed = 4;
        write_gai_cm(*model, *common);
        auto read = std::make_unique<LoadModel>();
        EXPECT_EQ(test::stop_text([&] { read_gai_cm(*read, *common); }), "");
        EXPECT_EQ(read->index.ground_crown, 1);
    }
    for (std::size_t i = 0; i < std::size(damages); ++i) {
        auto model = std::make_unique<LoadModel>();
        auto common = std::make_unique<CommonLoadResults>();
        valid(*model);
        damages[i](*model);
        write_gai_cm(*model, *common);
        EXPECT_NE(test::stop_text([&] { read_gai_cm(*model, *common); }).find("GAI_CM.PRN"),
                  std::string::npos)
            << "damage " << i;
    }
}

TEST(LoadTableLayout, CaseTablesHoldTheirBlocksInFileOrder) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    LoadModel model;
    model.ground[1].level = 2.5;
    model.land_calc[0].top = -3.25;
    model.sea_calc[0].top = -7.5;
    model.active[0].k_top = 0.375;
    model.passive[0].k_top = 4.125;
    CaseLoadTables tables;
    tables.merged.seabed_row = 11;
    tables.merged.passive_start = 12;
    tables.merged.rows.count = 13;
    tables.merged.rows.rows[0].level = 1.75;
    tables.net.other[kOtherForceRoom - 1].moment = 6.5;
    tables.net.other[kOtherForceRoom - 1].lever_arm = -0.625;

    const std::size_t land = kGroundRoom * kGroundRowBytes;
    const std::size_t sea = land + kLayerRoom * kLandLayerCalcBytes;
    const std::size_t active = sea + kLayerRoom * kSeaLayerCalcBytes;
    const std::size_t passive = active + kLayerRoom * kActiveIntensityRowBytes;
    const std::size_t merged = passive + kLayerRoom * kPassiveIntensityRowBytes;
    for (const int c : {kNormalCase, kSeismicCase}) {
        write_gai_case(c, model, tables);
        const std::string bytes = file_bytes(case_table_file(c));
        ASSERT_EQ(bytes.size(), kLoadCaseImageBytes) << case_table_file(c);
        EXPECT_EQ(real_at(bytes, kGroundRowBytes + kRealBytes), 2.5);
        EXPECT_EQ(real_at(bytes, land), -3.25);
        EXPECT_EQ(real_at(bytes, sea), -7.5);
        EXPECT_EQ(real_at(bytes, active), 0.375);
        EXPECT_EQ(real_at(bytes, passive), 4.125);
        EXPECT_EQ(int_at(bytes, merged), 11);
        EXPECT_EQ(int_at(bytes, merged + kIntBytes), 12);
        EXPECT_EQ(int_at(bytes, merged + 2 * kIntBytes), 13);
        EXPECT_EQ(real_at(bytes, merged + 3 * kIntBytes), 1.75);
        EXPECT_EQ(real_at(bytes, bytes.size() - 2 * kRealBytes), 6.5);
        EXPECT_EQ(real_at(bytes, bytes.size() - kRealBytes), -0.625);
    }
}

// A case table of any other length than the layout's, an empty one or none
// at all stops the reader with the file named.
TEST(LoadTableLayout, CaseTableOfTheWrongLengthStopsTheReader) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    auto model = std::make_unique<LoadModel>();
    auto tables = std::make_unique<CaseLoadTables>();
    tables->merged.seabed_row = 0;
    write_gai_case(kNormalCase, *model, *tables);
    const std::string whole = file_bytes(case_table_file(kNormalCase));
    ASSERT_EQ(test::stop_text([&] { read_gai_case(kNormalCase, *model, *tables); }), "");
    const std::string damaged[] = {whole.substr(0, whole.size() - 1), whole + '\0', ""};
    for (const std::string& bytes : damaged) {
        folder.write(case_table_file(kNormalCase), bytes);
        EXPECT_NE(test::stop_text([&] {
                      read_gai_case(kNormalCase, *model, *tables);
                  }).find(case_table_file(kNormalCase)),
                  std::string::npos)
            << bytes.size() << " bytes";
    }
    std::remove(case_table_file(kNormalCase));
    EXPECT_NE(test::stop_text([&] {
                  read_gai_case(kNormalCase, *model, *tables);
              }).find(case_table_file(kNormalCase)),
              std::string::npos);
}

// A second run writes the table over in place (cut to one byte, written
// front to back, cut to its length) while it is read, again and again: every
// read ends with the whole table or with the damaged-file stop, never killed
// by a page cut off under it.
TEST(LoadTableLayout, ATableWrittenOverWhileItIsReadIsReadWholeOrRefused) {
    constexpr int kReads = 3000;
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    auto model = std::make_unique<LoadModel>();
    auto tables = std::make_unique<CaseLoadTables>();
    tables->merged.seabed_row = 0;
    write_gai_case(kNormalCase, *model, *tables);
    const std::string whole = file_bytes(case_table_file(kNormalCase));
    std::fflush(nullptr);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        // The writer ends with the test, also when a read kills the test.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (;;) {
            std::FILE* file = open_rewrite(case_table_file(kNormalCase));
            if (file == nullptr) _exit(1);
            std::fwrite(whole.data(), 1, whole.size(), file);
            close_rewrite(file);
        }
    }
    int whole_reads = 0;
    int refused = 0;
    for (int i = 0; i < kReads; ++i) {
        const std::string stop =
            test::stop_text([&] { read_gai_case(kNormalCase, *model, *tables); });
        if (stop.empty())
            ++whole_reads;
        else if (stop.find(case_table_file(kNormalCase)) != std::string::npos)
            ++refused;
    }
    kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_EQ(whole_reads + refused, kReads);
    EXPECT_GT(whole_reads, 0);
}

} // namespace
} // namespace wtn
