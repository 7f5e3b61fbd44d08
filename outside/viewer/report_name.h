// The project a report belongs to, as the run information of its folder
// (CAL_FILE.INF) names it: the project file's name and the project title
// (業務名称). The viewer titles its window and the PDF with them and names
// the exported PDF after the project file.
#pragma once

#include <string>

namespace wtn::viewer {

struct ReportName {
    std::string data_name; // project file name without folder and extension, UTF-8
    std::string title;     // project title without the blanks that pad it, UTF-8
};

// The names of folder's run information; both empty when the file is
// missing or unreadable.
ReportName read_report_name(const std::string& folder);

// "title (data name)", or whichever of the two is not empty; empty when both
// are.
std::string report_caption(const ReportName& name);

// The file name the PDF export proposes: the project file's name with ".pdf";
// "report.pdf" when the report names no project or its name is no plain file
// name.
std::string proposed_pdf_name(const ReportName& name);

} // namespace wtn::viewer
