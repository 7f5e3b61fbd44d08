#include "report_folder.h"

#include "file_names.h"
#include "marked_text.h"
#include "text_lines.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace wtn::viewer {

namespace {

bool has_ending(const std::string& name, const std::string& ending) {
    return name.size() >= ending.size() &&
           name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

// Commands of a drawing that reach outside its box: X from the body's left
// edge to its right, Y from the box's top down its lines.
void check_drawing(const Drawing& drawing, Problems& problems) {
    const int min_x = -kDrawingOffsetX;
    const int max_x = kBodyCells * kUnitsPerCell - kDrawingOffsetX;
    const int max_y = drawing.lines * kUnitsPerLine;
    for (const DrawCommand& command : drawing.commands) {
        const std::size_t points = command.letter == 'P' ? 3 : command.letter == 'K' ? 1 : 2;
        bool outside = false;
        for (std::size_t p = 0; p < points; ++p) {
            const int x = command.numbers[2 * p];
            const int y = command.numbers[2 * p + 1];
            outside = outside || x < min_x || x > max_x || y < 0 || y > max_y;
        }
        if (outside)
            problems.push_back({drawing.name, command.line, false,
                                "the command reaches outside the drawing's box"});
        if (command.letter == 'K') {
            for (const std::string& message : decode_drawing_text(command.text).problems)
                problems.push_back({drawing.name, command.line + 1, true, message});
        }
    }
}

// Reads the page file at path, named name in problems, as lines (CR LF or
// LF ends, no CR kept). Returns the fault that leaves its chapter
// incomplete, if any; the lines of a file cut short are kept, so its pages
// still show what it holds. A file ending before its header line is left
// to the page file's parser to report.
std::optional<PageFileFault> read_page_file(const std::string& path, const std::string& name,
                                            std::vector<std::string>& lines, Problems& problems) {
    lines.clear();
    // Only a regular file is opened: a pipe of that name would never end.
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fs::is_regular_file(status) ? std::fopen(path.c_str(), "rb") : nullptr, &std::fclose);
    if (!file) {
        const bool missing = status.type() == fs::file_type::not_found ||
                             (fs::is_regular_file(status) && errno == ENOENT);
        problems.push_back({name, 0, true, missing ? "missing" : "cannot be read"});
        return missing ? PageFileFault::missing : PageFileFault::unreadable;
    }
    LineReader reader(file.get());
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    if (reader.failed()) {
        problems.push_back({name, 0, true, "cannot be read"});
        return PageFileFault::unreadable;
    }
    if (lines.empty()) {
        problems.push_back({name, 0, true, "empty page file"});
        return PageFileFault::empty;
    }
    const bool ended = std::fseek(file.get(), -1, SEEK_END) == 0 && std::fgetc(file.get()) == '\n';
    if (!ended) {
        problems.push_back({name, static_cast<int>(lines.size()), true,
                            "the last line has no line end: the page file was cut short"});
        return PageFileFault::cut;
    }
    if (lines.size() < kPageHeadLines) return PageFileFault::cut;
    return std::nullopt;
}

void lint_file(const std::string& path, ResourceCache& resources, Report& report,
               Problems& problems, std::set<std::string>& drawings_seen) {
    const std::string name = fs::path(path).filename().string();
    std::vector<std::string> lines;
    const bool drawing = has_ending(name, ".PZK");
    const bool page_template = has_ending(name, ".PFM");
    if (!drawing && !page_template) {
        const std::optional<PageFileFault> fault = read_page_file(path, name, lines, problems);
        if (fault == PageFileFault::missing || fault == PageFileFault::unreadable) return;
    } else if (!read_lines(path, lines)) {
        problems.push_back({name, 0, true, "cannot be read"});
        return;
    }
    if (drawing) {
        if (std::optional<Drawing> drawing = parse_drawing(name, lines, problems))
            check_drawing(*drawing, problems);
        drawings_seen.insert(name);
        return;
    }
    if (page_template) {
        if (std::optional<PageTemplate> form = parse_page_template(name, lines, problems)) {
            for (std::size_t i = 0; i < form->lines.size(); ++i) {
                for (const std::string& message : decode_page_text(form->lines[i]).problems)
                    problems.push_back({name, static_cast<int>(i) + 3, true, message});
            }
        }
        return;
    }
    const PageDocument doc = parse_page_file(name, lines, problems);
    lay_out_page_file(doc, resources, report, problems);
    for (const PageEntry& entry : doc.entries) {
        if (entry.drawing_name.empty() || drawings_seen.count(entry.drawing_name)) continue;
        drawings_seen.insert(entry.drawing_name);
        if (std::shared_ptr<const Drawing> drawing =
                resources.drawing(entry.drawing_name, problems))
            check_drawing(*drawing, problems);
    }
}

// Problems of a file read through the cache are reported once, however
// many page files name it.
Problems without_repeats(const Problems& problems) {
    Problems out;
    std::set<std::string> seen;
    for (const Problem& p : problems) {
        if (seen.insert(problem_text(p)).second) out.push_back(p);
    }
    return out;
}

} // namespace

std::vector<std::string> page_file_names(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (is_page_file_name(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string installed_templates_folder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "templates";
    return (self.parent_path() / "templates").string();
}

LoadedReport load_report(const std::string& folder, const std::string& templates_folder) {
    LoadedReport loaded;
    ResourceCache resources({folder, templates_folder});
    for (const std::string& name : page_file_names(folder)) {
        std::vector<std::string> lines;
        const std::optional<PageFileFault> fault =
            read_page_file((fs::path(folder) / name).string(), name, lines, loaded.problems);
        if (fault) loaded.broken.push_back({name, *fault});
        if (fault == PageFileFault::missing || fault == PageFileFault::unreadable) continue;
        const PageDocument doc = parse_page_file(name, lines, loaded.problems);
        lay_out_page_file(doc, resources, loaded.report, loaded.problems);
    }
    loaded.problems = without_repeats(loaded.problems);
    return loaded;
}

std::string broken_report_message(const std::vector<BrokenPageFile>& broken) {
    std::string text;
    for (const BrokenPageFile& page : broken) {
        text += "帳票ファイル(" + page.file + ")";
        switch (page.fault) {
        case PageFileFault::missing:
            text += "がありません。\n";
            break;
        case PageFileFault::unreadable:
            text += "を読み込めません。\n";
            break;
        case PageFileFault::empty:
            text += "が空です。\n";
            break;
        case PageFileFault::cut:
            text += "が途中で切れています。\n";
            break;
        }
    }
    if (!text.empty()) text += "帳票が欠けているため出力できません。もう一度計算してください。";
    return text;
}

Problems lint_report(const std::string& folder, const std::string& templates_folder,
                     const std::vector<std::string>& files, const GlyphInk& ink) {
    Problems problems;
    ResourceCache resources({folder, templates_folder});
    Report report;
    std::set<std::string> drawings_seen;
    if (files.empty()) {
        for (const std::string& name : page_file_names(folder))
            lint_file((fs::path(folder) / name).string(), resources, report, problems,
                      drawings_seen);
    } else {
        for (const std::string& path : files)
            lint_file(path, resources, report, problems, drawings_seen);
    }
    if (ink) {
        const Problems overlaps = overlap_problems(report, ink);
        problems.insert(problems.end(), overlaps.begin(), overlaps.end());
    }
    return without_repeats(problems);
}

} // namespace wtn::viewer
