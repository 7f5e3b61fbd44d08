// Damaged files, one table: each program of the chain, run as the front end
// runs it on an example project after the programs before it, stops with exit
// code 1 and its message when an input of its own is damaged: a truncated
// work file, a missing installed file, a count beyond its room, a result file
// whose counts disagree with CAL_FILE.DAT. A stop must never leave a page or
// a result file that a later program or the viewer would take for this run's.
#include "reference_designs.h"

#include "cal_writer.h"
#include "child_process.h"
#include "cp932_codec.h"
#include "program_folder.h"
#include "project_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

namespace fs = std::filesystem;

// The run chain of both studies, as the front end starts it (the results
// dialogs between TVNCAL and the report programs leave CAL_NEI.DAT as
// TVNCAL wrote it).
const std::vector<std::string> kChain = {"AUDSHEET", "TVNDAT", "TVNCAL", "SOLPRT", "TVNPRN",
                                         "TVNWAV",   "TVNCAL", "SRGPRT", "TVNPRN"};

void write_input(const ProgramFolder& folder, const std::string& example) {
    DesignData data;
    read_data_file(data, example_path(example));
    write_cal_file(data, folder.file("CAL_FILE.DAT"));
}

void cut_to_half(const ProgramFolder& folder, const std::string& name) {
    const std::string bytes = folder.read(name);
    folder.write(name, bytes.substr(0, bytes.size() / 2));
}

void remove_file(const ProgramFolder& folder, const std::string& name) {
    fs::remove(folder.file(name));
}

// The calculation input with the line of key replaced by what edit makes of
// its comma fields (an empty result deletes the line).
void edit_input_line(const ProgramFolder& folder, const std::string& key,
                     void (*edit)(std::vector<std::string>&)) {
    const std::string text = folder.read("CAL_FILE.DAT");
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        std::string line = text.substr(at, end - at);
        at = end == std::string::npos ? text.size() : end + 2;
        if (line.rfind(key + ",", 0) == 0) {
            std::vector<std::string> fields;
            for (std::size_t from = 0;;) {
                const std::size_t comma = line.find(',', from);
                fields.push_back(line.substr(from, comma - from));
                if (comma == std::string::npos) break;
                from = comma + 1;
            }
            edit(fields);
            if (fields.empty()) continue;
            line.clear();
            for (std::size_t i = 0; i < fields.size(); ++i)
                line += (i > 0 ? "," : "") + fields[i];
        }
        out += line + "\r\n";
    }
    folder.write("CAL_FILE.DAT", out);
}

struct Damage {
    const char* what;
    std::size_t step; // index into kChain of the program that must stop
    void (*damage)(const ProgramFolder&);
    const char* message; // part of the stop message (UTF-8)
    const char* output;  // a file the stopped program must not leave behind, or nullptr
};

