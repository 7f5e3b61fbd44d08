// The text lines of the sheet-pile screen's lists and of the catalogue
// editors, laid out in half-width cells of the fixed-pitch font.
#pragma once

#include "design_data.h"

#include <string>

namespace wtn::pile {

// Joint names of the steel-pipe joint types (PipeJoint LT, PT, PP) as the list shows them.
inline constexpr const char* kJointNames[3] = {"二港湾型(L-T型)", "パイプ型(P-T型)",
                                               "パイプ型(P-P型)"};

// A catalogue pile: the name padded to 25 cells, I right-aligned in 10, Z in
// 18, all whole; with_moment adds the cracking moment with three decimals in 18.
std::string catalogue_line(const YaitaRec& pile, bool with_moment);

// A steel-pipe row numbered `number`: the number in 3, the diameter in 14 and
// the thickness in 13 with one decimal, then five blanks and the joint name,
// or for the spacing given (and any joint outside the list) the spacing in 19.
std::string steel_pipe_line(int number, const KokanRec& row);

// The joint part of a steel-pipe line (characters 31 to 49 as the line holds
// them): five blanks and the joint name, or the spacing right-aligned in 19.
std::string joint_column(PipeJoint joint_type, double spacing);

} // namespace wtn::pile
