// Starting the system's programs from the front end: by absolute path from
// the programs folder (the folder of WTN_WIN), without arguments unless told,
// in the work folder, with the box pipe on (WTN_UI_PIPE=1). The boxes a
// program asks for on its standard output become real boxes, one at a time;
// its other output lines go to the front end's standard error.
#pragma once

#include "front_end_services.h"

#include <optional>
#include <string>
#include <vector>

namespace wtn::mainwin {

// Exit codes of the system's programs: 0 go on, 1 stop (after the program's
// own message).
inline constexpr int kProgramWentOn = 0;
inline constexpr int kProgramStopped = 1;

struct ProgramStart {
    std::string programs_dir;
    std::string work_dir;
    std::string name; // "TVNDAT"
    std::vector<std::string> args;
};

// The request for the process runner.
ProcessRequest program_request(const ProgramStart& start);

// What the front end does with one output line of a program: a box line is
// shown ("ok": a note; "yesno": Yes default, closing answers No) and a
// question's answer returned; any other line goes to standard error.
// The title of a batch program's fatal message.
inline constexpr const char* kBatchErrorTitle = "error";

std::optional<std::string> answer_program_line(MessageBoxes& boxes, const std::string& line);

// Runs the program and returns its exit code, kProgramNotStarted or
// kProgramCrashed.
int run_program(ProcessRunner& runner, MessageBoxes& boxes, const ProgramStart& start);

// The message for a program that ended other than with 0 or 1: it could not
// be started (not built or not executable), did not end by itself, or ended
// with another code.
std::string program_end_message(const std::string& name, int code);

// Shows program_end_message in a box.
void report_program_end(MessageBoxes& boxes, const std::string& name, int code);

} // namespace wtn::mainwin
