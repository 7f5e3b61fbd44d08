// The golden check list as the viewer lays it out: the lint finds nothing,
// and the exported pages show the list with its stamp, its escapes printed
// (not shown as markup) and user text as typed. The PDF and its pages stay
// in the build's screenshots folder for a person to look at.
#include "golden_run.h"
#include "viewer_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

TEST(AudsheetInViewer, TheStampedCheckListPrintsAsTyped) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", golden_input());
    folder.write("CAL_FILE.INF", front_end_run_info());
    const ChildResult list = run_audsheet(folder);
    ASSERT_EQ(list.exit_code, 0) << list.err;

    const std::string text = check_viewer(folder, {}, "audsheet_check_list");
    if (text.empty()) return; // no viewer in the build: skipped

    const std::vector<std::string> info = file_lines(folder, "CAL_FILE.INF");
    ASSERT_EQ(info.size(), 8u);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d/%02d/%02d %02d:%02d:%02d", std::stoi(info[2]),
                  std::stoi(info[3]), std::stoi(info[4]), std::stoi(info[5]), std::stoi(info[6]),
                  std::stoi(info[7]));
    for (const std::string& pattern : {
             std::string("入力データチェックリスト"),
             std::string(stamp),
             std::string("【設計条件】"),
             std::string("業務名称 \\[東\\$岸壁の検討\\]"),
             std::string("SP-II +8740 +874"),
             std::string("kN/m3"),
             std::string("粘性土 qu=N/X の分母値\\(X\\) +80\\.0"),
         })
        EXPECT_TRUE(std::regex_search(text, std::regex(pattern))) << pattern << "\n" << text;
    std::filesystem::copy_file(folder.file("report.pdf"),
                               WTN_SCREENSHOT_DIR "/audsheet_check_list.pdf",
                               std::filesystem::copy_options::overwrite_existing);
}

} // namespace
} // namespace wtn::test
