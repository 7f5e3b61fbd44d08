#include "report_files.h"

#include "cp932_codec.h"
#include "number_field.h"
#include "page_layout.h"
#include "text_trim.h"

#include <cctype>
#include <cstdio>

namespace wtn::viewer {

namespace {

bool is_blank(std::string_view text) {
    return trim_blanks(text).empty();
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t end = text.find(' ', i);
        if (end == std::string_view::npos) end = text.size();
        out.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return out;
}

bool two_digits(std::string_view text) {
    return text.size() >= 2 && std::isdigit(static_cast<unsigned char>(text[0])) &&
           std::isdigit(static_cast<unsigned char>(text[1]));
}

struct ProblemSink {
    const std::string& file;
    Problems& problems;
    void error(int line, std::string message) { problems.push_back({file, line, true, message}); }
    void warning(int line, std::string message) {
        problems.push_back({file, line, false, message});
    }
};

void read_header(const std::string& line, PageDocument& doc, ProblemSink& sink) {
    constexpr std::size_t kStampWidth = 24;
    constexpr std::size_t kNameColumn = 32;
    int stamp[6] = {};
    bool ok = line.size() >= kStampWidth;
    for (int i = 0; ok && i < 6; ++i) {
        const std::optional<int> value =
            whole_integer_field(std::string_view(line).substr(4 * i, 4));
        ok = value.has_value();
        if (ok) stamp[i] = *value;
    }
    if (!ok) sink.error(2, "malformed header line: six \"%4d\" numbers expected");
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d", stamp[0], stamp[1], stamp[2],
                  stamp[3], stamp[4], stamp[5]);
    doc.stamp = text;
    if (line.size() > kNameColumn && is_blank(std::string_view(line).substr(kStampWidth, 8)))
        doc.data_name = cp932_to_utf8_lossy(line.substr(kNameColumn));
    else if (line.size() > kStampWidth)
        doc.data_name = cp932_to_utf8_lossy(trim_blanks(line.substr(kStampWidth)));
}

void read_block_line(const std::string& line, int number, PageDocument& doc, ProblemSink& sink) {
    constexpr std::size_t kNameColumn = 4;
    constexpr std::size_t kDrawingColumn = 20;
    PageEntry entry;
    entry.line = number;
    entry.new_page = line[1] == '1';
    if (line.size() > 2 && !is_blank(std::string_view(line).substr(2, 2)))
        sink.error(number, "malformed template line: columns 3-4 must be blank");
    if (line.size() > kNameColumn)
        entry.template_name = trim_blanks(line.substr(kNameColumn, kDrawingColumn - kNameColumn));
    if (line.size() > kDrawingColumn) entry.drawing_name = trim_blanks(line.substr(kDrawingColumn));
    if (entry.template_name.empty() && entry.drawing_name.empty())
        sink.error(number, "template line names neither a template nor a drawing");
    doc.entries.push_back(std::move(entry));
}

void read_directive(const std::string& line, int number, PageDocument& doc, ProblemSink& sink) {
    const char letter = line.size() > 1 ? line[1] : '\0';
    if (letter == '1' || letter == '0') {
        read_block_line(line, number, doc, sink);
        return;
    }
    const std::string rest = line.size() > 2 ? line.substr(2) : std::string();
    PageEntry entry;
    entry.line = number;
    switch (letter) {
    case 'R': {
        const std::optional<int> lines = whole_integer_field(rest);
        if (!lines || *lines < 0) {
            sink.error(number, "malformed \"$R\": a line count expected");
            return;
        }
        entry.kind = EntryKind::reserve;
        entry.reserve_lines = *lines;
        break;
    }
    case 'T':
    case 'L':
        if (!is_blank(rest)) sink.error(number, std::string("text after \"$") + letter + "\"");
        entry.kind = letter == 'T' ? EntryKind::table_begin : EntryKind::table_end;
        break;
    case 'H':
    case 'F':
        if (is_blank(rest)) {
            entry.kind = letter == 'H' ? EntryKind::clear_heading : EntryKind::clear_footing;
            break;
        }
        if (rest.size() < 3 || rest[0] != ' ' || rest[1] != ' ')
            sink.error(number, std::string("malformed \"$") + letter +
                                   "\": two blanks and a name expected");
        entry.kind = letter == 'H' ? EntryKind::heading : EntryKind::footing;
        entry.template_name = trim_blanks(rest);
        break;
    default:
        sink.error(number, "unknown directive \"" + cp932_to_utf8_lossy(line.substr(0, 2)) + "\"");
        return;
    }
    doc.entries.push_back(std::move(entry));
}

void read_value_line(const std::string& line, int number, PageDocument& doc, ProblemSink& sink) {
    ValueLine value;
    value.code = (line[0] - '0') * 10 + (line[1] - '0');
    value.line = number;
    if (line.size() > 2 && (line[2] != ' ' || (line.size() > 3 && line[3] != ' '))) {
        sink.error(number, "malformed value line: two blanks expected after the code");
        return;
    }
    if (line.size() > 4) value.text = line.substr(4);
    PageEntry* owner = doc.entries.empty() ? nullptr : &doc.entries.back();
    if (owner == nullptr || (owner->kind != EntryKind::block && owner->kind != EntryKind::heading &&
                             owner->kind != EntryKind::footing)) {
        sink.error(number, "value line outside a block");
        return;
    }
    owner->values.push_back(std::move(value));
}

} // namespace

std::string problem_text(const Problem& problem) {
    return problem.file + ":" + std::to_string(problem.line) + ": " +
           (problem.error ? "error: " : "warning: ") + problem.message;
}

