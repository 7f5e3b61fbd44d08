// The standard-curve tables CGATA.MST (C-type ground) and SGATA.MST (S-type
// ground) read by the stability program's port-research-institute solver.
//
// The solver works in scaled units: h0 / 1.0 (m), EI' = EI / 10^4 (EI in
// kN m2/m) and k' = k / 1000 (k in kN/m^2.5 for C-type, kN/m^3.5 for S-type
// ground), with n = 5 + 2m (5 C-type, 7 S-type):
//     Ts'  = P EI' / (k'^2 h0^n)                     (P in kN/m)
//     M    = 10^(f2 + T2),  T2 = (n+1) log h0 - log EI' + 2 log k'   (kN m/m)
//     l1   = 10^(f3) h0                                               (m)
//     y0   = 10^(f4 + T4),  T4 = (n+3) log h0 - 2 log EI' + 2 log k' (m)
//     th0  = 10^(f6 + T3),  T3 = (n+2) log h0 - 2 log EI' + 2 log k' (rad)
// so each row holds, at its log Ts', the logarithms of those reduced values of
// the long pile's response: the largest bending moment, the first zero of the
// bending moment (l1; the required embedment is 1.5 l1), and the deflection and
// slope at the reference level. Fields 1 and 5, which the solver does not read,
// hold the depths of the largest moment and of the first zero of the
// deflection, both divided by h0, as logarithms.
#pragma once

#include <string>
#include <vector>

namespace wtn::tools {

struct StandardCurveRow {
    double log_ts = 0.0;               // field 0: log10 Ts'
    double log_max_moment_depth = 0.0; // field 1
    double log_moment = 0.0;           // field 2
    double log_moment_zero = 0.0;      // field 3
    double log_deflection = 0.0;       // field 4
    double log_deflection_zero = 0.0;  // field 5
    double log_slope = 0.0;            // field 6
};

// Scales of the solver's units (h0, EI, k).
inline constexpr double kCurveHeightScale = 1.0;
inline constexpr double kCurveRigidityScale = 1.0e4;
inline constexpr double kCurveReactionScale = 1000.0;

// Rows run from the largest log Ts' down in steps of 0.1.
inline constexpr double kCurveStep = 0.1;
inline constexpr int kCurveTenthsCType = 150; // log Ts' from +15.0 to -15.0
inline constexpr int kCurveTenthsSType = 200; // log Ts' from +20.0 to -20.0

// The row at log Ts' = tenths / 10 for depth power m (0 C-type, 1 S-type).
StandardCurveRow standard_curve_row(int depth_power, int tenths);

// All rows of a table in descending log Ts'.
std::vector<StandardCurveRow> standard_curve_table(int depth_power);

// The file text: comment lines, then one line per row, fields with "%.1f"
// (field 0) and "%.4f", lines ending in CR LF.
std::string standard_curve_file_text(int depth_power);

// File names of the installed tables.
inline constexpr const char* kCTypeCurveFile = "CGATA.MST";
inline constexpr const char* kSTypeCurveFile = "SGATA.MST";

} // namespace wtn::tools
