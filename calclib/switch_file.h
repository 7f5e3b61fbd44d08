// The installed system switch PRG_SW.DAT: one integer on its first line.
// 0: the construction stage writes the force file in mode 1; 1: in mode 2,
// the superstructure crown tops the wave diagram and the construction-stage
// cases follow the completed-state case switch. Any other value would make
// the writers and the readers of those cases disagree, so it is refused.
#pragma once

namespace wtn {

inline constexpr const char* kSwitchFileName = "PRG_SW.DAT";
inline constexpr int kSystemSwitchPlain = 0;
inline constexpr int kSystemSwitchCrownTopsWaves = 1;

// Reads the switch from the current folder. Stops the program with exit
// code 1 when the file cannot be opened, is empty, or holds anything but
// 0 or 1.
int read_prg_sw();

} // namespace wtn