PageDocument parse_page_file(const std::string& file_name, const std::vector<std::string>& lines,
                             Problems& problems) {
    ProblemSink sink{file_name, problems};
    PageDocument doc;
    doc.file_name = file_name;
    if (lines.size() < kPageHeadLines) {
        sink.error(0, "a page file needs a title line and a header line");
        return doc;
    }
    doc.title = cp932_to_utf8_lossy(lines[0]);
    read_header(lines[1], doc, sink);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (!line.empty() && line[0] == '$')
            read_directive(line, number, doc, sink);
        else if (two_digits(line))
            read_value_line(line, number, doc, sink);
        else
            sink.error(number, line.empty() ? "empty line" : "malformed line");
    }
    return doc;
}

std::optional<PageTemplate> parse_page_template(const std::string& file_name,
                                                const std::vector<std::string>& lines,
                                                Problems& problems) {
    ProblemSink sink{file_name, problems};
    if (lines.size() < 2) {
        sink.error(0, "a page template needs its name and its line count");
        return std::nullopt;
    }
    PageTemplate form;
    form.name = trim_blanks(lines[0]);
    std::vector<std::string> tokens = words(lines[1]);
    if (!tokens.empty() && tokens[0] == kInstalledTemplateTag) {
        form.installed = true;
        tokens.erase(tokens.begin());
    }
    const std::optional<int> count = tokens.empty() ? std::nullopt : whole_integer_field(tokens[0]);
    if (!count || *count < 0 || (!form.installed && tokens.size() != 1)) {
        sink.error(2, "malformed line count");
        return std::nullopt;
    }
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const std::string& t = tokens[i];
        int code = 0, line = 0, column = 0;
        char tail = '\0';
        if (t.size() > 2 && t[0] == 'D' && t[1] == '@' &&
            std::sscanf(t.c_str(), "D@%d%c", &line, &tail) == 1 && line >= 1 &&
            line <= kBodyLines) {
            // The box starts on the template's page; one lower could only be
            // reached through pages of nothing.
            form.drawing_line = line;
        } else if (two_digits(t) && t[2] == '@' &&
                   std::sscanf(t.c_str(), "%2d@%d:%d%c", &code, &line, &column, &tail) == 3 &&
                   line >= 1 && line <= *count && column >= 0) {
            form.fields.push_back({code, line, column});
        } else {
            sink.error(2, "malformed field \"" + cp932_to_utf8_lossy(t) + "\"");
        }
    }
    const std::size_t available = lines.size() - 2;
    if (available < static_cast<std::size_t>(*count))
        sink.error(0, "the template holds fewer text lines than its count");
    else if (available > static_cast<std::size_t>(*count))
        sink.warning(static_cast<int>(*count) + 3, "lines after the counted ones are not printed");
    for (std::size_t i = 0; i < std::min<std::size_t>(available, *count); ++i)
        form.lines.push_back(lines[i + 2]);
    return form;
}

std::optional<Drawing> parse_drawing(const std::string& file_name,
                                     const std::vector<std::string>& lines, Problems& problems) {
    ProblemSink sink{file_name, problems};
    if (lines.size() < 2) {
        sink.error(0, "a drawing needs its heading and its size line");
        return std::nullopt;
    }
    Drawing drawing;
    const std::size_t gap = lines[0].find("  ");
    drawing.name = trim_blanks(lines[0].substr(0, gap));
    if (gap != std::string::npos)
        drawing.title = cp932_to_utf8_lossy(trim_blanks(lines[0].substr(gap)));
    const std::vector<std::string> size = words(lines[1]);
    const std::optional<int> columns =
        size.size() == 2 ? whole_integer_field(size[0]) : std::nullopt;
    const std::optional<int> rows = size.size() == 2 ? whole_integer_field(size[1]) : std::nullopt;
    if (!columns || !rows || *columns <= 0 || *rows <= 0) {
        sink.error(2, "malformed size line: two positive integers expected");
        return std::nullopt;
    }
    // A drawing's box stands on one page; a taller one could only be cut
    // into pages of nothing (millions of them for a mistyped height).
    if (*rows > kBodyLines) {
        sink.error(2, "drawing taller than a page: " + std::to_string(*rows) +
                          " lines, a page holds " + std::to_string(kBodyLines));
        return std::nullopt;
    }
    drawing.columns = *columns;
    drawing.lines = *rows;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string& line = lines[i];
        DrawCommand command;
        command.line = number;
        command.letter = line.empty() ? '\0' : line[0];
        std::size_t arity = 0;
        switch (command.letter) {
        case 'L':
        case 'Q':
        case 'K':
            arity = 6;
            break;
        case 'Y':
        case 'P':
            arity = 7;
            break;
        default:
            sink.error(number, "bad command: unknown letter");
            continue;
        }
        bool numbers_ok = line.size() > 1 && line[1] == ' ';
        for (const std::string& w : words(std::string_view(line).substr(1))) {
            const std::optional<int> value = whole_integer_field(w);
            numbers_ok = numbers_ok && value.has_value();
            if (value) command.numbers.push_back(*value);
        }
        if (command.letter == 'K') {
            // The line after a K command is its text, whatever it starts with.
            if (i + 1 < lines.size())
                command.text = lines[++i];
            else
                sink.error(number, "bad command: K without its text line");
        }
        if (!numbers_ok || command.numbers.size() != arity) {
            sink.error(number, "bad command: " + std::to_string(arity) +
                                   " integers expected after \"" + std::string(1, command.letter) +
                                   "\"");
            continue;
        }
        drawing.commands.push_back(std::move(command));
    }
    return drawing;
}

} // namespace wtn::viewer
