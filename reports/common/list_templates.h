// Free-running text lists (the design-condition lists and the input check
// list) become page templates generated at run time: the list writer writes
// the list as blocks, each opened by a marker line "@..."; the generator
// counts the text lines of each block, writes one template per block (its
// name, its line count, its lines) and an index page file naming them in
// order, followed by the program's trailing drawing lines.
#pragma once

#include "file_io.h"
#include "run_info.h"
#include "wall_codes.h"

#include <string>
#include <string_view>
#include <vector>

namespace wtn {

// Longest piece of a list line read at once; a longer line is cut into
// pieces at whole characters and each piece is a line of its own.
inline constexpr std::size_t kListLinePiece = 255;

struct ListTemplateFiles {
    std::string list_file;       // "PFMTEMP.TMP"
    std::string count_file;      // "PFMCNT.TMP"
    std::string template_prefix; // "DSKLST": templates DSKLST0.PFM, DSKLST1.PFM, ...
    std::string index_file;      // "JD000JKN.PDT"
    std::string index_title;
    std::vector<std::string> trailing_lines; // written after the template lines
};

// The completed-state design-condition list; the completed-state cases
// decide the full-page drawings after the list (the normal case's, the
// seismic case's or both; none for a code outside the list).
ListTemplateFiles design_condition_list_files(CompletedCases cases);
// The construction-stage design-condition list with its index title.
ListTemplateFiles wave_condition_list_files(std::string_view index_title);
// The input check list.
ListTemplateFiles check_list_files();

// Name of the template of block number (from 0): prefix, number, ".PFM".
std::string list_template_name(const ListTemplateFiles& files, int number);

// Writer of the list file: opened "wt" through open_or_stop.
class ListWriter {
  public:
    explicit ListWriter(const std::string& name);
    // A marker line "@-label" that starts a block.
    void marker(int label);
    void line(std::string_view text);
    // Closes the file; a failed write stops the program naming the file.
    void close();

  private:
    CFile file_;
    std::string name_;
};

// Splits one list line into pieces of at most kListLinePiece bytes, each cut
// at a whole character. An empty line is one empty piece.
std::vector<std::string> list_line_pieces(std::string_view line);

// Reads the closed list file and writes the count file, the templates and the
// index page file. Every file is opened through open_or_stop: one that cannot
// be opened stops the program with the message naming it, so a run never
// reports a list that was not written. Returns the number of templates.
int generate_list_templates(const ListTemplateFiles& files, const RunInfo& info);

} // namespace wtn
