// The whole run as the engineer makes it in the main window, with the real
// programs: open an example project, 計算 (the check list, the load and
// stability programs and the reports), adopt the pile length in the results
// dialog, 印刷 (the viewer exporting every page of the run as one PDF), save
// and reopen the project. Pictures of the window at each step and the PDF's
// pages as PNG stay in the build's screenshots folder for a person to look
// at.
#include "window_run.h"

#include "file_commands.h"
#include "project_writer.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace wtn::mainwin::test {
namespace {

namespace fs = std::filesystem;

const std::string kShots = WTN_SCREENSHOT_DIR;

// A picture of each of the eight input screens, switched to by its button.
std::vector<QImage> screen_pictures(MainWindowViewFixture& f, const std::string& shot) {
    std::vector<QImage> pictures;
    for (int i = 0; i < kScreenCount; ++i) {
        f.window->opt_menu[static_cast<std::size_t>(i)]->user_click();
        QApplication::processEvents();
        pictures.push_back(f.view->grab().toImage());
        if (!shot.empty()) save_screenshot(*f.view, shot + "_screen_" + std::to_string(i));
    }
    f.window->opt_menu[0]->user_click();
    return pictures;
}

TEST(WindowRun, SeismicExampleFromTheWindowToThePdfAndBack) {
    WindowRun w;
    ASSERT_NO_FATAL_FAILURE(w.open_example("seismic_sand.tn2"));
    save_screenshot(*w.f.view, "window_run_opened");
    w.run("window_run");
    ASSERT_TRUE(w.f.box_texts().empty()) << w.f.box_texts().front();
    EXPECT_EQ(w.result_modes, std::vector<int>{1});
    EXPECT_EQ(w.adopted_length, "13.500");
    EXPECT_TRUE(w.f.window->form.enabled());
    for (const char* page : {"AUDSHEET.PDT", "CTRAIAL0.PDT"})
        EXPECT_TRUE(w.f.folder.exists(page)) << page;

    const std::string text = w.print("window_run_report.pdf");
    ASSERT_FALSE(text.empty());
    w.f.folder.write("report.txt", text);
    fs::copy_file(w.f.folder.file("report.txt"), kShots + "/window_run_report.txt",
                  fs::copy_options::overwrite_existing);
    // The chapters in the order of the page files' names, with the
    // section's key numbers (hand values in tests/e2e/reference): the
    // virtual seabed, P, M and h0 of each case, the decided pile, its
    // stresses, displacements, embedment tips and the adopted length.
    expect_in_order(text, {
                              "入力データチェックリスト",
                              "【カスタマイズデータ】",
                              "計算トライアル結果表",
                              "[SP-VL]",
                              "1.設計条件",
                              "（設計条件図）［常 時］",
                              "（設計条件図）［地震時］",
                              "2.常時の検討",
                              "= -3.188 m",
                              "ΣP = 106.776",
                              "ΣM = 245.792",
                              "= 2.302 m",
                              "（外力荷重図）［常 時］",
                              "2-2  矢板の断面性能",
                              "根入れ部の計算 (チャンの方法)",
                              "= 0.446 m",
                              "仮想海底面より上の荷重",
                              "3.地震時の検討",
                              "= -4.050 m",
                              "ΣP = 171.395",
                              "= 2.816 m",
                              "（外力荷重図）［地震時］",
                              "3-2  矢板の断面性能",
                              "根入れ部の計算 (チャンの方法)",
                              "= 0.446 m",
                              "仮想海底面より上の荷重",
                              "4.検討結果のまとめ[完成時]",
                              "使用矢板 SP-VL",
                              "89.0",
                              "168.8",
                              "5.962",
                              "13.028",
                              "-9.914",
                              "-10.776",
                              "採用矢板長         13.500 m",
                          });
    // The printed key numbers against the values worked out by hand
    // (tests/e2e/reference/reference_sections.py), within the tolerances of
    // the reference-section test widened by the printed decimals.
    const std::string number = "(-?[0-9]+\\.[0-9]+)";
    const std::vector<double> printed = numbers_after(
        text, {"仮想海底面 = .* = " + number + " m", "ΣP = " + number + " +ΣM = " + number,
               "h0 = ΣM / ΣP = .* = " + number + " m", "仮想海底面 = .* = " + number + " m",
               "ΣP = " + number + " +ΣM = " + number, "h0 = ΣM / ΣP = .* = " + number + " m",
               "σ +" + number + " +" + number, "δ +" + number + " +" + number,
               "\n +" + number + " +" + number + "\n", "採用矢板長 +" + number + " m"});
    // virtual seabed, P, M, h0 of each case; stresses, displacements and
    // embedment tips of both cases; the adopted length.
    const std::vector<std::pair<double, double>> hand = {
        {-3.1878, 0.002}, {106.770, 0.11}, {245.766, 0.5},  {2.3018, 0.005},  {-4.0495, 0.002},
        {171.383, 0.18},  {482.520, 0.97}, {2.8155, 0.005}, {89.0, 0.25},     {168.7, 0.25},
        {6.001, 0.061},   {13.090, 0.131}, {-9.914, 0.011}, {-10.776, 0.011}, {13.5, 0.0}};
    ASSERT_EQ(printed.size(), hand.size());
    for (std::size_t i = 0; i < hand.size(); ++i)
        EXPECT_NEAR(printed[i], hand[i].first, hand[i].second) << "printed value " << i;

    // Every page carries the run's stamp and the project name in its header.
    EXPECT_GE(expect_stamped_pages(text, "seismic_sand"), 30);

    // Saved and reopened, the project holds what the screens showed, and
    // every screen shows it again as before.
    const std::vector<std::string> before = project_file_lines(w.f.data);
    ASSERT_TRUE(w.f.window->file_commands().file_save());
    const std::vector<QImage> shown = screen_pictures(w.f, "window_run");
    w.f.window->file_commands().file_new();
    w.f.files.paths.push_back(w.project);
    w.f.window->file_commands().file_open();
    EXPECT_EQ(project_file_lines(w.f.data), before);
    const std::vector<QImage> reopened = screen_pictures(w.f, "");
    for (int i = 0; i < kScreenCount; ++i)
        EXPECT_TRUE(shown[static_cast<std::size_t>(i)] == reopened[static_cast<std::size_t>(i)])
            << "screen " << i << " differs after reopening";
    save_screenshot(*w.f.view, "window_run_reopened");
}

// Both studies in one run: the construction stage checks the completed
// state's pile against the waves at two tide levels; the results dialog
// opens once per study and the report holds both studies' chapters.
TEST(WindowRun, BothStudiesInOneRun) {
    WindowRun w;
    ASSERT_NO_FATAL_FAILURE(w.open_example("both_studies.tn2"));
    w.run("window_both_studies");
    ASSERT_TRUE(w.f.box_texts().empty()) << w.f.box_texts().front();
    EXPECT_EQ(w.result_modes, (std::vector<int>{1, 2}));
    EXPECT_TRUE(w.f.window->form.enabled());
    const std::string text = w.print("window_both_studies_report.pdf");
    w.f.folder.write("report.txt", text);
    fs::copy_file(w.f.folder.file("report.txt"), kShots + "/window_both_studies_report.txt",
                  fs::copy_options::overwrite_existing);
    // The completed state's trial pages, then the construction stage's; the
    // completed state's chapters and summary; then the construction stage's
    // conditions, per tide level the wave and stability chapters, and its
    // summary, checking the completed state's pile.
    expect_in_order(text, {
                              "入力データチェックリスト",
                              "【施工時】",
                              "計算トライアル結果表",
                              "[SP-VL]",
                              "施工時",
                              "計算トライアル結果表",
                              "2.常時の検討",
                              "3.地震時の検討",
                              "4.検討結果のまとめ[完成時]",
                              "採用矢板長         13.500 m",
                              "施工時",
                              "1.設計条件",
                              "2.<H.W.L.> の検討",
                              // no breaking-wave influence: Hmax = 1.8 H1/3
                              "砕波の影響を受けない場合",
                              "(2) 合力及び作用位置の計算",
                              "2-2  矢板の断面性能",
                              "3.<L.W.L.> の検討",
                              "(2) 合力及び作用位置の計算",
                              "3-2  矢板の断面性能",
                              "4.検討結果のまとめ[施工時]",
                              "使用矢板 SP-VL",
                              "採用矢板長         13.500 m",
                          });
}

// A program that stops ends the run: the window comes back with the
// program's message, no results dialog opens and no later program runs
// (neither the reports of the completed state nor the construction stage).
TEST(WindowRun, StoppedProgramGivesTheWindowBackWithItsMessage) {
    WindowRun w;
    ASSERT_NO_FATAL_FAILURE(w.open_example("both_studies.tn2"));
    fs::remove(w.f.folder.file("YAITA.D02"));
    w.run("window_stopped_run");
    const std::vector<std::string> boxes = w.f.box_texts();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("矢板データファイル(YAITA.D02)がオープンできません"), std::string::npos)
        << boxes[0];
    EXPECT_TRUE(w.result_modes.empty());
    EXPECT_TRUE(w.f.window->form.enabled());
    EXPECT_TRUE(w.f.folder.exists("GAIRYOK.DAT")); // the load program ran before
    for (const char* later : {"KEKKA2.DAT", "JD000JKN.PDT", "WAV_DATA.PRN", "KEKKA4.DAT"})
        EXPECT_FALSE(w.f.folder.exists(later)) << later;
}

} // namespace
} // namespace wtn::mainwin::test
