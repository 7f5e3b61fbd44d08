// A box titled "break" that names a stage of the load or the stability
// calculation, for following a run step by step while debugging. The drivers
// do not call it.
#pragma once

#include <string_view>

namespace wtn {

inline constexpr int kStepTextCount =
    28;                                 // stages 0-11 load calculation, 12-27 stability calculation
inline constexpr int kStepSilent = 999; // shows nothing

// Shows the text of stage (0 to 27); a negative stage shows text instead;
// stage 999 shows nothing, nor does any other stage number. Returns 0.
int debug_step_box(int stage, std::string_view text = {});

} // namespace wtn
