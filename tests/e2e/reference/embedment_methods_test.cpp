// The reference sections of the C-type and S-type methods from their example
// projects to the decided pile, as reference_sections_test.cpp does for
// Chang's method: each example is written as the calculation input and run
// through the check-list, load and stability programs. The expected values
// come from embedment_methods.py beside this file, which solves the embedded
// part as a beam on square-root springs (finite elements and a secant
// iteration) without the programs' standard curves or transfer matrices.
#include "reference_designs.h"

#include "cal_writer.h"
#include "child_process.h"
#include "cp932_codec.h"
#include "current_folder.h"
#include "customisation.h"
#include "force_case.h"
#include "input_file.h"
#include "input_record.h"
#include "program_folder.h"
#include "project_reader.h"
#include "result_areas.h"
#include "text_lines.h"
#include "work_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

// Tolerances.
// Curve methods (3, 5): the programs read the response off tabulated
// standard curves in steps of 0.1 of log Ts and carry every logarithm
// (log h0, log EI', log Ts, the four scale terms, the interpolated values)
// rounded to 3 decimals; one such rounding moves a value by up to 0.115 %,
// and the chain of them on M, l1, y0 and theta0 by up to about 0.5 %.
constexpr double kCurveRel = 0.006;
// log Ts itself: log P less T1, each rounded to 3 decimals.
constexpr double kLogTsTol = 0.0015;
// Head displacement: besides the above, the programs take each pressure
// piece as a point load at its centroid for the cantilever term, the script
// integrates the distributed load (as in reference_sections_test.cpp).
constexpr double kDisplacementRel = 0.01;
// Multi-layer method (4): the method cuts each layer into pieces of at most
// 0.5 m with one secant spring per piece, taken from the deflection at the
// piece's middle, and stops its iteration when the head deflection changes
// by less than 0.1 mm. The script's beam takes the same pieces, the same
// first springs and the same stop ("pieces, stopped"), so only the
// rounding of the results to 3 decimals remains. For the record, the pitch
// moves the values from the continuous square-root law by 0.2 % (Mmax),
// 1 % (y0) and 0.5 % (displacement), and the early stop y0 by 0.7 %; the
// script prints all three.
constexpr double kMatrixRel = 0.002;
// The first zero of the moment lies where the moment is the small
// difference of large terms: the stop alone moves it by 0.2 % in the
// script, and the programs evaluate it inside the pieces with the springs
// updated after the last solve.
constexpr double kMatrixZeroRel = 0.005;
constexpr double kLengthTol = 0.0005; // m, the embedded length to the given tip

struct MethodExpect {
    std::string file;
    std::string pile;
    double length;
    double log_ts; // curve methods; kNone for method 4
    double moment;
    double stress;
    double first_zero; // of the moment
    double embedment;
    double seabed_deflection; // cm, at the virtual seabed
    double rotation_term;     // cm, |theta0| times the height of the crown above it
    double displacement;      // cm, at the crown
    double reaction;          // kN/m2, at the virtual seabed
};

