// Writer of a report page file (.PDT): the title line, the header line with
// the run stamp and data name, then blocks that name a page template and give
// the texts of its fields, and the directives for page breaks and tables.
// Every line ends with CR LF. Field texts are written as given: a caller
// escapes user text with user_field / escape_user_text first.
#pragma once

#include "file_io.h"
#include "run_info.h"
#include "template_use.h"

#include <optional>
#include <string>
#include <string_view>

namespace wtn {

// "$1" starts the block on a new page, "$0" places it after the previous one.
enum class BlockStart { new_page, same_page };

// Column (0-based) where a drawing name stands on a template line.
inline constexpr std::size_t kDrawingNameColumn = 20;
// Column where a template name or a value text starts.
inline constexpr std::size_t kPageTextColumn = 4;

// "%4d%4d%4d%4d%4d%4d        %s" from the run stamp and the data name.
std::string page_header_line(const RunInfo& info);

// "$1  NAME", "$0  NAME    DRAWING" or, without a template, "$1" and blanks
// up to the drawing column, then the drawing.
std::string template_line(BlockStart start, std::string_view template_name,
                          std::string_view drawing = {});

class PageFile {
  public:
    // Creates name ("wt") through open_or_stop, which stops the program with
    // "印字用ファイル(name)がオープンできません." when it cannot, and writes
    // the title and header lines. table: the program's templates; a test
    // build refuses a template or code outside it (nullptr: no check).
    PageFile(const std::string& name, std::string_view title, const RunInfo& info,
             const TemplateTable* table = nullptr);
    // The same for a file the caller has opened itself.
    PageFile(CFile file, const std::string& name, std::string_view title, const RunInfo& info,
             const TemplateTable* table = nullptr);
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    void block(BlockStart start, std::string_view template_name, std::string_view drawing = {});
    void drawing_block(BlockStart start, std::string_view drawing);
    // "NN  text", or the bare code "NN" for an empty text.
    void value(int code, std::string_view text);
    // A value line whose text is formatted printf-style, as long as it needs.
    void formatted(int code, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // "$R  n": the blocks up to the end of the group take about n lines.
    void reserve(int lines);
    void table_begin();                  // "$T"
    void heading(std::string_view name); // "$H  name"
    void footing(std::string_view name); // "$F  name"
    void clear_heading_and_footing();    // "$H", "$F"
    void table_end();                    // "$L"
    // Any other line, written as given.
    void raw_line(std::string_view text);

    // Closes the file; a failed write stops the program naming the file.
    void close();
    const std::string& name() const { return name_; }

  private:
    void start(std::string_view title, const RunInfo& info);
    void select_template(std::string_view template_name);
    void line(std::string_view text);

    CFile file_;
    std::string name_;
    const TemplateTable* table_ = nullptr;
    const TemplateUse* current_ = nullptr;
};

} // namespace wtn
