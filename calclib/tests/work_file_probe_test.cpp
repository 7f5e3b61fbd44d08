#include "child_process.h"
#include "file_io.h"
#include "report_conditions.h"
#include "work_files.h"
#include "work_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::ChildResult;
using test::ChildRun;

// The probe runs in the test's program folder, where the writers of this
// library have left the files the stability calculation would leave.
class WorkFileProbe : public test::InWorkFolder {
  protected:
    ChildResult probe(std::vector<std::string> args) {
        ChildRun run;
        run.program = WORK_FILE_PROBE;
        run.args = std::move(args);
        run.work_dir = folder_.path();
        run.env["WTN_UI_PIPE"] = "0";
        return test::run_child(run);
    }

    void write_report_files() {
        StabilityResults results;
        results.decided.id = 1203;
        results.decided.name = "\x82\x72\x82\x6f\x81\x7c\x82\x68\x82\x68\x82\x68"; // full-width SP-III in code page 932
        results.design_values.adopted = {0.0, 0.0};
        write_neire_cm(results);
        AdoptedValues adopted{4.5, 17.25};
        write_adopted_values(kCalNeiFile, adopted);
        results.level_solver.bending_stress[0][0] = 143.2;
        CFile file = open_file(kNeireTlFile, "wb");
        write_neire_tl(file.get(), results);
    }

    void write_case_record(int method, int rows, int elements) {
        CaseAreas areas;
        alloc_method_area(areas, {rows, elements}, method);
        areas.load_item_count = rows;
        if (method == 2) areas.matrix.elements[1].count = elements;
        CFile file = open_file(kNeireFile, "wb");
        write_neire_case(file.get(), areas, method);
    }

    std::string error_of(const char* text) { return std::string("error: ") + text + "\n"; }
};

TEST_F(WorkFileProbe, ReportReadsTheAdoptedValuesOverTheWorkFileCopies) {
    write_report_files();
    ChildResult r = probe({"report"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "pile 1203 \x82\x72\x82\x6f\x81\x7c\x82\x68\x82\x68\x82\x68 length 17.250 depth 4.500 stress 143.2\n");

    std::remove(kCalNeiFile); // missing: the report's fallbacks, 0.0
    r = probe({"report"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_NE(r.out.find("length 0.000 depth 0.000"), std::string::npos);
}

TEST_F(WorkFileProbe, BadReportFilesStopWithAMessage) {
    struct Case {
        const char* what;
        void (*damage)(const test::ProgramFolder&);
        const char* message;
    } cases[] = {
        {"NEIRE_CM.PRN missing", [](const test::ProgramFolder& f) { std::remove(f.file(kNeireCmFile).c_str()); },
         "(ERROR)-根入れ部計算結果ファイル(neire_cm.prn)がオープンできません."},
        {"NEIRE_CM.PRN short",
         [](const test::ProgramFolder& f) { f.write(kNeireCmFile, f.read(kNeireCmFile).substr(0, 1700)); },
         "(ERROR)-根入れ部計算結果ファイル(NEIRE_CM.PRN)が途中で終わっています."},
        {"NEIRE_TL.PRN missing", [](const test::ProgramFolder& f) { std::remove(f.file(kNeireTlFile).c_str()); },
         "(ERROR)-根入れ部計算結果ファイル(neire_tl.prn)がオープンできません."},
        {"NEIRE_TL.PRN short",
         [](const test::ProgramFolder& f) { f.write(kNeireTlFile, f.read(kNeireTlFile).substr(0, 463)); },
         "(ERROR)-根入れ部計算結果ファイル(NEIRE_TL.PRN)が途中で終わっています."},
        {"CAL_NEI.DAT with one line", [](const test::ProgramFolder& f) { f.write(kCalNeiFile, "4.500\r\n"); },
         "(ERROR)-採用値ファイル(CAL_NEI.DAT)の内容が正しくありません."},
    };
    for (const Case& c : cases) {
        write_report_files();
        c.damage(folder_);
        ChildResult r = probe({"report"});
        EXPECT_EQ(r.exit_code, 1) << c.what;
        EXPECT_EQ(r.err, error_of(c.message)) << c.what;
        EXPECT_EQ(r.out, "") << c.what;
    }
}

TEST_F(WorkFileProbe, CaseRecordCountsBeyondTheirRoomStopWithAMessage) {
    write_case_record(1, 3, 0);
    ChildResult r = probe({"case", "1", "3", "0"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "rows 3\n");

    r = probe({"case", "1", "2", "0"}); // the reader's case has room for 2 loads
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, error_of("(ERROR)-根入れ部計算結果ファイル(NEIRE.PRN)の件数 3 が領域 2 を超えています."));

    write_case_record(2, 1, 6);
    r = probe({"case", "2", "1", "5"}); // 6 elements written, room for 5
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, error_of("(ERROR)-根入れ部計算結果ファイル(NEIRE.PRN)の件数 6 が領域 5 を超えています."));

    std::remove(kNeireFile);
    r = probe({"case", "1", "3", "0"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, error_of("(ERROR)-根入れ部計算結果ファイル(neire.prn)がオープンできません."));
}

TEST_F(WorkFileProbe, ReportConditionsMissingOrIncomplete) {
    ChildResult r = probe({"sjoken", "0"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, error_of("印字用ファイル(SJOKEN.DAT)がオープンできません."));

    StabilityResults results;
    results.corrosion.case_flag = kCorrosionZonesDiffer;
    write_sjoken(report_conditions_from(results, 0, ForceCase{}));
    r = probe({"sjoken", "0"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "corrosion 0 user 0 layers 0\n");

    r = probe({"sjoken", "1"}); // the wave report needs the construction-stage lines
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, error_of("(ERROR)-ファイル(SJOKEN.DAT)の5行目が正しくありません."));
}

} // namespace
} // namespace wtn
