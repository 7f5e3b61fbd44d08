// Readers of the three report file kinds: page files (.PDT), page templates
// (.PFM, generated or installed form) and drawings (.PZK). FORMAT.md beside
// this file describes them. Readers never stop: what they cannot read is a
// problem with its file and line, and the rest is still read, so a page shows
// everything its program wrote.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wtn::viewer {

struct Problem {
    std::string file;
    int line = 0; // 1-based; 0 for the file as a whole
    bool error = true;
    std::string message; // UTF-8
};
using Problems = std::vector<Problem>;

// "FILE:LINE: error: message" or "...: warning: ...".
std::string problem_text(const Problem& problem);

struct ValueLine {
    int code = 0;
    std::string text; // code page 932, untrimmed
    int line = 0;
};

enum class EntryKind {
    block,         // "$1" / "$0": a template, a drawing or both
    reserve,       // "$R  n"
    table_begin,   // "$T"
    heading,       // "$H  name"
    footing,       // "$F  name"
    clear_heading, // "$H"
    clear_footing, // "$F"
    table_end,     // "$L"
};

struct PageEntry {
    EntryKind kind = EntryKind::block;
    bool new_page = false;         // "$1"
    std::string template_name;     // block, heading or footing
    std::string drawing_name;      // block only
    int reserve_lines = 0;         // reserve only
    std::vector<ValueLine> values; // value lines after a block, heading or footing
    int line = 0;
};

struct PageDocument {
    std::string file_name;
    std::string title;     // UTF-8
    std::string stamp;     // "YY/MM/DD hh:mm:ss"
    std::string data_name; // UTF-8
    std::vector<PageEntry> entries;
};

// A page file's head: the title line and the header line.
inline constexpr std::size_t kPageHeadLines = 2;

PageDocument parse_page_file(const std::string& file_name, const std::vector<std::string>& lines,
                             Problems& problems);

// Installed-form tag on line 2 of a page template.
inline constexpr const char* kInstalledTemplateTag = "#FORM";

struct TemplateField {
    int code = 0;
    int line = 1;   // 1-based text line
    int column = 0; // 0-based half-width cell
};

struct PageTemplate {
    std::string name;
    bool installed = false;
    std::vector<std::string> lines; // code page 932 text lines
    std::vector<TemplateField> fields;
    std::optional<int> drawing_line; // 1-based line where a drawing's box starts
};

std::optional<PageTemplate> parse_page_template(const std::string& file_name,
                                                const std::vector<std::string>& lines,
                                                Problems& problems);

struct DrawCommand {
    char letter = 'L';
    std::vector<int> numbers;
    std::string text; // K only: the following line, code page 932
    int line = 0;
};

// Page units of a drawing: 100 per line and per full-width cell.
inline constexpr int kUnitsPerLine = 100;
inline constexpr int kUnitsPerCell = 50; // half-width cell

struct Drawing {
    std::string name;
    std::string title; // UTF-8
    int columns = 46;  // full-width cells
    int lines = 0;
    std::vector<DrawCommand> commands;
};

std::optional<Drawing> parse_drawing(const std::string& file_name,
                                     const std::vector<std::string>& lines, Problems& problems);

} // namespace wtn::viewer
