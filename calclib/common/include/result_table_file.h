// The result tables of the stability calculation that the results dialog
// shows: KEKKA1.DAT (completed state) and KEKKA3.DAT (construction stage)
// hold 13 lines of four comma-separated values, one value per result column:
// lines 1 to 7 the checked values ("%lf"), lines 8 to 13 the flags of the
// checks ("%d": 0 passed, 1 failed). KEKKA2.DAT and KEKKA4.DAT hold one
// line: the stage word and the name of the pile found (both quoted), the
// tip elevation and the pile length ("%8.3lf"). A value the run did not
// compute is written as -99999.9, a flag as -1; a reader takes a missing
// file, a short line or a field that is not a number as absent too.
#pragma once

#include "file_names.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace wtn {

inline constexpr int kResultColumns = 4;
inline constexpr int kResultValues = 7; // D1 .. D7
inline constexpr int kResultFlags = 6;  // F1 .. F6
inline constexpr double kAbsentValue = -99999.9;
inline constexpr int kAbsentFlag = -1;
// A value of this or less is absent, whatever digits the file kept.
inline constexpr double kAbsentRealLimit = -99999.0;

// Positions of the values and flags in a column: D1 stress of the sea-water
// part, D2 stress (seabed mud after corrosion), D3 head displacement, D4
// subgrade reaction, D5 tip elevation, D6 steel-pipe secondary stress, D7
// combined stress; F1 to F6 the flags of D1, D2, D3, D4, D6 and D7.
enum ResultValue { kD1, kD2, kD3, kD4, kD5, kD6, kD7 };
enum ResultFlag { kF1, kF2, kF3, kF4, kF5, kF6 };

// The value of each of lines 1 to 7 of a table file; lines 8 to 13 hold
// F1 to F6 in order.
inline constexpr std::array<ResultValue, kResultValues> kResultValueLines = {kD1, kD2, kD3, kD4,
                                                                             kD6, kD7, kD5};
inline constexpr int kResultTableLines = kResultValues + kResultFlags;

struct ResultColumn {
    std::array<double, kResultValues> value;
    std::array<int, kResultFlags> flag;
    ResultColumn() {
        value.fill(kAbsentValue);
        flag.fill(kAbsentFlag);
    }
};

struct LevelResultTable {
    std::array<ResultColumn, kResultColumns> columns;
};

enum class Verdict { absent, passed, failed };

// The value d of a column, empty when it is absent.
std::optional<double> result_value(const ResultColumn& column, ResultValue d);
// The verdict of flag f: 0 passed, 1 failed, anything else absent.
Verdict result_verdict(const ResultColumn& column, ResultFlag f);

// The 13 lines of a table file.
std::vector<std::string> level_result_table_lines(const LevelResultTable& table);
// A table file's lines back; never fails: what cannot be read is absent.
LevelResultTable level_result_table_from_lines(const std::vector<std::string>& lines);

struct PileResultLine {
    std::string stage;                     // the stage word, without blanks round it
    std::string pile_name;                 // without blanks round it
    std::optional<double> embedment_depth; // m, the level of the pile tip
    std::optional<double> pile_length;     // m
};

// The line of a pile file.
std::string pile_result_line_text(const std::string& stage, const std::string& pile_name,
                                  double tip_level, double pile_length);
// A pile file's first line back; never fails.
PileResultLine pile_result_line_from_text(const std::string& line);

} // namespace wtn
