// Lays the page files of a report out on pages: a body of 92 half-width cells
// by 67 lines under a page head. Each page file starts a page; "$1" breaks,
// "$0" continues; a block that does not fit moves to the next page (one
// taller than a page is split); "$R n" breaks when fewer than n lines remain
// on a page that holds something; inside a table ("$T" .. "$L") the heading
// is repeated atop each continuation page and the footing closes each page
// where the table breaks, its lines kept free under every row.
#pragma once

#include "marked_text.h"
#include "report_files.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace wtn::viewer {

inline constexpr int kBodyCells = 92;
inline constexpr int kBodyLines = 67;
// Page units from the left of the body to a drawing's X origin, so that a
// 3900-wide frame stands in the middle of the 4600-wide body.
inline constexpr int kDrawingOffsetX = 350;
// Height of the empty box standing in for a drawing that cannot be found.
inline constexpr int kMissingDrawingLines = 10;

struct PlacedGlyph {
    int cell = 0; // half-width cell from the left of the body
    Glyph glyph;
    int value_line = 0; // line of the page file whose value put it here; 0: the row's own text
};

struct TextRow {
    int line = 0; // body line (0-based)
    std::vector<PlacedGlyph> glyphs;
    std::string source; // the template (or page file) the row's own text comes from
    int source_line = 0;
};

struct DrawingBox {
    int line = 0;                           // body line of the box's top
    int lines = 0;                          // box height in lines
    std::shared_ptr<const Drawing> drawing; // null: the drawing was not found
    std::string name;
};

struct LaidPage {
    int chapter = 0;
    std::string title; // UTF-8
    std::string stamp;
    std::string data_name;
    std::vector<TextRow> rows;
    std::vector<DrawingBox> drawings;
};

struct Chapter {
    std::string file_name;
    std::string title;
    int first_page = 0;
};

struct Report {
    std::vector<Chapter> chapters;
    std::vector<LaidPage> pages;
};

// Finds and reads the templates and drawings a page file names: first in
// each of the search folders in order; every file is read once.
class ResourceCache {
  public:
    explicit ResourceCache(std::vector<std::string> folders) : folders_(std::move(folders)) {}
    // Path of name in the first folder holding it, or "".
    std::string find(const std::string& name) const;
    const PageTemplate* page_template(const std::string& name, Problems& problems);
    std::shared_ptr<const Drawing> drawing(const std::string& name, Problems& problems);

  private:
    std::vector<std::string> folders_;
    std::map<std::string, std::optional<PageTemplate>> templates_;
    std::map<std::string, std::shared_ptr<const Drawing>> drawings_;
};

// The laid-out content of one block, its lines counted from the block's top.
struct BlockContent {
    std::vector<TextRow> rows;
    std::vector<DrawingBox> drawings;
    int height = 0;
};

// Builds a block from its template, values and drawing. Problems name the
// page file: missing templates and drawings and undeclared codes are errors;
// a value overlaying template text and a line wider than the body warnings.
BlockContent build_block(const PageEntry& entry, const std::string& page_file,
                         ResourceCache& resources, Problems& problems);

// Appends the pages of one page file to report as a new chapter.
void lay_out_page_file(const PageDocument& doc, ResourceCache& resources, Report& report,
                       Problems& problems);

} // namespace wtn::viewer
