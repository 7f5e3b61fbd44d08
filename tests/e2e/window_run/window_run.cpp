#include "window_run.h"

#include "form_window.h"
#include "print_results.h"
#include "reference_designs.h"
#include "results_dialog.h"
#include "run_chain.h"

#include "child_process.h"
#include "program_folder.h"
#include "viewer_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace wtn::mainwin::test {

namespace fs = std::filesystem;

const std::string kShots = WTN_SCREENSHOT_DIR;

std::string single_blanks(const std::string& text) {
    return std::regex_replace(text, std::regex(" +"), " ");
}

void expect_in_order(const std::string& report, const std::vector<std::string>& parts) {
    const std::string text = single_blanks(report);
    std::size_t at = 0;
    for (const std::string& raw : parts) {
        const std::string part = single_blanks(raw);
        const std::size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << part << "\n" << text;
        at = found + part.size();
    }
}

std::vector<double> numbers_after(const std::string& text,
                                  const std::vector<std::string>& patterns) {
    std::vector<double> values;
    auto from = text.cbegin();
    for (const std::string& pattern : patterns) {
        std::smatch m;
        if (!std::regex_search(from, text.cend(), m, std::regex(pattern))) {
            ADD_FAILURE() << "not printed: " << pattern;
            return values;
        }
        for (std::size_t i = 1; i < m.size(); ++i)
            values.push_back(std::stod(m[i].str()));
        from = m[0].second;
    }
    return values;
}

int expect_stamped_pages(const std::string& text, const std::string& project_name) {
    const std::size_t stamp_at = text.find('\n') + 1;
    const std::string stamp = text.substr(stamp_at, 17);
    int page_number = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\f', begin);
        if (end == std::string::npos) end = text.size();
        const std::string page = text.substr(begin, end - begin);
        begin = end + 1;
        if (page.find_first_not_of(" \n") == std::string::npos) continue;
        ++page_number;
        // The text of a landscape figure runs up the page; pdftotext then
        // lays the header out among the figure's texts, not on top.
        const std::string head = page.substr(0, page.find('\n', page.find('\n') + 1));
        const bool landscape = page.find("土圧・残留水圧図") != std::string::npos;
        const std::string& where = landscape ? page : head;
        EXPECT_NE(where.find(stamp), std::string::npos) << "page " << page_number << ": " << head;
        EXPECT_NE(where.find(project_name), std::string::npos) << "page " << page_number;
    }
    return page_number;
}

void WindowRun::open_example(const std::string& file) {
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

void WindowRun::run(const std::string& shot) {
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

std::string WindowRun::print(const std::string& pdf_name) {
    std::vector<std::string> args;
    f.processes.on_start = [&](const ProcessRequest& request) -> std::optional<int> {
        args = request.args;
        wtn::test::expect_clean_lint(request.work_dir);
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
    wtn::test::run_offscreen("/usr/bin/pdftoppm", {"-r", "50", "-png", pdf, kShots + "/" + stem},
                             ".");
    const std::string text =
        wtn::test::run_offscreen("/usr/bin/pdftotext", {"-layout", pdf, "-"}, ".").out;
    wtn::test::expect_no_markup(text);
    return text;
}

void expect_printed(const std::string& text, const std::vector<std::string>& patterns,
                    const std::vector<std::pair<double, double>>& hand) {
    const std::vector<double> printed = numbers_after(single_blanks(text), patterns);
    ASSERT_EQ(printed.size(), hand.size());
    for (std::size_t i = 0; i < hand.size(); ++i)
        EXPECT_NEAR(printed[i], hand[i].first, hand[i].second) << "printed value " << i;
}

std::string WindowRun::report_of(const std::string& example, const std::string& stem_prefix,
                                 const std::vector<int>& modes) {
    const std::string name = fs::path(example).stem().string();
    const std::string stem = stem_prefix + name;
    open_example(example);
    run(stem);
    EXPECT_TRUE(f.box_texts().empty()) << f.box_texts().front();
    EXPECT_EQ(result_modes, modes);
    const std::string text = print(stem + ".pdf");
    f.folder.write(stem + ".txt", text);
    EXPECT_GT(expect_stamped_pages(text, name), 0);
    fs::copy_file(f.folder.file(stem + ".txt"), kShots + "/" + stem + ".txt",
                  fs::copy_options::overwrite_existing);
    return text;
}

} // namespace wtn::mainwin::test
