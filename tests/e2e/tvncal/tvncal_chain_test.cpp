// TVNCAL after the load programs, as the front end's run chain starts them:
// the completed state TVNDAT -> TVNCAL, both studies TVNDAT -> TVNCAL ->
// TVNWAV -> TVNCAL, and the construction stage of system switch 1 (GAIRYOK
// mode 2) with both cases.
#include "child_process.h"
#include "current_folder.h"
#include "force_case.h"
#include "input_file.h"
#include "input_record.h"
#include "program_folder.h"
#include "rounding.h"
#include "text_lines.h"
#include "text_search.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ChildResult;
using test::ProgramFolder;

ChildResult run_program(const ProgramFolder& folder, const char* name) {
    return test::run_batch_in(folder, name);
}

using test::count_of;

// The improved U-type catalogue YAITA.D02 as installed: name, Z (cm3/m), I (cm4/m).
struct CataloguePile {
    const char* name;
    double modulus;
    double inertia;
};
constexpr CataloguePile kImprovedU[] = {
    {"SP-IA", 529, 4500},    {"SP-IIA", 880, 10600}, {"SP-IIIA", 1520, 22800},
    {"SP-IVA", 2250, 41600}, {"SP-VL", 3150, 63000}, {"SP-VIL", 3820, 86000},
};

// Uniform sand: seabed -3.00, crown +3.00, kh 30000 kN/m3 on the sea side,
// stress check only, E 200 kN/mm2. The hand values below are worked from
// the totals TVNDAT wrote: beta = r3((kh / 4 EI)^(1/4)),
// Mmax = M sqrt((1 + 2 beta h0)^2 + 1) / (2 beta h0) e^(-atan(1 / (1 + 2 beta h0))),
// stress |Mmax| / Z <= 180 N/mm2, embedment 3 / beta, length from +3.00
// rounded up to 0.5 m.
TEST(TvncalChain, UniformSandDecidesThePileByHand) {
    test::WallSection section;
    section.seabed = -3.0;
    section.sea = {test::Layer{-3.0}};
    section.sea[0].kh = 30000.0;
    section.decision = 1;
    section.young = 200.0;
    section.young_exponent = 0.0;
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", test::input_file_text(section));
    folder.write("TVNCSTM.DAT", test::customisation_text());
    ASSERT_EQ(run_program(folder, "TVNDAT").exit_code, 0);
    const ChildResult cal = run_program(folder, "TVNCAL");
    ASSERT_EQ(cal.exit_code, 0) << cal.err;

    ForceCase fc;
    {
        test::CurrentFolder here(folder);
        InputRecord input;
        reset_input_counters(input);
        set_input_defaults(input);
        read_input(input, kInputFileName);
        std::FILE* file = std::fopen(kForceFileName, "rb");
        ASSERT_NE(file, nullptr);
        LineReader reader(file);
        read_force_file_mode(reader);
        read_force_case(reader, 0, 0, input, fc);
        std::fclose(file);
    }
    const double kh = fc.layers[static_cast<std::size_t>(fc.start_index)].kh;
    ASSERT_DOUBLE_EQ(kh, 30000.0);
    const double p = fc.total_force;
    const double h0 = fc.lever_arm;
    const double m = fc.total_moment;

    std::size_t tried = 0;
    double beta = 0.0;
    double moment = 0.0;
    for (const CataloguePile& pile : kImprovedU) {
        ++tried;
        const double ei = 200.0e6 * pile.inertia * 1.0e-8;
        beta = round_dec(std::pow(kh / 4.0 / ei, 0.25), 3);
        const double bh = 2.0 * beta * h0;
        moment = round_dec(m * std::sqrt((1.0 + bh) * (1.0 + bh) + 1.0) / bh *
                               std::exp(-std::atan(1.0 / (1.0 + bh))),
                           3);
        if (round_dec(moment * 1.0e6 / pile.modulus / 1000.0, 1) <= 180.0) break;
    }
    ASSERT_GT(p, 0.0);
    ASSERT_LT(tried, std::size(kImprovedU)) << "the section should be held by a catalogue pile";
    const CataloguePile& decided = kImprovedU[tried - 1];

    const std::string pages = folder.read("CTRAIAL0.PDT");
    EXPECT_EQ(count_of(pages, "$R  "), static_cast<int>(tried));
    char line[64];
    std::snprintf(line, sizeof line, "\r\n15  %9.3f\r\n", moment);
    EXPECT_NE(pages.rfind(line), std::string::npos) << line;

    // beta of the decided pile, from its Chang block in NEIRE.PRN.
    const std::string neire = folder.read("NEIRE.PRN");
    std::int32_t rows = 0;
    std::memcpy(&rows, neire.data(), sizeof rows);
    double stored_beta = 0.0;
    std::memcpy(&stored_beta, neire.data() + 4 + 24 * rows + 32, sizeof stored_beta);
    EXPECT_DOUBLE_EQ(stored_beta, beta);

    const double tip = fc.base[0].level - round_dec(3.0 / beta, 3);
    const double length = std::ceil(2.0 * round_dec(3.0 - tip, 3)) / 2.0;
    char pile_line[96];
    std::snprintf(pile_line, sizeof pile_line, "\"完成時\",\"%s\",%8.3f,%8.3f\r\n", decided.name,
                  3.0 - length, length);
    EXPECT_EQ(folder.read("KEKKA2.DAT"), pile_line);
    EXPECT_TRUE(folder.exists("KEKKA1.DAT"));
    EXPECT_EQ(folder.read("CAL_NEI.DAT"), "0.000\r\n0.000\r\n");
    for (const char* work : {"NEIRE_CM.PRN", "NEIRE_TL.PRN", "SJOKEN.DAT", "OK_YAITA.DAT"})
        EXPECT_TRUE(folder.exists(work)) << work;
}

