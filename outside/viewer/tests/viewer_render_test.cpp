// The viewer on a report written by the report writers: the PDF export as a
// program, and the window under the offscreen platform.
#include "page_painter.h"
#include "report_folder.h"
#include "report_name.h"
#include "viewer_window.h"

#include "cp932_codec.h"

#include "child_process.h"
#include "program_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace wtn::viewer {
namespace {

const std::string kTemplates = std::string(WTN_PROGRAM_DIR) + "/templates";

test::ChildResult run(const std::string& program, std::vector<std::string> args,
                      const std::string& folder, std::map<std::string, std::string> env = {}) {
    test::ChildRun child;
    child.program = program;
    child.args = std::move(args);
    child.work_dir = folder;
    child.env = std::move(env);
    child.env["QT_QPA_PLATFORM"] = "offscreen";
    return test::run_child(child);
}

int pdf_pages(const std::string& pdf) {
    const test::ChildResult info = run("/usr/bin/pdfinfo", {pdf}, ".");
    std::smatch match;
    if (!std::regex_search(info.out, match, std::regex("Pages:\\s+(\\d+)"))) return -1;
    return std::stoi(match[1]);
}

class SampleReport : public ::testing::Test {
  protected:
    SampleReport() {
        const test::ChildResult written = run(SAMPLE_REPORT, {}, folder.path());
        EXPECT_EQ(written.exit_code, 0) << written.err;
        std::filesystem::create_directories(WTN_SCREENSHOT_DIR);
    }
    test::ProgramFolder folder{false};
};

TEST_F(SampleReport, PdfExportPrintsEveryFieldBesideItsCaptionAndTheFigureOnItsFrame) {
    const test::ChildResult viewer =
        run(test::program_path("VIEWKSO"), {"--pdf", "report.pdf"}, folder.path());
    ASSERT_EQ(viewer.exit_code, 0) << viewer.err;
    const std::string pdf = folder.file("report.pdf");
    const LoadedReport loaded = load_report(folder.path(), kTemplates);
    EXPECT_TRUE(loaded.problems.empty()) << problem_text(loaded.problems.front());
    ASSERT_EQ(loaded.report.pages.size(), 4u); // conditions, the table on two, the figure
    EXPECT_EQ(pdf_pages(pdf), 4);

    const std::string text = run("/usr/bin/pdftotext", {"-layout", pdf, "-"}, ".").out;
    for (const char* line_pattern : {
             "天端高 +＋ +3\\.000 m",          // a field on its caption's line
             "設計水深 +-7\\.500 m",           // written before field 00, still in its field
             "施工時期 +07年 +月",             // an empty value leaves its field blank
             "07/02/03 09:05:07 +SAMPLE-QUAY", // the page head's stamp and data name
             "凡例 US\\$5 a\\\\Db",            // user text: "$$" and "\\" print one
             "（次頁へ続く）",                 // the footing where the table breaks
         })
        EXPECT_TRUE(std::regex_search(text, std::regex(line_pattern))) << line_pattern << "\n"
                                                                       << text;

    // The landscape figure's frame corners, mapped through the page: dark pixels.
    const std::string prefix = folder.file("figure");
    constexpr int kDpi = 72;
    run("/usr/bin/pdftoppm",
        {"-r", std::to_string(kDpi), "-f", "4", "-l", "4", "-png", pdf, prefix}, ".");
    QImage image(QString::fromStdString(prefix + "-4.png"));
    ASSERT_FALSE(image.isNull());
    const double px_per_unit = kDpi / 25.4 * kMillimetresPerUnit;
    for (const auto& [x, y] : {std::pair{0, 0}, {3900, 0}, {0, 5900}, {3900, 5900}}) {
        const int cx = static_cast<int>((kBodyLeft + kDrawingOffsetX + x) * px_per_unit);
        const int cy = static_cast<int>((kBodyTop + y) * px_per_unit);
        bool dark = false;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                dark = dark || qGray(image.pixel(std::clamp(cx + dx, 0, image.width() - 1),
                                                 std::clamp(cy + dy, 0, image.height() - 1))) < 128;
        EXPECT_TRUE(dark) << "frame corner " << x << "," << y;
    }
    // Keep every page as a picture for a person to look at.
    run("/usr/bin/pdftoppm",
        {"-r", "60", "-png", pdf, std::string(WTN_SCREENSHOT_DIR) + "/viewer_sample_page"}, ".");
}

TEST_F(SampleReport, WindowListsChaptersInNameOrderShowsThemAndPrintsEveryPage) {
    LoadedReport loaded = load_report(folder.path(), kTemplates);
    const Report report = loaded.report;
    ViewerWindow window(std::move(loaded.report));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QListWidget* list = window.chapter_list();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "完成時-常    時:サンプル条件");
    EXPECT_EQ(list->item(1)->text(), "完成時-常    時:サンプル地層");
    EXPECT_EQ(list->item(2)->text(), "完成時-常    時:サンプル図");

