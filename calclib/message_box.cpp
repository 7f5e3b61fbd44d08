#include "message_box.h"

#include "cp932_codec.h"
#include "program_stop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace wtn {
namespace {

bool through_front_end() {
    const char* pipe = std::getenv(kBoxPipeVariable);
    return pipe != nullptr && std::strcmp(pipe, "1") == 0;
}

// One line of standard input without its line end; false at the end of
// input with nothing read. Read through the C stream, so the programs carry
// no C++ stream objects and their start-up.
bool read_answer_line(std::string& line) {
    line.clear();
    for (int c = std::getc(stdin); c != EOF; c = std::getc(stdin)) {
        if (c == '\n') return true;
        line += static_cast<char>(c);
    }
    return !line.empty();
}

bool ask(std::string_view title, std::string_view text, bool yes_no) {
    std::string title8 = cp932_to_utf8_lossy(title);
    std::string text8 = cp932_to_utf8_lossy(text);
    if (through_front_end()) {
        std::fflush(stderr);
        BoxLine box{title8, yes_no ? BoxKind::yes_no : BoxKind::ok, text8};
        std::printf("%s\n", format_box_line(box).c_str());
        std::fflush(stdout);
        if (!yes_no) return true;
        std::string answer;
        if (!read_answer_line(answer)) return false;
        return is_yes_answer(answer);
    }
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", title8.c_str(), text8.c_str());
    std::fflush(stderr);
    if (!yes_no) return true;
    if (isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "(yes/no)? ");
        std::string answer;
        if (!read_answer_line(answer)) return false;
        return is_yes_answer(answer);
    }
    const char* preset = std::getenv("WTN_ANSWER");
    return preset != nullptr && is_yes_answer(preset);
}

} // namespace

void show_ok_box(std::string_view title, std::string_view text) {
    ask(title, text, false);
}

bool ask_yes_no_box(std::string_view title, std::string_view text) {
    return ask(title, text, true);
}

void warn_or_stop(std::string_view text) {
    if (!ask_yes_no_box("waring", text)) stop_program();
}

} // namespace wtn
