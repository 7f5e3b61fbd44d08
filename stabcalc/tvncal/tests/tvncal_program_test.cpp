// TVNCAL run as the run chain runs it, on program folders with a hand-written
// GAIRYOK.DAT: P 60 kN/m with lever arm 4 m at the reference level -7.00 in
// uniform ground of kh 30000 kN/m3, crown +3.00. By hand (Chang's method,
// E 200 kN/mm2): SP-II (EI 17480) beta 0.809, Mmax 244.729, stress 280.0;
// SP-III 183.8; SP-IV 109.8 N/mm2.
#include "candidate_table.h"
#include "child_process.h"
#include "current_folder.h"
#include "program_folder.h"
#include "stability_fixture.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace wtn {
namespace {

using test::ForceSection;
using test::ProgramFolder;
using test::StabilityInput;

struct ProgramRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>();
    test::ChildResult result;
    std::string file(const std::string& name) const { return folder->read(name); }
    std::size_t size(const std::string& name) const {
        return static_cast<std::size_t>(std::filesystem::file_size(folder->file(name)));
    }
};

// earlier_files: files an earlier run left in the folder, by name.
ProgramRun run_tvncal(const StabilityInput& in, int mode, const std::vector<ForceSection>& sections,
                      const std::string& answer = "no",
                      const std::vector<std::pair<std::string, std::string>>& earlier_files = {}) {
    ProgramRun run;
    for (const auto& [name, bytes] : earlier_files)
        run.folder->write(name, bytes);
    run.folder->write("CAL_FILE.DAT", test::stability_input_text(in));
    run.folder->write("TVNCSTM.DAT", test::stability_customisation_text());
    run.folder->write("GAIRYOK.DAT", test::force_file_text(mode, sections));
    run.folder->write("CAL_FILE.INF", "GOLDEN\r\ntitle\r\n26\r\n12\r\n10\r\n14\r\n30\r\n5\r\n");
    test::ChildRun child;
    child.program = test::program_path("TVNCAL");
    child.work_dir = run.folder->path();
    child.unset_env = {"WTN_UI_PIPE"};
    child.env = {{"WTN_ANSWER", answer}};
    run.result = test::run_child(child);
    return run;
}

// Box texts reach standard error in UTF-8, whatever the program holds.
std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

bool starts_with(const std::string& text, const std::string& head) {
    return text.rfind(head, 0) == 0;
}

using test::count_of;

