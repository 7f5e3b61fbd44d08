// The surcharge chapter's sections over the hand-made embankment of
// embankment_fixture.h.
#include "degrees_minutes_seconds.h"
#include "embankment_fixture.h"
#include "surcharge_chapter.h"
#include "wedge_polygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace wtn {
namespace {

using test::EmbankmentFixture;
using test::in_order;

using test::kDegree;

TEST(SurchargeChapter, SecondsAreCutNeverRoundedUpOrLostToTheStoredHair) {
    struct Case {
        double degrees;
        DegreesMinutesSeconds want;
    };
    const Case cases[] = {
        {60.0, {60, 0, 0}},                                 // stored whole: not 59 59' 59"
        {52.0 + 35.0 / 60.0 + 30.0 / 3600.0, {52, 35, 30}}, // a stored seismic angle
        {30.99999, {30, 59, 59}},
        {29.999999, {29, 59, 59}},
        {0.0, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const DegreesMinutesSeconds got = to_degrees_minutes_seconds(c.degrees * kDegree);
        EXPECT_EQ(got.degrees, c.want.degrees) << c.degrees;
        EXPECT_EQ(got.minutes, c.want.minutes) << c.degrees;
        EXPECT_EQ(got.seconds, c.want.seconds) << c.degrees;
    }
}

TEST(SurchargeChapter, FailureAnglesOfTheLayersInTheWedge) {
    EmbankmentFixture f;
    const auto lines = f.page([&](PageFile& p) { write_failure_angles(p, *f.report, 1); });
    EXPECT_TRUE(in_order(lines, {"$R  7", "$0  JKJU_ZT1.PFM", "$0  JKJU_ZT2.PFM", "00        0.00",
                                 "01    60° 0′ 0″", "$0  JKJU_ZT3.PFM"}));
}

// Zone rows stop at the zone holding the exit point X; a zone starting beyond
// X is not printed even when X lies between zones, so the rows add up to Q.
TEST(SurchargeChapter, ZoneRowsEndAtTheExitPoint) {
    struct Case {
        double x;
        double q;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {2.8868,
         20.0,
         {"$R  10", "$0  JKJU_JS2.PFM", "$0  JKJU_JS3.PFM", "00         10.00", "01        2.0000",
          "02       20.0000", "$0  JKJU_JS4.PFM", "00       20.0000"}},
        {20.2073,
         224.146,
         {"$R  12", "01        2.0000", "02       20.0000", "00         20.00", "01       10.2073",
          "02      204.1460", "$0  JKJU_JS4.PFM", "00      224.1460"}},
    };
    for (const Case& c : cases) {
        EmbankmentFixture f;
        LandLayerCalc& a = f.report->model.land_calc[1];
        a.crossing_x_bottom = c.x;
        a.wedge_load_bottom = c.q;
        const auto lines = f.page([&](PageFile& p) { write_zone_loads(p, *f.report, 1, 0); });
        EXPECT_TRUE(in_order(lines, c.lines)) << c.x;
        EXPECT_EQ(test::count_of(lines, "$0  JKJU_JS3.PFM"), count_zone_rows(*f.report, 1));
    }
    EmbankmentFixture none;
    none.report->model.land_calc[1].wedge_load_bottom = 0.0;
    const auto lines =
        none.page([&](PageFile& p) { write_zone_loads(p, *none.report, 1, kSeismicCase); });
    EXPECT_TRUE(in_order(lines, {"$0  JKJU_JS1.PFM"}));
    EXPECT_FALSE(test::has_prefix(lines, "$R"));
}

// The fill above the ground-surface top: vertices (0,3), (0,5), (2,5),
// (2.8868,5), (1.7321,3); terms (x_prev - x_next) z: 1.7321 x 3, (0 - 2) x 5,
// (0 - 2.8868) x 5, (2 - 1.7321) x 5, (2.8868 - 0) x 3; sum 9.2378, area
// 4.6189, times 18 = 83.1402 = W.
TEST(SurchargeChapter, FillAreaByShoelaceGivesTheStoredWeight) {
    EmbankmentFixture f;
    const auto lines = f.page([&](PageFile& p) { write_fill_weights(p, *f.report, 1); });
    EXPECT_TRUE(in_order(lines, {"$0  JKJU_TTL.PFM",
                                 "$R  18",
                                 "$0  JKJU_TT2.PFM",
                                 "$0  JKJU_TT3.PFM",
                                 "00    1",
                                 "01      0.0000",
                                 "02      3.0000",
                                 "03        5.19630000",
                                 "$0  JKJU_TT4.PFM",
                                 "01      0.0000",
                                 "02      5.0000",
                                 "03      -10.00000000",
                                 "03      -14.43400000",
                                 "01      2.8868",
                                 "03        1.33950000",
                                 "01      1.7321",
                                 "02      3.0000",
                                 "03        8.66040000",
                                 "$0  JKJU_TT5.PFM",
                                 "00        9.23780000",
                                 "01       4.618900000",
                                 "$R  11",
                                 "$0  JKJU_TT6.PFM",
                                 "$0  JKJU_TT7.PFM",
                                 "00     1",
                                 "01       4.618900000",
                                 "02        18.000",
                                 "03     83.1402",
                                 "$0  JKJU_TT8.PFM",
                                 "00     83.1402"}));
}

TEST(SurchargeChapter, TotalsOnlyWithALoad) {
    EmbankmentFixture f;
    const auto lines = f.page([&](PageFile& p) { write_surcharge_totals(p, *f.report, 1); });
    EXPECT_TRUE(
        in_order(lines, {"$R  10", "$0  JKJU_TU2.PFM", "00     83.1402", "01       20.0000",
                         "02    1.7321", "03     59.5463", "$0  JKJU_TU3.PFM", "00       59.55"}));
    LandLayerCalc& a = f.report->model.land_calc[1];
    a.wedge_load_bottom = a.wedge_weight_bottom = 0.0;
    EXPECT_EQ(f.page([&](PageFile& p) { write_surcharge_totals(p, *f.report, 1); }).size(), 2u);
}

// A horizontal fill top through a vertex inserts nothing; one crossing two
// sloping edges inserts both crossings.
TEST(SurchargeChapter, WedgePolygonIsCutAtEveryFillTop) {
    EmbankmentFixture f;
    EXPECT_EQ(build_wedge_polygon(f.report->model, f.report->input, 1).size(), 5u);

    // A second fill top at +4.0: the vertical wall edge and the wedge edge
    // from (2.8868, 5) down to (1.7321, 3) are cut at +4.0.
    LoadModel& m = f.report->model;
    m.index.ground_crown = 2;
    m.land_calc[2] = m.land_calc[1];
    m.land_calc[1] = m.land_calc[0];
    m.land_calc[1].top = 4.0;
    const std::vector<Point2> p = build_wedge_polygon(m, f.report->input, 2);
    ASSERT_EQ(p.size(), 7u);
    EXPECT_DOUBLE_EQ(p[1].z, 4.0);
    EXPECT_DOUBLE_EQ(p[1].x, 0.0);
    EXPECT_NEAR(p[5].x, 2.3095, 1e-4);
    EXPECT_EQ(select_layer_vertices(m, 0, p).size(), 5u);
    EXPECT_EQ(select_layer_vertices(m, 1, p).size(), 4u);
}

} // namespace
} // namespace wtn
