#include "page_file.h"

#include "error_messages.h"
#include "format_values.h"
#include "text_lines.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace wtn {

namespace {

// Test builds check every template and code against the program's table;
// released programs write what they are given.
#ifdef NDEBUG
constexpr bool kCheckTemplateUse = false;
#else
constexpr bool kCheckTemplateUse = true;
#endif

std::string code_text(int code) {
    return format_text("%02d", code);
}

} // namespace

std::string page_header_line(const RunInfo& info) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%4d%4d%4d%4d%4d%4d        ", info.year, info.month,
                  info.day, info.hour, info.minute, info.second);
    return stamp + info.data_name;
}

std::string template_line(BlockStart start, std::string_view template_name,
                          std::string_view drawing) {
    std::string text = start == BlockStart::new_page ? "$1" : "$0";
    text.append(kPageTextColumn - text.size(), ' ');
    text += template_name;
    if (drawing.empty()) return text;
    if (text.size() < kDrawingNameColumn) text.append(kDrawingNameColumn - text.size(), ' ');
    text += drawing;
    return text;
}

PageFile::PageFile(const std::string& name, std::string_view title, const RunInfo& info,
                   const TemplateTable* table)
    : PageFile(open_or_stop(name, "wt"), name, title, info, table) {}

PageFile::PageFile(CFile file, const std::string& name, std::string_view title, const RunInfo& info,
                   const TemplateTable* table)
    : file_(std::move(file)), name_(name), table_(table) {
    start(title, info);
}

void PageFile::start(std::string_view title, const RunInfo& info) {
    line(title);
    line(page_header_line(info));
}

void PageFile::select_template(std::string_view template_name) {
    current_ = nullptr;
    if (!kCheckTemplateUse || table_ == nullptr) return;
    current_ = find_template_use(*table_, template_name);
    if (current_ == nullptr)
        stop_with_error("(ERROR)-帳票様式(" + std::string(template_name) +
                        ")が登録されていません.");
}

void PageFile::block(BlockStart start, std::string_view template_name, std::string_view drawing) {
    select_template(template_name);
    line(template_line(start, template_name, drawing));
}

void PageFile::drawing_block(BlockStart start, std::string_view drawing) {
    current_ = nullptr;
    line(template_line(start, "", drawing));
}

void PageFile::value(int code, std::string_view text) {
    if (current_ != nullptr) {
        const std::vector<int> codes = template_codes(*current_);
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            stop_with_error("(ERROR)-帳票様式(" + std::string(current_->name) + ")に項目" +
                            code_text(code) + "がありません.");
    }
    std::string out = code_text(code);
    if (!text.empty()) {
        out += "  ";
        out += text;
    }
    line(out);
}

void PageFile::formatted(int code, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = format_values(format, args);
    va_end(args);
    value(code, text);
}

void PageFile::reserve(int lines) {
    line("$R  " + std::to_string(lines));
}

void PageFile::table_begin() {
    line("$T");
}

void PageFile::heading(std::string_view name) {
    select_template(name);
    line("$H  " + std::string(name));
}

void PageFile::footing(std::string_view name) {
    select_template(name);
    line("$F  " + std::string(name));
}

void PageFile::clear_heading_and_footing() {
    current_ = nullptr;
    line("$H");
    line("$F");
}

void PageFile::table_end() {
    line("$L");
}

void PageFile::raw_line(std::string_view text) {
    line(text);
}

void PageFile::line(std::string_view text) {
    write_crlf_line(file_.get(), text);
}

void PageFile::close() {
    close_written_or_stop(file_, name_);
}

} // namespace wtn
