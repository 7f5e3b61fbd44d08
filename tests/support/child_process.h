// Runs a program as a child process, as the front end's run chain does, and
// collects what it wrote and how it ended.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace wtn::test {

struct ChildRun {
    std::string program;                    // absolute path
    std::vector<std::string> args;          // without the program name
    std::string work_dir;                   // current folder of the child
    std::map<std::string, std::string> env; // added to (or replacing) the environment
    std::vector<std::string> unset_env;     // removed from the environment
    std::string stdin_text;                 // fed to standard input
    // When not negative, the child is killed (SIGKILL) this many
    // microseconds after it was started, unless it has ended by then.
    long kill_after_microseconds = -1;
};

struct ChildResult {
    int exit_code = -1; // -1 when the child did not exit normally
    int signal = 0;     // the signal that ended it, if any
    std::string out;    // standard output
    std::string err;    // standard error
};

ChildResult run_child(const ChildRun& run);

// Runs a tool (the viewer, pdftotext, pdftoppm) in work_dir with Qt on its
// offscreen platform, so a viewer run needs no display.
ChildResult run_offscreen(const std::string& program, std::vector<std::string> args,
                          const std::string& work_dir, std::map<std::string, std::string> env = {});

} // namespace wtn::test
