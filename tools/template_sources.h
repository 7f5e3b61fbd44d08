// The viewer's installed page templates (.PFM) and drawings (.PZK) are
// written from UTF-8 sources, tools/templates/<program>.txt, so they can be
// read and reviewed as text. A source holds files one after another, each
// opened by a line "=== NAME" (a template may add "drawing=N", the text line
// where its drawing's box starts). A template's text lines mark fields
// inline: "{NN}" is a field of code NN four cells wide, "{NN,W}" one of W
// cells; the generator turns every marker into blanks and lists the fields
// on the template's second line. A drawing's lines are copied as they stand.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wtn::tools {

struct SourceField {
    int code = 0;
    int line = 1;   // 1-based text line
    int column = 0; // 0-based half-width cell
    int width = 4;
};

struct TemplateSourceFile {
    std::string name;               // "SAMPLE_TITL.PFM" or "SAMPLE_FIG.PZK"
    std::vector<std::string> lines; // UTF-8, as written in the source
    std::optional<int> drawing_line;
    int source_line = 0; // line of the "===" header in the source
};

// Splits a source text into its files; errors name the source line.
std::vector<TemplateSourceFile> parse_template_source(const std::string& utf8,
                                                      std::vector<std::string>& errors);

// The fields a template's text marks, in reading order; markers become blanks
// in text_lines (UTF-8). Errors for a malformed marker.
std::vector<SourceField> extract_fields(const TemplateSourceFile& file,
                                        std::vector<std::string>& text_lines,
                                        std::vector<std::string>& errors);

// The installed bytes of a file: code page 932, CR LF. A template gets its
// name, the installed-form line ("#FORM n fields [D@line]") and its text.
std::string installed_bytes(const TemplateSourceFile& file, std::vector<std::string>& errors);

// Every file of every source in source_folder (*.txt), by name. Errors for
// a name defined twice.
std::vector<TemplateSourceFile> read_template_sources(const std::string& source_folder,
                                                      std::vector<std::string>& errors);

} // namespace wtn::tools