    list->setCurrentRow(2);
    EXPECT_EQ(window.current_page(), report.chapters[2].first_page);
    list->setCurrentRow(1);
    EXPECT_EQ(window.current_page(), 1);
    window.show_page(2); // the table's second page keeps its chapter selected
    EXPECT_EQ(list->currentRow(), 1);
    window.grab().save(QString(WTN_SCREENSHOT_DIR) + "/viewer_window.png");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.file("printed.pdf")));
    ASSERT_TRUE(window.print_to(printer));
    EXPECT_EQ(pdf_pages(folder.file("printed.pdf")), window.page_count());
}

std::string pdf_title(const std::string& pdf) {
    const test::ChildResult info = run("/usr/bin/pdfinfo", {pdf}, ".");
    std::smatch match;
    if (!std::regex_search(info.out, match, std::regex("Title:\\s+([^\\n]*)"))) return {};
    return match[1];
}

// The window and the PDF carry the project's title and file name from the
// run information; the export proposes the project's name in the folder of
// the last export (the user's home before any) and says where it wrote.
TEST_F(SampleReport, WindowAndPdfAreTitledWithTheProjectAndTheExportSaysWhereItWrote) {
    folder.write("CAL_FILE.INF", utf8_to_cp932("岸壁A\r\n東岸壁　改良" + std::string(30, ' ') +
                                               "\r\n7\r\n2\r\n3\r\n9\r\n5\r\n7\r\n"));
    LoadedReport loaded = load_report(folder.path(), kTemplates);
    ViewerWindow window(std::move(loaded.report));
    window.set_report_name(read_report_name(folder.path()));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "東岸壁　改良 (岸壁A) - VIEWKSO");
    EXPECT_EQ(window.proposed_pdf_path(), QDir::home().filePath("岸壁A.pdf"));
    window.set_last_export_folder("/no/such/folder"); // gone since: the home again
    EXPECT_EQ(window.proposed_pdf_path(), QDir::home().filePath("岸壁A.pdf"));

    const std::string exports = folder.file("exports");
    std::filesystem::create_directories(exports);
    const QString pdf = QString::fromStdString(exports + "/岸壁A.pdf");
    ASSERT_TRUE(window.export_to(pdf));
    EXPECT_EQ(window.statusBar()->currentMessage(), "PDFを出力しました: " + pdf);
    EXPECT_EQ(window.last_export_folder(), QString::fromStdString(exports));
    EXPECT_EQ(window.proposed_pdf_path(), pdf);
    EXPECT_EQ(pdf_title(pdf.toStdString()), "東岸壁　改良 (岸壁A)");
    window.grab().save(QString(WTN_SCREENSHOT_DIR) + "/viewer_after_export.png");

    // The export without a window titles its PDF alike.
    const test::ChildResult viewer =
        run(test::program_path("VIEWKSO"), {"--pdf", "report.pdf"}, folder.path());
    ASSERT_EQ(viewer.exit_code, 0) << viewer.err;
    EXPECT_EQ(pdf_title(folder.file("report.pdf")), "東岸壁　改良 (岸壁A)");
}

TEST_F(SampleReport, TheFrontEndsCommandOpensAWindowAndEndsWithZero) {
    const test::ChildResult viewer = run(test::program_path("VIEWKSO"), {"/NOTEDIT", "/PDTOPEN"},
                                         folder.path(), {{"WTN_VIEWKSO_AUTOCLOSE", "1"}});
    EXPECT_EQ(viewer.exit_code, 0) << viewer.err;
}

TEST_F(SampleReport, LintPassesTheWritersOutputAndNamesTheLineOfABrokenFile) {
    const test::ChildResult clean = run(test::program_path("VIEWKSO"), {"--lint"}, folder.path());
    EXPECT_EQ(clean.exit_code, 0) << clean.out;
    folder.write("JA004BAD.PDT", "t\r\n   0   0   0   0   0   0        D\r\n$0  SAMPLE_TBLR.PFM\r\n"
                                 "09  x\r\n");
    const test::ChildResult broken = run(test::program_path("VIEWKSO"), {"--lint"}, folder.path());
    EXPECT_EQ(broken.exit_code, 1);
    EXPECT_EQ(broken.out, "JA004BAD.PDT:4: error: code 9 is not a field of SAMPLE_TBLR.PFM\n");
}

