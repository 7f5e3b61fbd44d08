#include "wave_report.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "input_file.h"
#include "switch_file.h"
#include "text_lines.h"
#include "tide_level_switches.h"
#include "wall_codes.h"
#include "wave_case_range.h"
#include "wave_chapter.h"
#include "wave_condition_figure.h"
#include "wave_condition_list.h"
#include "wave_inputs.h"
#include "wave_load_figure.h"

#include <memory>
#include <string>

namespace wtn {
namespace {

// The layer-by-layer methods list the layer rows of SJOKEN.DAT from its first
// layer index on; the single-constant methods list none.
bool lists_layer_rows(EmbedmentMethod method) {
    return method == EmbedmentMethod::Chang || method == EmbedmentMethod::ChangMultiLayer ||
           method == EmbedmentMethod::CTypeMultiLayer;
}

// A first layer index outside the rows (GAIRYOK.DAT admits -1 for a seabed
// that no boundary matches) would list rows that are not there.
void check_first_layer_index(const WaveReport& report) {
    const ReportConditions& c = report.conditions;
    if (!lists_layer_rows(report.input.swdat.embedment_method)) return;
    const int rows = static_cast<int>(c.layers.size());
    if (c.layer_start >= 0 && c.layer_start < rows) return;
    stop_with_error(std::string("(ERROR)-ファイル(") + kReportConditionsFile + ")の先頭土層番号 " +
                    std::to_string(c.layer_start) + " が土層の行(0 から " +
                    std::to_string(rows - 1) + ")にありません.");
}

std::string block_name(int level, int case_index) {
    return std::string(kTideLevelNames[level]) + " " + kCaseWords[case_index];
}

[[noreturn]] void stop_unreadable_block(int level, int case_index) {
    stop_with_error(std::string("(ERROR)-波圧計算結果ファイル(") + kWavDataFileName + ")の " +
                    block_name(level, case_index) + " のデータが読めません.");
}

// True when a data line is left in the file.
bool data_follow(LineReader& reader) {
    CsvLine line;
    for (;;) {
        const int kind = read_csv_line(reader, line);
        if (kind == kCsvEndOfFile) return false;
        if (kind == kCsvData) return true;
    }
}

} // namespace

void read_report_inputs(WaveReport& report) {
    InputRecord& input = report.input;
    reset_input_counters(input);
    set_input_defaults(input);
    report.system_switch = read_prg_sw();
    read_run_info(report.run_info);
    read_input(input, kInputFileName);
    report.custom = read_customisation();
    report.conditions = read_sjoken(true);
    check_tide_level_switches(input);
    check_first_layer_index(report);
}

void read_report_blocks(WaveReport& report) {
    const InputRecord& input = report.input;
    CFile file = open_file(kWavDataFileName, "rt");
    if (!file) stop_with_wave_error(WaveErrorCode::WavDataOpen);
    LineReader reader(file.get());

    const CaseRange cases = wave_case_range(report.system_switch, input.swdat.completed_cases);
    const WaveFormula formula = wave_formula_of(input);
    report.blocks.clear();
    int ordinal = 0;
    for (int level = kTideHhwl; level <= kTideUser; ++level) {
        if (!tide_level_examined(input, level)) continue;
        for (int c = cases.first; c < cases.end; ++c) {
            ReportedBlock reported;
            reported.level = level;
            reported.case_index = c;
            reported.ordinal = ordinal;
            reported.chapter_no = 2 + static_cast<int>(report.blocks.size());
            reported.block.tide_level = level;
            reported.block.case_index = c;
            if (!read_wave_block(reader, formula, reported.block)) stop_unreadable_block(level, c);
            report.blocks.push_back(reported);
        }
        ++ordinal;
    }
    if (report.blocks.empty()) {
        if (data_follow(reader)) {
            stop_with_error(std::string("(ERROR)-波圧計算結果ファイル(") + kWavDataFileName +
                            ")に検討する潮位のないデータがあります.");
        }
        return;
    }
    if (data_follow(reader)) {
        const ReportedBlock& last = report.blocks.back();
        stop_with_error(std::string("(ERROR)-波圧計算結果ファイル(") + kWavDataFileName + ")の " +
                        block_name(last.level, last.case_index) +
                        " の後に検討しない潮位・ケースのデータがあります.");
    }
}

void wave_report_main() {
    auto report = std::make_unique<WaveReport>();
    read_report_inputs(*report);
    report->crest = wave_wall_top(report->input, report->system_switch);
    // Every block is read before a page is written, so a refused file leaves
    // no chapter behind.
    read_report_blocks(*report);
    // Likewise a drawing without extent stops the run before the first page.
    for (const ReportedBlock& reported : report->blocks)
        check_wave_load_scale(*report, reported);
    check_wave_condition_scale(*report);
    for (const ReportedBlock& reported : report->blocks)
        write_wave_chapter(*report, reported);
    write_wave_condition_figure(*report);
    write_wave_condition_list(*report);
}

} // namespace wtn
