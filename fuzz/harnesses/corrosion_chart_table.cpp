// YAITA.FDM, the corroded-section chart table. The first byte of the input
// picks the decided pile's id among the installed sections and the caption
// families; the rest is the file. The line of the pile is read and checked as
// the stability report does, and a line that passes is drawn.
#include "corroded_section_chart.h"
#include "harness.h"
#include "program_stop.h"

#include <memory>

namespace wtn::fuzz {

inline constexpr int kPileIds[] = {2,  3,  11, 12, 13, 14, 15, 16, 17, 21, 22,
                                   23, 31, 32, 33, 34, 35, 36, 41, 42, 43};

void prepare() {}

void run_one(const std::string& bytes) {
    if (bytes.empty()) return;
    const int id = kPileIds[static_cast<unsigned char>(bytes[0]) % std::size(kPileIds)];
    write_file(kCorrosionChartTableFile, bytes.substr(1));
    auto report = std::make_unique<StabilityReport>();
    DecidedPile& pile = report->results.decided;
    pile.id = id;
    pile.modulus = {2270.0, 2100.0, 1984.0};
    pile.modulus_before_cut = {0.0, 2101.4, 1984.2};
    pile.corrosion_table = {143.04, 178.79, 214.55, 250.31, 286.07};
    report->results.corrosion = {1.2, 1.0, 0.6, 1.0, 0.5, 1.0, kCorrosionZonesDiffer};
    // The drawing writer stops on a coordinate that is not a finite page unit.
    try {
        const CorrosionChartLine line = read_corrosion_chart_line(id);
        draw_corroded_section(*report, line);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
