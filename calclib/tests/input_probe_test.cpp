// The input probe run as a child process in a fixture program folder: a
// clean run reads every file, and each bad input stops it with its message
// and exit code 1.
#include "child_process.h"
#include "cp932_codec.h"
#include "customisation_text.h"
#include "program_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::ChildResult;
using test::ChildRun;
using test::ProgramFolder;

// 36 full-width characters: 72 bytes in code page 932.
const std::string kTitle =
    "岸壁（－７．５ｍ）自立式鋼矢板の設計計算書第一期工事区間の検討結果ＡＢＣ";

std::string cp932_lines(const std::vector<std::string>& utf8_lines) {
    std::string text;
    for (const std::string& line : utf8_lines)
        text += utf8_to_cp932(line) + "\r\n";
    return text;
}

std::string input_file(int land_layers = 2) {
    std::vector<std::string> lines = {
        "gyonm,\"" + kTitle + "\"",
        "swdat, 1 , 1 , 1 , 1 , 2 , 3 , 1 , 1 , 111 , 1 , 1 , 2 , 1 , 1 ",
        "joken, 1.8 , 0 , 1 , 1.2 , 3.5 , -10 , -20.5 , -30 , 0 , 0 , 10.1 , 10 , 5 , 15 , 20 , 3 "
        ", 1 , 1 ",
        "tyait, 7 , 3 ",
        "apdyt, 2 ",
    };
    for (int i = 0; i < land_layers; ++i)
        lines.push_back("sdatu, 3.5 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 3000 ");
    return cp932_lines(lines);
}

std::string customisation(const std::string& pitch = ".5") {
    std::vector<std::string> lines = test::front_end_customisation_lines();
    lines[test::kDivisionPitchLine] = pitch;
    return test::customisation_file(lines);
}

// One completed-state section of the given case with k force lines.
std::string section(const char* name, int forces) {
    std::string text = cp932_lines({name}) + "0,2," + std::to_string(forces) + "\r\n" +
                       "-10.000000,10.000000,0.523599,1\r\n0.000000,0,3000.000000\r\n"
                       "-20.000000,0.000000,0.000000,0\r\n0.000000,0,0.000000\r\n";
    for (int i = 0; i < forces; ++i)
        text += "1.000000,2.000000\r\n";
    text += "2.000000,2.000000,1.000000\r\n-10.000000,25.000000\r\n1,0\r\n3.000000,0.0,0.0\r\n3."
            "000000,0.0,0.0\r\n";
    return text;
}

std::string force_file(int normal_forces = 2) {
    return "0\r\n" + section("#  常  時", normal_forces) + section("#  地震時", 1);
}

void write_good_folder(const ProgramFolder& folder) {
    folder.write("CAL_FILE.INF", "WALL1\r\n" + utf8_to_cp932(kTitle) +
                                     "\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    folder.write("CAL_FILE.DAT", input_file());
    folder.write("TVNCSTM.DAT", customisation());
    folder.write("PRG_SW.DAT", "0\r\n");
    std::string d01;
    for (int id = 1; id <= 10; ++id) {
        d01 +=
            std::to_string(id) + ",\"SP-" + std::to_string(id) + "\",100,1,2,3,4,5,9,1000,50,3\r\n";
    }
    folder.write("YAITA.D01", d01);
    for (const char* name : {"YAITA.D02", "YAITA.D03", "YAITA.D04"})
        folder.write(name, "# none\r\n");
    folder.write("KOUYAITA.APD", "2\r\n1,\"A\",5000,800,0\r\n2,\"B\",6000,900,0\r\n");
    folder.write("GAIRYOK.DAT", force_file());
}

ChildResult run_probe(const ProgramFolder& folder) {
    ChildRun run;
    run.program = INPUT_PROBE;
    run.work_dir = folder.path();
    run.env["WTN_UI_PIPE"] = "0";
    run.unset_env = {"WTN_ANSWER"};
    return test::run_child(run);
}

TEST(InputProbe, CleanFolderIsReadThroughAndTheTitleKeptWhole) {
    ProgramFolder folder(false);
    write_good_folder(folder);
    const ChildResult r = run_probe(folder);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(folder.read("probe.txt"), "title " + utf8_to_cp932(kTitle) +
                                            "\r\nland layers 2\r\npitch 0.500000\r\nswitch 0\r\n"
                                            "piles 7 3 2\r\nsections 2\r\n");
}

TEST(InputProbe, EachBadInputStopsWithItsMessage) {
    struct Case {
        const char* name;
        std::function<void(const ProgramFolder&)> spoil;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no input file",
         [](const ProgramFolder& f) { std::remove(f.file("CAL_FILE.DAT").c_str()); },
         "(ERROR)-データファイルが選択されていません.\n"},
        {"more soil layers than the room",
         [](const ProgramFolder& f) { f.write("CAL_FILE.DAT", input_file(26)); },
         "(ERROR)-入力データ(sdatu)の行数が上限(25行)を超えています."},
        {"more force lines than the room",
         [](const ProgramFolder& f) { f.write("GAIRYOK.DAT", force_file(51)); },
         "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)の内容が正しくありません(外力の件数 51 "
         "が範囲(0～50)外です)."},
        {"force file cut short",
         [](const ProgramFolder& f) {
             const std::string text = force_file();
             f.write("GAIRYOK.DAT",
                     text.substr(0, text.size() - 18)); // without the last passive row
         },
         "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)の内容が正しくありません("
         "受働土圧図の行がありません)."},
        {"selected pile in no catalogue",
         [](const ProgramFolder& f) { f.write("YAITA.D01", "7,\"SP-7\",1,1,1,1,1,1,1,1,1,1\r\n"); },
         "(ERROR)-矢板データファイルに選択された矢板(番号 3)がありません."},
        {"customisation without the division pitch",
         [](const ProgramFolder& f) {
             const std::string full = customisation();
             std::size_t at = 0;
             for (int i = 0; i < 11; ++i)
                 at = full.find("\r\n", at) + 2;
             f.write("TVNCSTM.DAT", full.substr(0, at));
         },
         "(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の多層地盤の分割ピッチ(0)は 0.0 "
         "より大きい値にして下さい."},
        {"division pitch 0",
         [](const ProgramFolder& f) { f.write("TVNCSTM.DAT", customisation("0")); },
         "(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の多層地盤の分割ピッチ(0)は 0.0 "
         "より大きい値にして下さい."},
        {"system switch 2", [](const ProgramFolder& f) { f.write("PRG_SW.DAT", "2\r\n"); },
         "(ERROR)-システムSWファイル(prg_sw.dat)の値(2)は 0 か 1 にして下さい."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder(false);
        write_good_folder(folder);
        c.spoil(folder);
        const ChildResult r = run_probe(folder);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.err, std::string("error: ") + c.message + "\n");
        EXPECT_FALSE(folder.exists("probe.txt"));
    }
}

} // namespace
} // namespace wtn
