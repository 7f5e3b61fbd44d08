// Message boxes of the batch programs. A batch program has no window of its
// own: when the front end started it (WTN_UI_PIPE=1) a box is one line of the
// box pipe (box_line.h) on standard output that the front end turns into a
// real box; for a question the program then reads the answer line.
// Otherwise the text goes to standard error as "title: text"; a yes/no question
// is answered from the terminal when standard input is one, else by
// WTN_ANSWER=yes|no, and the default answer is no.
// Titles and texts passed in are code page 932 bytes, as the programs hold them.
#pragma once

#include "box_line.h"

#include <string>
#include <string_view>

namespace wtn {

void show_ok_box(std::string_view title, std::string_view text);

// True when the user answered Yes.
bool ask_yes_no_box(std::string_view title, std::string_view text);

// The warning question of the calculation programs, titled "waring": Yes goes
// on; No stops the program with exit code 1.
void warn_or_stop(std::string_view text);

} // namespace wtn
