#include "harness.h"

#include "text_trim.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace wtn::fuzz {
namespace {

[[noreturn]] void finding(const std::string& text) {
    std::fprintf(stderr, "FINDING: %s\n", text.c_str());
    std::abort();
}

bool non_finite_word(std::string word) {
    for (char& c : word)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) word.erase(0, 1);
    return word == "nan" || word == "inf" || word == "infinity";
}

} // namespace

void write_file(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) finding("cannot write the work file " + name);
}

std::string read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string installed_path(const std::string& name) {
    return std::string(WTN_SOURCE_DIR) + "/installed/" + name;
}

std::string installed_text(const std::string& name) {
    std::ifstream in(installed_path(name), std::ios::binary);
    if (!in) finding("installed file missing: " + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void copy_installed(const std::string& name) {
    write_file(name, installed_text(name));
}

void require_finite(double value, const char* what) {
    if (!std::isfinite(value)) finding(std::string("non-finite value read: ") + what);
}

void require_same_lines(const std::vector<std::string>& first,
                        const std::vector<std::string>& again, const char* what) {
    if (first.size() != again.size())
        finding(std::string(what) + " read back has " + std::to_string(again.size()) +
                " lines instead of " + std::to_string(first.size()));
    for (std::size_t i = 0; i < first.size(); ++i)
        if (first[i] != again[i])
            finding(std::string(what) + " read back differs in line " + std::to_string(i + 1) +
                    ": " + first[i] + " / " + again[i]);
}

std::vector<std::string> file_lines(const std::string& name) {
    std::vector<std::string> lines;
    std::istringstream in(read_file(name));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void require_finite_fields(const std::vector<std::string>& lines, const char* what) {
    for (const std::string& line : lines) {
        bool quoted = false;
        std::string field;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            const char c = i < line.size() ? line[i] : ',';
            if (c == '"') quoted = !quoted;
            if (c == ',' && !quoted) {
                if (non_finite_word(trim_blanks(field, " \t")))
                    finding(std::string("non-finite value written to ") + what + ": " + line);
                field.clear();
            } else if (!quoted && c != '"') {
                field += c;
            }
        }
    }
}

} // namespace wtn::fuzz