// The text of the message box the action opens, closed at once; empty when
// it opens none.
QString message_of(QAction* action) {
    QString text;
    QTimer::singleShot(0, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->close();
        } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    action->trigger();
    return text;
}

QAction* tool_action(const ViewerWindow& window, const QString& caption) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == caption) return action;
    }
    return nullptr;
}

// A page file cut short, empty or missing leaves a chapter out: --lint and
// --pdf end with 1 naming it, no PDF is written, and the window, which
// shows what can be read, shows the same message on Print and Export PDF.
TEST_F(SampleReport, ABrokenPageFileIsNamedAndTheReportNeitherExportedNorPrinted) {
    const std::string whole = folder.read("JA002TBL.PDT");
    std::size_t quarter = whole.size() / 4;
    while (whole[quarter - 1] == '\n' || whole[quarter - 1] == '\r')
        --quarter;
    struct Case {
        const char* what;
        std::string bytes; // the page file's new contents; "-" for a dangling link
        const char* lint;  // the first problem --lint prints
        const char* fault; // the message's line naming the file
    };
    const Case cases[] = {
        {"cut to a quarter, mid-line", whole.substr(0, quarter),
         ": error: the last line has no line end: the page file was cut short",
         "が途中で切れています。"},
        {"one byte", whole.substr(0, 1),
         ": error: the last line has no line end: the page file was cut short",
         "が途中で切れています。"},
        {"its title line alone", whole.substr(0, whole.find('\n') + 1),
         ": error: a page file needs a title line and a header line", "が途中で切れています。"},
        {"empty", "", ": error: empty page file", "が空です。"},
        {"listed but missing", "-", ": error: missing", "がありません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.file("JA002TBL.PDT"));
        if (c.bytes == "-")
            std::filesystem::create_symlink("NO_SUCH.PDT", folder.file("JA002TBL.PDT"));
        else
            folder.write("JA002TBL.PDT", c.bytes);

        const test::ChildResult lint =
            run(test::program_path("VIEWKSO"), {"--lint"}, folder.path());
        EXPECT_EQ(lint.exit_code, 1);
        EXPECT_TRUE(std::regex_search(
            lint.out, std::regex("(^|\n)JA002TBL\\.PDT:[0-9]+" + std::string(c.lint) + "\n")))
            << lint.out;

        const std::string message = std::string("帳票ファイル(JA002TBL.PDT)") + c.fault;
        const test::ChildResult pdf =
            run(test::program_path("VIEWKSO"), {"--pdf", "report.pdf"}, folder.path());
        EXPECT_EQ(pdf.exit_code, 1);
        EXPECT_NE(pdf.err.find("VIEWKSO: " + message), std::string::npos) << pdf.err;
        EXPECT_FALSE(folder.exists("report.pdf"));

        LoadedReport loaded = load_report(folder.path(), kTemplates);
        ASSERT_EQ(loaded.broken.size(), 1u);
        const QString refusal = QString::fromStdString(broken_report_message(loaded.broken));
        EXPECT_NE(pdf.err.find(refusal.toStdString()), std::string::npos) << pdf.err;
        ViewerWindow window(std::move(loaded.report));
        window.refuse_output(refusal);
        window.show();
        EXPECT_EQ(message_of(tool_action(window, "印刷")), refusal);
        EXPECT_EQ(message_of(tool_action(window, "PDF出力")), refusal);
    }
}

TEST(Viewer, NoPageFilesOrAnUnwritablePdfEndWithOneAndAMessage) {
    test::ProgramFolder empty(false);
    const test::ChildResult window = run(test::program_path("VIEWKSO"), {"/NOTEDIT", "/PDTOPEN"},
                                         empty.path(), {{"WTN_VIEWKSO_AUTOCLOSE", "1"}});
    EXPECT_EQ(window.exit_code, 1);
    EXPECT_NE(window.err.find("PDT"), std::string::npos);
    const test::ChildResult pdf =
        run(test::program_path("VIEWKSO"), {"--pdf", "out.pdf"}, empty.path());
    EXPECT_EQ(pdf.exit_code, 1);
    EXPECT_FALSE(empty.exists("out.pdf"));

    empty.write("A.PDT", "t\r\n   0   0   0   0   0   0        D\r\n$0  NONE.PFM\r\n");
    const test::ChildResult unwritable =
        run(test::program_path("VIEWKSO"), {"--pdf", "no/such/folder/out.pdf"}, empty.path());
    EXPECT_EQ(unwritable.exit_code, 1);
    EXPECT_NE(unwritable.err.find("no/such/folder/out.pdf"), std::string::npos);
}

} // namespace
} // namespace wtn::viewer
