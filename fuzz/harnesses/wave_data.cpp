// WAV_DATA.PRN, the wave program's result file, read block by block as the
// wave-pressure report reads it (once as Goda blocks, once as Kuroda / Hiroi
// blocks); every block read is written again, so a value the report would
// print as "nan" shows.
#include "file_io.h"
#include "harness.h"
#include "program_stop.h"
#include "text_lines.h"
#include "wav_data_file.h"

#include <memory>

namespace wtn::fuzz {

inline constexpr int kLargestBlockCount = 40; // four tide levels, two cases, with room to spare

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kWavDataFileName, bytes);
    for (WaveFormula formula : {WaveFormula::Goda, WaveFormula::KurodaHiroi}) {
        try {
            CFile file = open_file(kWavDataFileName, "rt");
            LineReader reader(file.get());
            CFile out = open_file("FUZZOUT.PRN", "wt");
            auto block = std::make_unique<WaveBlock>();
            for (int n = 0; n < kLargestBlockCount && read_wave_block(reader, formula, *block); ++n)
                write_wav_data_section(out.get(), *block);
            close_written(out);
            require_finite_fields(file_lines("FUZZOUT.PRN"), "WAV_DATA.PRN");
        } catch (const ProgramStop&) {
        }
    }
}

} // namespace wtn::fuzz
