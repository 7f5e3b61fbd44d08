// The print command (印刷) and the two results commands (完成時の検討結果,
// 施工時の検討結果). Print hands the report pages of the work folder to the
// report viewer VIEWKSO and waits until the viewer has ended, with the main
// window disabled; the results commands show the results dialog in its view
// mode. All three first store the screens and compare the project with
// CAL.DAT, the input of the last run, and say when the pages or results shown
// belong to earlier data.
#pragma once

#include "main_window.h"

namespace wtn::mainwin {

inline constexpr const char* kPrintTitle = "帳票印刷";
inline constexpr const char* kResultsTitle = "計算結果表示";
inline constexpr const char* kNotCalculated = "未計算の為、印刷する帳票はありません。";
inline constexpr const char* kPrintChanged =
    "前回の計算よりデータが更新されています。\n前回の計算結果の印刷を行います。";
inline constexpr const char* kNoResults = "計算結果データがありません。\n計算を実行してください。";
inline constexpr const char* kResultsChanged =
    "前回の計算よりデータが更新されています。\n前回の計算結果を表示します。";
inline constexpr const char* kViewerProgram = "VIEWKSO";

void file_print_Click(MainWindow& w);
// The completed-state (kekka_mode -1) and construction-stage (-2) results.
void k_kekka_Click(MainWindow& w);
void s_kekka_Click(MainWindow& w);

} // namespace wtn::mainwin