constexpr double kNone = -1.0;
constexpr double kCrown = 2.5;

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The normal case of the decided pile: NEIRE.PRN (the method's areas) and
// NEIRE_TL.PRN (moments, stresses, displacements), read with the readers of
// the stability report.
struct Stored {
    std::unique_ptr<StabilityResults> results = std::make_unique<StabilityResults>();
};

Stored run_example(const ProgramFolder& folder, const std::string& example) {
    DesignData data;
    read_data_file(data, example_path(example));
    write_cal_file(data, folder.file("CAL_FILE.DAT"));
    Stored stored;
    for (const char* program : {"AUDSHEET", "TVNDAT", "TVNCAL"}) {
        const ChildResult run = run_batch_in(folder, program);
        EXPECT_EQ(run.exit_code, 0) << program << ": " << run.err;
        if (run.exit_code != 0) return stored;
    }
    CurrentFolder here(folder);
    auto input = std::make_unique<InputRecord>();
    reset_input_counters(*input);
    set_input_defaults(*input);
    read_input(*input, kInputFileName);
    const CustomisationValues custom = read_customisation();
    std::FILE* forces = std::fopen(kForceFileName, "rb");
    std::FILE* neire = std::fopen(kNeireFile, "rb");
    std::FILE* tl = std::fopen(kNeireTlFile, "rb");
    EXPECT_TRUE(forces != nullptr && neire != nullptr && tl != nullptr);
    if (forces != nullptr && neire != nullptr && tl != nullptr) {
        LineReader reader(forces);
        const int mode = read_force_file_mode(reader);
        ForceCase f;
        read_force_case(reader, 0, mode, *input, f);
        read_neire_case(neire, *stored.results, *input, custom, f, 0);
        read_neire_tl(tl, *stored.results);
    }
    for (std::FILE* file : {forces, neire, tl}) {
        if (file != nullptr) std::fclose(file);
    }
    return stored;
}

void expect_relative(double actual, double expected, double relative, const char* what) {
    EXPECT_NEAR(actual, expected, std::abs(expected) * relative) << what;
}

// The decided pile and its length as the results dialog reads them.
void expect_decided(const ProgramFolder& folder, const MethodExpect& e) {
    const std::vector<std::string> pile = split_lines(folder.read("KEKKA2.DAT"));
    ASSERT_EQ(pile.size(), 1u);
    char expected[96];
    std::snprintf(expected, sizeof expected, "\"%s\",\"%s\",%8.3f,%8.3f", "完成時", e.pile.c_str(),
                  kCrown - e.length, e.length);
    EXPECT_EQ(pile[0], utf8_to_cp932(expected));
}

// Before corrosion (section 0, state 0) of the normal case: none of these
// sections corrodes.
void expect_level_results(const StabilityResults& r, const MethodExpect& e, double relative,
                          double zero_relative) {
    const LevelSolverBlock& solver = r.level_solver;
    const LevelDisplacementBlock& disp = r.level_displacement;
    expect_relative(solver.moment[0][0], e.moment, relative, "Mmax");
    expect_relative(solver.bending_stress[0][0], e.stress, relative, "stress");
    expect_relative(solver.first_zero[0][0], e.first_zero, zero_relative, "first zero of M");
    expect_relative(disp.seabed_deflection[0][0], e.seabed_deflection, relative,
                    "deflection at the virtual seabed");
    expect_relative(disp.rotation_term[0][0], e.rotation_term, relative, "rotation term");
    expect_relative(disp.total[0][0], e.displacement, kDisplacementRel, "head displacement");
    // The reaction goes with the square root of the deflection.
    EXPECT_NEAR(disp.reaction[0][0], e.reaction, e.reaction * relative / 2 + 0.0005)
        << "subgrade reaction";
}

// Methods 3 and 5: uniform sand (virtual seabed -3.1878, P 106.770 kN/m,
// h0 2.3018 m as in reference_sections_test.cpp), the long pile's response
// and the required embedment 1.5 l1.
TEST(EmbedmentMethodSections, CurveMethodsGiveTheBeamOnSquareRootSprings) {
    const MethodExpect sections[] = {
        // Kc 2000 kN/m2.5; SP-IIIA holds its stress (179.6 N/mm2) but moves 11.9 cm.
        {"ctype_sand.tn2", "SP-IVA", 12.5, 0.5361, 278.240, 123.7, 4.2507, 6.3761, 0.9234, 4.369,
         7.314, 192.190},
        // Ks 1000 kN/m3.5; SP-IVA fails by 11.2 cm. The coefficient vanishes
        // at the virtual seabed, so does the reaction there.
        {"stype_sand.tn2", "SP-VL", 13.5, 0.5943, 350.134, 111.2, 5.0800, 7.6200, 1.5943, 5.055,
         7.984, 0.0},
    };
    for (const MethodExpect& e : sections) {
        SCOPED_TRACE(e.file);
        ProgramFolder folder;
        const Stored stored = run_example(folder, e.file);
        const StabilityResults& r = *stored.results;
        const KokenResult& koken = r.areas.koken;
        EXPECT_NEAR(koken.curve[kCurveLogTs + koken_index(0, 0)], e.log_ts, kLogTsTol) << "log Ts";
        expect_level_results(r, e, kCurveRel, kCurveRel);
        expect_relative(r.level_displacement.embedment[0][0], e.embedment, kCurveRel,
                        "embedment 1.5 l1");
        expect_decided(folder, e);
    }
}

// Method 4: sand over clay (Kc 2000 and 500 kN/m2.5), the given tip -15.00:
// the embedded length 11.8122 m in 2 pieces in the sand (0.8122 m) and 22
// in the clay.
TEST(EmbedmentMethodSections, MultiLayerCTypeGivesTheBeamOnSquareRootSpringsToTheTip) {
    const MethodExpect e{.file = "ctype_sand_over_clay_layered.tn2",
                         .pile = "SP-IVA",
                         .length = 17.5,
                         .log_ts = kNone,
                         .moment = 273.090,
                         .stress = 121.4,
                         .first_zero = 5.6582,
                         .embedment = 11.8122,
                         .seabed_deflection = 1.1986,
                         .rotation_term = 4.9782,
                         .displacement = 8.198,
                         .reaction = 218.963};
    ProgramFolder folder;
    const Stored stored = run_example(folder, e.file);
    const StabilityResults& r = *stored.results;
    EXPECT_EQ(r.areas.matrix.elements[0].count, 24) << "pieces of at most 0.5 m per layer";
    expect_level_results(r, e, kMatrixRel, kMatrixZeroRel);
    EXPECT_NEAR(r.level_displacement.embedment[0][0], e.embedment, kLengthTol)
        << "embedded length to the tip";
    expect_decided(folder, e);
}

} // namespace
} // namespace wtn::test
