// The result tables of the stability calculation as the results dialog reads
// them: KEKKA1.DAT (completed state) and KEKKA3.DAT (construction stage) hold
// 13 lines of four comma-separated values, one value per result column (lines
// 1 to 7 reals, lines 8 to 13 the verdicts of the checks of lines 1 to 6);
// KEKKA2.DAT and KEKKA4.DAT hold one line: the stage word and the name of the
// pile found (quoted), the construction embedment depth and the pile length.
// Code page 932, CR LF. A missing file, a short line or a field that is not a
// number reads as absent, which the dialog shows as "－".
#pragma once

#include "file_names.h"

#include <array>
#include <optional>
#include <string>

namespace wtn {

inline constexpr int kResultColumns = 4;
inline constexpr int kResultRealLines = 7;
inline constexpr int kResultVerdictLines = 6;
// The calculation writes -99999.9 for a value it has not computed; a value
// of this limit or less is absent.
inline constexpr double kAbsentRealLimit = -99999.0;

enum class Verdict { absent, passed, failed };

struct LevelResultTable {
    // values[line][column], lines 1 to 7 of the file.
    std::array<std::array<std::optional<double>, kResultColumns>, kResultRealLines> values;
    // verdicts[line][column], lines 8 to 13 of the file: the checks of lines
    // 1 to 6. 0 passed, 1 failed, anything else absent.
    std::array<std::array<Verdict, kResultColumns>, kResultVerdictLines> verdicts{};
};

struct PileResultLine {
    std::string stage;                     // "完成時" or "施工時", without blanks round it
    std::string pile_name;                 // without blanks round it
    std::optional<double> embedment_depth; // m, the level of the pile tip
    std::optional<double> pile_length;     // m
};

// Reads the file at path; never fails: what cannot be read is absent.
LevelResultTable read_level_result_table(const std::string& path);
PileResultLine read_pile_result_line(const std::string& path);

} // namespace wtn
