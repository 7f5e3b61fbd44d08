// A chapter writer's pages as text: written to a page file in a fresh
// program folder with the stability report's templates, read back without
// the file's two header lines (title and run stamp).
#pragma once

#include "current_folder.h"
#include "page_file.h"
#include "program_folder.h"
#include "report_page_templates.h"

#include <functional>
#include <string>

namespace wtn::test {

inline const TemplateTable kStabilityTemplates = kStabilityReportTemplates;

// The text of a page file after its title and run-stamp lines.
inline std::string body_of(const std::string& file) {
    std::string text = file;
    for (int i = 0; i < 2; ++i)
        text.erase(0, text.find("\r\n") + 2);
    return text;
}

inline std::string pages_of(const std::function<void(PageFile&)>& write) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    PageFile page("T.PDT", "title", RunInfo{}, &kStabilityTemplates);
    write(page);
    page.close();
    return body_of(folder.read("T.PDT"));
}

} // namespace wtn::test
