// The examine switches of the tide levels ("wavsw" items 4, 6, 8, 10), as
// the construction-stage writer and readers of the force file both take them.
#pragma once

#include "input_record.h"

namespace wtn {

// The tide levels' names in messages and result headings; the user-named
// level goes by "任意潮位" where no name of the user's stands in for it.
inline constexpr const char* kTideLevelNames[kTideLevelCount] = {"H.H.W.L.", "H.W.L.", "L.W.L.",
                                                                 "任意潮位"};

// True when the construction stage examines tide level (0 H.H.W.L. to 3 the
// user-named level): its wavsw examine switch is 1. The wave program writes a
// force-file section for exactly these levels and the stability programs read
// one for exactly these, so both ask here.
bool tide_level_examined(const InputRecord& input, int level);

// Stops the program with a message naming the wavsw key and the tide level
// when an examine switch is neither 1 (examined) nor 2 (not examined): a 0, a
// 3 or a switch missing from a short line would leave the writer and the
// readers of the force file guessing differently.
void check_tide_level_switches(const InputRecord& input);

// The digit of a construction-stage chapter's page file for the examined
// level of the given ordinal (counting the examined levels from 0) and the
// case: 2 x ordinal + case + 1, so the files sort level by level, the normal
// case first.
inline constexpr int construction_chapter_digit(int ordinal, int case_index) {
    return 2 * ordinal + case_index + 1;
}

} // namespace wtn
