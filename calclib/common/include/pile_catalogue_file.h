// The sheet-pile catalogues as both sides read them: the installed steel
// catalogues YAITA.D01 to YAITA.D04 (one line per pile), the installed
// prestressed-concrete catalogues YAITA.C01 and YAITA.C02 (three lines per
// pile, the first one holding its values), and the user's own catalogues
// KOUYAITA.APD and PCYAITA.APD (a head line, then one line per pile). A pile
// line is comma fields: the id, the name in double quotes, then numbers.
// Installed catalogues may hold comment lines ("#"), marker lines ("L" or
// "W" in quotes at the line start) and blank lines; none of them is a pile.
#pragma once

#include "file_names.h"

#include <array>
#include <cstddef>
#include <string>

namespace wtn {

// One pile of a catalogue as the calculation and the screens use it.
struct PileRecord {
    int id = 0;           // id within its catalogue
    std::string name;     // as its side holds text: code page 932 in the batch programs
    double inertia = 0.0; // I, second moment of area (cm4/m)
    double modulus = 0.0; // Z, section modulus (cm3/m)
    double moment = 0.0;  // Mc, cracking moment of concrete piles (kN·m/m); 0 for steel piles
    int selected = 0;     // 1 when the pile is one of the user's candidates
    int added = 0;        // 1 for a pile of the user's own catalogue
};

// Where a catalogue line keeps its values: 1-based field numbers with the id
// field 1 and the quoted name field 2; 0 where the catalogue has no value.
struct CatalogueLayout {
    std::size_t fields; // fields of a pile line
    int lines_per_pile;
    int modulus;
    int inertia;
    int moment;
};

inline constexpr int kCatalogueIdField = 1;
inline constexpr int kCatalogueNameField = 2;
inline constexpr CatalogueLayout kSteelCatalogueLayout{12, 1, 3, 10, 0};
inline constexpr CatalogueLayout kPcCatalogueLayout{9, 3, 3, 9, 4};
inline constexpr CatalogueLayout kUserCatalogueLayout{5, 1, 4, 3, 5};

// The further fields of a steel catalogue line: the corrosion table (section
// modulus at five corrosion allowances), its depth value, and the table's
// smallest section modulus and largest allowance.
inline constexpr int kSteelCorrosionTableField = 4; // to 8: five points
inline constexpr int kSteelDepthField = 9;
inline constexpr int kSteelMinModulusField = 11;
inline constexpr int kSteelMaxAllowanceField = 12;

// The head line of a user catalogue: the number of rows, then the number the
// next new pile gets.
inline constexpr int kUserCatalogueCountField = 1;
inline constexpr int kUserCatalogueNextField = 2;

// True for a line of an installed catalogue that describes a pile: neither
// blank, nor a comment ("#"), nor a marker line ("L" or "W" in quotes).
bool is_catalogue_pile_line(const std::string& line);

// Index among the unquoted fields of a line (the quoted name takes no place
// among them) of the value in field number field.
constexpr std::size_t unquoted_field_index(int field) {
    return static_cast<std::size_t>(field < kCatalogueNameField ? field - 1 : field - 2);
}

} // namespace wtn
