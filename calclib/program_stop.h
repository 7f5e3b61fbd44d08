// A fatal condition of a batch program. Thrown after the message has been
// shown; the program frame catches it in main, so every open file is flushed
// and closed on the way, and the process ends with the exit code it carries.
#pragma once

namespace wtn {

inline constexpr int kExitGoOn = 0;
inline constexpr int kExitStop = 1;

struct ProgramStop {
    int exit_code = kExitStop;
};

[[noreturn]] inline void stop_program() {
    throw ProgramStop{kExitStop};
}

} // namespace wtn
