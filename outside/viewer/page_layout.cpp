#include "page_layout.h"

#include "cp932_codec.h"
#include "text_lines.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace wtn::viewer {

namespace {

std::vector<PlacedGlyph> place_glyphs(const std::vector<Glyph>& glyphs, int first_cell,
                                      int value_line = 0) {
    std::vector<PlacedGlyph> out;
    int cell = first_cell;
    for (const Glyph& g : glyphs) {
        out.push_back({cell, g, value_line});
        cell += g.cells;
    }
    return out;
}

int row_end(const TextRow& row) {
    return row.glyphs.empty() ? 0 : row.glyphs.back().cell + row.glyphs.back().glyph.cells;
}

TextRow page_text_row(int line, std::string_view cp932, const std::string& file, int file_line,
                      Problems& problems) {
    MarkedText text = decode_page_text(cp932);
    for (const std::string& message : text.problems)
        problems.push_back({file, file_line, true, message});
    return {line, place_glyphs(text.glyphs, 0), file, file_line};
}

bool is_blank_glyph(const Glyph& g) {
    return g.text == " " || g.text == "\xe3\x80\x80"; // blank or ideographic blank
}

// Puts a value's glyphs over the template row from cell on; template glyphs
// under them give way. True when a non-blank template glyph was covered.
bool overlay(TextRow& row, const std::vector<Glyph>& value, int cell, int value_line) {
    const int end = cell + cell_count(value);
    bool covered_text = false;
    std::vector<PlacedGlyph> kept;
    for (PlacedGlyph& g : row.glyphs) {
        const bool hit = g.cell < end && g.cell + g.glyph.cells > cell;
        if (!hit) {
            kept.push_back(std::move(g));
            continue;
        }
        if (!is_blank_glyph(g.glyph)) covered_text = true;
    }
    for (PlacedGlyph& g : place_glyphs(value, cell, value_line))
        kept.push_back(std::move(g));
    std::sort(kept.begin(), kept.end(),
              [](const PlacedGlyph& a, const PlacedGlyph& b) { return a.cell < b.cell; });
    row.glyphs = std::move(kept);
    return covered_text;
}

TextRow& row_at(BlockContent& block, int line) {
    for (TextRow& row : block.rows) {
        if (row.line == line) return row;
    }
    block.rows.push_back({line, {}, {}, 0});
    return block.rows.back();
}

void fill_template(BlockContent& block, const PageEntry& entry, const PageTemplate& form,
                   const std::string& file, Problems& problems) {
    for (std::size_t i = 0; i < form.lines.size(); ++i)
        block.rows.push_back(page_text_row(static_cast<int>(i), form.lines[i], form.name,
                                           static_cast<int>(i) + 3, problems));
    for (const ValueLine& value : entry.values) {
        // A template may show one value in several places (a unit after two
        // quantities, a term repeated in a formula): it goes to each of them.
        std::vector<const TemplateField*> fields;
        for (const TemplateField& f : form.fields) {
            if (f.code == value.code) fields.push_back(&f);
        }
        if (fields.empty()) {
            problems.push_back(
                {file, value.line, true,
                 "code " + std::to_string(value.code) + " is not a field of " + form.name});
            continue;
        }
        MarkedText text = decode_page_text(value.text);
        for (const std::string& message : text.problems)
            problems.push_back({file, value.line, true, message});
        for (const TemplateField* field : fields) {
            if (overlay(row_at(block, field->line - 1), text.glyphs, field->column, value.line))
                problems.push_back({file, value.line, false,
                                    "the value of code " + std::to_string(value.code) +
                                        " overlays text of " + form.name});
        }
    }
}

void fill_fallback(BlockContent& block, const PageEntry& entry, const std::string& file,
                   Problems& problems) {
    const std::string head = utf8_to_cp932("〔") + entry.template_name + utf8_to_cp932("〕");
    block.rows.push_back(page_text_row(0, head, file, entry.line, problems));
    int line = 1;
    for (const ValueLine& value : entry.values) {
        char code[8];
        std::snprintf(code, sizeof code, "%02d  ", value.code);
        block.rows.push_back(page_text_row(line++, code + value.text, file, value.line, problems));
    }
}

} // namespace

std::string ResourceCache::find(const std::string& name) const {
    for (const std::string& folder : folders_) {
        const std::filesystem::path path = std::filesystem::path(folder) / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) return path.string();
    }
    return {};
}

const PageTemplate* ResourceCache::page_template(const std::string& name, Problems& problems) {
    auto it = templates_.find(name);
    if (it == templates_.end()) {
        std::optional<PageTemplate> form;
        std::vector<std::string> lines;
        const std::string path = find(name);
        if (!path.empty() && read_lines(path, lines))
            form = parse_page_template(name, lines, problems);
        it = templates_.emplace(name, std::move(form)).first;
    }
    return it->second ? &*it->second : nullptr;
}

std::shared_ptr<const Drawing> ResourceCache::drawing(const std::string& name, Problems& problems) {
    auto it = drawings_.find(name);
    if (it == drawings_.end()) {
        std::shared_ptr<const Drawing> drawing;
        std::vector<std::string> lines;
        const std::string path = find(name);
        if (!path.empty() && read_lines(path, lines)) {
            if (std::optional<Drawing> read = parse_drawing(name, lines, problems))
                drawing = std::make_shared<const Drawing>(std::move(*read));
        }
        it = drawings_.emplace(name, std::move(drawing)).first;
    }
    return it->second;
}

