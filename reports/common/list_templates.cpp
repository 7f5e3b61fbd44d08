#include "list_templates.h"

#include "cp932_codec.h"
#include "page_file.h"
#include "text_lines.h"

namespace wtn {

namespace {

struct ListBlock {
    std::vector<std::string> lines;
};

// The blocks of the list file. Only the first piece of a line can be a
// marker; text before the first marker belongs to no block and is dropped.
std::vector<ListBlock> read_list_blocks(const std::string& name) {
    CFile file = open_or_stop(name, "rt");
    LineReader reader(file.get());
    std::vector<ListBlock> blocks;
    std::string line;
    while (reader.next(line)) {
        if (!line.empty() && line[0] == '@') {
            blocks.emplace_back();
            continue;
        }
        if (blocks.empty()) continue;
        for (std::string& piece : list_line_pieces(line))
            blocks.back().lines.push_back(std::move(piece));
    }
    return blocks;
}

void write_closed(CFile& file, const std::string& name) {
    close_written_or_stop(file, name);
}

} // namespace

ListTemplateFiles design_condition_list_files(CompletedCases cases) {
    ListTemplateFiles files{
        "PFMTEMP.TMP", "PFMCNT.TMP", "DSKLST", "JD000JKN.PDT", "完成時         :設計条件", {}};
    if (cases == CompletedCases::NormalOnly || cases == CompletedCases::Both)
        files.trailing_lines.push_back(template_line(BlockStart::new_page, "", "JOKEN_Z0.PZK"));
    if (cases == CompletedCases::SeismicOnly || cases == CompletedCases::Both)
        files.trailing_lines.push_back(template_line(BlockStart::new_page, "", "JOKEN_Z1.PZK"));
    return files;
}

ListTemplateFiles wave_condition_list_files(std::string_view index_title) {
    return {"PFMTEMP.TMP",
            "PFMCNT.TMP",
            "WSKLST",
            "JW000JKN.PDT",
            std::string(index_title),
            {template_line(BlockStart::new_page, "", "W_JOKENZ.PZK")}};
}

ListTemplateFiles check_list_files() {
    return {"CHKLIST.TMP", "CHKCNT.TMP", "CHKLST", "AUDSHEET.PDT", "入力データチェックリスト", {}};
}

std::string list_template_name(const ListTemplateFiles& files, int number) {
    return files.template_prefix + std::to_string(number) + ".PFM";
}

ListWriter::ListWriter(const std::string& name) : file_(open_or_stop(name, "wt")), name_(name) {}

void ListWriter::marker(int label) {
    write_crlf_line(file_.get(), "@-" + std::to_string(label));
}

void ListWriter::line(std::string_view text) {
    write_crlf_line(file_.get(), text);
}

void ListWriter::close() {
    write_closed(file_, name_);
}

std::vector<std::string> list_line_pieces(std::string_view line) {
    std::vector<std::string> pieces;
    do {
        std::size_t length = cp932_fit(line, kListLinePiece);
        // A lone lead byte at the end of a malformed line still moves on.
        if (length == 0 && !line.empty()) length = 1;
        pieces.emplace_back(line.substr(0, length));
        line.remove_prefix(length);
    } while (!line.empty());
    return pieces;
}

int generate_list_templates(const ListTemplateFiles& files, const RunInfo& info) {
    const std::vector<ListBlock> blocks = read_list_blocks(files.list_file);

    CFile counts = open_or_stop(files.count_file, "wt");
    for (const ListBlock& block : blocks)
        write_crlf_line(counts.get(), std::to_string(block.lines.size()));
    write_closed(counts, files.count_file);

    for (std::size_t j = 0; j < blocks.size(); ++j) {
        const std::string name = list_template_name(files, static_cast<int>(j));
        CFile out = open_or_stop(name, "wt");
        write_crlf_line(out.get(), name);
        write_crlf_line(out.get(), std::to_string(blocks[j].lines.size()));
        for (const std::string& text : blocks[j].lines)
            write_crlf_line(out.get(), text);
        write_closed(out, name);
    }

    PageFile index(files.index_file, files.index_title, info);
    for (std::size_t j = 0; j < blocks.size(); ++j)
        index.block(BlockStart::same_page, list_template_name(files, static_cast<int>(j)));
    for (const std::string& text : files.trailing_lines)
        index.raw_line(text);
    index.close();
    return static_cast<int>(blocks.size());
}

} // namespace wtn
