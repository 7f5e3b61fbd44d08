#include "report_name.h"

#include "cp932_codec.h"
#include "file_names.h"
#include "padded_text.h"
#include "run_info_file.h"
#include "text_lines.h"

#include <filesystem>
#include <vector>

namespace wtn::viewer {

namespace {

constexpr const char* kUnnamedPdf = "report.pdf";

} // namespace

ReportName read_report_name(const std::string& folder) {
    std::vector<std::string> lines;
    if (!read_lines((std::filesystem::path(folder) / kRunInfoFileName).string(), lines)) return {};
    const RunInfo info = run_info_from_lines(lines);
    // The file is code page 932; a damaged byte shows as a replacement mark
    // rather than losing the name.
    return {cp932_to_utf8_lossy(without_padding(info.data_name)),
            cp932_to_utf8_lossy(without_padding(info.title))};
}

std::string report_caption(const ReportName& name) {
    if (name.title.empty()) return name.data_name;
    if (name.data_name.empty()) return name.title;
    return name.title + " (" + name.data_name + ")";
}

std::string proposed_pdf_name(const ReportName& name) {
    const std::string& stem = name.data_name;
    const bool plain = !stem.empty() && stem != "." && stem != ".." &&
                       stem.find_first_of("/\\") == std::string::npos;
    return plain ? stem + ".pdf" : kUnnamedPdf;
}

} // namespace wtn::viewer
