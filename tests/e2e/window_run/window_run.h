// The whole run of an example project from the main window with the real
// programs: open it, 計算 (results dialogs adopted as computed), 印刷 (the
// viewer exporting every page as one PDF), and the searches in the PDF's
// text that the window-run tests make.
#pragma once

#include "main_window_view_fixture.h"
#include "qt_services.h"

#include <string>
#include <utility>
#include <vector>

namespace wtn::mainwin::test {

// The text with every run of blanks as one blank: how many blanks the PDF's
// text extraction puts between two words depends on how the glyphs were
// drawn, not on the report.
std::string single_blanks(const std::string& text);

// Position of each text in the report, in order; the first that is missing
// or out of order fails with the report's text.
void expect_in_order(const std::string& report, const std::vector<std::string>& parts);

// The numbers of the first match of each pattern, in order, the search
// going on after the previous match.
std::vector<double> numbers_after(const std::string& text,
                                  const std::vector<std::string>& patterns);

// Every page of the report's text carries the run's stamp (date and time of
// the check list's first page) and the project name in its header. Returns
// the number of pages.
int expect_stamped_pages(const std::string& report, const std::string& project_name);

// The printed numbers, in order, each within its tolerance of the hand value
// (value, tolerance) at the same place.
void expect_printed(const std::string& text, const std::vector<std::string>& patterns,
                    const std::vector<std::pair<double, double>>& hand);

struct WindowRun {
    MainWindowViewFixture f;
    qt::QtProcessRunner runner;
    std::string project;
    std::vector<int> result_modes;
    std::string adopted_length;

    // A copy of the example in the program folder, opened through ﾌｧｲﾙ → 開く.
    void open_example(const std::string& file);

    // 計算 with the real programs; the results dialog is shown by Qt, its
    // picture kept, and the engineer adopts the computed length.
    void run(const std::string& shot);

    // 印刷: the viewer is started as the front end starts it; here it exports
    // the pages as one PDF instead of opening its window, after its lint
    // found nothing (no broken file, no text struck through or printed
    // over). Returns the PDF's text (pdftotext -layout), which holds no
    // markup; the PDF and its pages as PNG go to the screenshots folder.
    std::string print(const std::string& pdf_name);

    // The example opened, run and printed as stem_prefix + its name: the
    // results dialogs shown are modes, no message box appears, every page
    // carries the stamp and the example's name; the report's text is kept
    // beside the PDF in the screenshots folder and returned.
    std::string report_of(const std::string& example, const std::string& stem_prefix,
                          const std::vector<int>& modes);
};

} // namespace wtn::mainwin::test
