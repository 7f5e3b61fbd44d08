// The whole run as the engineer makes it in the main window, with the real
// programs: open an example project, 計算 (the check list, the load and
// stability programs and the reports), adopt the pile length in the results
// dialog, 印刷 (the viewer exporting every page of the run as one PDF), save
// and reopen the project. Pictures of the window at each step and the PDF's
// pages as PNG stay in the build's screenshots folder for a person to look
// at.
#include "form_window.h"
#include "main_window_view_fixture.h"
#include "print_results.h"
#include "qt_services.h"
#include "reference_designs.h"
#include "results_dialog.h"
#include "run_chain.h"

#include "child_process.h"
#include "program_folder.h"
#include "project_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace wtn::mainwin::test {
namespace {

namespace fs = std::filesystem;

const std::string kShots = WTN_SCREENSHOT_DIR;

// Position of each text in the report, in order; the first that is missing
// or out of order fails with the report's text.
void expect_in_order(const std::string& text, const std::vector<std::string>& parts) {
    std::size_t at = 0;
    for (const std::string& part : parts) {
        const std::size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << part << "\n" << text;
        at = found + part.size();
    }
}

struct WindowRun {
    MainWindowViewFixture f;
    qt::QtProcessRunner runner;
    std::string project;
    std::vector<int> result_modes;
    std::string adopted_length;

    // A copy of the example in the program folder, opened through ﾌｧｲﾙ → 開く.
    void open_example(const std::string& file) {
        fs::copy_file(wtn::test::program_path("TVNCSTM.DAT"), f.folder.file("TVNCSTM.DAT"),
                      fs::copy_options::overwrite_existing);
        ASSERT_NE(f.start_and_show(), nullptr);
        project = f.folder.file(file);
        fs::copy_file(wtn::test::example_path(file), project);
        f.files.paths.push_back(project);
        f.window->file_commands().file_open();
        ASSERT_TRUE(f.box_texts().empty()) << f.box_texts().front();
        ASSERT_EQ(f.data.file_name, project);
    }

    // 計算 with the real programs; the results dialog is shown by Qt, its
    // picture kept, and the engineer adopts the computed length plus 0.5 m.
    void run(const std::string& shot) {
        f.window->services.processes = &runner;
        f.window->programs_dir = fs::path(wtn::test::program_path("TVNDAT")).parent_path();
        f.windows.on_modal = [this, shot](ui::Form& form) {
            result_modes.push_back(f.data.kekka_mode);
            qt::FormDialog dialog(form, f.view.get());
            dialog.show();
            save_screenshot(dialog, shot + "_results_" + std::to_string(result_modes.size()));
            auto* length = form.find_as<ui::TextBox>("txt_gm1", 1);
            ASSERT_NE(length, nullptr);
            adopted_length = length->text();
            form.find_as<ui::CommandButton>("Command1")->user_click();
        };
        run_Click(*f.window);
        save_screenshot(*f.view, shot + "_after_run");
    }

    // 印刷: the viewer is started as the front end starts it; here it exports
    // the pages as one PDF instead of opening its window.
    std::string print(const std::string& pdf_name) {
        std::vector<std::string> args;
        f.processes.on_start = [&](const ProcessRequest& request) -> std::optional<int> {
            args = request.args;
            const auto pdf = wtn::test::run_offscreen(wtn::test::program_path(kViewerProgram),
                                                      {"--pdf", pdf_name}, request.work_dir);
            EXPECT_EQ(pdf.exit_code, 0) << pdf.err;
            return pdf.exit_code;
        };
        f.window->services.processes = &f.processes;
        file_print_Click(*f.window);
        EXPECT_EQ(args, (std::vector<std::string>{"/NOTEDIT", "/PDTOPEN"}));
        const std::string pdf = f.folder.file(pdf_name);
        fs::create_directories(kShots);
        fs::copy_file(pdf, kShots + "/" + pdf_name, fs::copy_options::overwrite_existing);
        const std::string stem = fs::path(pdf_name).stem().string();
        wtn::test::run_offscreen("/usr/bin/pdftoppm",
                                 {"-r", "50", "-png", pdf, kShots + "/" + stem}, ".");
        return wtn::test::run_offscreen("/usr/bin/pdftotext", {"-layout", pdf, "-"}, ".").out;
    }
};

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
    expect_in_order(text, {"入力データチェックリスト", "SP-VL"});

    // Saved and reopened, the project holds what the screens showed.
    const std::vector<std::string> before = project_file_lines(w.f.data);
    ASSERT_TRUE(w.f.window->file_commands().file_save());
    w.f.window->file_commands().file_new();
    w.f.files.paths.push_back(w.project);
    w.f.window->file_commands().file_open();
    EXPECT_EQ(project_file_lines(w.f.data), before);
    save_screenshot(*w.f.view, "window_run_reopened");
}

} // namespace
} // namespace wtn::mainwin::test
