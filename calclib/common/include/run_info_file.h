// The run information CAL_FILE.INF: the project's data name, its title and
// the date and time of the run, printed in every report-page header. The
// front end writes it with a zero stamp before each run; the first program
// of the chain stamps it and rewrites it; every later program reads it.
// Eight lines: name, title, then year (two digits), month, day, hour,
// minute and second, one integer a line.
#pragma once

#include "file_names.h"

#include <array>
#include <string>
#include <vector>

namespace wtn {

inline constexpr int kRunInfoLines = 8;
inline constexpr int kRunInfoStampLines = 6;

struct RunInfo {
    std::string data_name; // project name without folder and extension
    std::string title;     // project title as the front end wrote it, kept whole
    int year = 0;          // two digits
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The stamp fields in file order, lines 3 to 8.
inline constexpr std::array<int RunInfo::*, kRunInfoStampLines> kRunInfoStamp = {
    &RunInfo::year, &RunInfo::month,  &RunInfo::day,
    &RunInfo::hour, &RunInfo::minute, &RunInfo::second};

// The record from the file's lines: lines missing at the end read as empty
// or 0; a stamp line is taken with the C library's integer rules.
RunInfo run_info_from_lines(const std::vector<std::string>& lines);

// The eight lines of the file, each stamp value as integer_text makes it.
template <class IntegerText>
std::vector<std::string> run_info_lines(const RunInfo& info, IntegerText integer_text) {
    std::vector<std::string> lines = {info.data_name, info.title};
    for (int RunInfo::*field : kRunInfoStamp)
        lines.push_back(integer_text(info.*field));
    return lines;
}

} // namespace wtn
