// VIEWKSO: the report viewer. Started by the front end as
// "VIEWKSO /NOTEDIT /PDTOPEN" in the program folder, it shows every page
// file of the current folder in a window and always ends with exit code 0 or
// 1. "VIEWKSO --pdf FILE" writes the report as a PDF without a window;
// "VIEWKSO --lint [FILE...]" checks page files, templates and drawings, and
// that no text of the laid-out pages is struck through or printed over.
// WTN_VIEWKSO_AUTOCLOSE=1 closes the window as soon as it has been shown,
// so a test sees a real window come and go.
#include "font_ink.h"
#include "report_folder.h"
#include "report_name.h"
#include "report_output.h"
#include "viewer_window.h"

#include "japanese_dialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

using namespace wtn::viewer;

constexpr const char* kNoPages = "表示する帳票(*.PDT)がありません。";
// The user's settings of the viewer (~/.config/VIEWKSO.ini): the folder of
// the last PDF export, proposed for the next.
constexpr const char* kSettingsName = "VIEWKSO";
constexpr const char* kLastExportFolderKey = "pdf/last_folder";

void print_problems(const Problems& problems) {
    for (const Problem& p : problems)
        std::fprintf(stderr, "%s\n", problem_text(p).c_str());
}

std::string current_folder() {
    return std::filesystem::current_path().string();
}

int run_lint(int argc, char** argv) {
    std::vector<std::string> files;
    for (int i = 2; i < argc; ++i)
        files.push_back(argv[i]);
    // The glyphs are measured with the report font; nothing is shown, so the
    // check needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const Problems problems =
        lint_report(current_folder(), installed_templates_folder(), files, report_font_ink());
    bool failed = false;
    for (const Problem& p : problems) {
        std::printf("%s\n", problem_text(p).c_str());
        failed = failed || p.error;
    }
    return failed ? 1 : 0;
}

int run_pdf(const char* path) {
    const LoadedReport loaded = load_report(current_folder(), installed_templates_folder());
    print_problems(loaded.problems);
    if (!loaded.broken.empty()) {
        std::fprintf(stderr, "VIEWKSO: %s\n", broken_report_message(loaded.broken).c_str());
        return 1;
    }
    if (loaded.report.pages.empty()) {
        std::fprintf(stderr, "VIEWKSO: %s\n", kNoPages);
        return 1;
    }
    const QString title =
        QString::fromStdString(report_caption(read_report_name(current_folder())));
    if (!export_pdf(loaded.report, QString::fromLocal8Bit(path), title)) {
        std::fprintf(stderr, "VIEWKSO: PDFファイル(%s)を書き込めません。\n", path);
        return 1;
    }
    return 0;
}

int run_window(QApplication& app) {
    const bool autoclose = std::getenv("WTN_VIEWKSO_AUTOCLOSE") != nullptr;
    LoadedReport loaded = load_report(current_folder(), installed_templates_folder());
    print_problems(loaded.problems);
    if (loaded.report.pages.empty()) {
        std::fprintf(stderr, "VIEWKSO: %s\n", kNoPages);
        if (!autoclose) QMessageBox::information(nullptr, "VIEWKSO", kNoPages);
        return 1;
    }
    ViewerWindow window(std::move(loaded.report));
    if (!loaded.broken.empty())
        window.refuse_output(QString::fromStdString(broken_report_message(loaded.broken)));
    window.set_report_name(read_report_name(current_folder()));
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kSettingsName);
    window.set_last_export_folder(settings.value(kLastExportFolderKey).toString());
    window.show();
    if (autoclose) QTimer::singleShot(0, &window, [&window] { window.close(); });
    app.exec();
    if (!window.last_export_folder().isEmpty())
        settings.setValue(kLastExportFolderKey, window.last_export_folder());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool pdf = argc >= 2 && std::strcmp(argv[1], "--pdf") == 0;
    const bool lint = argc >= 2 && std::strcmp(argv[1], "--lint") == 0;
    if (lint) return run_lint(argc, argv);
    if (pdf && argc != 3) {
        std::fprintf(stderr, "usage: VIEWKSO --pdf FILE\n");
        return 1;
    }
    if (pdf) {
        // The export draws with the GUI module alone: no widget styles or
        // dialog translations to load.
        QGuiApplication app(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        return run_pdf(argv[2]);
    }
    wtn::qt::use_japanese_locale();
    QApplication app(argc, argv);
    wtn::qt::install_japanese_dialogs(app);
    std::setlocale(LC_NUMERIC, "C");
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '/') {
            std::fprintf(stderr,
                         "usage: VIEWKSO [/NOTEDIT] [/PDTOPEN] | --pdf FILE | --lint [FILE...]\n");
            return 1;
        }
    }
    return run_window(app);
}