void prepare_both_studies(const ProgramFolder& folder, int cases, int system_switch) {
    folder.write("CAL_FILE.DAT", test::both_studies_input(cases));
    folder.write("TVNCSTM.DAT", test::customisation_text());
    folder.write("PRG_SW.DAT", std::to_string(system_switch) + "\r\n");
}

std::string quoted_pile(const std::string& pile_line) {
    const auto first = pile_line.find(",\"") + 2;
    return pile_line.substr(first, pile_line.find('"', first) - first);
}

TEST(TvncalChain, ConstructionStageTriesOnlyThePileOfTheCompletedState) {
    ProgramFolder folder;
    prepare_both_studies(folder, 1, 0);
    ASSERT_EQ(run_program(folder, "TVNDAT").exit_code, 0);
    ASSERT_EQ(run_program(folder, "TVNCAL").exit_code, 0);
    const std::string completed = folder.read("KEKKA2.DAT");
    ASSERT_EQ(run_program(folder, "TVNWAV").exit_code, 0);
    ASSERT_EQ(folder.read("GAIRYOK.DAT").substr(0, 3), "1\r\n");
    const ChildResult stage = run_program(folder, "TVNCAL");
    ASSERT_EQ(stage.exit_code, 0) << stage.err;

    const std::string stage_line = folder.read("KEKKA4.DAT");
    EXPECT_EQ(stage_line.substr(0, 8), "\"施工時\"");
    EXPECT_EQ(quoted_pile(stage_line), quoted_pile(completed));
    // One page block per examined tide level, of the one pile.
    const std::string pages = folder.read("CTRAIAL1.PDT");
    EXPECT_EQ(pages.substr(0, pages.find("\r\n")), "施工時         :計算ﾄﾗｲｱﾙ結果表");
    EXPECT_EQ(count_of(pages, "$R  "), 2);
    EXPECT_NE(pages.find("01  施工時 < H.W.L. >\r\n"), std::string::npos);
    EXPECT_NE(pages.find("01  施工時 < L.W.L. >\r\n"), std::string::npos);
    // The completed state's files stay as they were.
    EXPECT_EQ(folder.read("KEKKA2.DAT"), completed);
    const std::string table = folder.read("KEKKA3.DAT");
    EXPECT_NE(table.find("\r\n0,0,-1,-1\r\n"), std::string::npos); // F2 of both levels
}

TEST(TvncalChain, SystemSwitchOneRunsBothCasesOfEveryTideLevel) {
    ProgramFolder folder;
    prepare_both_studies(folder, 3, 1);
    ASSERT_EQ(run_program(folder, "TVNDAT").exit_code, 0);
    ASSERT_EQ(run_program(folder, "TVNCAL").exit_code, 0);
    ASSERT_EQ(run_program(folder, "TVNWAV").exit_code, 0);
    ASSERT_EQ(folder.read("GAIRYOK.DAT").substr(0, 3), "2\r\n");
    const ChildResult stage = run_program(folder, "TVNCAL");
    ASSERT_EQ(stage.exit_code, 0) << stage.err;

    const std::string pages = folder.read("CTRAIAL1.PDT");
    EXPECT_EQ(pages.substr(0, pages.find("\r\n")), "計算ﾄﾗｲｱﾙ結果表");
    const int blocks = count_of(pages, "$R  ");
    EXPECT_EQ(blocks % 4, 0); // two levels, two cases per candidate
    EXPECT_EQ(count_of(pages, "01  [地震時] < L.W.L. >\r\n"), blocks / 4);
    // One column per level, of the normal case before corrosion.
    const std::string table = folder.read("KEKKA3.DAT");
    EXPECT_NE(table.find("\r\n0,0,-1,-1\r\n"), std::string::npos);
    EXPECT_EQ(folder.read("KEKKA4.DAT").substr(0, 8), "\"施工時\"");
}

TEST(TvncalChain, SystemSwitchTwoIsRefusedBeforeTheStabilityCalculation) {
    // The wave program writes the normal case only for a switch other than 1
    // but the stability programs would follow the case switch; the switch
    // file is refused instead, so no reader ever looks for missing sections.
    ProgramFolder folder;
    prepare_both_studies(folder, 3, 2);
    ASSERT_EQ(run_program(folder, "TVNDAT").exit_code, 0);
    ASSERT_EQ(run_program(folder, "TVNCAL").exit_code, 0);
    const ChildResult wav = run_program(folder, "TVNWAV");
    EXPECT_EQ(wav.exit_code, 1);
    EXPECT_EQ(folder.read("GAIRYOK.DAT").substr(0, 3), "0\r\n");
    EXPECT_FALSE(folder.exists("KEKKA3.DAT"));
}

} // namespace
} // namespace wtn
