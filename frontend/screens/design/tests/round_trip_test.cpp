// The design data through the three screens: the template project comes back
// unchanged, and any project is at rest after one load and store.
#include "../../../data/tests/sample_design.h"
#include "design_fixture.h"
#include "file_commands.h"
#include "number_text.h"
#include "project_reader.h"
#include "project_writer.h"

#include <gtest/gtest.h>

namespace wtn::design::test {
namespace {

TEST(DesignRoundTrip, TheTemplateProjectComesBackUnchanged) {
    DesignFixture f;
    read_data_file(f.data, std::string(WTN_SOURCE_DIR) + "/installed/" + kTemplateProjectName);
    const std::vector<std::string> before = project_file_lines(f.data);
    f.load_all();
    f.store_all();
    EXPECT_EQ(project_file_lines(f.data), before);
}

TEST(DesignRoundTrip, ASampleProjectIsAtRestAfterOneLoadAndStore) {
    DesignFixture f;
    f.data = wtn::test::sample_design();
    f.load_all();
    f.store_all();
    const std::vector<std::string> once = project_file_lines(f.data);
    f.load_all();
    f.store_all();
    EXPECT_EQ(project_file_lines(f.data), once);
    // The wave rows keep their full precision; the boxes their two decimals.
    const DesignData sample = wtn::test::sample_design();
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(f.data.sekouji_dat.goda_tbl[i].h13, sample.sekouji_dat.goda_tbl[i].h13);
        EXPECT_DOUBLE_EQ(f.data.sekouji_dat.goda_tbl[i].period,
                         sample.sekouji_dat.goda_tbl[i].period);
    }
    EXPECT_EQ(f.data.data_title, fixed_text(sample.data_title, kTitleLength));
}

} // namespace
} // namespace wtn::design::test
