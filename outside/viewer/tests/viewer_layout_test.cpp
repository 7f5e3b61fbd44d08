#include "page_layout.h"
#include "report_folder.h"
#include "report_name.h"

#include "program_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cp932_codec.h"

namespace wtn::viewer {
namespace {

const std::string kHead = "title\r\n   7   2   3   9   5   7        DATA\r\n";

// A generated template of n lines "<tag>1" .. "<tag>n".
std::string generated(const std::string& name, int n, const std::string& tag) {
    std::string out = name + "\r\n" + std::to_string(n) + "\r\n";
    for (int i = 1; i <= n; ++i)
        out += tag + std::to_string(i) + "\r\n";
    return out;
}

std::string row_text(const TextRow& row) {
    std::string out;
    for (const PlacedGlyph& g : row.glyphs)
        out += g.glyph.text;
    return out;
}

struct Place {
    int page = -1;
    int line = -1;
    bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& p) {
    return out << "page " << p.page << " line " << p.line;
}

Place find_row(const Report& report, const std::string& prefix, int nth = 0) {
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        for (const TextRow& row : report.pages[p].rows) {
            if (row_text(row).rfind(prefix, 0) == 0 && nth-- == 0)
                return {static_cast<int>(p), row.line};
        }
    }
    return {};
}

class Layout : public ::testing::Test {
  protected:
    Layout() {
        folder.write("A3.PFM", generated("A3.PFM", 3, "a"));
        folder.write("B3.PFM", generated("B3.PFM", 3, "b"));
        folder.write("C60.PFM", generated("C60.PFM", 60, "c"));
        folder.write("D10.PFM", generated("D10.PFM", 10, "d"));
        folder.write("E100.PFM", generated("E100.PFM", 100, "e"));
        folder.write("ROW.PFM", "ROW.PFM\r\n#FORM 1 00@1:0\r\n      \r\n");
        folder.write("CAP.PFM", generated("CAP.PFM", 3, "cap"));
        folder.write("HEAD.PFM", generated("HEAD.PFM", 2, "head"));
        folder.write("FOOT.PFM", generated("FOOT.PFM", 1, "foot"));
        folder.write("FULL.PZK", "FULL.PZK  t\r\n46 67\r\nQ    0    0 3900 5900 0 3\r\n");
        folder.write("HALF.PZK", "HALF.PZK  t\r\n46 31\r\n");
    }

    Report lay_out(const std::string& body) {
        folder.write("X.PDT", kHead + body);
        LoadedReport loaded = load_report(folder.path(), folder.path());
        problems = loaded.problems;
        return loaded.report;
    }

