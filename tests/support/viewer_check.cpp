#include "viewer_check.h"

#include "child_process.h"
#include "cp932_codec.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wtn::test {

namespace {

constexpr const char* kPdftotext = "/usr/bin/pdftotext";
constexpr const char* kPdftoppm = "/usr/bin/pdftoppm";
constexpr const char* kPageResolution = "60"; // dots per inch of the kept pages

#ifndef WTN_WITH_VIEWER
void skip_without_viewer() {
    GTEST_SKIP() << "the viewer is not built (configured without Qt): its lint, the overlap "
                    "check and the PDF export of this report are not run";
}
#endif

} // namespace

bool viewer_built() {
#ifdef WTN_WITH_VIEWER
    return true;
#else
    skip_without_viewer();
    return false;
#endif
}

void expect_clean_lint(const std::string& folder) {
    const ChildResult lint = run_offscreen(program_path("VIEWKSO"), {"--lint"}, folder);
    EXPECT_EQ(lint.exit_code, 0) << lint.err;
    // Every warning fails: a text struck by a line or printed over another.
    EXPECT_EQ(lint.out, "");
}

void expect_no_markup(const std::string& pdf_text) {
    for (const char* markup : {"$U", "$S", "$Z", "$$", "\\U", "\\D", "〔"})
        EXPECT_FALSE(contains(pdf_text, markup)) << markup;
}

std::string check_viewer(const ProgramFolder& folder, const std::vector<std::string>& texts,
                         const std::string& screenshot, bool open_window) {
    if (!viewer_built()) return {};
    expect_clean_lint(folder.path());
    const ChildResult pdf =
        run_offscreen(program_path("VIEWKSO"), {"--pdf", "report.pdf"}, folder.path());
    EXPECT_EQ(pdf.exit_code, 0) << pdf.err;
    if (pdf.exit_code != 0) return {};
    const std::string text =
        run_offscreen(kPdftotext, {"-layout", folder.file("report.pdf"), "-"}, folder.path()).out;
    const std::string searched = without_blanks(text);
    for (const std::string& t : texts)
        EXPECT_TRUE(contains(searched, without_blanks(cp932_to_utf8(t)))) << cp932_to_utf8(t);
    expect_no_markup(text);
    if (open_window) {
        const ChildResult window = run_offscreen(program_path("VIEWKSO"), {"/NOTEDIT", "/PDTOPEN"},
                                                 folder.path(), {{"WTN_VIEWKSO_AUTOCLOSE", "1"}});
        EXPECT_EQ(window.exit_code, 0) << window.err;
    }
    std::filesystem::create_directories(WTN_SCREENSHOT_DIR);
    run_offscreen(kPdftoppm,
                  {"-r", kPageResolution, "-png", folder.file("report.pdf"),
                   std::string(WTN_SCREENSHOT_DIR) + "/" + screenshot},
                  folder.path());
    return text;
}

} // namespace wtn::test
