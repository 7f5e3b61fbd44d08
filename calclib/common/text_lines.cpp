#include "text_lines.h"

#include <memory>

namespace wtn {

bool LineReader::next(std::string& line) {
    line.clear();
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(file_)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!any) return false;
    line_ended_ = c == '\n';
    // A CR belongs to the line end, wherever the line came from.
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool LineReader::failed() const {
    return std::ferror(file_) != 0;
}

bool read_lines(const std::string& path, std::vector<std::string>& lines) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return false;
    lines.clear();
    LineReader reader(file.get());
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return !reader.failed();
}

void write_crlf_line(std::FILE* file, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::fputs("\r\n", file);
}

} // namespace wtn
