// The customisation file TVNCSTM.DAT: the user's standing options of the
// calculation and the reports, one value per line. The front end writes 20
// lines (line 5 a compatibility text without a value) and reads them back;
// every batch program reads lines 1 to 19. Both sides hold the values in one
// record and walk one item list, so a line can never mean one thing to the
// dialog and another to the calculation.
#pragma once

#include "file_names.h"
#include "wall_codes.h"

#include <array>
#include <string>
#include <vector>

namespace wtn {

inline constexpr int kCustomisationLines = 20;         // lines the front end writes
inline constexpr int kCustomisationLinesRead = 19;     // lines the batch programs read
inline constexpr int kCustomisationRequiredLines = 18; // the front end's oldest files end here
inline constexpr int kCustomisationDummyLine = 5;

// The switches of the file, held as codes; a number outside a code's list
// is kept as read (code_table.h).
// Line 6: the apparent coefficient at the crown with water at or above it.
enum class CrownApparentRule : int { SubmergedFormula = 0, InAir = 1 };
// Lines 7 and 8: where the depths of the second district bureau's proposal
// start on the land side and on the sea side.
enum class LandDepthOrigin : int { ResidualWaterLevel = 0, FirstLayerTop = 1 };
enum class SeaDepthOrigin : int { Lwl = 0, DesignSeabed = 1 };
// Line 13: the section after corrosion.
enum class CorrodedSectionRule : int { FromCorrosionTable = 0, RemainingSection = 1 };
// Line 14: the sections of the Chang displacements.
enum class ChangDisplacementRule : int { MudThenSeaWater = 0, SeaWater = 1 };
// Line 17: the moment of the sea-water stress of the C/S-type methods.
enum class KokenSeaMomentRule : int { AtVirtualSeabed = 0, Maximum = 1 };

struct CustomisationValues {
    double wall_friction_angle = 0.0;        // 1: δ, wall-friction angle (degrees)
    double wall_angle = 0.0;                 // 2: ψ, wall angle to the vertical (degrees)
    double clay_failure_angle_normal = 0.0;  // 3: ζ of clay layers, normal case (degrees)
    double clay_failure_angle_seismic = 0.0; // 4: ζ of clay layers, seismic case (degrees)
    // Line 5 holds no value.
    // 6-8: options of the apparent seismic coefficient by the second
    // district port construction bureau's proposal.
    CrownApparentRule apparent_crown_rule = CrownApparentRule::SubmergedFormula;    // 6
    LandDepthOrigin apparent_land_depth_rule = LandDepthOrigin::ResidualWaterLevel; // 7
    SeaDepthOrigin apparent_sea_depth_rule = SeaDepthOrigin::Lwl;                   // 8
    double ground_dummy_length = 0.0;  // 9: dummy length of the ground-surface shape (m)
    double consolidation_factor = 0.0; // 10: factor of the second clay formula
    // 11: 0 until a file or the dialog sets it (not one of the listed tips).
    PileTipCondition pile_tip_condition = from_file_value<PileTipCondition>(0);
    double division_pitch = 0.0; // 12: element length of the transfer-matrix methods (m), > 0
    CorrodedSectionRule corroded_section_rule = CorrodedSectionRule::FromCorrosionTable;    // 13
    ChangDisplacementRule chang_displacement_rule = ChangDisplacementRule::MudThenSeaWater; // 14
    int steel_significant_digits =
        0; // 15: significant digits of steel sections (0: round at the first decimal)
    double chang_embedment_numerator = 0.0; // 16: n of L = n / β (0.0 or less means 3.0)
    KokenSeaMomentRule koken_sea_moment_rule = KokenSeaMomentRule::AtVirtualSeabed; // 17
    SeismicRounding apparent_rounding_rule = SeismicRounding::HalfUp; // 18: apparent coefficient
    double qu_denominator = 0.0; // 19: X of qu = N / X for clay
    SeismicRounding sindo_round_sw =
        SeismicRounding::HalfUp; // 20: design coefficient (front end only)
};

// The file number of an integer or code field, and the field set from one;
// a code keeps a number outside its list (code_table.h).
template <class Field> struct CustomisationMember;
template <class Field> struct CustomisationMember<Field CustomisationValues::*> {
    using Type = Field;
};
template <auto Member> constexpr int customisation_number(const CustomisationValues& values) {
    return to_file_value(values.*Member);
}
template <auto Member>
constexpr void set_customisation_number(CustomisationValues& values, int number) {
    using Field = typename CustomisationMember<decltype(Member)>::Type;
    values.*Member = from_file_value<Field>(number);
}

// One line of the file: the field it fills, a real or an integer (a count
// or a code, written as its file number); line 5 fills neither.
struct CustomisationItem {
    int line;
    double CustomisationValues::*real = nullptr;
    int (*integer)(const CustomisationValues&) = nullptr;
    void (*set_integer)(CustomisationValues&, int) = nullptr;
};

template <auto Member> constexpr CustomisationItem customisation_integer(int line) {
    return {line, nullptr, &customisation_number<Member>, &set_customisation_number<Member>};
}

inline constexpr std::array<CustomisationItem, kCustomisationLines> kCustomisationItems = {{
    {1, &CustomisationValues::wall_friction_angle},
    {2, &CustomisationValues::wall_angle},
    {3, &CustomisationValues::clay_failure_angle_normal},
    {4, &CustomisationValues::clay_failure_angle_seismic},
    {kCustomisationDummyLine},
    customisation_integer<&CustomisationValues::apparent_crown_rule>(6),
    customisation_integer<&CustomisationValues::apparent_land_depth_rule>(7),
    customisation_integer<&CustomisationValues::apparent_sea_depth_rule>(8),
    {9, &CustomisationValues::ground_dummy_length},
    {10, &CustomisationValues::consolidation_factor},
    customisation_integer<&CustomisationValues::pile_tip_condition>(11),
    {12, &CustomisationValues::division_pitch},
    customisation_integer<&CustomisationValues::corroded_section_rule>(13),
    customisation_integer<&CustomisationValues::chang_displacement_rule>(14),
    customisation_integer<&CustomisationValues::steel_significant_digits>(15),
    {16, &CustomisationValues::chang_embedment_numerator},
    customisation_integer<&CustomisationValues::koken_sea_moment_rule>(17),
    customisation_integer<&CustomisationValues::apparent_rounding_rule>(18),
    {19, &CustomisationValues::qu_denominator},
    customisation_integer<&CustomisationValues::sindo_round_sw>(20),
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
            lines.push_back(integer_text(item.integer(values)));
        } else {
            lines.push_back(dummy_line);
        }
    }
    return lines;
}

} // namespace wtn
