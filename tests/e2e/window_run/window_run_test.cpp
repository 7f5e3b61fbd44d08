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
#include "run_chain.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace wtn::mainwin::test {
namespace {

namespace fs = std::filesystem;

const std::string kShots = WTN_SCREENSHOT_DIR;

// The variable from which the chooser takes its answer without its window.
constexpr const char* kChooserChoiceVariable = "WTN_ZEVOVE_CHOICE";

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
    // The title box shows the project title as typed, not padded to the 36
    // characters the project file keeps.
    auto* title = w.f.window->form.find_as<ui::TextBox>("txt_gm1", 0);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "砂質地盤　常時・地震時");
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
                              // the input check list
                              "入力データチェックリスト",
                              "【設計条件】",
                              "【矢板条件】",
                              "【カスタマイズデータ】",
                              // TVNCAL's trial pages: every pile tried up to the decided one
                              "計算トライアル結果表",
                              "[SP-IA]",
                              "[SP-IIA]",
                              "[SP-IIIA]",
                              "[SP-IVA]",
                              "[SP-VL]",
                              // the design conditions and their figures
                              "1.設計条件",
                              "1-6.上載荷重",
                              "1-10.許容矢板天端許容変位量",
                              "（設計条件図）［常 時］",
                              "（設計条件図）［地震時］",
                              // the normal case: earth pressure, its figures and the forces
                              "2.常時の検討",
                              "2-1 外力の計算",
                              "(1) 主働土圧（クーロンの式）",
                              "(2) 受働土圧（クーロンの式）",
                              "(3) 残留水圧",
                              "(4) 土圧及び残留水圧",
                              "（土圧・残留水圧図）［常 時］",
                              "(5) 差引き土圧",
                              "(6) 仮想海底面",
                              "= -3.188 m",
                              "2) 土圧・水圧の作用位置、合力の計算",
                              "ΣP = 106.776",
                              "ΣM = 245.792",
                              "= 2.302 m",
                              "（外力荷重図）［常 時］",
                              "（モデル図）",
                              // the normal case: TVNPRN's Chang pages, numbered 1) to 5)
                              "2-2  矢板の断面性能",
                              "横方向地盤反力係数の算出",
                              "根入れ部の計算 (チャンの方法)",
                              "1) 矢板断面計算用地盤の特性値(β)を求める",
                              "= 0.446 m",
                              "2) 最大曲げモーメントを求める",
                              "3) 曲げ応力度の照査",
                              "4) 天端変位量の照査",
                              "仮想海底面より上の荷重",
                              "5) 根入れ長の計算",
                              // the seismic case alike
                              "3.地震時の検討",
                              "3-1 外力の計算",
                              "(1) 見掛けの震度（直接入力）",
                              "(2) 主働土圧（物部・岡部の式）",
                              "(3) 受働土圧（物部・岡部の式）",
                              "(4) 残留水圧",
                              "(5) 土圧及び残留水圧",
                              "（土圧・残留水圧図）［地震時］",
                              "(6) 差引き土圧",
                              "(7) 仮想海底面",
                              "= -4.050 m",
                              "2) 土圧・水圧の作用位置、合力の計算",
                              "ΣP = 171.395",
                              "= 2.816 m",
                              "（外力荷重図）［地震時］",
                              "3-2  矢板の断面性能",
                              "根入れ部の計算 (チャンの方法)",
                              "1) 矢板断面計算用地盤の特性値(β)を求める",
                              "= 0.446 m",
                              "3) 曲げ応力度の照査",
                              "4) 天端変位量の照査",
                              "仮想海底面より上の荷重",
                              "5) 根入れ長の計算",
                              // the completed state's summary
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
    // The unit conversion of the displacement pages stands close to its
    // value: the field is as wide as the printed "10²", not as its markup.
    EXPECT_NE(text.find("単位換算 1 m = 102 cm"), std::string::npos);
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
                              // the wave list: per tide level the wave and its
                              // length by small-amplitude theory, L = gT^2/2π
                              // tanh(2πh/L): 27.93 m at h 4.00, 23.08 at 2.50
                              "1.設計条件",
                              "1-3.有義波高",
                              "1-4.設計波高",
                              "1-6.波 長",
                              "27.93 m",
                              "23.08 m",
                              "（設計条件図）",
                              "2.<H.W.L.> の検討",
                              // no breaking-wave influence: Hmax = 1.8 H1/3
                              "砕波の影響を受けない場合",
                              // Goda: η* = 0.75 x 2 x 1.80; α1 0.787 (4πh/L
                              // 1.800); p1 = (α1 + α2) x 1.03 x 9.81 x 1.80
                              "= 2.700 m",
                              "= 0.787",
                              "= 14.350 kN/m2",
                              "(2) 合力及び作用位置の計算",
                              "2-2  矢板の断面性能",
                              "根入れ部の計算 (チャンの方法)",
                              "4) 天端変位量の照査",
                              "3.<L.W.L.> の検討",
                              "= 2.700 m",
                              // α1 0.879 (4πh/L 1.361), p1 = 0.886 x 18.187
                              "= 0.879",
                              "= 16.114 kN/m2",
                              "(2) 合力及び作用位置の計算",
                              "3-2  矢板の断面性能",
                              "根入れ部の計算 (チャンの方法)",
                              "4.検討結果のまとめ[施工時]",
                              "使用矢板 SP-VL",
                              "4-1. H.W.L.",
                              "4-2. L.W.L.",
                              "採用矢板長         13.500 m",
                          });
}

