#include "box_line.h"

#include <cctype>
#include <vector>

namespace wtn {
namespace {

constexpr std::string_view kTag = "BOX";
constexpr std::size_t kFieldCount = 4;

} // namespace

std::string format_box_line(const BoxLine& box) {
    std::string line(kTag);
    line += '\t';
    line += escape_box_text(box.title);
    line += '\t';
    line += box.kind == BoxKind::yes_no ? kBoxKindYesNo : kBoxKindOk;
    line += '\t';
    line += escape_box_text(box.text);
    return line;
}

std::optional<BoxLine> parse_box_line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < kFieldCount) {
        std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) return std::nullopt;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    // The text is the rest: an escaped text holds no tab of its own.
    fields.push_back(line.substr(start));
    if (fields[0] != kTag) return std::nullopt;
    BoxLine box;
    if (fields[2] == kBoxKindOk) {
        box.kind = BoxKind::ok;
    } else if (fields[2] == kBoxKindYesNo) {
        box.kind = BoxKind::yes_no;
    } else {
        return std::nullopt;
    }
    box.title = unescape_box_text(fields[1]);
    box.text = unescape_box_text(fields[3]);
    return box;
}

bool is_yes_answer(std::string_view answer) {
    while (!answer.empty() && (answer.back() == '\r' || answer.back() == ' '))
        answer.remove_suffix(1);
    std::string lower;
    for (char c : answer)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == kBoxAnswerYes || lower == "y";
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
