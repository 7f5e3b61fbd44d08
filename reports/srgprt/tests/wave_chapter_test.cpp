// The wave-pressure chapter: which templates and values each choice of the
// input brings, checked on the page of the H.W.L. block.
#include "report_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

std::string chapter(const ReportFixture& f, const char* page = "JW102HAT.PDT") {
    const ReportRun run = run_report(f);
    EXPECT_EQ(run.stop, "");
    return run.read(page);
}

struct ChapterCase {
    const char* what;
    std::function<void(ReportFixture&)> change;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

void check_cases(const std::vector<ChapterCase>& cases) {
    for (const ChapterCase& c : cases) {
        ReportFixture f;
        c.change(f);
        const std::string page = chapter(f);
        for (const std::string& line : c.present)
            EXPECT_TRUE(has_line(page, line)) << c.what << ": missing \"" << line << "\"";
        for (const std::string& line : c.absent)
            EXPECT_FALSE(has_line(page, line)) << c.what << ": unexpected \"" << line << "\"";
    }
}

TEST(WaveChapter, StillWaterSectionsFollowTheSwitchTheWaveProgramComputedBy) {
    check_cases({
        {"still water on",
         [](ReportFixture&) {},
         {"$0  STA_WP.PFM", "00    10.100", "01     2.000", "02   + ", "03     8.000",
          "04   101.000", "99  (3)", "$R  9", "99  静水圧の作用位置、合力の計算",
          "$0  GAI_MTM1.PFM", "99  4) ", "$R  18", "01  静水圧", "00   756.470", "01    3378.665",
          "02   4.466"},
         {"99  (2)"}},
        // Off, and the value 2, which the wave program does not compute
        // still water by: no still-water pages of zeros.
        {"still water off",
         [](ReportFixture& f) { f.input.static_water = StaticWater::Off; },
         {"99  (2)", "$R  22"},
         {"$0  STA_WP.PFM", "$R  9", "$0  GAI_MTM1.PFM", "99  3) ", "01  静水圧"}},
        {"wav_t 2",
         [](ReportFixture& f) { f.input.static_water = from_file_value<StaticWater>(2); },
         {"99  (2)"},
         {"$0  STA_WP.PFM", "$0  GAI_MTM1.PFM"}},
        {"seabed -5.00",
         [](ReportFixture& f) { f.input.tjkn1.construction_seabed = -5.0; },
         {"02   + ", "03     5.000", "00    -5.00"},
         {}},
        {"seabed 0.00",
         [](ReportFixture& f) { f.input.tjkn1.construction_seabed = 0.0; },
         {"02   - ", "03     0.000", "00    +0.00"},
         {"02   + "}},
        {"no force piece",
         [](ReportFixture& f) { f.blocks[0].forces.count = 0; },
         {"$R  14", "$0  MOMENT3.PFM"},
         {"$0  MOMENT2.PFM    "}},
    });
}

TEST(WaveChapter, WaveLengthAndGodaTemplatesByMethodVersionAndLambda) {
    check_cases({
        {"wave length given",
         [](ReportFixture&) {},
         {"$0  JW_HLL0.PFM", "00    60.00"},
         {"$0  JW_HLL1.PFM"}},
        {"wave length computed from the period",
         [](ReportFixture& f) {
             f.input.tide_levels[kTideHwl].wave_length_method = WaveLengthMethod::Computed;
             f.input.tide_levels[kTideHwl].period = 8.5;
         },
         {"$0  JW_HLL1.PFM", "00    60.00", "01    8.50", "02   10.00"},
         {"$0  JW_HLL0.PFM"}},
        {"design height from H1/3",
         [](ReportFixture&) {},
         {"$0  JW_HHDG0.PFM", "00    2.35", "01    4.23", "02   2)"},
         {}},
        {"design height given",
         [](ReportFixture& f) {
             f.input.tide_levels[kTideHwl].breaking_influence = BreakingInfluence::Influenced;
         },
         {"$0  JW_HHDG1.PFM", "00    4.23", "01   2)"},
         {}},
        {"version 1, lambda1 0.8",
         [](ReportFixture& f) {
             f.input.wavsw.lambda1 = 0.8;
             f.input.nir_t.lambda2 = 0.9;
         },
         {"$0  JW_HGY00.PFM    JW_HGY00.PZK", "$0  JW_HGY01.PFM    JW_HGY01.PZK", "04     1.03",
          "08     0.80", "09     0.90", "11    1.03", "99   0.80", "98   0.90", "12    32.569",
          "02   6.345", "05   0.737", "08   0.025", "10   0.700"},
         {}},
        {"version 2 takes the same form",
         [](ReportFixture& f) { f.input.version_number = 2; },
         {"$0  JW_HGY00.PFM    JW_HGY00.PZK", "99   1.00"},
         {"$0  JW_HGY0.PFM     JW_HGY0.PZK"}},
        {"version 0, lambda1 0.8",
         [](ReportFixture& f) {
             f.input.version_number = 0;
             f.input.wavsw.lambda1 = 0.8;
         },
         {"$0  JW_HGY2.PFM     JW_HGY2.PZK", "$0  JW_HGY3.PFM     JW_HGY3.PZK", "04    10.10",
          "08     0.80", "11   10.10", "99   0.80"},
         {"09     1.00", "98   1.00"}},
        {"version 0, lambda1 1.0",
         [](ReportFixture& f) { f.input.version_number = 0; },
         {"$0  JW_HGY0.PFM     JW_HGY0.PZK", "$0  JW_HGY1.PFM     JW_HGY1.PZK"},
         {"08     1.00", "99   1.00", "09     1.00", "98   1.00"}},
    });
}

TEST(WaveChapter, OtherForcesOfTheCaseAreListedWithSwitchOne) {
    ReportFixture f;
    f.system_switch = 1;
    f.input.swdat.completed_cases = CompletedCases::SeismicOnly;
    f.blocks[0].case_index = kCaseSeismic;
    f.input.force_seismic_count = 2;
    f.input.forces_seismic[0] = {"係船柱$1", 12.5, 3.0};
    f.input.forces_seismic[1] = {"防舷材", -4.0, 1.0};
    f.input.force_normal_count = 1;
    f.input.forces_normal[0] = {"normal", 1.0, 1.0};
    const std::string page = chapter(f, "JW202HAT.PDT");
    EXPECT_TRUE(has_line(page, "$R  17")); // 2 x 4 pieces + 9
    EXPECT_TRUE(has_line(page, "$R  22")); // 4 + 2 x 2 + 14
    // The name in 20 printed columns; its "$" doubled so the viewer prints it.
    EXPECT_TRUE(has_line(page, "01  係船柱$$1" + std::string(12, ' ')));
    EXPECT_TRUE(has_line(page, "01  防舷材" + std::string(14, ' ')));
    EXPECT_TRUE(has_line(page, "02    -4.000"));
    EXPECT_FALSE(has_line(page, "01  normal" + std::string(14, ' ')));
    // Switch 0 lists none and, with still water off, writes no summary.
    f.system_switch = 0;
    f.input.static_water = StaticWater::Off;
    f.blocks[0].case_index = kCaseNormal;
    const std::string plain = chapter(f);
    EXPECT_TRUE(has_line(plain, "$R  22"));
    EXPECT_EQ(plain.find("GAI_MTM"), std::string::npos);
}

// Kuroda / Hiroi: the template and the texts of codes 03 to 05 and the
// design-height label by standard, breaking, works and angle.
TEST(WaveChapter, KurodaHiroiTemplatesByStandardBreakingWorksAndAngle) {
    struct Case {
        int standard, breaking, works, wide;
        const char* template_line;
        const char* height; // code 00 of JW_HHDK0
        std::vector<std::string> texts;
        std::vector<std::string> absent;
    };
    const std::string port_h = "00    Ｈ$SD$Z＝    4.23";
    const std::string other_h = "00    Ｈ$S $Z＝    4.23";
    const Case cases[] = {
        {1,
         0,
         2,
         0,
         "$0  JW_HCYK.PFM     JW_HCYK.PZK",
         "00    Ｈ$SD$Z＝    4.23",
         {"04   0.369", "05    30.300", "06    10.642", "07    20.892", "08    0.00", "99    8.00"},
         {}},
        {2,
         0,
         2,
         0,
         "$0  JW_HCYG.PFM     JW_HCYG.PZK",
         "00    Ｈ$S $Z＝    4.23",
         {"07    20.892"},
         {"08    0.00"}},
        {1,
         1,
         1,
         0,
         "$0  JW_HSYKS.PFM    JW_HSYKS.PZK",
         "00  Ｈ$S1/3$Z＝    4.23",
         {"03  0≦β≦45ﾟの場合", "04  1.0", "05  x cos  0.00", "06    30.300"},
         {}},
        {1,
         1,
         1,
         1,
         "$0  JW_HSYKS.PFM    JW_HSYKS.PZK",
         "00  Ｈ$S1/3$Z＝    4.23",
         {"03  β＞45ﾟの場合", "04  0.7", "05             "},
         {}},
        {2, 1, 1, 0, "$0  JW_HSYGS.PFM", "00    Ｈ$S $Z＝    4.23", {"03  β＜45ﾟ", "04  1.0"}, {}},
        {2, 1, 1, 1, "$0  JW_HSYGS.PFM", "00    Ｈ$S $Z＝    4.23", {"03  β≧45ﾟ", "04  0.7"}, {}},
        {1,
         1,
         2,
         0,
         "$0  JW_HSYK.PFM",
         "00    Ｈ$SD$Z＝    4.23",
         {"06    30.300"},
         {"03  β＜45ﾟ", "04   1.5"}},
        // Works switch 0 is no works, as the wave program takes it.
        {1, 1, 0, 1, "$0  JW_HSYK.PFM", "00    Ｈ$SD$Z＝    4.23", {"06    30.300"}, {}},
        {2,
         1,
         2,
         0,
         "$0  JW_HSYG.PFM",
         "00    Ｈ$S $Z＝    4.23",
         {"03  β＜45ﾟ", "04   1.5", "05  x cos$U2$Z  0.00"},
         {}},
        {2,
         1,
         0,
         1,
         "$0  JW_HSYG.PFM",
         "00    Ｈ$S $Z＝    4.23",
         {"03  β≧45ﾟ", "04  0.75", "05       $U $Z      "},
         {}},
    };
    for (const Case& c : cases) {
        ReportFixture f;
        f.input.wavsw.wave_formula = WaveFormula::KurodaHiroi;
        f.input.swdat.design_standard = from_file_value<DesignStandard>(c.standard);
        f.input.wavsw.dissipating_works = from_file_value<DissipatingWorks>(c.works);
        f.input.tide_levels[kTideHwl].breaking_influence = BreakingInfluence::KurodaHiroiRow;
        f.blocks[0] = kuroda_hiroi_block(c.breaking, c.wide);
        const std::string page = chapter(f);
        const std::string what = std::to_string(c.standard) + "/" + std::to_string(c.breaking) +
                                 "/" + std::to_string(c.works) + "/" + std::to_string(c.wide);
        EXPECT_TRUE(has_line(page, c.template_line)) << what;
        EXPECT_TRUE(has_line(page, "$0  JW_HHDK0.PFM")) << what;
        EXPECT_TRUE(has_line(page, c.height)) << what;
        for (const std::string& line : c.texts)
            EXPECT_TRUE(has_line(page, line)) << what << ": missing \"" << line << "\"";
        for (const std::string& line : c.absent)
            EXPECT_FALSE(has_line(page, line)) << what << ": unexpected \"" << line << "\"";
        EXPECT_EQ(page.find("JW_HGY"), std::string::npos) << what;
    }
}

} // namespace
} // namespace wtn::test
