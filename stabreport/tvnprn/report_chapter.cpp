#include "report_chapter.h"

#include "chang_chapter.h"
#include "format_values.h"
#include "koken_chapter.h"
#include "matrix_chapter.h"
#include "reaction_charts.h"
#include "report_page_templates.h"
#include "section_pages.h"

namespace wtn {

namespace {

const TemplateTable kReportTemplates = kStabilityReportTemplates;

const char* method_tag(EmbedmentMethod method) {
    switch (method) {
    case EmbedmentMethod::Chang:
        return "CYN";
    case EmbedmentMethod::ChangMultiLayer:
    case EmbedmentMethod::CTypeMultiLayer:
        return "MRX";
    case EmbedmentMethod::CType:
    case EmbedmentMethod::SType:
        break;
    }
    return "KKN";
}

const char* method_caption(EmbedmentMethod method) {
    switch (method) {
    case EmbedmentMethod::Chang:
        return "根入れ(ﾁｬﾝ)";
    case EmbedmentMethod::ChangMultiLayer:
    case EmbedmentMethod::CTypeMultiLayer:
        return "根入れ(多層地盤)";
    case EmbedmentMethod::CType:
    case EmbedmentMethod::SType:
        break;
    }
    return "根入れ(港研方式)";
}

} // namespace

int chapter_digit(int study_mode, int case_index, int level_index) {
    if (study_mode == kCompletedStateMode) return case_index + 1;
    return construction_chapter_digit(level_index, case_index);
}

std::string chapter_file_name(int study_mode, EmbedmentMethod method, int digit) {
    return format_text(study_mode == kCompletedStateMode ? "JD%d03%s.PDT" : "JW%d03%s.PDT", digit,
                       method_tag(method));
}

std::string chapter_title(int study_mode, EmbedmentMethod method, int case_index,
                          const std::string& level_name) {
    const char* caption = method_caption(method);
    const bool normal = case_index == kNormalCase;
    if (study_mode == kCompletedStateMode)
        return format_text("完成時-%8s:%s", normal ? "常    時" : "地 震 時", caption);
    if (study_mode == kConstructionStageMode)
        return format_text("施工時-%-8s:%s", level_name.c_str(), caption);
    // Both cases of a level are studied here: the title names the case too,
    // or the chapter list could not tell them apart.
    return format_text("%-8s-%6s:%s", level_name.c_str(), normal ? "常  時" : "地震時", caption);
}

ReportChapter open_chapter(const StabilityReport& report, int case_index, int level_index) {
    const int digit = chapter_digit(report.study_mode, case_index, level_index);
    const std::string& level_name = report.level_names[static_cast<std::size_t>(level_index)];
    ReportChapter chapter;
    chapter.case_index = case_index;
    chapter.level_index = level_index;
    chapter.chart_name = reaction_chart_name(report.study_mode, digit);
    chapter.page = std::make_unique<PageFile>(
        chapter_file_name(report.study_mode, report.method(), digit),
        chapter_title(report.study_mode, report.method(), case_index, level_name), report.run_info,
        &kReportTemplates);
    write_section_pages(*chapter.page, report, chapter.chart_name);
    draw_reaction_chart(report, chapter.chart_name);
    return chapter;
}

void write_stability_chapter(const StabilityReport& report, int case_index, int level_index) {
    switch (report.method()) {
    case EmbedmentMethod::Chang:
        write_chang_report(report, case_index, level_index);
        return;
    case EmbedmentMethod::ChangMultiLayer:
    case EmbedmentMethod::CTypeMultiLayer:
        write_matrix_report(report, case_index, level_index);
        return;
    case EmbedmentMethod::CType:
    case EmbedmentMethod::SType:
        write_koken_report(report, case_index, level_index);
        return;
    }
}

} // namespace wtn