BlockContent build_block(const PageEntry& entry, const std::string& page_file,
                         ResourceCache& resources, Problems& problems) {
    BlockContent block;
    int drawing_line = 0;
    if (!entry.template_name.empty()) {
        const PageTemplate* form = resources.page_template(entry.template_name, problems);
        if (form != nullptr) {
            fill_template(block, entry, *form, page_file, problems);
            drawing_line =
                form->drawing_line ? *form->drawing_line - 1 : static_cast<int>(form->lines.size());
        } else {
            problems.push_back({page_file, entry.line, true,
                                "missing template " + cp932_to_utf8_lossy(entry.template_name)});
            fill_fallback(block, entry, page_file, problems);
            drawing_line = static_cast<int>(block.rows.size());
        }
    } else if (!entry.values.empty()) {
        problems.push_back({page_file, entry.values.front().line, true,
                            "value lines after a block without a template"});
    }
    for (TextRow& row : block.rows) {
        if (row_end(row) > kBodyCells)
            problems.push_back({page_file, entry.line, false,
                                "a line of " + cp932_to_utf8_lossy(entry.template_name) +
                                    " is wider than the body (" + std::to_string(row_end(row)) +
                                    " cells)"});
        block.height = std::max(block.height, row.line + 1);
    }
    if (!entry.drawing_name.empty()) {
        DrawingBox box;
        box.line = drawing_line;
        box.name = entry.drawing_name;
        box.drawing = resources.drawing(entry.drawing_name, problems);
        box.lines = box.drawing ? box.drawing->lines : kMissingDrawingLines;
        if (!box.drawing)
            problems.push_back({page_file, entry.line, true,
                                "missing drawing " + cp932_to_utf8_lossy(entry.drawing_name)});
        block.height = std::max(block.height, box.line + box.lines);
        block.drawings.push_back(std::move(box));
    }
    return block;
}

namespace {

class PageFileLayout {
  public:
    PageFileLayout(const PageDocument& doc, ResourceCache& resources, Report& report,
                   Problems& problems)
        : doc_(doc), resources_(resources), report_(report), problems_(problems) {}

    void run() {
        report_.chapters.push_back(
            {doc_.file_name, doc_.title, static_cast<int>(report_.pages.size())});
        start_page();
        for (const PageEntry& entry : doc_.entries)
            take(entry);
    }

  private:
    void take(const PageEntry& entry) {
        switch (entry.kind) {
        case EntryKind::block:
            if (entry.new_page && used_ > 0) start_page();
            place(build_block(entry, doc_.file_name, resources_, problems_));
            break;
        case EntryKind::reserve:
            if (used_ > 0 && kBodyLines - used_ < entry.reserve_lines) break_page();
            break;
        case EntryKind::table_begin:
            in_table_ = true;
            break;
        case EntryKind::heading:
            heading_ = build_block(entry, doc_.file_name, resources_, problems_);
            break;
        case EntryKind::footing:
            footing_ = build_block(entry, doc_.file_name, resources_, problems_);
            break;
        case EntryKind::clear_heading:
            heading_.reset();
            break;
        case EntryKind::clear_footing:
            footing_.reset();
            break;
        case EntryKind::table_end:
            in_table_ = false;
            heading_.reset();
            footing_.reset();
            break;
        }
    }

    int footing_height() const { return in_table_ && footing_ ? footing_->height : 0; }

    void place(const BlockContent& block) {
        // A block that does not fit moves on; one taller than a page cannot
        // fit any page and is split from where it stands.
        const bool taller_than_page = block.height > kBodyLines;
        if (!taller_than_page && used_ > 0 &&
            used_ + block.height + footing_height() > kBodyLines) {
            if (in_table_ && footing_) put(*footing_, 0, footing_->height);
            break_page();
        }
        int from = 0;
        while (block.height - from > room() && room() > 0) {
            const int take = room();
            put(block, from, from + take);
            from += take;
            if (in_table_ && footing_) put(*footing_, 0, footing_->height);
            break_page();
        }
        put(block, from, block.height);
    }

    // Lines left on the page for a block, the footing's lines kept free.
    int room() const { return kBodyLines - used_ - footing_height(); }

    // Puts lines [from, to) of block at the current line.
    void put(const BlockContent& block, int from, int to) {
        LaidPage& page = report_.pages.back();
        for (const TextRow& row : block.rows) {
            if (row.line < from || row.line >= to) continue;
            page.rows.push_back({used_ + row.line - from, row.glyphs, row.source, row.source_line});
        }
        for (const DrawingBox& box : block.drawings) {
            if (box.line < from || box.line >= to) continue;
            DrawingBox placed = box;
            placed.line = used_ + box.line - from;
            page.drawings.push_back(std::move(placed));
        }
        used_ += to - from;
    }

    void start_page() {
        LaidPage page;
        page.chapter = static_cast<int>(report_.chapters.size()) - 1;
        page.title = doc_.title;
        page.stamp = doc_.stamp;
        page.data_name = doc_.data_name;
        report_.pages.push_back(std::move(page));
        used_ = 0;
    }

    // A new page; inside a table its heading comes first.
    void break_page() {
        start_page();
        if (in_table_ && heading_) {
            put(*heading_, 0, std::min(heading_->height, kBodyLines / 2));
        }
    }

    const PageDocument& doc_;
    ResourceCache& resources_;
    Report& report_;
    Problems& problems_;
    int used_ = 0; // lines taken on the current page
    bool in_table_ = false;
    std::optional<BlockContent> heading_;
    std::optional<BlockContent> footing_;
};

} // namespace

void lay_out_page_file(const PageDocument& doc, ResourceCache& resources, Report& report,
                       Problems& problems) {
    PageFileLayout(doc, resources, report, problems).run();
}

} // namespace wtn::viewer
