#include "pile_catalogue.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "text_lines.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

// Every pile of one installed catalogue file, in file order.
void read_catalogue_file(const std::string& name, const std::string& file_kind,
                         const CatalogueLayout& layout, PileTable& rows) {
    for_each_catalogue_pile_line(name, file_kind, layout, [&](const CsvLine& line) {
        rows.push_back(catalogue_pile(line, layout, name));
    });
}

PileTable read_installed(bool pc) {
    PileTable rows;
    const int files = pc ? kPcCatalogueCount : kSteelCatalogueCount;
    for (int number = 1; number <= files; ++number) {
        if (pc) {
            read_catalogue_file(pc_catalogue_name(number), "PC矢板データファイル",
                                kPcCatalogueLayout, rows);
        } else {
            read_catalogue_file(steel_catalogue_name(number), "矢板データファイル",
                                kSteelCatalogueLayout, rows);
        }
    }
    return rows;
}

bool in_list(const PileIdList& list, int id) {
    return std::find(list.ids.begin(), list.ids.begin() + list.count, id) !=
           list.ids.begin() + list.count;
}

PileTable select_installed(const InputRecord& input, bool pc) {
    const PileTable rows = read_installed(pc);
    PileTable table;
    const PileIdList& ids = input.catalogue_piles;
    for (int k = 0; k < ids.count; ++k) {
        const int id = ids.ids[k];
        const auto found = std::find_if(rows.begin(), rows.end(),
                                        [id](const PileRecord& p) { return p.id == id; });
        if (found == rows.end()) {
            stop_with_error(
                std::string(pc ? "(ERROR)-PC矢板データファイル" : "(ERROR)-矢板データファイル") +
                "に選択された矢板(番号 " + std::to_string(id) + ")がありません.");
        }
        PileRecord pile = *found;
        pile.selected = 1;
        pile.added = kInstalledCatalogue;
        table.push_back(pile);
    }
    return table;
}

PileTable all_installed(const InputRecord& input, bool pc) {
    PileTable rows = read_installed(pc);
    for (PileRecord& pile : rows)
        pile.selected = in_list(input.catalogue_piles, pile.id) ? 1 : 0;
    return rows;
}

const char* added_file_name(int kind) {
    return kind == kAddedPc ? kPcAddedFileName : kSteelAddedFileName;
}

// The rows of a user catalogue: its first line holds the number of rows.
// False when the file cannot be opened; stops when it ends before that count.
bool read_added_file(int kind, PileTable& rows) {
    const std::string name = added_file_name(kind);
    CFile file = open_file(name, "rt");
    if (!file) return false;
    LineReader reader(file.get());
    std::string line;
    CsvLine first;
    reader.next(line);
    split_csv_line(line, first);
    CsvLine pile_line;
    const int count = first.integer(unquoted_field_index(kUserCatalogueCountField));
    for (int i = 0; i < count; ++i) {
        if (!reader.next(line)) {
            stop_with_error("(ERROR)-追加矢板ファイル(" + name + ")の矢板が " +
                            std::to_string(count) + " 件に足りません.");
        }
        split_csv_line(line, pile_line);
        rows.push_back(catalogue_pile(pile_line, kUserCatalogueLayout, name));
    }
    return true;
}

[[noreturn]] void stop_added_file_missing() {
    stop_with_error("追加矢板ファイルがオープンできません.");
}

} // namespace

PileRecord catalogue_pile(const CsvLine& line, const CatalogueLayout& layout,
                          const std::string& file_name) {
    PileRecord pile;
    pile.id = line.integer(unquoted_field_index(kCatalogueIdField));
    pile.name = line.text(0);
    const auto section_value = [&](int field) {
        const std::size_t item = unquoted_field_index(field);
        const double value = line.real(item);
        if (!std::isfinite(value)) {
            stop_with_error("(ERROR)-矢板データファイル(" + file_name + ")の矢板(番号 " +
                            std::to_string(pile.id) + ")の断面性能が読めません(" +
                            line.field(item) + ").");
        }
        return value;
    };
    pile.inertia = section_value(layout.inertia);
    pile.modulus = section_value(layout.modulus);
    if (layout.moment != 0) pile.moment = section_value(layout.moment);
    return pile;
}

