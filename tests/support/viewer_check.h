// The viewer on a report folder, as every report test runs it: the lint
// finds nothing (no broken file, no text struck through by a line or
// printed over another), the PDF export prints the texts asked for and none
// of the markup, and the pages go to the build's screenshots folder as PNG
// for a person to look at. Without the viewer in the build (Qt left out)
// the test is skipped with the reason, so a run without Qt does not pass it
// unseen.
#pragma once

#include "program_folder.h"

#include <string>
#include <vector>

namespace wtn::test {

// True when the viewer is built; otherwise the test is marked skipped with
// the reason and false returned.
bool viewer_built();

// The viewer's lint in folder: exit code 0 and not a line of output.
void expect_clean_lint(const std::string& folder);

// The PDF's text holds none of the page and drawing escapes and no bracket
// of a missing template.
void expect_no_markup(const std::string& pdf_text);

// Lint, PDF export (report.pdf) and the pages as PNG (screenshot is their
// stem); texts (code page 932, as the report programs write them) are each
// found in the PDF's text with blanks left out. open_window: the window is
// also opened as the front end opens it, and closed. Returns the PDF's text
// (pdftotext -layout, UTF-8); empty when the viewer is not built.
std::string check_viewer(const ProgramFolder& folder, const std::vector<std::string>& texts,
                         const std::string& screenshot, bool open_window = false);

} // namespace wtn::test
