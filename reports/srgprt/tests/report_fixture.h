// A program folder prepared for the wave-pressure report: the input, the
// switch file, a fixed run stamp, the customisation, SJOKEN.DAT and the
// blocks of WAV_DATA.PRN, written by the writers of the programs before it.
// The report then runs in that folder, in this process.
#pragma once

#include "input_record.h"
#include "program_folder.h"
#include "report_conditions.h"
#include "wav_data_file.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace wtn::test {

// The H.W.L. block of the chain test's wall (Goda, crest +3.00): diagram rows
// +8.345, +3.00, +2.00, -6.00, -8.00, four force pieces, still water 101.0 at
// the seabed -8.00.
WaveBlock hwl_goda_block();

// A Kuroda / Hiroi block: standing wave (breaking 0) or breaking wave.
WaveBlock kuroda_hiroi_block(int breaking, int wide_angle);

struct ReportFixture {
    ReportFixture();
    InputRecord input;
    int system_switch = 0;
    ReportConditions conditions;
    std::vector<WaveBlock> blocks;
    // Files left out or written as given instead.
    bool with_switch_file = true;
    bool with_customisation = true;
    bool with_sjoken = true;
    std::optional<std::string> wav_data_text; // replaces the blocks
    bool with_wav_data = true;
    std::vector<std::string> blocking_folders; // folders made where files go
};

struct ReportRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>(false);
    std::string stop; // the box line when the program stopped, else empty
    std::string read(const std::string& name) const { return folder->read(name); }
    bool exists(const std::string& name) const { return folder->exists(name); }
};

// Writes the folder and runs the report in it.
ReportRun run_report(const ReportFixture& f);

// The text of WAV_DATA.PRN holding blocks.
std::string wav_data_text(const std::vector<WaveBlock>& blocks);

// Lines of a file without their CR LF.
std::vector<std::string> lines_of(const std::string& text);

// True when text holds line as a whole line.
bool has_line(const std::string& text, const std::string& line);

} // namespace wtn::test
