// The customisation file TVNCSTM.DAT: the user's standing options of the
// calculation and the reports, one value per line. The front end writes 20
// lines (line 5 a compatibility text without a value) and reads them back;
// every batch program reads lines 1 to 19. Both sides hold the values in one
// record and walk one item list, so a line can never mean one thing to the
// dialog and another to the calculation.
#pragma once

#include "file_names.h"

#include <array>
#include <string>
#include <vector>

namespace wtn {

inline constexpr int kCustomisationLines = 20;         // lines the front end writes
inline constexpr int kCustomisationLinesRead = 19;     // lines the batch programs read
inline constexpr int kCustomisationRequiredLines = 18; // the front end's oldest files end here
inline constexpr int kCustomisationDummyLine = 5;

struct CustomisationValues {
    double wall_friction_angle = 0.0;        // 1: δ, wall-friction angle (degrees)
    double wall_angle = 0.0;                 // 2: ψ, wall angle to the vertical (degrees)
    double clay_failure_angle_normal = 0.0;  // 3: ζ of clay layers, normal case (degrees)
    double clay_failure_angle_seismic = 0.0; // 4: ζ of clay layers, seismic case (degrees)
    // Line 5 holds no value.
    // 6-8: options of the apparent seismic coefficient by the second
    // district port construction bureau's proposal.
    int apparent_crown_rule =
        0; // 6: at the crown with water at or above it: 0 γ/(γ-10)·k, 1 the in-air value
    int apparent_land_depth_rule =
        0; // 7: land depths from 0 the residual water level, other the first layer top
    int apparent_sea_depth_rule = 0;   // 8: sea depths from 0 the L.W.L., other the design seabed
    double ground_dummy_length = 0.0;  // 9: dummy length of the ground-surface shape (m)
    double consolidation_factor = 0.0; // 10: factor of the second clay formula
    int pile_tip_condition = 0;        // 11: 1 head free, 2 pinned tip, 3 fixed tip
    double division_pitch = 0.0;       // 12: element length of the transfer-matrix methods (m), > 0
    int corroded_section_rule =
        0; // 13: section after corrosion: 0 from the corrosion table, other remaining section
    int chang_displacement_rule = 0; // 14: Chang displacement sections: 0 mud for δ1, δ2 and sea
                                     // water for δ3, other sea water
    int steel_significant_digits =
        0; // 15: significant digits of steel sections (0: round at the first decimal)
    double chang_embedment_numerator = 0.0; // 16: n of L = n / β (0.0 or less means 3.0)
    int koken_sea_moment_rule = 0; // 17: sea-water stress of the C/S-type methods: 0 moment at the
                                   // virtual seabed, other M max
    int apparent_rounding_rule =
        0; // 18: apparent seismic coefficient: 0 half up to 0.01, other steps of 0.05
    double qu_denominator = 0.0; // 19: X of qu = N / X for clay
    int sindo_round_sw =
        0; // 20: design seismic coefficient: 0 half up, 1 steps of 0.05 (front end only)
};

// One line of the file: the field it fills, a real or an integer; line 5
// fills neither.
struct CustomisationItem {
    int line;
    double CustomisationValues::*real = nullptr;
    int CustomisationValues::*integer = nullptr;
};

inline constexpr std::array<CustomisationItem, kCustomisationLines> kCustomisationItems = {{
    {1, &CustomisationValues::wall_friction_angle},
    {2, &CustomisationValues::wall_angle},
    {3, &CustomisationValues::clay_failure_angle_normal},
    {4, &CustomisationValues::clay_failure_angle_seismic},
    {kCustomisationDummyLine},
    {6, nullptr, &CustomisationValues::apparent_crown_rule},
    {7, nullptr, &CustomisationValues::apparent_land_depth_rule},
    {8, nullptr, &CustomisationValues::apparent_sea_depth_rule},
    {9, &CustomisationValues::ground_dummy_length},
    {10, &CustomisationValues::consolidation_factor},
    {11, nullptr, &CustomisationValues::pile_tip_condition},
    {12, &CustomisationValues::division_pitch},
    {13, nullptr, &CustomisationValues::corroded_section_rule},
    {14, nullptr, &CustomisationValues::chang_displacement_rule},
    {15, nullptr, &CustomisationValues::steel_significant_digits},
    {16, &CustomisationValues::chang_embedment_numerator},
    {17, nullptr, &CustomisationValues::koken_sea_moment_rule},
    {18, nullptr, &CustomisationValues::apparent_rounding_rule},
    {19, &CustomisationValues::qu_denominator},
    {20, nullptr, &CustomisationValues::sindo_round_sw},
}};

// What kept a line of the file from being read.
enum class CustomisationFault { None, NotANumber, OutOfRange, Missing };
struct CustomisationProblem {
    CustomisationFault fault = CustomisationFault::None;
    int line = 0; // 1-based line of the file
};

// Reads lines 1 to last_line of the file into values, line n of lines for
// line n; line 5 is passed over whatever it holds. Each line holds one
// number and nothing else (number_field.h), an integer line a 16-bit one.
// Lines missing at the end are an error up to required_lines and read as 0
// after it. Returns the first line that could not be read (values then
// holds the lines before it), fault None when every line was read.
CustomisationProblem customisation_from_lines(const std::vector<std::string>& lines, int last_line,
                                              int required_lines, CustomisationValues& values);

// The values as the lines of the file, line 5 given as dummy_line; reals
// and integers as the writer's number texts make them.
template <class RealText, class IntegerText>
std::vector<std::string> customisation_lines(const CustomisationValues& values,
                                             const std::string& dummy_line, RealText real_text,
                                             IntegerText integer_text) {
    std::vector<std::string> lines;
    for (const CustomisationItem& item : kCustomisationItems) {
        if (item.real) {
            lines.push_back(real_text(values.*item.real, item.line));
        } else if (item.integer) {
            lines.push_back(integer_text(values.*item.integer));
        } else {
            lines.push_back(dummy_line);
        }
    }
    return lines;
}

} // namespace wtn
