// CAL_NEI.DAT: the construction embedment depth and the pile length (m) the
// engineer adopts in the results dialog. TVNCAL resets the file to two zeros,
// the front end's results dialog rewrites it, and TVNPRN reads it after
// NEIRE_CM.PRN so the adopted values replace the copies held there.
// Two lines, depth first, each "%1.3lf", CR LF line ends. Shared by the front
// end and the batch programs, so this header holds no Japanese text.
#pragma once

#include "file_names.h"

#include <string>

namespace wtn {

struct AdoptedValues {
    double embedment_depth = 0.0;
    double pile_length = 0.0;
};

// The file's text: "%1.3lf" CR LF twice.
std::string format_adopted_values(const AdoptedValues& values);

// Writes path; false when it cannot be written or a value is not a finite
// number (a text that would read back as something else).
bool write_adopted_values(const std::string& path, const AdoptedValues& values);

enum class AdoptedRead {
    ok,      // both lines read; a line without a leading number reads as 0.0
    missing, // the file cannot be opened
    damaged, // fewer than two lines, or a value that is not a finite number
};

// Reads path into values. Each line is taken as a leading decimal number
// after optional blanks (C locale), 0.0 when it holds none. values is only
// changed when the result is ok.
AdoptedRead read_adopted_values(const std::string& path, AdoptedValues& values);

} // namespace wtn
