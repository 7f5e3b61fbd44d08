// The display lists of the schematic, checked against sections worked out by
// hand.
#include "hand_section.h"
#include "schematic_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wtn::schematic {
namespace {

using test::hand_section;

void expect_line(const MseRec& got, const MseRec& want) {
    EXPECT_NEAR(got.x1, want.x1, 1e-9);
    EXPECT_NEAR(got.y1, want.y1, 1e-9);
    EXPECT_NEAR(got.x2, want.x2, 1e-9);
    EXPECT_NEAR(got.y2, want.y2, 1e-9);
    EXPECT_EQ(got.color, want.color);
    EXPECT_EQ(got.style, want.style);
}

std::vector<MseRec> lines_of(const SchematicLists& lists, int color, int style) {
    std::vector<MseRec> out;
    std::copy_if(lists.Mse_tbl.begin(), lists.Mse_tbl.end(), std::back_inserter(out),
                 [&](const MseRec& m) { return m.color == color && m.style == style; });
    return out;
}

TEST(SchematicModel, StraightSectionNormalCaseByHand) {
    SchematicLists lists = build_schematic(hand_section(), StudyCase::completed_normal);

    const MseRec want_lines[] = {
        {0, 3, 23, 3, kLightGreen, kSolid},           // ground surface
        {0, 4, 23, 4, kWhite, kDotted},               // surcharge band 0.1 x 10 high
        {0, 3, 0, 4, kWhite, kDotted},                //
        {23, 3, 23, 4, kWhite, kDotted},              //
        {-999.9, 1.5, 0, 1.5, kLightCyan, kDotted},   // H.W.L.
        {-999.9, 0, 0, 0, kLightCyan, kDotted},       // L.W.L.
        {999.9, 1.0, 0, 1.0, kLightCyan, kDotted},    // R.W.L. = 1.5 x 2/3 + 0
        {0, -10, -23, -10, kLightGreen, kSolid},      // seabed
        {-999.9, -20, 999.9, -20, kLightRed, kSolid}, // lower limit
        {0, -5, 999.9, -5, kLightRed, kDotted},       // sand / clay boundary
        {0, 3, 0, -20, kWhite, kSolid},               // wall
    };
    ASSERT_EQ(lists.Mse_tbl.size(), std::size(want_lines));
    for (std::size_t i = 0; i < std::size(want_lines); ++i) {
        SCOPED_TRACE(i);
        expect_line(lists.Mse_tbl[i], want_lines[i]);
    }

    const MmoRec want_labels[] = {
        {999, 3.0, kLightGreen, "       3.00"},
        {-999, 1.5, kYellow, "H.W.L. 1.50"},
        {-999, 0.0, kYellow, "L.W.L. 0.00"},
        {999, 1.0, kYellow, "R.W.L. 1.00"},
        {-999, -10.0, kYellow, "D.L. -10.00"},
        {-999, -20.0, kLightGreen, "-20.00"},
        {999, -20.0, kLightGreen, "       -20.00"},
        // Sand between 3.0 and -5.0: anchor -1.0; γ' = 20 - 10.
        {1, -1.0, kLightMagenta, "γ =18.000"},
        {2, -1.0, kLightMagenta, "γ'=10.000"},
        {3, -1.0, kLightMagenta, "Φ =30.0"},
        {999, -5.0, kLightGreen, "       -5.00"},
        // Clay between -5.0 and the lower limit: anchor -12.5; C = 2 Z + 10.
        {1, -12.5, kLightMagenta, "γ =17.000"},
        {2, -12.5, kLightMagenta, "γ'=7.000"},
        {3, -12.5, kLightMagenta, "Ｃ =2.000Ｚ"},
        {4, -12.5, kLightMagenta, "   +10.000"},
        // Sea-side sand: no boundary for record 0; anchor (-10 - 20) / 2.
        {-1, -15.0, kLightMagenta, "γ =18.000"},
        {-2, -15.0, kLightMagenta, "γ'=10.000"},
        {-3, -15.0, kLightMagenta, "Φ =35.0"},
        {0, 3.0, kWhite, "3.00"},
    };
    ASSERT_EQ(lists.Mmo_tbl.size(), std::size(want_labels));
    for (std::size_t i = 0; i < std::size(want_labels); ++i) {
        SCOPED_TRACE(i);
        const MmoRec& got = lists.Mmo_tbl[i];
        EXPECT_EQ(got.kind, want_labels[i].kind);
        EXPECT_NEAR(got.y, want_labels[i].y, 1e-9);
        EXPECT_EQ(got.color, want_labels[i].color);
        EXPECT_EQ(got.text, want_labels[i].text);
    }
}

TEST(SchematicModel, StraightSurchargeBandStandsATenthOfTheIntensityHigh) {
    for (double q : {0.0, 20.0}) {
        SCOPED_TRACE(q);
        DesignData d = hand_section();
        d.tihyou_dat.surcharge_q[0] = q;
        std::vector<MseRec> white =
            lines_of(build_schematic(d, StudyCase::completed_normal), kWhite, kDotted);
        if (q == 0) {
            EXPECT_TRUE(white.empty());
            continue;
        }
        ASSERT_EQ(white.size(), 3u);
        expect_line(white[0], {0, 5, 23, 5, kWhite, kDotted});
        expect_line(white[1], {0, 3, 0, 5, kWhite, kDotted});
        expect_line(white[2], {23, 3, 23, 5, kWhite, kDotted});
    }
}

TEST(SchematicModel, SeismicCaseTakesItsOwnSurcharge) {
    std::vector<MseRec> white =
        lines_of(build_schematic(hand_section(), StudyCase::completed_seismic), kWhite, kDotted);
    ASSERT_EQ(white.size(), 3u);
    expect_line(white[0], {0, 3.5, 23, 3.5, kWhite, kDotted});
}

DesignData embankment(std::initializer_list<TikeiPoint> points) {
    DesignData d = hand_section();
    d.kanseiji_dat.shape_sw = GroundShape::Embankment;
    std::copy(points.begin(), points.end(), d.tihyou_dat.tikei_tbl.begin());
    return d;
}

TEST(SchematicModel, EmbankmentZoneSplitsIntoOnePiecePerSegment) {
    // Ground from the wall top (0, 3) to (10, 4) and (20, 5); one zone of
    // 20 kN/m2 from 5 to 15 gives the pieces 5-10 and 10-15, 20 m high.
    DesignData d = embankment({{10, 4}, {20, 5}});
    d.tihyou_dat.josai_tbl[0] = JosaiRow{5, 15, 20, 0};
    SchematicLists lists = build_schematic(d, StudyCase::completed_normal);

    std::vector<MseRec> ground = lines_of(lists, kLightGreen, kSolid);
    ASSERT_EQ(ground.size(), 3u); // two ground segments and the seabed
    expect_line(ground[0], {0, 3, 10, 4, kLightGreen, kSolid});
    expect_line(ground[1], {10, 4, 20, 5, kLightGreen, kSolid});
    expect_line(lists.Mse_tbl[0], {0, 3, 999.9, 3, kLightGreen, kDotted});

    std::vector<MseRec> white = lines_of(lists, kWhite, kDotted);
    const MseRec want[] = {
        {5, 23.5, 10, 24, kWhite, kDotted}, {5, 3.5, 5, 23.5, kWhite, kDotted},
        {10, 4, 10, 24, kWhite, kDotted},   {10, 24, 15, 24.5, kWhite, kDotted},
        {10, 4, 10, 24, kWhite, kDotted},   {15, 4.5, 15, 24.5, kWhite, kDotted},
    };
    ASSERT_EQ(white.size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i) {
        SCOPED_TRACE(i);
        expect_line(white[i], want[i]);
    }
    // The seismic case reads the seismic intensity, 0 here: no outline.
    EXPECT_TRUE(
        lines_of(build_schematic(d, StudyCase::completed_seismic), kWhite, kDotted).empty());
}

TEST(SchematicModel, EmbankmentZoneEdgesOnSegmentEndsAndWholeSegments) {
    struct Case {
        const char* what;
        double start, end;
        std::vector<MseRec> tops; // the top lines, one per piece
    };
    // Ground (0, 3) -> (10, 3) -> (20, 3), zones of 1 kN/m2.
    const Case cases[] = {
        {"next segment begins at the zone's end", 0, 10, {{0, 4, 10, 4, kWhite, kDotted}}},
        {"first segment ends at the zone's start", 10, 20, {{10, 4, 20, 4, kWhite, kDotted}}},
        {"segment wholly inside",
         -5,
         25,
         {{0, 4, 10, 4, kWhite, kDotted}, {10, 4, 20, 4, kWhite, kDotted}}},
        {"zone inside one segment", 12, 14, {{12, 4, 14, 4, kWhite, kDotted}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesignData d = embankment({{10, 3}, {20, 3}});
        d.tihyou_dat.josai_tbl[2] = JosaiRow{c.start, c.end, 1, 1};
        std::vector<MseRec> white =
            lines_of(build_schematic(d, StudyCase::completed_normal), kWhite, kDotted);
        ASSERT_EQ(white.size(), 3 * c.tops.size());
        for (std::size_t i = 0; i < c.tops.size(); ++i)
            expect_line(white[3 * i], c.tops[i]);
    }
}

TEST(SchematicModel, GroundPointZeroZeroEndsThePolyline) {
    DesignData d = embankment({{5, 3.5}, {10, 4}, {0, 0}, {15, 5}});
    std::vector<MseRec> ground =
        lines_of(build_schematic(d, StudyCase::completed_normal), kLightGreen, kSolid);
    ASSERT_EQ(ground.size(), 3u); // two ground segments and the seabed
    expect_line(ground[1], {5, 3.5, 10, 4, kLightGreen, kSolid});
    EXPECT_EQ(ground[2].y1, -10.0); // the seabed follows
}

TEST(SchematicModel, ResidualWaterLevelByItsRule) {
    struct Case {
        int rwl_sw;
        double level;
    };
    // H.W.L. 1.5, L.W.L. 0.0, given level 0.8.
    for (Case c : {Case{0, 1.0}, Case{1, 1.5}, Case{2, 0.8}}) {
        SCOPED_TRACE(c.rwl_sw);
        DesignData d = hand_section();
        d.sekkei_dat.rwl_sw = residual_rule_from_screen(c.rwl_sw);
        SchematicLists lists = build_schematic(d, StudyCase::completed_normal);
        expect_line(lists.Mse_tbl[6], {999.9, c.level, 0, c.level, kLightCyan, kDotted});
        EXPECT_NEAR(lists.Mmo_tbl[3].y, c.level, 1e-12);
    }
}

TEST(SchematicModel, ConstructionStageDrawsTheMarkedLevelsOnly) {
    for (int static_sw : {0, 1}) {
        SCOPED_TRACE(static_sw);
        DesignData d = hand_section();
        d.sekkei_dat.tide_name = "ABC";
        d.sekouji_dat.tide_sakuzu_sw = {CheckBox::Clear, CheckBox::Clear, CheckBox::Clear,
                                        CheckBox::Checked, CheckBox::Clear};
        d.sekouji_dat.static_sw = code_of_list_index<StaticWater>(static_sw);
        SchematicLists lists = build_schematic(d, StudyCase::construction);
        std::vector<MseRec> water = lines_of(lists, kLightCyan, kDotted);
        ASSERT_EQ(water.size(), 1u);
        // With the static water pressure the water stops at the wall.
        expect_line(water[0], {-999.9, 1.2, static_sw ? 0.0 : 999.9, 1.2, kLightCyan, kDotted});
        expect_line(lists.Mse_tbl[0], {-999.9, -10, 999.9, -10, kLightGreen, kSolid});
        EXPECT_EQ(lists.Mmo_tbl[0].text, "D.L. -10.00");
        EXPECT_EQ(lists.Mmo_tbl[1].text, "ABC       1.20");
        // The wall stands from the sheet-pile crown.
        expect_line(lists.Mse_tbl.back(), {0, 2.5, 0, -20, kWhite, kSolid});
        EXPECT_EQ(lists.Mmo_tbl.back().text, "2.50");
    }
}

TEST(SchematicModel, ConstructionStageSkipsLandLayersAboveItsSeabed) {
    // Construction seabed -6: the layer 3.0 to 0.0 does not exist yet; the
    // layer 0.0 to -8.0 is the first drawn, its text centred between -6 and
    // -8; the layer from -8.0 gets the only boundary.
    DesignData d = hand_section();
    d.sekkei_dat.seabed_sekou = -6.0;
    auto& land = d.dosou_dat.dosou_riku;
    land[1] = land[0];
    land[1].top_lvl = 0.0;
    land[2] = land[0];
    land[2].top_lvl = -8.0;
    SchematicLists lists = build_schematic(d, StudyCase::construction);

    std::vector<double> anchors;
    for (const MmoRec& m : lists.Mmo_tbl)
        if (m.kind == 1) anchors.push_back(m.y);
    EXPECT_EQ(anchors, (std::vector<double>{-7.0, -14.0}));
    std::vector<MseRec> boundaries = lines_of(lists, kLightRed, kDotted);
    ASSERT_EQ(boundaries.size(), 1u);
    expect_line(boundaries[0], {0, -8, 999.9, -8, kLightRed, kDotted});
}

TEST(SchematicModel, SeaSideBoundariesFromTheSecondRecord) {
    DesignData d = hand_section();
    auto& sea = d.dosou_dat.dosou_umi;
    sea[1] = sea[0];
    sea[1].top_lvl = -14.0;
    SchematicLists lists = build_schematic(d, StudyCase::completed_normal);
    std::vector<MseRec> boundaries = lines_of(lists, kLightRed, kDotted);
    ASSERT_EQ(boundaries.size(), 2u); // the land boundary at -5, the sea one at -14
    expect_line(boundaries[1], {0, -14, -999.9, -14, kLightRed, kDotted});
    auto label = std::find_if(lists.Mmo_tbl.begin(), lists.Mmo_tbl.end(),
                              [](const MmoRec& m) { return m.text == "-14.00"; });
    ASSERT_NE(label, lists.Mmo_tbl.end());
    EXPECT_EQ(label->kind, kSeaEndLabel);
    EXPECT_EQ(label->color, kLightGreen);
}

TEST(SchematicModel, FifteenLayersReadNoRecordBeyondTheLast) {
    // Every record filled, the spare one too: the last closes at the lower limit.
    DesignData d = hand_section();
    for (std::size_t i = 0; i < d.dosou_dat.dosou_riku.size(); ++i) {
        d.dosou_dat.dosou_riku[i] = d.dosou_dat.dosou_riku[0];
        d.dosou_dat.dosou_riku[i].top_lvl = -static_cast<double>(i);
    }
    SchematicLists lists = build_schematic(d, StudyCase::completed_normal);
    std::vector<double> anchors;
    for (const MmoRec& m : lists.Mmo_tbl)
        if (m.kind == 1) anchors.push_back(m.y);
    ASSERT_EQ(anchors.size(), d.dosou_dat.dosou_riku.size());
    EXPECT_DOUBLE_EQ(anchors.back(), (-15.0 - 20.0) / 2);
}

TEST(SchematicModel, AnAbsurdLevelGivesACutLabel) {
    DesignData d = hand_section();
    d.sekkei_dat.tide_lvl[1] = 1e80;
    SchematicLists lists = build_schematic(d, StudyCase::completed_normal);
    EXPECT_EQ(lists.Mmo_tbl[1].text.size(), static_cast<std::size_t>(kLabelLength));
    EXPECT_EQ(lists.Mmo_tbl[1].text.substr(0, 8), "H.W.L. 1");
}

TEST(SchematicModel, StudyCasesFollowTheStudySwitches) {
    struct Case {
        int kanseiji, jyo, jis, sekouji;
        bool normal, seismic, construction;
    };
    const Case cases[] = {
        {1, 1, 1, 1, true, true, true},    {0, 1, 1, 1, false, false, true},
        {1, 0, 1, 0, false, true, false},  {1, 1, 0, 0, true, false, false},
        {0, 0, 0, 0, false, false, false},
    };
    for (const Case& c : cases) {
        DesignData d;
        d.sekkei_dat.kanseiji_sw = code_of_list_index<CheckBox>(c.kanseiji);
        d.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(c.sekouji);
        d.kanseiji_dat.jyo_sw = code_of_list_index<CheckBox>(c.jyo);
        d.kanseiji_dat.jis_sw = code_of_list_index<CheckBox>(c.jis);
        EXPECT_EQ(study_case_enabled(d, StudyCase::completed_normal), c.normal);
        EXPECT_EQ(study_case_enabled(d, StudyCase::completed_seismic), c.seismic);
        EXPECT_EQ(study_case_enabled(d, StudyCase::construction), c.construction);
    }
}

TEST(SchematicModel, ManyPointsAndZonesKeepEveryLineAndTheWallLast) {
    // 80 points, five zones over the whole ground: 80 segments with three
    // outline lines per zone, far beyond 501 lines.
    DesignData d = hand_section();
    d.kanseiji_dat.shape_sw = GroundShape::Embankment;
    for (int i = 0; i < kGroundPointRoom; ++i)
        d.tihyou_dat.tikei_tbl[i] = TikeiPoint{1.0 + i, 3.0};
    for (int k = 0; k < kSurchargeRoom; ++k)
        d.tihyou_dat.josai_tbl[k] = JosaiRow{-1.0 - k, 100.0 + k, 1.0 + k, 0};
    SchematicLists lists = build_schematic(d, StudyCase::completed_normal);
    EXPECT_EQ(lines_of(lists, kWhite, kDotted).size(), 80u * 5u * 3u);
    ASSERT_GT(lists.Mse_tbl.size(), 1200u);
    expect_line(lists.Mse_tbl.back(), {0, 3, 0, -20, kWhite, kSolid});
    EXPECT_EQ(lists.Mmo_tbl.back().kind, kCrownLabel);
}

} // namespace
} // namespace wtn::schematic
