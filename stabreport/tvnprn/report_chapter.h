// One stability chapter: the page file of an examined tide level and case,
// named and titled by the embedment method, opened with the pages every
// method shares (the section pages and the charts). The method's own pages
// follow in the open chapter.
#pragma once

#include "page_file.h"
#include "report_state.h"

#include <memory>
#include <string>

namespace wtn {

// The digit of a chapter's page file: case + 1 in the completed state,
// 2 x level + case + 1 in the construction stage (level counting the
// examined levels from 0), so the files sort in chapter order.
int chapter_digit(int study_mode, int case_index, int level_index);

// "JD%d03CYN.PDT" (completed state) or "JW%d03CYN.PDT" for Chang's method;
// "MRX" for the multi-layer methods, "KKN" for the standard-curve methods.
std::string chapter_file_name(int study_mode, EmbedmentMethod method, int digit);

// The chapter's title line: the stage with the case ("完成時-%8s:") or the
// tide level ("施工時-%-8s:"), or, in the stage whose report names no stage,
// the tide level and the case ("%-8s-%6s:"), then the method.
std::string chapter_title(int study_mode, EmbedmentMethod method, int case_index,
                          const std::string& level_name);

struct ReportChapter {
    std::unique_ptr<PageFile> page;
    std::string chart_name; // the chapter's lateral-constant chart
    int case_index = 0;
    int level_index = 0;
};

// Opens the chapter of the case and level with its title, header, section
// pages and chart.
ReportChapter open_chapter(const StabilityReport& report, int case_index, int level_index);

// Writes the whole chapter of the case and level.
void write_stability_chapter(const StabilityReport& report, int case_index, int level_index);

} // namespace wtn
