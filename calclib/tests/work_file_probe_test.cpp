#include "child_process.h"
#include "customisation.h"
#include "customisation_text.h"
#include "file_io.h"
#include "force_case.h"
#include "input_file.h"
#include "report_conditions.h"
#include "work_files.h"
#include "work_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

constexpr EmbedmentMethod method_code(int file_value) {
    return from_file_value<EmbedmentMethod>(file_value);
}

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
        results.decided.name =
            "\x82\x72\x82\x6f\x81\x7c\x82\x68\x82\x68\x82\x68"; // full-width SP-III in code page
                                                                // 932
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
        alloc_method_area(areas, {rows, elements}, method_code(method));
        areas.load_item_count = rows;
        if (method == 2) areas.matrix.elements[1].count = elements;
        CFile file = open_file(kNeireFile, "wb");
        write_neire_case(file.get(), areas, method_code(method));
    }

    std::string error_of(const char* text) { return std::string("error: ") + text + "\n"; }
};

TEST_F(WorkFileProbe, ReportReadsTheAdoptedValuesOverTheWorkFileCopies) {
    write_report_files();
    ChildResult r = probe({"report"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "pile 1203 \x82\x72\x82\x6f\x81\x7c\x82\x68\x82\x68\x82\x68 length 17.250 "
                     "depth 4.500 stress 143.2\n");

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
        {"NEIRE_CM.PRN missing",
         [](const test::ProgramFolder& f) { std::remove(f.file(kNeireCmFile).c_str()); },
         "(ERROR)-根入れ部計算結果ファイル(neire_cm.prn)がオープンできません."},
        {"NEIRE_CM.PRN short",
         [](const test::ProgramFolder& f) {
             f.write(kNeireCmFile, f.read(kNeireCmFile).substr(0, 1700));
         },
         "(ERROR)-根入れ部計算結果ファイル(NEIRE_CM.PRN)が途中で終わっています."},
        {"NEIRE_TL.PRN missing",
         [](const test::ProgramFolder& f) { std::remove(f.file(kNeireTlFile).c_str()); },
         "(ERROR)-根入れ部計算結果ファイル(neire_tl.prn)がオープンできません."},
        {"NEIRE_TL.PRN short",
         [](const test::ProgramFolder& f) {
             f.write(kNeireTlFile, f.read(kNeireTlFile).substr(0, 463));
         },
         "(ERROR)-根入れ部計算結果ファイル(NEIRE_TL.PRN)が途中で終わっています."},
        {"CAL_NEI.DAT with one line",
         [](const test::ProgramFolder& f) { f.write(kCalNeiFile, "4.500\r\n"); },
         "(ERROR)-採用値ファイル(CAL_NEI.DAT)の2行目が正しくありません."},
        {"CAL_NEI.DAT with a line of text",
         [](const test::ProgramFolder& f) { f.write(kCalNeiFile, "長さ\r\n4.500\r\n"); },
         "(ERROR)-採用値ファイル(CAL_NEI.DAT)の1行目が正しくありません."},
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
    EXPECT_EQ(
        r.err,
        error_of("(ERROR)-根入れ部計算結果ファイル(NEIRE.PRN)の件数 3 が領域 2 を超えています."));

    write_case_record(2, 1, 6);
    r = probe({"case", "2", "1", "5"}); // 6 elements written, room for 5
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(
        r.err,
        error_of("(ERROR)-根入れ部計算結果ファイル(NEIRE.PRN)の件数 6 が領域 5 を超えています."));

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

namespace wtn {
namespace {

// A completed-state run with the transfer-matrix method for multi-layer
// ground (swdat item 2 = 2), both cases, the pile tip at -18.0 m.
const char* const kInputFile =
    "swdat,1,2,1,1,2,3,1,1,111,1,1,2,1,1\r\n"
    "joken,1.5,0,1,1.0,3.0,-10.0,-18.0,-30.0,0,0,10.1,10,5,5,7.5,1,1,1\r\n";

// Twenty customisation lines; line 12, the division pitch, is 1.0 m.
// The front end's customisation with a division pitch of 1.0 m.
std::string customisation_file() {
    std::vector<std::string> lines = test::front_end_customisation_lines();
    lines[test::kCompatibilityLine] = "-";
    lines[test::kDivisionPitchLine] = "1.0";
    return test::customisation_file(lines);
}

// One section per case: the virtual seabed on boundary 1 (-10.0 m), the
// layer below it reaching -22.0 m and so holding the tip; one force line.
std::string force_section(const char* heading) {
    return std::string(heading) + "\r\n1,3,1\r\n"
                                  "-8.000000,2.000000,0.523599,1\r\n0.000000,0,3000.000000\r\n"
                                  "-10.000000,12.000000,0.000000,2\r\n4.000000,1,6000.000000\r\n"
                                  "-22.000000,0.000000,0.000000,0\r\n0.000000,0,0.000000\r\n"
                                  "1.500000,10.000000\r\n"
                                  "15.000000,17.500000,1.166667\r\n"
                                  "-10.000000,25.000000\r\n"
                                  "1,0\r\n"
                                  "-10.000000,0.000000,10.000000\r\n"
                                  "-10.000000,0.000000,30.000000\r\n";
}

class StabilityReportProbe : public WorkFileProbe {
  protected:
    void SetUp() override {
        WorkFileProbe::SetUp();
        write_run_files();
    }

    void write_run_files() {
        folder_.write("CAL_FILE.INF", "WALL1\r\nTITLE\r\n26\r\n12\r\n10\r\n9\r\n30\r\n0\r\n");
        folder_.write("CAL_FILE.DAT", kInputFile);
        folder_.write("TVNCSTM.DAT", customisation_file());
        folder_.write("GAIRYOK.DAT",
                      "0\r\n" + force_section("#  normal") + force_section("#  seismic"));
        write_report_files();
        write_case_records(2);
    }

    // The records as the stability calculation sizes and writes them: the
    // load rows and elements of each case from the same input and force file.
    void write_case_records(int cases) {
        InputRecord input;
        reset_input_counters(input);
        set_input_defaults(input);
        read_input(input, "CAL_FILE.DAT");
        CustomisationValues custom = read_customisation();
        CFile forces = open_file("GAIRYOK.DAT", "rb");
        LineReader lines(forces.get());
        const int mode = read_force_file_mode(lines);
        CFile file = open_file(kNeireFile, "wb");
        for (int c = 0; c < cases; ++c) {
            ForceCase fc;
            read_force_case(lines, c, mode, input, fc);
            CaseAreaSizes sizes = case_area_sizes(input, custom, fc, c, method_code(2));
            CaseAreas areas;
            alloc_matrix_area(areas, sizes);
            areas.load_item_count = sizes.load_items;
            areas.matrix.elements[0].count = 1;
            areas.matrix.moment[0] = 95.5 + c;
            write_neire_case(file.get(), areas, method_code(2));
        }
    }
};

TEST_F(StabilityReportProbe, ReadsEveryFileInTheReportsOrder) {
    ChildResult r = probe({"stability-report"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    // Normal case: no input forces, one force line, one more row: 2 rows.
    EXPECT_EQ(r.out, "WALL1 mode 0 pile length 17.250\n"
                     "level 0 case 0 rows 2 elements 1 moment 95.500\n"
                     "level 0 case 1 rows 2 elements 1 moment 96.500\n");
}

TEST_F(StabilityReportProbe, MissingOrDamagedFilesStopWithAMessage) {
    enum Damage { no_force_file, no_case_records, seismic_record_lost, tip_below_last_layer };
    struct Case {
        Damage damage;
        const char* message;
    } cases[] = {
        {no_force_file, "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)がオープンできません."},
        {no_case_records, "(ERROR)-根入れ部計算結果ファイル(neire.prn)がオープンできません."},
        {seismic_record_lost, "(ERROR)-根入れ部計算結果ファイル(NEIRE.PRN)が途中で終わっています."},
        {tip_below_last_layer, "(ERROR)-最終土層が根入れ深さよりも浅くなっています."},
    };
    for (const Case& c : cases) {
        write_run_files();
        switch (c.damage) {
        case no_force_file:
            std::remove("GAIRYOK.DAT");
            break;
        case no_case_records:
            std::remove(kNeireFile);
            break;
        case seismic_record_lost:
            write_case_records(1);
            break;
        case tip_below_last_layer:
            folder_.write("CAL_FILE.DAT",
                          "swdat,1,2,1,1,2,3,1,1,111,1,1,2,1,1\r\n"
                          "joken,1.5,0,1,1.0,3.0,-10.0,-25.0,-30.0,0,0,10.1,10,5,5,7.5,1,1,1\r\n");
            break;
        }
        ChildResult r = probe({"stability-report"});
        EXPECT_EQ(r.exit_code, 1) << c.message;
        EXPECT_EQ(r.err, error_of(c.message));
    }
}

} // namespace
} // namespace wtn