    test::ProgramFolder folder{false};
    Problems problems;
};

TEST_F(Layout, BlocksBreaksReservationsAndSplits) {
    struct Case {
        const char* what;
        std::string body;
        std::string row;
        int nth;
        Place expected;
    };
    const Case cases[] = {
        {"$0 continues", "$1  A3.PFM\r\n$0  B3.PFM\r\n", "b1", 0, {0, 3}},
        {"$1 breaks", "$1  A3.PFM\r\n$1  B3.PFM\r\n", "b1", 0, {1, 0}},
        {"$1 on an empty page does not break", "$1  B3.PFM\r\n", "b1", 0, {0, 0}},
        {"a block that does not fit moves on", "$0  C60.PFM\r\n$0  D10.PFM\r\n", "d1", 0, {1, 0}},
        {"a block that fits stays", "$0  C60.PFM\r\n$0  A3.PFM\r\n", "a1", 0, {0, 60}},
        {"$R breaks when fewer lines remain",
         "$0  C60.PFM\r\n$R  10\r\n$0  A3.PFM\r\n",
         "a1",
         0,
         {1, 0}},
        {"$R is no more than a conditional break",
         "$0  C60.PFM\r\n$R  5\r\n$0  A3.PFM\r\n",
         "a1",
         0,
         {0, 60}},
        {"$R on an empty page", "$R  200\r\n$0  A3.PFM\r\n", "a1", 0, {0, 0}},
        {"a group taller than a page is split", "$0  A3.PFM\r\n$0  E100.PFM\r\n", "e65", 0, {1, 0}},
        {"the split fills the first page", "$0  A3.PFM\r\n$0  E100.PFM\r\n", "e64", 0, {0, 66}},
        {"text after a drawing-only page",
         "$1                  FULL.PZK\r\n$0  A3.PFM\r\n",
         "a1",
         0,
         {1, 0}},
        {"a half-page drawing below its template's text",
         "$0  A3.PFM          HALF.PZK\r\n$0  B3.PFM\r\n",
         "b1",
         0,
         {0, 34}},
        {"fallback of a missing template",
         "$0  A3.PFM\r\n$0  NONE.PFM\r\n07  seven\r\n99\r\n",
         "07  seven",
         0,
         {0, 4}},
        {"fallback head", "$0  NONE.PFM\r\n", "〔NONE.PFM〕", 0, {0, 0}},
    };
    for (const Case& c : cases) {
        const Report report = lay_out(c.body);
        EXPECT_EQ(find_row(report, c.row, c.nth), c.expected) << c.what;
    }
}

TEST_F(Layout, TableHeadingAtopContinuationPagesAndFootingUnderTheLastRowThatFits) {
    std::string body = "$R  90\r\n$T\r\n$0  CAP.PFM\r\n$H  HEAD.PFM\r\n$F  FOOT.PFM\r\n";
    for (int i = 0; i < 70; ++i)
        body += "$0  ROW.PFM\r\n00  row" + std::to_string(i) + "\r\n";
    body += "$0  A3.PFM\r\n$H\r\n$F\r\n$L\r\n$0  B3.PFM\r\n";
    const Report report = lay_out(body);
    ASSERT_EQ(report.pages.size(), 2u);
    // Page 1: caption 0-2, rows on 3..65 (one line kept for the footing), footing 66.
    EXPECT_EQ(find_row(report, "cap1"), (Place{0, 0}));
    EXPECT_EQ(find_row(report, "row62"), (Place{0, 65}));
    EXPECT_EQ(find_row(report, "foot1"), (Place{0, 66}));
    EXPECT_EQ(find_row(report, "head1"), (Place{1, 0})); // not on the first page
    EXPECT_EQ(find_row(report, "row63"), (Place{1, 2}));
    EXPECT_EQ(find_row(report, "a1"), (Place{1, 9}));
    EXPECT_EQ(find_row(report, "foot1", 1), Place{}); // the table ends on page 2
    EXPECT_EQ(find_row(report, "b1"), (Place{1, 12}));
}

TEST_F(Layout, ValuesGoToTheFieldOfTheirCodeUntrimmed) {
    folder.write("F.PFM", "F.PFM\r\n#FORM 2 00@1:4 01@1:12 02@2:0 03@2:8\r\nab              cd\r\n"
                          "        kN/m$U3$Z\r\n");
    const Report report = lay_out("$0  F.PFM\r\n01    x\r\n00  $$5\r\n02  \r\n");
    ASSERT_EQ(report.pages.size(), 1u);
    const LaidPage& page = report.pages[0];
    ASSERT_EQ(page.rows.size(), 2u);
    EXPECT_EQ(row_text(page.rows[0]), "ab  $5        x cd"); // "  x": blanks are columns
    EXPECT_EQ(row_text(page.rows[1]), "        kN/m3");
    EXPECT_EQ(page.rows[1].glyphs.back().glyph.shift, Shift::raised);
    EXPECT_EQ(page.rows[1].glyphs.back().cell, 12);
    EXPECT_TRUE(problems.empty()) << problem_text(problems.front());
}

// A code declared twice (the "/m" after both I and Z of a sheet pile) shows
// its value in both places.
TEST_F(Layout, AValueGoesToEveryFieldOfItsCode) {
    folder.write("U.PFM", "U.PFM\r\n#FORM 2 03@1:6 03@2:6\r\nI cm4\r\nZ cm3\r\n");
    const Report report = lay_out("$0  U.PFM\r\n03  /m\r\n");
    ASSERT_EQ(report.pages.size(), 1u);
    const LaidPage& page = report.pages[0];
    ASSERT_EQ(page.rows.size(), 2u);
    EXPECT_EQ(row_text(page.rows[0]), "I cm4/m"); // blanks are no glyphs
    EXPECT_EQ(row_text(page.rows[1]), "Z cm3/m");
    EXPECT_TRUE(problems.empty()) << problem_text(problems.front());
}

TEST_F(Layout, EachPageFileStartsAChapterInNameOrder) {
    folder.write("B.PDT", "second\r\n" + kHead.substr(kHead.find("\r\n") + 2) + "$0  A3.PFM\r\n");
    folder.write("A.PDT", "first\r\n" + kHead.substr(kHead.find("\r\n") + 2) + "$0  A3.PFM\r\n");
    const LoadedReport loaded = load_report(folder.path(), folder.path());
    ASSERT_EQ(loaded.report.chapters.size(), 2u);
    EXPECT_EQ(loaded.report.chapters[0].title, "first");
    EXPECT_EQ(loaded.report.chapters[1].first_page, 1);
    EXPECT_EQ(loaded.report.pages[0].stamp, "07/02/03 09:05:07");
    EXPECT_EQ(loaded.report.pages[0].data_name, "DATA");
}

TEST(Lint, MalformedLinesOfEachFileKind) {
    struct Case {
        const char* file;
        std::string body; // after the first two lines
        std::string message;
        bool error;
    };
    const std::string pdt_head = kHead;
    const Case cases[] = {
        {"X.PDT", "$0  A3.PFM\r\n7  x\r\n", "X.PDT:4: error: malformed line", true},
        {"X.PDT", "$0  A3.PFM\r\n07 x\r\n", "X.PDT:4: error: malformed value line", true},
        {"X.PDT", "$Q\r\n", "X.PDT:3: error: unknown directive \"$Q\"", true},
        {"X.PDT", "$R  many\r\n", "X.PDT:3: error: malformed \"$R\"", true},
        {"X.PDT", "07  x\r\n", "X.PDT:3: error: value line outside a block", true},
        {"X.PDT", "$0  NONE.PFM\r\n", "X.PDT:3: error: missing template NONE.PFM", true},
        {"X.PDT", "$0" + std::string(18, ' ') + "NONE.PZK\r\n",
         "X.PDT:3: error: missing drawing NONE.PZK", true},
        {"X.PDT", "$0  ROW.PFM\r\n05  x\r\n", "X.PDT:4: error: code 5 is not a field of ROW.PFM",
         true},
        {"X.PDT", "$0  A3.PFM\r\n00  x\r\n", "X.PDT:4: error: code 0 is not a field of A3.PFM",
         true},
        {"X.PDT", "$0  ROW.PFM\r\n00  kN/m$U3\r\n", "X.PDT:4: error: unclosed escape", true},
        {"X.PDT", "$0  WIDE.PFM\r\n", "X.PDT:3: warning: a line of WIDE.PFM is wider", false},
        {"X.PDT", "$0  OVER.PFM\r\n00  xyz\r\n", "X.PDT:4: warning: the value of code 0 overlays",
         false},
        {"BAD.PFM", "", "BAD.PFM:2: error: malformed line count", true},
        {"FEW.PFM", "", "FEW.PFM:0: error: the template holds fewer text lines", true},
        {"MANY.PFM", "", "MANY.PFM:4: warning: lines after the counted ones are not printed",
         false},
        {"BADFIELD.PFM", "", "BADFIELD.PFM:2: error: malformed field \"0@1:2\"", true},
        {"LOWDRAW.PFM", "", "LOWDRAW.PFM:2: error: malformed field \"D@68\"", true},
        {"CMD.PZK", "", "CMD.PZK:3: error: bad command: 6 integers expected after \"L\"", true},
        {"CMD.PZK", "", "CMD.PZK:4: error: bad command: unknown letter", true},
        {"CMD.PZK", "", "CMD.PZK:5: warning: the command reaches outside", false},
        {"CMD.PZK", "", "CMD.PZK:7: error: unclosed escape", true},
        {"SIZE.PZK", "", "SIZE.PZK:2: error: malformed size line", true},
        {"TALL.PZK", "", "TALL.PZK:2: error: drawing taller than a page: 68 lines", true},
    };
    test::ProgramFolder folder(false);
    folder.write("A3.PFM", generated("A3.PFM", 3, "a"));
    folder.write("ROW.PFM", "ROW.PFM\r\n#FORM 1 00@1:0\r\n      \r\n");
    folder.write("OVER.PFM", "OVER.PFM\r\n#FORM 1 00@1:0\r\n  text\r\n");
    folder.write("WIDE.PFM", "WIDE.PFM\r\n1\r\n" + std::string(93, 'w') + "\r\n");
    folder.write("BAD.PFM", "BAD.PFM\r\nthree\r\n");
    folder.write("FEW.PFM", "FEW.PFM\r\n3\r\nonly\r\n");
    folder.write("MANY.PFM", "MANY.PFM\r\n1\r\none\r\ntwo\r\n");
    folder.write("BADFIELD.PFM", "BADFIELD.PFM\r\n#FORM 1 0@1:2\r\nx\r\n");
    folder.write("LOWDRAW.PFM", "LOWDRAW.PFM\r\n#FORM 1 D@68\r\nx\r\n");
    folder.write("CMD.PZK", "CMD.PZK  t\r\n46 10\r\nL 1 2 3\r\nZ 1 2 3 4 0 2\r\n"
                            "L 0 0 9000 0 0 2\r\nK 10 100 60 60 0 2\r\nab\\U\r\n");
    folder.write("SIZE.PZK", "SIZE.PZK  t\r\nlarge\r\n");
    folder.write("TALL.PZK", "TALL.PZK  t\r\n46 68\r\nL 0 0 100 100 0 2\r\n");
    for (const Case& c : cases) {
        std::string path = folder.file(c.file);
        if (std::string(c.file) == "X.PDT") folder.write(c.file, pdt_head + c.body);
        const Problems problems = lint_report(folder.path(), folder.path(), {path});
        bool found = false;
        for (const Problem& p : problems)
            found = found || problem_text(p).rfind(c.message, 0) == 0;
        EXPECT_TRUE(found) << c.message << "\n first problem: "
                           << (problems.empty() ? "none" : problem_text(problems.front()));
    }
}

TEST(Lint, ATrailByteOfFiveCTIsNoEscapeAndACleanDrawingHasNoProblem) {
    test::ProgramFolder folder(false);
    // "表U": 0x95 0x5C 'U'. The text line starts with "K" and is still text.
    folder.write("T.PZK", "T.PZK  t\r\n46 10\r\nK  100  200   60   60    0 2\r\n" +
                              utf8_to_cp932("表U") +
                              "\r\nL 0 0 3900 0 0 2\r\n"
                              "K  100  300   60   60 90 2\r\nK 1 2 3\r\n");
    EXPECT_TRUE(lint_report(folder.path(), folder.path(), {folder.file("T.PZK")}).empty());
    const MarkedText text = decode_drawing_text(utf8_to_cp932("表U"));
    ASSERT_EQ(text.glyphs.size(), 2u);
    EXPECT_EQ(text.glyphs[0].text, "表");
    EXPECT_EQ(text.glyphs[1].text, "U");
    EXPECT_EQ(text.glyphs[1].shift, Shift::normal);
}

// The project a report belongs to, from the run information of its folder:
// the title without its padding, the PDF named after the project file.
TEST(ReportName, TheRunInformationNamesTheReportAndItsPdf) {
    test::ProgramFolder folder(false);
    EXPECT_EQ(proposed_pdf_name(read_report_name(folder.path())), "report.pdf"); // no file
    folder.write("CAL_FILE.INF", utf8_to_cp932("岸壁A\r\n 東岸壁　改良" + std::string(28, ' ') +
                                               "\r\n26\r\n12\r\n11\r\n9\r\n5\r\n7\r\n"));
    const ReportName name = read_report_name(folder.path());
    EXPECT_EQ(name.data_name, "岸壁A");
    EXPECT_EQ(name.title, " 東岸壁　改良");
    EXPECT_EQ(report_caption(name), " 東岸壁　改良 (岸壁A)");

    struct Case {
        ReportName name;
        const char* caption;
        const char* pdf;
    };
    const Case cases[] = {
        {{"岸壁A", ""}, "岸壁A", "岸壁A.pdf"},    {{"無題", "東岸壁"}, "東岸壁 (無題)", "無題.pdf"},
        {{"", "東岸壁"}, "東岸壁", "report.pdf"}, {{"", ""}, "", "report.pdf"},
        {{"../up", ""}, "../up", "report.pdf"},   {{"..", ""}, "..", "report.pdf"},
        {{"a\\b", ""}, "a\\b", "report.pdf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(report_caption(c.name), c.caption) << c.name.data_name;
        EXPECT_EQ(proposed_pdf_name(c.name), c.pdf) << c.name.data_name;
    }
}

// The overlap check on a block whose template carries a drawing, with an ink
// that fills each glyph's cells from 0.88 of its size above the baseline to
// 0.12 below (the font's full height): texts on adjacent lines only touch,
// a lowered glyph reaches into the line below.
TEST(Lint, TextsStruckThroughOrPrintedOverOneAnotherAreNamed) {
    test::ProgramFolder folder(false);
    folder.write("T.PFM", "T.PFM\r\n#FORM 2 D@1\r\nk$Sc$Z\r\n2.5\r\n");
    folder.write("D.PZK", "D.PZK  t\r\n46 20\r\n"
                          "K 1000 1500 100 100 0 2\r\nAB\r\n"
                          "L  900 1450 1300 1450 0 2\r\n"
                          "K 2000 1500 100 100 0 2\r\nCD\r\n"
                          "L 1900 1600 2300 1600 0 2\r\n"
                          "K 3000 1500 100 100 0 2\r\nEF\r\n"
                          "K 3050 1500 100 100 90 2\r\nGH\r\n"
                          "L -340  150 -210  150 0 1\r\n");
    folder.write("X.PDT", kHead + "$0  T.PFM           D.PZK\r\n");
    const GlyphInk ink = [](const Glyph& g) -> std::optional<InkBox> {
        if (g.text == " ") return std::nullopt;
        return InkBox{0.0, -0.88, g.cells * 0.5, 0.12};
    };
    std::string report;
    for (const Problem& p : lint_report(folder.path(), folder.path(), {}, ink))
        report += problem_text(p) + "\n";
    for (const char* expected : {
             "D.PZK:4: warning: page 1 (X.PDT): \"AB\" is struck through by the L command of "
             "D.PZK:5",
             "D.PZK:10: warning: page 1 (X.PDT): \"EF\" and \"GH\" (D.PZK:12) print over each "
             "other",
             "T.PFM:3: warning: page 1 (X.PDT): \"c\" and \"2.5\" (T.PFM:4) print over each other",
             "T.PFM:4: warning: page 1 (X.PDT): \"2.5\" is struck through by the L command of "
             "D.PZK:13",
         })
        EXPECT_NE(report.find(expected), std::string::npos) << expected << "\n" << report;
    EXPECT_EQ(report.find("\"CD\""), std::string::npos) << report;
    EXPECT_EQ(report.find("\"k\""), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 4) << report;
}

} // namespace
} // namespace wtn::viewer
