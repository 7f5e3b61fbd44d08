#include "chooser_exchange.h"

#include "file_io.h"
#include "number_field.h"
#include "text_lines.h"
#include "text_trim.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace wtn {
namespace {

// Spaces and tabs around a value are padding.
constexpr std::string_view kBlanks = kBlanksAndTabs;

bool parse_level(const std::string& text, double& value) {
    const std::string t = trim_blanks(text, kBlanks);
    if (t.empty()) return false;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    return ec == std::errc() && end == t.data() + t.size() && std::isfinite(value);
}

} // namespace

bool read_chooser_request(const std::string& path, ChooserRequest& request, std::string& error) {
    request = ChooserRequest{};
    if (!read_lines(path, request.lines)) {
        error = "cannot read " + path;
        return false;
    }
    // A trailing empty line is only the end of the last line.
    while (!request.lines.empty() && trim_blanks(request.lines.back(), kBlanks).empty())
        request.lines.pop_back();
    const std::optional<int> case_index =
        request.lines.empty() ? std::nullopt : whole_integer_field(request.lines[0], kBlanks);
    if (!case_index || (*case_index != 0 && *case_index != 1)) {
        error = "line 1 of " + path + " is not a case index 0 or 1";
        return false;
    }
    request.case_index = *case_index;
    for (std::size_t i = 1; i < request.lines.size(); ++i) {
        double level = 0.0;
        if (!parse_level(request.lines[i], level)) {
            error = "line " + std::to_string(i + 1) + " of " + path + " is not a level";
            return false;
        }
        request.levels.push_back(level);
    }
    if (request.levels.empty()) {
        error = path + " holds no candidate level";
        return false;
    }
    return true;
}

bool write_chooser_choice(const std::string& path, const ChooserRequest& request, int index) {
    std::unique_ptr<std::FILE, bool (*)(std::FILE*)> file(open_rewrite(path), &close_rewrite);
    if (!file) return false;
    write_crlf_line(file.get(), std::to_string(index));
    for (std::size_t i = 1; i < request.lines.size(); ++i)
        write_crlf_line(file.get(), request.lines[i]);
    const bool failed = std::ferror(file.get()) != 0;
    return close_rewrite(file.release()) && !failed;
}

std::string program_beside_self(const std::string& name) {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof self) return name;
    const std::string_view path(self, static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return name;
    return std::string(path.substr(0, slash + 1)) + name;
}

} // namespace wtn