// The engineer puts soft clay under the sand on the sea side of the uniform
// sand example: the net pressure turns to the passive side in the sand and
// back to the active side at the top of the clay, so the load program offers
// two virtual seabeds and starts the chooser. Its answer comes through the
// environment (the second candidate, the top of the clay); the run goes on
// to the report with that virtual seabed.
TEST(WindowRun, ChooserAnsweredThroughTheEnvironment) {
    WindowRun w;
    ASSERT_NO_FATAL_FAILURE(w.open_example("uniform_sand.tn2"));
    DosouRec clay = w.f.data.dosou_dat.dosou_umi[0];
    clay.top_lvl = -4.0;
    clay.unit_w = {17.0, 17.0, 0.0};
    clay.soil_sw = SoilKind::Clay;
    clay.soil_val = {0.0, 5.0, 0.0, 0.0};
    clay.kh_val[0] = 5000.0;
    w.f.data.dosou_dat.dosou_umi[1] = clay;
    w.f.window->load_all_screens(); // the screens show the layer as typed
    ASSERT_EQ(setenv(kChooserChoiceVariable, "1", 1), 0);
    w.f.boxes.answers.push_back(BoxAnswer::No); // the changed example is not saved
    w.run("window_chooser");
    unsetenv(kChooserChoiceVariable);
    ASSERT_EQ(w.f.box_texts().size(), 1u) << w.f.box_texts().back();
    EXPECT_EQ(w.result_modes, std::vector<int>{1});
    const std::string exchange = w.f.folder.read("ZEVOVE.DAT");
    EXPECT_EQ(exchange.substr(0, 3), "1\r\n") << exchange;
    EXPECT_NE(exchange.find("  -4.000\r\n"), std::string::npos) << exchange;
    const std::string text = w.print("window_chooser_report.pdf");
    expect_in_order(text, {"2.常時の検討", "(6) 仮想海底面", "位置 -4.000 m",
                           "主働+残留水圧 35.426 kN/m2 ＞ 受働土圧 25.000 kN/m2 (下)",
                           "3.検討結果のまとめ[完成時]"});
}

// The embankment example: each case's surcharge chapter (the failure
// angles, the wedge's surcharge and fill weight) and its figure come before
// the case's earth-pressure chapter, whose items then start at (2). The
// values are checked against the hand values in the special-load reports.
TEST(WindowRun, EmbankmentGivesTheSurchargeChapterOfEachCase) {
    WindowRun w;
    ASSERT_NO_FATAL_FAILURE(w.open_example("embankment_fill.tn2"));
    w.run("window_embankment");
    ASSERT_TRUE(w.f.box_texts().empty()) << w.f.box_texts().front();
    const std::string text = w.print("window_embankment_report.pdf");
    expect_in_order(text, {"入力データチェックリスト",
                           "【地表面】",
                           "計算トライアル結果表",
                           "1.設計条件",
                           "（設計条件図）［常 時］",
                           "（設計条件図）［地震時］",
                           "2.常時の検討",
                           "(1) 上載荷重の計算（海底面で評価する）",
                           "1) 各土層の崩壊角",
                           "2) 崩壊くさび内の上載荷重と盛土重量",
                           "a ) 崩壊面の下端 -2.500 m",
                           "採用する上載荷重 q =",
                           "（上載荷重図）［常 時］",
                           "(2) 主働土圧（クーロンの式）",
                           "（外力荷重図）［常 時］",
                           "2-2  矢板の断面性能",
                           "根入れ部の計算 (チャンの方法)",
                           "5) 根入れ長の計算",
                           "3.地震時の検討",
                           "上載荷重の計算（海底面で評価する）",
                           "採用する上載荷重 q =",
                           "（上載荷重図）［地震時］",
                           "主働土圧（物部・岡部の式）",
                           "（外力荷重図）［地震時］",
                           "3-2  矢板の断面性能",
                           "5) 根入れ長の計算",
                           "4.検討結果のまとめ[完成時]"});
}

// A program that stops ends the run: the window comes back with the
// program's message, no results dialog opens and no later program runs
// (neither the reports of the completed state nor the construction stage).
// 新規作成 then 計算: the template project ticks neither study, so the run
// writes the check list alone; the list says so, as the screens show it, and
// the status bar tells why nothing else followed.
TEST(WindowRun, NewProjectWritesTheCheckListAloneAndSaysWhy) {
    WindowRun w;
    fs::copy_file(wtn::test::program_path("TVNCSTM.DAT"), w.f.folder.file("TVNCSTM.DAT"),
                  fs::copy_options::overwrite_existing);
    ASSERT_NE(w.f.start_and_show(), nullptr);
    EXPECT_EQ(w.f.data.sekkei_dat.kanseiji_sw, CheckBox::Clear);
    EXPECT_EQ(w.f.data.sekkei_dat.sekouji_sw, CheckBox::Clear);
    w.run("window_new_project");
    ASSERT_TRUE(w.f.box_texts().empty()) << w.f.box_texts().front();
    EXPECT_TRUE(w.result_modes.empty());
    EXPECT_EQ(w.f.window->stv_gm.panel_text(1), kCheckListOnlyStatus);
    EXPECT_TRUE(w.f.folder.exists("AUDSHEET.PDT"));
    EXPECT_FALSE(w.f.folder.exists("GAIRYOK.DAT"));

    const std::string text = single_blanks(w.print("window_new_project.pdf"));
    EXPECT_NE(text.find("完成時・施工時の検討 0:検討しない"), std::string::npos) << text;
    for (const char* absent : {"1:完成時のみ検討", "常時・地震時共に検討", "【完成時】"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

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
