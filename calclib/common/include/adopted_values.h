// CAL_NEI.DAT: the construction embedment depth (the level of the pile tip)
// and the pile length (m) the engineer adopts in the results dialog. TVNCAL
// resets the file to two zeros, the front end's results dialog rewrites it,
// and TVNPRN reads it after NEIRE_CM.PRN so the adopted values replace the
// copies held there. Two lines, depth first, each "%1.3lf", CR LF line ends;
// one writer and one reader for both sides. Shared by the front end and the
// batch programs, so this header holds no Japanese text.
#pragma once

#include "file_names.h"

#include <string>

namespace wtn {

struct AdoptedValues {
    double embedment_depth = 0.0; // level of the pile tip, m
    double pile_length = 0.0;     // m
};

// The adopted-value boxes of the results dialog show "###0.000": four places
// before the decimal point. A value beyond them cannot have been adopted
// there (a stray 1e30 would otherwise be printed as the pile to drive).
inline constexpr std::size_t kAdoptedIntegerPlaces = 4;

// True when value is finite and, rounded to three decimals, has at most
// kAdoptedIntegerPlaces digits before the point.
bool fits_adopted_box(double value);

// Writes path from its start ("%1.3lf" CR LF twice); false when it cannot be
// written or a value does not fit the box (a text that would read back as
// something else, or not at all).
bool write_adopted_values(const std::string& path, const AdoptedValues& values);

enum class AdoptedRead {
    ok,      // both lines read
    missing, // the file cannot be opened
    damaged, // a line missing, or not one number that fits the box
};

struct AdoptedFileRead {
    AdoptedRead status = AdoptedRead::ok;
    int line = 0; // the damaged line, 1 or 2
};

// Reads path into values. Each line holds one number and nothing else
// (blanks round it allowed): a line of other text would otherwise be adopted
// as 0. values is only changed when the status is ok.
AdoptedFileRead read_adopted_values(const std::string& path, AdoptedValues& values);

// True when both values are 0: the stability calculation's cleared pair, no
// adoption.
bool nothing_adopted(const AdoptedValues& values);

// Values are compared to half the last of the three decimals they are shown
// and kept with, so a value adopted as shown is never short.
inline constexpr double kAdoptionTolerance = 0.0005;

// True when the adopted tip lies above the required tip or the adopted pile
// is shorter than the required one, by more than kAdoptionTolerance.
bool adoption_falls_short(const AdoptedValues& adopted, const AdoptedValues& required);

} // namespace wtn
