// Line comparison of two calculation-input files, which tells whether the
// project changed since its snapshot and whether only the adopted pile length
// and embedment depth (the "caldt" line) changed.
#pragma once

#include <string>

namespace wtn {

inline constexpr int kDatEqual = 0;
inline constexpr int kDatChanged = 1; // a line other than "caldt" differs, or the lengths differ
inline constexpr int kDatOnlyAdopted = 2; // only lines that begin with "caldt" in both files differ

// Compares the files line by line, exactly. A file that cannot be read counts
// as a change, so a failed snapshot never hides unsaved work.
int cmp_dat_file(const std::string& path_a, const std::string& path_b);

} // namespace wtn