const Damage kDamages[] = {
    {"check list: more land-side layers than the input has room for", 0,
     [](const ProgramFolder& f) {
         std::string rows;
         for (int i = 0; i < 30; ++i)
             rows += "sdatu,-" + std::to_string(5 + i) +
                     ".00,18.000,10.000,20.000,30.0,0.000,"
                     "0.000,1,0.0,20000.0\r\n";
         f.write("CAL_FILE.DAT", f.read("CAL_FILE.DAT") + rows);
     },
     "入力データ(sdatu)の行数が上限(25行)を超えています", "AUDSHEET.PDT"},
    {"check list: the decision switch of the calculation input no number", 0,
     [](const ProgramFolder& f) {
         edit_input_line(f, "swdat", [](std::vector<std::string>& fields) { fields[9] = "abc"; });
     },
     "入力データ(swdat)の9番目の項目が数値ではありません(3行目)", "AUDSHEET.PDT"},
    {"check list: the corrosion line of the calculation input lost", 0,
     [](const ProgramFolder& f) {
         edit_input_line(f, "fsyok", [](std::vector<std::string>& fields) { fields.clear(); });
     },
     "入力データに(fsyok)の行がありません", "AUDSHEET.PDT"},
    {"load program: no customisation file", 1,
     [](const ProgramFolder& f) { remove_file(f, "TVNCSTM.DAT"); }, "TVNCSTM.DAT", "GAIRYOK.DAT"},
    {"stability: the force file cut in half", 2,
     [](const ProgramFolder& f) { cut_to_half(f, "GAIRYOK.DAT"); },
     "外力計算結果ファイル(GAIRYOK.DAT)の内容が正しくありません", "KEKKA2.DAT"},
    {"stability: the installed pile catalogue missing", 2,
     [](const ProgramFolder& f) { remove_file(f, "YAITA.D02"); },
     "矢板データファイル(YAITA.D02)がオープンできません", "KEKKA2.DAT"},
    {"earth-pressure report: the seismic load table a byte short", 3,
     [](const ProgramFolder& f) {
         std::string bytes = f.read("GAI_JIS.PRN");
         bytes.pop_back();
         f.write("GAI_JIS.PRN", bytes);
     },
     "GAI_JIS.PRN", "JD202DAT.PDT"},
    {"stability report: the level work file cut in half", 4,
     [](const ProgramFolder& f) { cut_to_half(f, "NEIRE_TL.PRN"); },
     "(NEIRE_TL.PRN)が途中で終わっています", nullptr},
    {"stability report: the input asks for one case, the work files hold two", 4,
     [](const ProgramFolder& f) { write_input(f, "uniform_sand.tn2"); },
     "(GAIRYOK.DAT)の内容が正しくありません(読まれない行が残っています)", nullptr},
    {"wave program: the calculation input cut before its soil layers", 5,
     [](const ProgramFolder& f) {
         // Cut at a line end: the lines read are whole, but a file of the
         // front end's version lacks the keys written after the cut.
         const std::string text = f.read("CAL_FILE.DAT");
         f.write("CAL_FILE.DAT", text.substr(0, text.find("sdatu,")));
     },
     "入力データに(wlvl_)の行がありません", "WAV_DATA.PRN"},
    {"wave program: the calculation input cut in the middle of a line", 5,
     [](const ProgramFolder& f) {
         const std::string text = f.read("CAL_FILE.DAT");
         f.write("CAL_FILE.DAT", text.substr(0, text.find("sdatu,") + 12));
     },
     "入力データの最終行が途中で切れています", "WAV_DATA.PRN"},
    {"construction-stage stability: the completed state's pile file missing", 6,
     [](const ProgramFolder& f) { remove_file(f, "OK_YAITA.DAT"); }, "OK_YAITA.DAT", "KEKKA4.DAT"},
    {"wave report: the wave table cut in half", 7,
     [](const ProgramFolder& f) { cut_to_half(f, "WAV_DATA.PRN"); }, "WAV_DATA.PRN", nullptr},
    {"stability report: the adopted pile length lost", 8,
     [](const ProgramFolder& f) { f.write("CAL_NEI.DAT", "-11.000\r\n"); }, "CAL_NEI.DAT", nullptr},
};

TEST(DamagedFiles, EveryProgramStopsWithItsMessage) {
    // The folder as it stands before each program of the chain, made once.
    std::vector<std::unique_ptr<ProgramFolder>> before;
    before.push_back(std::make_unique<ProgramFolder>());
    write_input(*before.back(), "both_studies.tn2");
    for (std::size_t i = 0; i + 1 < kChain.size(); ++i) {
        auto next = std::make_unique<ProgramFolder>(false);
        fs::copy(before[i]->path(), next->path(), fs::copy_options::recursive);
        const ChildResult run = run_batch_in(*next, kChain[i]);
        ASSERT_EQ(run.exit_code, 0) << kChain[i] << ": " << run.err;
        before.push_back(std::move(next));
    }
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.what);
        ProgramFolder folder(false);
        fs::copy(before[d.step]->path(), folder.path(), fs::copy_options::recursive);
        if (d.output != nullptr) remove_file(folder, d.output);
        d.damage(folder);
        const ChildResult stop = run_batch_in(folder, kChain[d.step]);
        EXPECT_EQ(stop.exit_code, 1) << kChain[d.step];
        EXPECT_EQ(stop.signal, 0);
        EXPECT_FALSE(stop.err.empty());
        EXPECT_NE(stop.err.find(d.message), std::string::npos) << stop.err;
        if (d.output != nullptr) {
            EXPECT_FALSE(folder.exists(d.output)) << d.output;
        }
    }
}

} // namespace
} // namespace wtn::test
