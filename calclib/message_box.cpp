#include "message_box.h"

#include "cp932_codec.h"
#include "program_stop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

namespace wtn {
namespace {

bool through_front_end() {
    const char* pipe = std::getenv("WTN_UI_PIPE");
    return pipe != nullptr && std::strcmp(pipe, "1") == 0;
}

// Reads one answer line; true for "yes" (case-insensitive, "y" too).
bool parse_answer(std::string answer) {
    while (!answer.empty() && (answer.back() == '\r' || answer.back() == ' '))
        answer.pop_back();
    for (char& c : answer)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return answer == "yes" || answer == "y";
}

bool ask(std::string_view title, std::string_view text, bool yes_no) {
    std::string title8 = cp932_to_utf8_lossy(title);
    std::string text8 = cp932_to_utf8_lossy(text);
    if (through_front_end()) {
        std::fflush(stderr);
        std::printf("BOX\t%s\t%s\t%s\n", escape_box_text(title8).c_str(), yes_no ? "yesno" : "ok",
                    escape_box_text(text8).c_str());
        std::fflush(stdout);
        if (!yes_no) return true;
        std::string answer;
        if (!std::getline(std::cin, answer)) return false;
        return parse_answer(answer);
    }
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", title8.c_str(), text8.c_str());
    std::fflush(stderr);
    if (!yes_no) return true;
    if (isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "(yes/no)? ");
        std::string answer;
        if (!std::getline(std::cin, answer)) return false;
        return parse_answer(answer);
    }
    const char* preset = std::getenv("WTN_ANSWER");
    return preset != nullptr && parse_answer(preset);
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

std::string escape_box_text(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescape_box_text(std::string_view escaped) {
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        char c = escaped[i];
        if (c != '\\' || i + 1 == escaped.size()) {
            out += c;
            continue;
        }
        char n = escaped[++i];
        out += n == 'n' ? '\n' : n == 't' ? '\t' : n;
    }
    return out;
}

} // namespace wtn
