// A reference section's example project run through the real programs and
// its results read back with the readers of the report programs.
#pragma once

#include "force_case.h"
#include "program_folder.h"
#include "result_areas.h"

#include <memory>
#include <string>
#include <vector>

namespace wtn::test {

// Tolerances. Levels: the programs find the virtual seabed on the rounded
// intensities. Forces and moments: the programs sum rounded triangles and
// rectangles, the script integrates the diagram. Displacements: the programs
// take each pressure piece as a point load at its centroid for the cantilever
// term, the script integrates the distributed load.
constexpr double kPressureTol = 0.005; // kN/m2
constexpr double kLevelTol = 0.002;    // m
constexpr double kForceRel = 0.001;    // P
constexpr double kMomentRel = 0.002;   // M and Mmax
constexpr double kArmTol = 0.005;      // h0, m
constexpr double kBetaTol = 0.0011;    // 1/m, both round to 3 decimals
constexpr double kKhRel = 0.005;       // mean kh down to 1/beta
constexpr double kStressTol = 0.25;    // N/mm2, printed to 0.1
constexpr double kDisplacementRel = 0.01;
constexpr double kEmbedmentTol = 0.01; // m
constexpr double kNotChecked = -1.0;   // a value the section does not check
// The cantilever term of the head displacement under a wave takes each
// pressure piece as a point load at its centroid; over the 4 m piece below the
// H.W.L. of Goda's diagram that gives 7 % less than the distributed load,
// 1.6 % of the whole displacement.
constexpr double kWaveDisplacementRel = 0.02;

// The program folder of one example: the calculation input as the front end
// writes it on 計算, the installed data beside it.
void prepare_run(const ProgramFolder& folder, const std::string& example);

// The force sections of the cases in GAIRYOK.DAT and the stability work files
// of the decided pile, for the completed state.
struct StabilityRead {
    std::vector<ForceCase> cases;
    std::unique_ptr<StabilityResults> results = std::make_unique<StabilityResults>();
    std::vector<ChangResult> chang;
};

// Reads them for the cases given (0 normal, 1 seismic), in file order.
StabilityRead read_results(const ProgramFolder& folder, const std::vector<int>& case_indices);

// One examined tide level of the construction stage: its force section in
// GAIRYOK.DAT and Chang's results with the decided pile (normal case, before
// corrosion).
struct WaveLevelRead {
    ForceCase force;
    int file_mode = 0;
    double beta = 0.0;
    double max_moment = 0.0;
    double stress = 0.0;
    double displacement = 0.0;
    double embedment = 0.0;
};

// Reads the first level_count tide levels after TVNWAV and TVNCAL.
std::vector<WaveLevelRead> read_wave_levels(const ProgramFolder& folder, int level_count);

std::vector<std::string> split_lines(const std::string& text);

// EXPECT_NEAR with a tolerance relative to the expected value.
void expect_relative(double actual, double expected, double relative, const char* what);

// The first line of a results-dialog table (KEKKA2.DAT, KEKKA4.DAT): the
// study, the decided pile, the tip level and the pile length, in code page
// 932 as the stability program writes it.
std::string decided_pile_line(const std::string& study, const std::string& pile, double tip,
                              double length);

} // namespace wtn::test
