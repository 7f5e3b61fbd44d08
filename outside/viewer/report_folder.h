// A report as the viewer finds it: every page file (*.PDT) of a folder in
// file-name order, laid out with the templates and drawings found in that
// folder first and then in the installed templates folder.
#pragma once

#include "page_layout.h"

#include <string>
#include <vector>

namespace wtn::viewer {

// Names of the page files of folder, sorted by name.
std::vector<std::string> page_file_names(const std::string& folder);

// The installed templates folder: "templates" beside the executable.
std::string installed_templates_folder();

struct LoadedReport {
    Report report;
    Problems problems;
};

// Lays out every page file of folder; templates_folder is searched after it.
LoadedReport load_report(const std::string& folder, const std::string& templates_folder);

// Checks every page file of folder and the templates and drawings they name,
// or only the files given (page files, templates or drawings by their
// ending). Warnings are data-dependent: a value overlaying template text, a
// line wider than the body, a drawing command outside its box.
Problems lint_report(const std::string& folder, const std::string& templates_folder,
                     const std::vector<std::string>& files);

} // namespace wtn::viewer
