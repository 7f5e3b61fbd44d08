// The state of one run of the stability report TVNPRN, owned by its driver
// and read by every chapter, page and drawing writer: the inputs, the blocks
// of the stability work files, the force-file section of the case being
// written, the study the force file names, and the running chapter number.
#pragma once

#include "corrosion_chart_table.h"
#include "customisation.h"
#include "force_case.h"
#include "input_record.h"
#include "result_areas.h"
#include "run_info.h"
#include "stability_ranges.h"
#include "wall_codes.h"

#include <optional>
#include <string>
#include <vector>

namespace wtn {

// The first stability chapter follows the design conditions (chapter 1).
inline constexpr int kFirstStabilityChapter = 2;

struct StabilityReport {
    InputRecord input;
    RunInfo run_info;
    CustomisationValues custom;
    StabilityResults results;
    ForceCase force_case; // the section of the case being written

    int study_mode = kCompletedStateMode; // line 1 of GAIRYOK.DAT
    bool concrete_pile = false;           // sheet-pile type other than the steel ones
    int chapter_no = kFirstStabilityChapter;
    CaseRange cases;
    TideLevelRange levels;
    // Names of the examined tide levels for the chapter titles, each fitted
    // to the label room; empty names in the completed state.
    std::vector<std::string> level_names;
    // The corroded-section chart line of the decided pile, when its chart is drawn.
    std::optional<CorrosionChartLine> chart_line;

    EmbedmentMethod method() const { return input.swdat.embedment_method; }
    PileType pile_type() const { return input.joken.pile_type; }
    bool with_corrosion() const { return results.corrosion.case_flag != kNoCorrosion; }
};

} // namespace wtn
