#include "template_sources.h"

#include "cp932_codec.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace wtn::tools {

namespace {

constexpr const char* kFileHeader = "=== ";
constexpr int kDefaultFieldWidth = 4;

bool ends_with(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Half-width cells a UTF-8 template text takes when printed: its code page
// 932 bytes, less the text escapes "$U", "$S" and "$Z", which take none, and
// one byte of each "$$".
int cells_of(const std::string& utf8) {
    const std::string text = utf8_to_cp932(utf8);
    int cells = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (is_cp932_double_byte(text, i)) {
            cells += 2;
            ++i;
            continue;
        }
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '$' && (next == 'U' || next == 'S' || next == 'Z')) {
            ++i;
            continue;
        }
        if (text[i] == '$' && next == '$') ++i;
        cells += 1;
    }
    return cells;
}

std::string two_digit(int code) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", code);
    return text;
}

} // namespace

std::vector<TemplateSourceFile> parse_template_source(const std::string& utf8,
                                                      std::vector<std::string>& errors) {
    std::vector<TemplateSourceFile> files;
    std::istringstream in(utf8);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(kFileHeader, 0) == 0) {
            TemplateSourceFile file;
            file.source_line = number;
            std::istringstream words(line.substr(4));
            words >> file.name;
            std::string option;
            while (words >> option) {
                if (option.rfind("drawing=", 0) == 0)
                    file.drawing_line = std::atoi(option.c_str() + 8);
                else
                    errors.push_back("line " + std::to_string(number) + ": unknown option " +
                                     option);
            }
            if (!ends_with(file.name, ".PFM") && !ends_with(file.name, ".PZK"))
                errors.push_back("line " + std::to_string(number) +
                                 ": a file ends in .PFM or .PZK");
            files.push_back(std::move(file));
            continue;
        }
        if (files.empty()) continue; // notes before the first file
        files.back().lines.push_back(line);
    }
    return files;
}

std::vector<SourceField> extract_fields(const TemplateSourceFile& file,
                                        std::vector<std::string>& text_lines,
                                        std::vector<std::string>& errors) {
    std::vector<SourceField> fields;
    text_lines.clear();
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        std::string out;
        std::size_t at = 0;
        while (at < line.size()) {
            const std::size_t open = line.find('{', at);
            if (open == std::string::npos) {
                out += line.substr(at);
                break;
            }
            out += line.substr(at, open - at);
            const std::size_t close = line.find('}', open);
            int code = -1;
            int width = kDefaultFieldWidth;
            char tail = '\0';
            const std::string marker =
                close == std::string::npos ? "" : line.substr(open + 1, close - open - 1);
            const bool ok = marker.size() >= 2 &&
                            (std::sscanf(marker.c_str(), "%2d%c", &code, &tail) == 1 ||
                             std::sscanf(marker.c_str(), "%2d,%d%c", &code, &width, &tail) == 2) &&
                            code >= 0 && width > 0;
            if (!ok) {
                errors.push_back(file.name + " line " + std::to_string(i + 1) +
                                 ": malformed field marker");
                out += line.substr(open);
                break;
            }
            fields.push_back({code, static_cast<int>(i) + 1, cells_of(out), width});
            out.append(width, ' ');
            at = close + 1;
        }
        text_lines.push_back(out);
    }
    return fields;
}

std::string installed_bytes(const TemplateSourceFile& file, std::vector<std::string>& errors) {
    std::vector<std::string> lines;
    if (ends_with(file.name, ".PZK")) {
        lines = file.lines;
    } else {
        std::vector<std::string> text;
        const std::vector<SourceField> fields = extract_fields(file, text, errors);
        std::string form = "#FORM " + std::to_string(text.size());
        for (const SourceField& f : fields)
            form += " " + two_digit(f.code) + "@" + std::to_string(f.line) + ":" +
                    std::to_string(f.column);
        if (file.drawing_line) form += " D@" + std::to_string(*file.drawing_line);
        lines.push_back(file.name);
        lines.push_back(form);
        lines.insert(lines.end(), text.begin(), text.end());
    }
    std::string bytes;
    for (const std::string& line : lines) {
        try {
            bytes += utf8_to_cp932(line);
        } catch (const CodecError&) {
            errors.push_back(file.name + ": a character has no code page 932 form");
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<TemplateSourceFile> read_template_sources(const std::string& source_folder,
                                                      std::vector<std::string>& errors) {
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(source_folder)) {
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    std::vector<TemplateSourceFile> all;
    std::set<std::string> names;
    for (const fs::path& path : sources) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::vector<std::string> file_errors;
        for (TemplateSourceFile& file : parse_template_source(text.str(), file_errors)) {
            if (!names.insert(file.name).second)
                errors.push_back(path.filename().string() + ": " + file.name + " is defined twice");
            all.push_back(std::move(file));
        }
        for (const std::string& e : file_errors)
            errors.push_back(path.filename().string() + ": " + e);
    }
    return all;
}

} // namespace wtn::tools
