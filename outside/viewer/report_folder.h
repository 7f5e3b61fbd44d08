// A report as the viewer finds it: every page file (*.PDT) of a folder in
// file-name order, laid out with the templates and drawings found in that
// folder first and then in the installed templates folder.
#pragma once

#include "page_layout.h"
#include "page_overlaps.h"

#include <string>
#include <vector>

namespace wtn::viewer {

// Names of the page files of folder, sorted by name: every entry whose name
// ends like a page file's, so one that cannot be read is still a chapter of
// the report, and a broken one.
std::vector<std::string> page_file_names(const std::string& folder);

// The installed templates folder: "templates" beside the executable.
std::string installed_templates_folder();

// Why a page file leaves its chapter incomplete. The report programs end
// every line they write, a page file's head included, so a last line
// without its end, or a file ending before its header line, was cut short.
enum class PageFileFault { missing, unreadable, empty, cut };

struct BrokenPageFile {
    std::string file;
    PageFileFault fault;
};

struct LoadedReport {
    Report report;
    Problems problems;
    // Page files whose pages are missing or incomplete: such a report is
    // shown as far as it goes but neither printed nor exported.
    std::vector<BrokenPageFile> broken;
};

// The message refusing to print or export a report with broken page files
// (UTF-8): one line naming each file and its fault, then what to do.
std::string broken_report_message(const std::vector<BrokenPageFile>& broken);

// Lays out every page file of folder; templates_folder is searched after it.
LoadedReport load_report(const std::string& folder, const std::string& templates_folder);

// Checks every page file of folder and the templates and drawings they name,
// or only the files given (page files, templates or drawings by their
// ending). Warnings are data-dependent: a value overlaying template text, a
// line wider than the body, a drawing command outside its box and, given
// the ink of the glyphs, a text struck through by a line or two texts
// printed over each other on the laid-out pages.
Problems lint_report(const std::string& folder, const std::string& templates_folder,
                     const std::vector<std::string>& files, const GlyphInk& ink = {});

} // namespace wtn::viewer
