// Every program's table of the installed templates it fills. The installed
// templates are checked against all of them together: each template declares
// exactly the codes its programs write. A program that names installed
// templates keeps its table beside its own code and adds one line here.
#pragma once

#include "earth_pressure_templates.h"
#include "load_chapter_templates.h"
#include "sample_templates.h"
#include "trial_page_templates.h"
#include "wave_report_templates.h"

#include <string_view>

namespace wtn::tools {

struct ProgramTemplates {
    std::string_view program;
    TemplateTable table;
};

inline constexpr ProgramTemplates kProgramTemplateTables[] = {
    {"sample", kSampleTemplates},
    {"load chapters", kLoadChapterTemplates},
    {"solprt", kEarthPressureReportTemplates},
    {"tvncal", kTrialPageTemplates},
    {"srgprt", kWaveReportTemplates},
};

} // namespace wtn::tools
