// The frame every batch program's main goes through: it runs the program's
// driver once and turns the outcome into the exit code the front end's run
// chain reads: 0 go on, 1 stop. The programs take no command line.
#pragma once

namespace wtn {

using BatchDriver = void (*)();

// Runs driver and returns the exit code for main. A fatal condition (a
// ProgramStop thrown after its message was shown) unwinds to here, so every
// open file is closed on the way. An unexpected failure (out of memory, a
// library error) is shown in an "error" box under the program's title and
// stops with 1 as well.
int run_batch_program(const char* title, BatchDriver driver);

} // namespace wtn
