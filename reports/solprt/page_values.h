// Value lines of the earth-pressure chapter: printf-formatted fields, the
// box-drawing fillers of columns that do not apply, sub-section numbers, and
// the print-only rounding of seismic coefficients and angles.
#pragma once

#include "page_file.h"

namespace wtn {

// Filler of a column printed 8 wide and of one printed 6 wide.
inline constexpr const char* kFiller8 = "────";
inline constexpr const char* kFiller6 = "───";

// Level tolerance of the report's comparisons (m).
inline constexpr double kReportLevelTolerance = 0.0001;

// One value line: the field code and the formatted text.
void field(PageFile& pages, int code, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
void filler8(PageFile& pages, int code);
void filler6(PageFile& pages, int code);
// "99  (n)": the number of a sub-section of the chapter.
void subsection_number(PageFile& pages, int n);

// An angle in radians as printed: degrees rounded to 1 decimal.
double printed_degrees(double radians);
// The angle of a seismic coefficient k as printed: atan k in degrees, 1 decimal.
double coefficient_angle(double k);
// A land-side seismic coefficient as printed: an apparent coefficient (kind
// under water) of a method other than direct input is rounded half up to 0.01,
// or with steps_of_five to steps of 0.05; any other is printed as stored.
double printed_coefficient(double k, int kind, bool given_directly, bool steps_of_five);

// Sub-section numbers of the chapter of case c (0 normal, 1 seismic) with
// ground-shape shift s (1 for an embankment, whose surcharge chapter opens the
// case) and water flag w (1 when a residual water pressure is reported).
struct ChapterNumbers {
    int c = 0;
    int s = 0;
    int w = 0;
    int apparent() const { return 1 + s; }
    int active() const { return 1 + c + s; }
    int passive() const { return 2 + c + s; }
    int residual_water() const { return 3 + c + s; }
    int residual_table() const { return 4 + c + s; }
    int net_pressure() const { return 4 + c + s + w; }
    int virtual_seabed() const { return 5 + c + s + w; }
    int hydrodynamic() const { return 6 + c + s + w; }
};

} // namespace wtn
