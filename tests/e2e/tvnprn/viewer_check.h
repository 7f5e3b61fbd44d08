// The viewer on a chain folder's report: lint finds nothing, the PDF export
// prints the texts and none of the markup, and the pages go to the build's
// screenshots folder for a person to look at. Without the viewer in the
// build, nothing is checked.
#pragma once

#include "child_process.h"
#include "cp932_codec.h"
#include "program_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace wtn::test {

inline void check_viewer(const ProgramFolder& folder, const std::vector<std::string>& texts,
                         const std::string& screenshot) {
#ifdef WTN_WITH_VIEWER
    const ChildResult lint = run_offscreen(program_path("VIEWKSO"), {"--lint"}, folder.path());
    EXPECT_EQ(lint.exit_code, 0);
    EXPECT_EQ(lint.out, "");
    const ChildResult pdf =
        run_offscreen(program_path("VIEWKSO"), {"--pdf", "report.pdf"}, folder.path());
    ASSERT_EQ(pdf.exit_code, 0) << pdf.err;
    auto without_blanks = [](std::string s) {
        s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
        return s;
    };
    const std::string text = without_blanks(
        run_offscreen("/usr/bin/pdftotext", {folder.file("report.pdf"), "-"}, folder.path()).out);
    for (const std::string& t : texts)
        EXPECT_TRUE(text.find(without_blanks(cp932_to_utf8(t))) != std::string::npos)
            << cp932_to_utf8(t);
    for (const char* markup : {"$U", "$S", "\\U", "〔"})
        EXPECT_EQ(text.find(cp932_to_utf8(markup)), std::string::npos) << markup;
    std::filesystem::create_directories(WTN_SCREENSHOT_DIR);
    run_offscreen("/usr/bin/pdftoppm",
                  {"-r", "60", "-png", folder.file("report.pdf"),
                   std::string(WTN_SCREENSHOT_DIR) + "/" + screenshot},
                  folder.path());
#else
    (void)folder;
    (void)texts;
    (void)screenshot;
#endif
}

} // namespace wtn::test
