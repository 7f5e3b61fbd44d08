// The box pipe between a batch program and the front end that started it. A
// batch program has no window of its own: with WTN_UI_PIPE=1 a message box is
// one line on its standard output,
//     BOX<TAB>title<TAB>kind<TAB>text
// kind "ok" is a note with an OK button, "yesno" a question with Yes (the
// default) and No; the program then reads one line, "yes" or "no", from its
// standard input. Title and text are UTF-8 with a line feed written as \n, a
// tab as \t and a backslash as \\. Every other output line is plain output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wtn {

inline constexpr const char* kBoxPipeVariable = "WTN_UI_PIPE";
inline constexpr const char* kBoxKindOk = "ok";
inline constexpr const char* kBoxKindYesNo = "yesno";
inline constexpr const char* kBoxAnswerYes = "yes";
inline constexpr const char* kBoxAnswerNo = "no";

enum class BoxKind { ok, yes_no };

struct BoxLine {
    std::string title; // UTF-8
    BoxKind kind = BoxKind::ok;
    std::string text; // UTF-8, line breaks as "\n"
};

// The line without its line end.
std::string format_box_line(const BoxLine& box);

// The box a line asks for; nothing for a line that is not a box line (wrong
// tag, field count or kind). A trailing CR is ignored.
std::optional<BoxLine> parse_box_line(std::string_view line);

// True for an answer line meaning Yes: "yes" or "y" in any case, blanks and a
// CR after it ignored. Everything else, an empty line included, is No.
bool is_yes_answer(std::string_view answer);

// Escapes text for one field of a box line and back.
std::string escape_box_text(std::string_view utf8);
std::string unescape_box_text(std::string_view escaped);

} // namespace wtn
