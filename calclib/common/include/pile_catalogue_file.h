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
#include <functional>
#include <string>
#include <vector>

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
    bool steel_values = false; // the line holds the corrosion table and its limits
};

inline constexpr int kCatalogueIdField = 1;
inline constexpr int kCatalogueNameField = 2;
inline constexpr CatalogueLayout kSteelCatalogueLayout{12, 1, 3, 10, 0, true};
inline constexpr CatalogueLayout kPcCatalogueLayout{9, 3, 3, 9, 4, false};
inline constexpr CatalogueLayout kUserCatalogueLayout{5, 1, 4, 3, 5, false};

// The further fields of a steel catalogue line: the corrosion table (section
// modulus at five corrosion allowances), its depth value, and the table's
// smallest section modulus and largest allowance.
inline constexpr int kSteelCorrosionTableField = 4; // to 8: five points
inline constexpr std::size_t kSteelCorrosionTablePoints = 5;
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

// A pile line as both sides read it: the pile, and for a steel catalogue
// the further values of its line.
struct CataloguePile {
    PileRecord pile;
    std::array<double, kSteelCorrosionTablePoints> corrosion_table{};
    double depth_value = 0.0;
    double table_min_modulus = 0.0;
    double table_max_allowance = 0.0;
};

// What kept a line of a catalogue from being read.
enum class CatalogueFault {
    FieldCount,   // a pile line without the fields of its layout
    NotANumber,   // a field that is not one finite number
    OutOfRange,   // an id, or a number of the head line, beyond a 16-bit integer
    NoNextNumber, // the head line of a user catalogue ends after the row count
    TooFewRows,   // a user catalogue ends before the rows its head line counts
};

struct CatalogueProblem {
    CatalogueFault fault = CatalogueFault::FieldCount;
    std::size_t line = 0;     // 1-based line of the file (TooFewRows: 0)
    bool head_line = false;   // the head line of a user catalogue
    std::size_t fields = 0;   // FieldCount: fields the line holds; TooFewRows: rows read
    std::size_t expected = 0; // FieldCount: fields of a pile line; TooFewRows: rows counted
    int field = 0;            // NotANumber, OutOfRange: 1-based field number
    std::string text;         // NotANumber, OutOfRange: the field as written
    int pile_id = 0;          // the id of the line when it was read
};

// Receives each pile read; false ends the reading of the file.
using CataloguePileTaker = std::function<bool(CataloguePile&&)>;
// Receives each problem; the line of a problem is passed over.
using CatalogueProblemTeller = std::function<void(const CatalogueProblem&)>;

// The piles of an installed catalogue of the layout, given as its lines
// (without line ends): a pile starts on a pile line and takes the further
// lines of its layout whatever they hold. Every field but the name must be
// one number (number_field.h), the id a 16-bit integer.
void read_installed_catalogue(const std::vector<std::string>& lines, const CatalogueLayout& layout,
                              const CataloguePileTaker& take, const CatalogueProblemTeller& tell);

// The head line of a user catalogue.
struct UserCatalogueHead {
    int rows = 0; // rows the file says it holds
    int next = 1; // the number the next new pile gets
};

// The piles of a user catalogue given as its lines: the first pile line is
// the head line, every pile line after it one pile, read to the end of the
// file whatever the head line counts (TooFewRows when fewer follow). The
// cracking moment is read for a concrete catalogue only. Added is 1.
UserCatalogueHead read_user_catalogue(const std::vector<std::string>& lines, bool pc,
                                      const CataloguePileTaker& take,
                                      const CatalogueProblemTeller& tell);

} // namespace wtn
