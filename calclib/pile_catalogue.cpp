#include "pile_catalogue.h"

#include "error_messages.h"
#include "file_io.h"
#include "text_lines.h"

#include <algorithm>

namespace wtn {

namespace {

// The lines of an open catalogue file; stops naming the file as
// "<file_kind>(<name>)" when it cannot be read.
std::vector<std::string> catalogue_lines(CFile& file, const std::string& name,
                                         const std::string& file_kind) {
    LineReader reader(file.get());
    std::vector<std::string> lines;
    std::string text;
    while (reader.next(text))
        lines.push_back(text);
    if (reader.failed()) stop_with_error(file_kind + "(" + name + ")が読み込めません.");
    return lines;
}

// Stops on a line of the catalogue file name that cannot be read. A value
// that reads as infinite or not a number ("inf", "nan", an exponent beyond a
// double, typed into a user catalogue) would run through every stress and
// displacement.
CatalogueProblemTeller stop_on_problem(const std::string& name) {
    return [name](const CatalogueProblem& p) {
        const std::string file = "(ERROR)-矢板データファイル(" + name + ")";
        const std::string added_file = "(ERROR)-追加矢板ファイル(" + name + ")";
        switch (p.fault) {
        case CatalogueFault::FieldCount:
            stop_with_error(file + "の" + std::to_string(p.line) + "行目の項目が " +
                            std::to_string(p.fields) + " 個です(" + std::to_string(p.expected) +
                            " 個のはず).");
        case CatalogueFault::NotANumber:
        case CatalogueFault::OutOfRange:
            // The batch programs number no new pile: the next number is not theirs.
            if (p.head_line && p.field == kUserCatalogueNextField) return;
            if (p.head_line) {
                stop_with_error(added_file + "の" + std::to_string(p.line) +
                                "行目の件数が読めません(" + p.text + ").");
            }
            if (p.field == kCatalogueIdField) {
                stop_with_error(file + "の" + std::to_string(p.line) + "行目の番号が読めません(" +
                                p.text + ").");
            }
            stop_with_error(file + "の矢板(番号 " + std::to_string(p.pile_id) +
                            ")の断面性能が読めません(" + p.text + ").");
        case CatalogueFault::NoNextNumber:
            return; // as a next number that cannot be read
        case CatalogueFault::TooFewRows:
            stop_with_error(added_file + "の矢板が " + std::to_string(p.expected) +
                            " 件に足りません.");
        }
    };
}

bool in_list(const PileIdList& list, int id) {
    return std::find(list.ids.begin(), list.ids.begin() + list.count, id) !=
           list.ids.begin() + list.count;
}

PileTable select_installed(const InputRecord& input, bool pc) {
    const PileTable rows = read_installed_catalogues(pc);
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
        table.push_back(pile);
    }
    return table;
}

const char* added_file_name(int kind) {
    return kind == kAddedPc ? kPcAddedFileName : kSteelAddedFileName;
}

[[noreturn]] void stop_added_file_missing() {
    stop_with_error("追加矢板ファイルがオープンできません.");
}

} // namespace

std::vector<CataloguePile> read_installed_piles(const std::string& name,
                                                const std::string& file_kind,
                                                const CatalogueLayout& layout) {
    CFile file = open_file(name, "rt");
    if (!file) stop_with_error(file_kind + "(" + name + ")がオープンできません.");
    std::vector<CataloguePile> piles;
    read_installed_catalogue(
        catalogue_lines(file, name, file_kind), layout,
        [&piles](CataloguePile&& pile) {
            piles.push_back(std::move(pile));
            return true;
        },
        stop_on_problem(name));
    return piles;
}

PileTable read_installed_catalogues(bool pc) {
    PileTable rows;
    const int files = pc ? kPcCatalogueCount : kSteelCatalogueCount;
    for (int number = 1; number <= files; ++number) {
        for (CataloguePile& pile :
             pc ? read_installed_piles(pc_catalogue_name(number), "PC矢板データファイル",
                                       kPcCatalogueLayout)
                : read_installed_piles(steel_catalogue_name(number), "矢板データファイル",
                                       kSteelCatalogueLayout))
            rows.push_back(std::move(pile.pile));
    }
    return rows;
}

bool read_added_catalogue(int kind, PileTable& rows) {
    const std::string name = added_file_name(kind);
    CFile file = open_file(name, "rt");
    if (!file) return false;
    read_user_catalogue(
        catalogue_lines(file, name, "追加矢板ファイル"), kind == kAddedPc,
        [&rows](CataloguePile&& pile) {
            rows.push_back(std::move(pile.pile));
            return true;
        },
        stop_on_problem(name));
    return true;
}

PileTable read_steel_piles(const InputRecord& input) {
    return select_installed(input, false);
}
PileTable read_pc_piles(const InputRecord& input) {
    return select_installed(input, true);
}

void read_added_piles(const InputRecord& input, int kind, PileTable& table) {
    const PileIdList& ids = input.added_piles;
    if (ids.count == 0) return;
    PileTable rows;
    if (!read_added_catalogue(kind, rows)) stop_added_file_missing();
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
        table.push_back(pile);
    }
}

} // namespace wtn
