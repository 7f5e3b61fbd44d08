#include "text_file.h"

#include "cp932_codec.h"
#include "number_text.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace wtn {

std::vector<std::string> read_text_file(const std::string& path) {
    bool last_line_ended = true;
    return read_text_file(path, last_line_ended);
}

std::vector<std::string> read_text_file(const std::string& path, bool& last_line_ended) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DataError("ファイル「" + path + "」が開けません。");
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw DataError("ファイル「" + path + "」が読み込めません。");
    std::string text;
    try {
        text = cp932_to_utf8(bytes);
    } catch (const CodecError&) {
        throw DataError("ファイル「" + path + "」にシフトJISでない文字があります。");
    }
    last_line_ended = text.empty() || text.back() == '\n';
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void write_text_file(const std::string& path, const std::vector<std::string>& lines) {
    std::string utf8;
    for (const auto& line : lines) {
        utf8 += line;
        utf8 += "\r\n";
    }
    std::string bytes;
    try {
        bytes = utf8_to_cp932(utf8);
    } catch (const CodecError&) {
        throw DataError("ファイル「" + path +
                        "」に書けない文字があります（シフトJISにない文字）。");
    }
    // The file a link leads to is the one replaced, so the link stays a link.
    std::string target = path;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    // A file that exists is replaced as writing into it would: only when it
    // may be written, and keeping its permission bits.
    struct stat existing {};
    const bool replaces = ::stat(target.c_str(), &existing) == 0;
    if (replaces && ::access(target.c_str(), W_OK) != 0)
        throw DataError("ファイル「" + path + "」は書き込みが許可されていません。");
    const std::string temp = target + ".tmp~";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) throw DataError("ファイル「" + path + "」が作成できません。");
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    if (replaces) ok = ::fchmod(::fileno(file), existing.st_mode & 07777) == 0 && ok;
    ok = ::fsync(::fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        throw DataError("ファイル「" + path + "」に書き込めません。");
    }
}

bool file_exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string join_path(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

} // namespace wtn