void for_each_catalogue_pile_line(const std::string& name, const std::string& file_kind,
                                  const CatalogueLayout& layout,
                                  const std::function<void(const CsvLine&)>& take) {
    CFile file = open_file(name, "rt");
    if (!file) stop_with_error(file_kind + "(" + name + ")がオープンできません.");
    LineReader reader(file.get());
    std::string text;
    while (reader.next(text)) {
        if (!is_catalogue_pile_line(text)) continue;
        CsvLine line;
        split_csv_line(text, line);
        take(line);
        // The lines after a concrete pile's first line belong to the same pile.
        for (int i = 1; i < layout.lines_per_pile; ++i)
            reader.next(text);
    }
    if (reader.failed()) stop_with_error(file_kind + "(" + name + ")が読み込めません.");
}

PileTable read_steel_piles(const InputRecord& input) {
    return select_installed(input, false);
}
PileTable read_pc_piles(const InputRecord& input) {
    return select_installed(input, true);
}
PileTable read_all_steel_piles(const InputRecord& input) {
    return all_installed(input, false);
}
PileTable read_all_pc_piles(const InputRecord& input) {
    return all_installed(input, true);
}

void read_added_piles(const InputRecord& input, int kind, PileTable& table) {
    const PileIdList& ids = input.added_piles;
    if (ids.count == 0) return;
    PileTable rows;
    if (!read_added_file(kind, rows)) stop_added_file_missing();
    for (int k = 0; k < ids.count; ++k) {
        const int id = ids.ids[k];
        if (std::none_of(rows.begin(), rows.end(),
                         [id](const PileRecord& p) { return p.id == id; })) {
            stop_with_error("(ERROR)-追加矢板ファイル(" + std::string(added_file_name(kind)) +
                            ")に選択された矢板(番号 " + std::to_string(id) + ")がありません.");
        }
    }
    for (PileRecord& pile : rows) {
        if (!in_list(ids, pile.id)) continue;
        pile.selected = 1;
        pile.added = kUserCatalogue;
        table.push_back(pile);
    }
}

int read_all_added_piles(const InputRecord& input, int kind, PileTable& table) {
    PileTable rows;
    if (!read_added_file(kind, rows)) return 0;
    for (PileRecord& pile : rows) {
        pile.selected = in_list(input.added_piles, pile.id) ? 1 : 0;
        pile.added = kUserCatalogue;
        table.push_back(pile);
    }
    return static_cast<int>(rows.size());
}

void write_selected_added_piles(const InputRecord& input, const RunInfo& run_info) {
    const PileType pile_type = input.joken.pile_type;
    if (!is_pile_of_free_choice(pile_type) || input.added_piles.count == 0) return;
    PileTable rows;
    if (!read_added_file(pile_type == PileType::PcOfFreeChoice ? kAddedPc : kAddedSteel, rows)) {
        stop_added_file_missing();
    }

    const std::string name = run_info.data_name + ".APD";
    CFile out = open_file(name, "wt");
    if (!out) stop_with_error("(ERROR)-ファイル(" + name + ")が作成できません.");
    for (const PileRecord& pile : rows) {
        if (!in_list(input.added_piles, pile.id)) continue;
        write_crlf_line(out.get(), std::to_string(pile.id) + "," + quoted_csv_text(pile.name) +
                                       format_text(",%1.0lf,%1.0lf,%1.1lf", pile.inertia,
                                                   pile.modulus, pile.moment));
    }
    close_written_or_stop(out, name);
}

} // namespace wtn