TEST(TvncalSelection, FirstPileThatPassesTheStressCheckIsDecided) {
    const ProgramRun run = run_tvncal(StabilityInput{}, 0, {ForceSection{}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const std::string pages = run.file("CTRAIAL0.PDT");
    EXPECT_EQ(count_of(pages, "$R  "), 3);
    EXPECT_NE(pages.find("08         280.0\r\n"), std::string::npos);
    EXPECT_NE(pages.find("08         183.8\r\n"), std::string::npos);
    EXPECT_NE(pages.find("08         109.8\r\n"), std::string::npos);
    // SP-IV: beta 0.558, embedment 3 / 0.558 = 5.376, tip -12.376, length
    // from +3.00 rounded up to 15.5 m.
    EXPECT_EQ(run.file("KEKKA2.DAT"), "\"完成時\",\"SP-IV\", -12.500,  15.500\r\n");
    EXPECT_EQ(run.file("OK_YAITA.DAT").substr(0, 13), "23\r\n\"SP-IV\"\r\n");
    // One load row and the 80-byte block of Chang's method, of SP-IV only.
    EXPECT_EQ(run.size("NEIRE.PRN"), 4u + 24u + 80u);
    EXPECT_EQ(run.size("NEIRE_TL.PRN"), 464u);
    EXPECT_EQ(run.size("NEIRE_CM.PRN"), 1792u);
    EXPECT_EQ(run.file("CAL_NEI.DAT"), "0.000\r\n0.000\r\n");
    EXPECT_TRUE(run.folder->exists("SJOKEN.DAT"));
}

// The work files of an earlier, larger run (and a temporary a killed run
// left) are replaced whole: nothing of them is left behind the new contents.
TEST(TvncalSelection, WorkFilesOfAnEarlierRunAreReplacedWhole) {
    const std::string earlier(4000, 'E');
    const ProgramRun run = run_tvncal(
        StabilityInput{}, 0, {ForceSection{}}, "no",
        {{"NEIRE.PRN", earlier}, {"NEIRE_TL.PRN", earlier}, {"NEIRE.PRN.TMP~", earlier}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_EQ(run.size("NEIRE.PRN"), 4u + 24u + 80u);
    EXPECT_EQ(run.size("NEIRE_TL.PRN"), 464u);
    EXPECT_EQ(run.file("NEIRE.PRN").find(earlier.substr(0, 8)), std::string::npos);
    for (const char* name : {"NEIRE.PRN.TMP~", "NEIRE_TL.PRN.TMP~"})
        EXPECT_FALSE(run.folder->exists(name)) << name;
}

TEST(TvncalSelection, WhenEveryPileFailsTheLastStandsWithItsFlags) {
    StabilityInput in;
    in.allow_stress = 50.0;
    const ProgramRun run = run_tvncal(in, 0, {ForceSection{}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_TRUE(starts_with(run.file("KEKKA2.DAT"), "\"完成時\",\"SP-IV\","));
    const std::string table = run.file("KEKKA1.DAT");
    EXPECT_NE(table.find("\r\n109.800000,-99999.900000,"), std::string::npos); // D2
    EXPECT_NE(table.find("\r\n1,-1,-1,-1\r\n"), std::string::npos);            // F2 NG
}

TEST(TvncalSelection, LastPileWithoutSectionAfterCorrosionStops) {
    // SP-II, then a user's pile of larger Z reduced to nothing.
    StabilityInput in;
    in.pile_type = 3;
    in.reduction = 0.0;
    in.extra = "tyait,21\r\napdyt,1\r\n";
    ProgramRun run;
    run.folder->write("KOUYAITA.APD", "1\r\n1,\"OWN\",90000,5000,0\r\n");
    run.folder->write("CAL_FILE.DAT", test::stability_input_text(in));
    run.folder->write("TVNCSTM.DAT", test::stability_customisation_text());
    run.folder->write("GAIRYOK.DAT", test::force_file_text(0, {ForceSection{}}));
    // Work files of an earlier run, which this stopped run must not leave as its own.
    run.folder->write("NEIRE.PRN", "earlier");
    run.folder->write("NEIRE_TL.PRN", "earlier");
    test::ChildRun child;
    child.program = test::program_path("TVNCAL");
    child.work_dir = run.folder->path();
    child.unset_env = {"WTN_UI_PIPE"};
    run.result = test::run_child(child);
    EXPECT_EQ(run.result.exit_code, 1);
    EXPECT_NE(run.result.err.find(utf8(u8"腐食が大きすぎて")), std::string::npos);
    EXPECT_EQ(count_of(run.file("CTRAIAL0.PDT"), "$R  "), 1); // SP-II was computed
    EXPECT_FALSE(run.folder->exists("KEKKA1.DAT"));
    for (const char* name : {"NEIRE.PRN", "NEIRE_TL.PRN", "NEIRE.PRN.TMP~", "NEIRE_TL.PRN.TMP~"})
        EXPECT_FALSE(run.folder->exists(name)) << name;
}

TEST(TvncalRefusals, EmptyTableAndUnknownMethod) {
    struct Case {
        const char* name;
        int pile_type;
        int method;
        const char8_t* message;
    };
    const Case cases[] = {
        {"pile type outside 1 to 7", 8, 1, u8"矢板データが１件も選択されていません"},
        {"method outside 1 to 5", 1, 6, u8"1 から 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StabilityInput in;
        in.pile_type = c.pile_type;
        in.method = c.method;
        const ProgramRun run = run_tvncal(in, 0, {ForceSection{}});
        EXPECT_EQ(run.result.exit_code, 1);
        EXPECT_NE(run.result.err.find(utf8(c.message)), std::string::npos) << run.result.err;
        EXPECT_FALSE(run.folder->exists("KEKKA1.DAT"));
        EXPECT_FALSE(run.folder->exists("KEKKA2.DAT"));
    }
}

TEST(TvncalPages, CorrodedSteelPileWithEveryCheckOn) {
    // Default corrosion rates over 30 years: sea water 0.9 / 0.9 mm, seabed
    // mud 0.9 / 0.6 mm. SP-II: Z' = 874 - 0.9 * 161.99 = 728,
    // I' = 728.209 * (100 - 0.9) / 10 = 7217; seabed mud rho 0.67, loss
    // 135.26 per mm, Z' 752, I' 7466. Every check passes with these allowables.
    StabilityInput in;
    in.standard = 1;
    in.decision = 111;
    in.allow_stress = 400.0;
    in.allow_disp_normal = 80.0;
    const ProgramRun run = run_tvncal(in, 0, {ForceSection{}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const std::string expected = "完成時         :計算ﾄﾗｲｱﾙ結果表\r\n"
                                 "  26  12  10  14  30   5        GOLDEN\r\n"
                                 "$1  TRI_TITL.PFM\r\n"
                                 "$R  39\r\n"
                                 "$0  TRAIAL1.PFM\r\n"
                                 "00  [SP-II]\r\n"
                                 "01  完成時 [常  時]\r\n"
                                 "02           874\r\n"
                                 "03           728\r\n"
                                 "04           752\r\n"
                                 "05          8740\r\n"
                                 "06          7217\r\n"
                                 "07          7466\r\n"
                                 "08         280.0\r\n"
                                 "09         329.7\r\n"
                                 "10         325.0\r\n"
                                 "20  ──────\r\n"
                                 "21  ──────\r\n"
                                 "22  ──────\r\n"
                                 "23  ──────\r\n"
                                 "11         1.373\r\n"
                                 "12         1.470\r\n"
                                 "13        44.651\r\n"
                                 "14        52.075\r\n"
                                 "15    244.729\r\n"
                                 "99  M$S0$Z\r\n"
                                 "16    240.000\r\n"
                                 "17    244.396\r\n"
                                 "18         3.077\r\n"
                                 "19         2.951\r\n"
                                 "$0  T-ORYK1.PFM\r\n"
                                 "00      400.0\r\n"
                                 "01   ≦ \r\n"
                                 "02      280.0\r\n"
                                 "03  OK \r\n"
                                 "04   ≦ \r\n"
                                 "05      329.7\r\n"
                                 "06  OK \r\n"
                                 "07   ≦ \r\n"
                                 "08      325.0\r\n"
                                 "09  OK \r\n"
                                 "$0  T-HENI1.PFM\r\n"
                                 "00     80.000\r\n"
                                 "01   ≦ \r\n"
                                 "02     44.651\r\n"
                                 "03  OK \r\n"
                                 "04   ≦ \r\n"
                                 "05     52.075\r\n"
                                 "06  OK \r\n"
                                 "$0  T-HANR1.PFM\r\n"
                                 "00  ｋ$Sh$Z･δ$S1$Z   \r\n"
                                 "01    500.000\r\n"
                                 "02   ≦ \r\n"
                                 "03    411.900\r\n"
                                 "04  OK \r\n"
                                 "05   ≦ \r\n"
                                 "06    441.000\r\n"
                                 "07  OK \r\n";
    EXPECT_EQ(run.file("CTRAIAL0.PDT"), expected);
}

TEST(TvncalPages, ConcretePileIsJudgedOnTheMagnitudeOfItsMoment) {
    // A load towards the land side: P -20 kN/m, M -80 kN*m/m. The maximum
    // moment is positive, about 82 kN*m/m, above the 30 kN*m/m of PC-150:
    // on the signed moment PC-150 would pass.
    StabilityInput in;
    in.pile_type = 6;
    ForceSection landward;
    landward.force = -20.0;
    const ProgramRun run = run_tvncal(in, 0, {landward});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const std::string pages = run.file("CTRAIAL0.PDT");
    const std::string first = pages.substr(0, pages.find("$R  ", pages.find("$R  ") + 1));
    EXPECT_NE(first.find("00  [PC-150]\r\n"), std::string::npos);
    EXPECT_NE(first.find("$R  26\r\n$0  TRAIAL3.PFM\r\n"), std::string::npos); // 23 + 3
    EXPECT_NE(first.find("08  ──────\r\n"), std::string::npos);
    EXPECT_EQ(first.find("09  "), std::string::npos);
    EXPECT_NE(first.find("$0  T-MMAX1.PFM\r\n00     30.000\r\n01   ＞ \r\n"), std::string::npos);
    EXPECT_NE(first.find("03  OUT\r\n04  Mγ\r\n"), std::string::npos);
    EXPECT_GT(count_of(pages, "$R  "), 1);
}

TEST(TvncalPages, SteelPipeWithTheSecondaryStressCheck) {
    // D 1000 t 12 per metre: Z 8500, I 424982; no corrosion (flag -1), the
    // stress check with the two steel-pipe blocks: n = 23 + 3 + 2 * 3.
    StabilityInput in;
    in.pile_type = 4;
    in.extra = "kokan,1000,12,1\r\nnir_t,2,1,0,1,0,0\r\n";
    const ProgramRun run = run_tvncal(in, 0, {ForceSection{}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const std::string pages = run.file("CTRAIAL0.PDT");
    EXPECT_NE(pages.find("$R  32\r\n$0  TRAIAL3.PFM\r\n00  [φ1000.0 x t12.0 (L-T)型]\r\n"),
              std::string::npos);
    EXPECT_NE(pages.find("02          8500\r\n05        424982\r\n"), std::string::npos);
    EXPECT_EQ(pages.find("20  ──"), std::string::npos);
    EXPECT_NE(pages.find("$0  T-SIGM22.PFM\r\n00      140.0\r\n"), std::string::npos);
    EXPECT_NE(pages.find("$0  T-SIGMF2.PFM\r\n00      154.0\r\n"), std::string::npos);
    // Secondary and combined stresses reach the results table (D6, D7).
    const std::string table = run.file("KEKKA1.DAT");
    std::size_t line5 = 0;
    for (int i = 0; i < 4; ++i)
        line5 = table.find("\r\n", line5) + 2;
    EXPECT_NE(table.substr(line5, 14), "-99999.900000,");
    EXPECT_TRUE(starts_with(run.file("KEKKA2.DAT"), "\"完成時\",\"φ1000.0 x t12.0 (L-T)型\","));
}

TEST(TvncalResultFiles, CompletedStateNormalCaseWithoutCorrosionOrStressCheck) {
    // Displacement and reaction checks only: SP-II passes with 44.651 cm
    // (1.373 + 19.594 + 23.684) and 411.9 kN/m2; embedment 3 / 0.809 = 3.708,
    // tip -10.708, length ceil(2 * 13.708) / 2 = 14.0.
    StabilityInput in;
    in.decision = 110;
    const ProgramRun run = run_tvncal(in, 0, {ForceSection{}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_EQ(run.file("KEKKA2.DAT"), "\"完成時\",\"SP-II\", -11.000,  14.000\r\n");
    const std::string absent = "-99999.900000,-99999.900000,-99999.900000";
    EXPECT_EQ(run.file("KEKKA1.DAT"), "-99999.900000," + absent + "\r\n" + "-99999.900000," +
                                          absent + "\r\n" + "44.651000," + absent + "\r\n" +
                                          "411.900000," + absent + "\r\n" + "-99999.900000," +
                                          absent + "\r\n" + "-99999.900000," + absent + "\r\n" +
                                          "-10.708000," + absent + "\r\n" +
                                          "-1,-1,-1,-1\r\n-1,-1,-1,-1\r\n0,-1,-1,-1\r\n"
                                          "0,-1,-1,-1\r\n-1,-1,-1,-1\r\n-1,-1,-1,-1\r\n");
}

TEST(TvncalResultFiles, ConstructionStageThreeLevels) {
    // H.H.W.L., H.W.L. and L.W.L. examined; the displacement check only.
    StabilityInput in;
    in.decision = 10;
    in.studies = 2;
    ForceSection lower;
    lower.force = 40.0;
    const ProgramRun run = run_tvncal(in, 1, {ForceSection{}, lower, lower});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_EQ(run.file("KEKKA4.DAT"), "\"施工時\",\"SP-II\", -11.000,  14.000\r\n");
    const std::string table = run.file("KEKKA3.DAT");
    const auto line = [&](int n) {
        std::size_t at = 0;
        for (int i = 0; i < n; ++i)
            at = table.find("\r\n", at) + 2;
        return table.substr(at, table.find("\r\n", at) - at);
    };
    EXPECT_EQ(line(2).substr(0, 10), "44.651000,");
    EXPECT_EQ(line(2).substr(line(2).rfind(',')), ",-99999.900000");
    EXPECT_EQ(line(6), "-10.708000,-10.708000,-10.708000,-99999.900000");
    EXPECT_EQ(line(9), "0,0,0,-1");
    EXPECT_TRUE(run.folder->exists("CTRAIAL1.PDT"));
    EXPECT_NE(run.file("CTRAIAL1.PDT").find("01  施工時 < L.W.L. >\r\n"), std::string::npos);
}

TEST(TvncalResultFiles, ConstructionStageReactionIsNotChecked) {
    // The construction stage has no passive pressure at its base (0.0 on the
    // base line): with every check switched on, SP-II fails on stress (280.0
    // against 1.5 x 180 = 270) and SP-III is decided on stress and
    // displacement; its reaction is written as not checked.
    StabilityInput in;
    in.decision = 111;
    in.studies = 2;
    in.examine = "2,1,2,1,1,1,2,1";
    ForceSection section;
    section.pressure = 0.0;
    const ProgramRun run = run_tvncal(in, 1, {section});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_TRUE(starts_with(run.file("KEKKA4.DAT"), "\"施工時\",\"SP-III\","));
    const std::string table = run.file("KEKKA3.DAT");
    std::size_t at = 0;
    for (int i = 0; i < 10; ++i)
        at = table.find("\r\n", at) + 2;
    EXPECT_EQ(table.substr(at, table.find("\r\n", at) - at), "-1,-1,-1,-1");
    EXPECT_NE(run.file("CTRAIAL1.PDT").find("04  － \r\n"), std::string::npos);
}

TEST(TvncalRefusals, ConstructionStageWithoutAnExaminedTideLevel) {
    StabilityInput in;
    in.studies = 2;
    in.examine = "2,1,2,1,2,1,2,1";
    const ProgramRun run = run_tvncal(in, 1, {});
    EXPECT_EQ(run.result.exit_code, 1);
    EXPECT_NE(run.result.err.find(utf8(u8"検討する潮位がない")), std::string::npos);
    EXPECT_FALSE(run.folder->exists("KEKKA4.DAT"));
}

TEST(DecidedPileFile, RoundTripToSixDecimals) {
    ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    auto run = std::make_unique<StabilityRun>();
    Candidate c;
    c.record.id = 22;
    c.record.name = "SP-III";
    c.record.modulus = {1340.0, 1039.0, 1089.0};
    c.record.modulus_before_cut = {0.0, 1039.02, 1089.18};
    c.record.inertia = {16800.0, 12832.0, 13479.0};
    c.record.rigidity = {33600.0, 25664.0, 26958.0};
    c.record.reduction_ratio = {1.0, 1.0, 0.78};
    c.record.table_min_modulus = 687.0;
    c.record.table_max_allowance = 6.5;
    c.record.pipe_effective_width = 106.956;
    c.record.added = 1;
    c.corrosion_table = {100.33, 125.41, 150.49, 175.57, 200.65};
    c.depth_value = 125.0;
    run->candidates.push_back(c);
    write_ok_yaita(*run, 0);
    EXPECT_EQ(run->results.decided.name, "SP-III");

    auto back = std::make_unique<StabilityRun>();
    read_ok_yaita(*back);
    ASSERT_EQ(back->candidates.size(), 1u);
    const Candidate& r = back->candidates[0];
    EXPECT_EQ(r.record.id, 22);
    EXPECT_EQ(r.record.name, "SP-III");
    EXPECT_EQ(r.record.modulus_before_cut, c.record.modulus_before_cut);
    EXPECT_EQ(r.record.reduction_ratio, c.record.reduction_ratio);
    EXPECT_EQ(r.corrosion_table, c.corrosion_table);
    EXPECT_DOUBLE_EQ(r.depth_value, 125.0);
    EXPECT_DOUBLE_EQ(r.record.table_max_allowance, 6.5);
    EXPECT_DOUBLE_EQ(r.record.pipe_effective_width, 106.956);
    EXPECT_EQ(r.record.added, 1);
}

TEST(TvncalCurveMethod, DepthOfTheMaximumMomentWithoutItsCoefficient) {
    // C-type ground, k 1500: the depth of the maximum moment takes the
    // coefficient of the steel-pipe check (nir_t item 3), which is 0 unless
    // that check is chosen. Without the check the depth is 0 and the run
    // goes on; the steel-pipe check itself cannot go without it.
    const std::string ground = "neire,1,1.0,1.0,1500.0,0,0.15,0.0,0.0,0.0,3,0.0,1,1.0,1.0,0.0\r\n";
    StabilityInput plain;
    plain.method = 3;
    plain.extra = ground;
    const ProgramRun ok = run_tvncal(plain, 0, {ForceSection{}});
    EXPECT_EQ(ok.result.exit_code, 0) << ok.result.err;
    EXPECT_TRUE(ok.folder->exists("KEKKA2.DAT"));

    StabilityInput pipe = plain;
    pipe.pile_type = 4;
    pipe.extra = ground + "kokan,1000,12,1\r\nnir_t,2,1,0,1,0,0\r\n";
    const ProgramRun refused = run_tvncal(pipe, 0, {ForceSection{}});
    EXPECT_EQ(refused.result.exit_code, 1);
    EXPECT_NE(refused.result.err.find(utf8(u8"鋼管矢板の二次応力")), std::string::npos)
        << refused.result.err;
    EXPECT_FALSE(refused.folder->exists("KEKKA1.DAT"));
}

} // namespace
} // namespace wtn
