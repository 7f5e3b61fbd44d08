// The port-research-institute method for C-type ground (method 3,
// p = k·√y) and S-type ground (method 5, p = k·x·√y): the pile's response is
// read from the standard curves CGATA.MST / SGATA.MST at the characteristic
// value log Ts and scaled back with powers of h0, EI and k. The values of
// each step go into the KokenResult areas, indexed by k = 2s + u (s the
// section, u 0 for EIβ and 1 for EIe; the offsets are beside the record).
#pragma once

#include "input_record.h"
#include "result_records.h"
#include "stability_run.h"

#include <string>
#include <vector>

namespace wtn {

// The fields of a standard-curve row the method reads.
struct CurveRow {
    double log_ts = 0.0;     // field 0
    double moment = 0.0;     // field 2
    double zero = 0.0;       // field 3
    double deflection = 0.0; // field 4
    double slope = 0.0;      // field 6
};

struct CurveTable {
    std::string name;
    std::vector<CurveRow> rows; // in file order, log Ts descending
};

// Reads a standard-curve table from the current folder. Missing: ErrorMessages
// code 41. A data line with fewer than seven fields, or rows out of descending
// order, stops with a message naming the file.
CurveTable read_curve_table(const std::string& name);

// The rows that bracket log_ts: the last row whose field 0 is at least
// log_ts and the first below it. Outside the table: ErrorMessages code 42.
struct CurveBracket {
    CurveRow upper;
    CurveRow lower;
};
CurveBracket read_standard_curve(const CurveTable& table, double log_ts);

// The method's exponents c1 to c4 and its table.
struct KokenConstants {
    std::array<double, 4> c{};
    const char* table = "";
};
KokenConstants koken_constants(EmbedmentMethod method);

// r3(a - b + 2 log k').
double koken_term(double a, double b, double log_constant);
// Linear interpolation between the lower and the upper row, r3.
double curve_interpolate(double x, double x_low, double x_high, double y_low, double y_high);

// What the curve look-up needs of a case.
struct KokenCurveInput {
    EmbedmentMethod method = EmbedmentMethod::CType;
    double force = 0.0;                  // P, kN/m
    double lever_arm = 0.0;              // h0, m
    double constant = 0.0;               // k of the side
    std::array<double, 6> rigidity{};    // EI of k = 2s + u
    bool with_sea_water_section = false; // corrosion zones differ: section 1 too
};

// Steps 4 and 5 of the method: the scaled inputs, the terms, log Ts, the
// curve rows, the readings and M, l1, y0, θ0 of sections 0 and 2 (and 1 when
// asked), into koken. P ≤ 0 or h0 ≤ 0 stop with a message: their logarithms
// do not exist.
void koken_curve_results(const KokenCurveInput& input, const CurveTable& table, KokenResult& koken);

// The four values of DesignValueBlock: the sea side's lateral-resistance
// record in the completed state (force-file mode 0), the land side's in the
// construction stage. A constant k ≤ 0 stops with ErrorMessages code 79 (sea)
// or 80 (land).
void copy_koken_design_values(const InputRecord& input, int force_file_mode,
                              DesignValueBlock& design_values);

// Case j of the candidate being tried by method 3 or 5: the curve results
// into KokenResult, moments, stresses, depths and first zeros into
// LevelSolverBlock, the required embedment 1.5 l1 and the head displacements
// into LevelDisplacementBlock. The depth of the maximum moment uses the
// coefficient of the steel-pipe check (EmbedmentOptions item 3); without one
// it is 0, and the steel-pipe check, which needs it, stops with a message.
void solve_koken(StabilityRun& run, int j);

// The head displacement of corrosion state `state` from y0 (cm) and θ0 at the
// reference level: δ1 = r3(y0), δ2 = r3(θ0 h), δ3 with rigidity; the reaction
// √(δ1/100)·k on C-type ground and 0 on S-type ground.
void koken_displacement(StabilityRun& run, int j, int state, double rigidity, double y0,
                        double theta0);

} // namespace wtn
