// A stand-in for a program of the run chain in tests. It takes its name from
// the file it was started as, appends "<name> <folder> WTN_UI_PIPE=<value>"
// to STUB.LOG in its current folder, then follows the lines of STUB.TXT there
// that begin with its name, in order:
//   <name><TAB>ok<TAB><text>      a note through the box pipe
//   <name><TAB>yesno<TAB><text>   a question; the answer is logged
//   <name><TAB>exit<TAB><code>    ends with that code
// and otherwise ends with 0.
#include "box_line.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

int main(int, char** argv) {
    std::string name = argv[0];
    name = name.substr(name.find_last_of('/') + 1);
    char folder[4096] = {};
    if (::getcwd(folder, sizeof folder) == nullptr) return 2;
    const char* pipe = std::getenv(wtn::kBoxPipeVariable);
    std::ofstream log("STUB.LOG", std::ios::app);
    log << name << ' ' << folder << " WTN_UI_PIPE=" << (pipe != nullptr ? pipe : "") << '\n';
    log.flush();
    std::ifstream script("STUB.TXT");
    std::string line;
    while (std::getline(script, line)) {
        const auto tab1 = line.find('\t');
        const auto tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
        if (line.substr(0, tab1) != name) continue;
        const std::string command = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string arg = line.substr(tab2 + 1);
        if (command == "exit") return std::atoi(arg.c_str());
        const bool question = command == "yesno";
        wtn::BoxLine box{name, question ? wtn::BoxKind::yes_no : wtn::BoxKind::ok, arg};
        std::printf("%s\n", wtn::format_box_line(box).c_str());
        std::fflush(stdout);
        if (!question) continue;
        std::string answer;
        std::getline(std::cin, answer);
        log << name << " answer " << answer << '\n';
        log.flush();
    }
    return 0;
}
