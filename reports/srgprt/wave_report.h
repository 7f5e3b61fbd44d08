// SRGPRT, the wave-pressure report of the construction stage: from the wave
// results of WAV_DATA.PRN and the stability conditions of SJOKEN.DAT it
// writes one chapter JW?02HAT.PDT with its wave-load drawing HMOMNTZ?.PZK per
// examined tide level and case, the design-condition drawing W_JOKENZ.PZK and
// the design-condition list JW000JKN.PDT with its generated templates.
#pragma once

#include "customisation.h"
#include "figure_kit.h"
#include "input_record.h"
#include "report_conditions.h"
#include "run_info.h"
#include "wav_data_file.h"

#include <string>
#include <vector>

namespace wtn {

inline constexpr const char* kWaveReportTitle = "波圧強度帳票作成";

// One examined tide level and case as the report walks them: its place in the
// file order and the wave results TVNWAV wrote for it.
struct ReportedBlock {
    int level = 0;      // kTideHhwl .. kTideUser
    int case_index = 0; // kCaseNormal or kCaseSeismic
    int ordinal = 0;    // examined-level ordinal: 0 for the first examined level
    int chapter_no = 0; // chapter number: 2 for the first, one up per chapter
    WaveBlock block;
};

// The state of one run, owned by the driver.
struct WaveReport {
    InputRecord input;
    RunInfo run_info;
    CustomisationValues custom;
    int system_switch = 0;
    double crest = 0.0; // top of the wave diagram and of both drawings
    ReportConditions conditions;
    std::vector<ReportedBlock> blocks;
    FigureKit kit;
};

// Reads PRG_SW.DAT, CAL_FILE.INF, CAL_FILE.DAT, TVNCSTM.DAT and SJOKEN.DAT
// into report and checks the switches and the first layer index they name.
void read_report_inputs(WaveReport& report);

// Reads every block of WAV_DATA.PRN in the order TVNWAV writes them (each
// examined level, within it each case of the wave case range). Stops the
// program naming the file, the level and the case when a block cannot be
// read, and when data follow the last block.
void read_report_blocks(WaveReport& report);

// Runs the program in the current folder.
void wave_report_main();

} // namespace wtn
