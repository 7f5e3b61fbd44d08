#include "pile_catalogues.h"

#include "comma_line.h"
#include "number_text.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>

namespace wtn {
namespace {

// The catalogue being filled and the messages of the files read into it.
struct TableFill {
    std::array<YaitaRec, kCatalogueRoom>& table;
    const char* catalogue; // "鋼矢板" or "PC矢板", for the message of a full table
    std::vector<std::string>& problems;
    int count = 0;
    bool full_told = false;

    // Adds a pile; false (and one message) once the table is full.
    bool add(YaitaRec rec) {
        if (count >= kCatalogueEntryLimit) {
            if (!full_told) {
                problems.push_back(std::string(catalogue) + "のデータが" +
                                   std::to_string(kCatalogueEntryLimit) +
                                   "本を超えています。最初の" +
                                   std::to_string(kCatalogueEntryLimit) + "本を使います。");
                full_told = true;
            }
            return false;
        }
        table[count++] = std::move(rec);
        return true;
    }
};

// What a field of a catalogue line is called in a message.
std::string field_caption(const CatalogueProblem& p, const CatalogueLayout& layout) {
    if (p.head_line) return p.field == kUserCatalogueCountField ? "行数" : "次の番号";
    if (p.field == kCatalogueIdField) return "番号";
    if (p.field == layout.modulus) return "断面係数";
    if (p.field == layout.inertia) return "断面二次モーメント";
    if (p.field == layout.moment) return "ひび割れモーメント";
    return "項目";
}

// Words a problem of the catalogue name; the line it names is skipped.
CatalogueProblemTeller tell_problem(const std::string& name, const CatalogueLayout& layout,
                                    std::vector<std::string>& problems) {
    return [&name, &layout, &problems](const CatalogueProblem& p) {
        const std::string skipped = "この行は読み飛ばしました。";
        const std::string at_line =
            "ファイル「" + name + "」の" + std::to_string(p.line) + "行目: ";
        switch (p.fault) {
        case CatalogueFault::FieldCount:
            problems.push_back(at_line + "項目が" + std::to_string(p.fields) + "個あります（" +
                               std::to_string(p.expected) + "個のはず）。" + skipped);
            return;
        case CatalogueFault::NotANumber:
            problems.push_back(at_line + field_caption(p, layout) + "が数値ではありません。" +
                               skipped);
            return;
        case CatalogueFault::OutOfRange:
            problems.push_back(at_line + field_caption(p, layout) +
                               "の値が整数の範囲を超えています。" + skipped);
            return;
        case CatalogueFault::NoNextNumber:
            problems.push_back("ファイル「" + name + "」が途中で終わっています（次の番号）。" +
                               skipped);
            return;
        case CatalogueFault::TooFewRows:
            return; // the table lists the rows the file holds
        }
    };
}

// The front end's entry of a pile read from a catalogue file.
YaitaRec table_entry(const PileRecord& pile) {
    YaitaRec rec;
    rec.id = pile.id;
    rec.name = fixed_text(pile.name, kPileNameLength);
    rec.modulus = pile.modulus;
    rec.inertia = pile.inertia;
    rec.moment = pile.moment;
    rec.added = pile.added;
    return rec;
}

// The lines of a catalogue file, or nothing (and a message) when it cannot be read.
bool read_catalogue_lines(const std::string& folder, const std::string& name,
                          std::vector<std::string>& lines, std::vector<std::string>& problems) {
    try {
        lines = read_text_file(join_path(folder, name));
        return true;
    } catch (const DataError& e) {
        problems.push_back(std::string(e.what()) + "この矢板データは使いません。");
        return false;
    }
}

// One installed table, read by the batch programs' reader.
void read_installed_table(const std::string& folder, const std::string& name, bool pc,
                          TableFill& fill) {
    std::vector<std::string> lines;
    if (!read_catalogue_lines(folder, name, lines, fill.problems)) return;
    const CatalogueLayout& layout = pc ? kPcCatalogueLayout : kSteelCatalogueLayout;
    read_installed_catalogue(
        lines, layout,
        [&fill, pc](CataloguePile&& pile) {
            YaitaRec rec = table_entry(pile.pile);
            // The front end holds installed steel sections as whole cm3/m and cm4/m.
            if (!pc) {
                rec.modulus = std::round(rec.modulus);
                rec.inertia = std::round(rec.inertia);
            }
            return fill.add(std::move(rec));
        },
        tell_problem(name, layout, fill.problems));
}

// A user catalogue, read by the batch programs' reader to the end of the
// file whatever its row count says. Returns the next number (1 when
// unreadable).
int read_user_table(const std::string& folder, const std::string& name, bool pc, TableFill& fill) {
    std::vector<std::string> lines;
    if (!read_catalogue_lines(folder, name, lines, fill.problems)) return 1;
    const UserCatalogueHead head = read_user_catalogue(
        lines, pc, [&fill](CataloguePile&& pile) { return fill.add(table_entry(pile.pile)); },
        tell_problem(name, kUserCatalogueLayout, fill.problems));
    return head.next;
}

// Field 3 to 5 of a user file: a number the batch programs read whole.
std::string user_value(double value, const std::string& what) {
    std::string text = real_text(value, what);
    if (text.size() > static_cast<std::size_t>(kUserFieldWidth)) {
        throw DataError(what + "（" + text + "）が" + std::to_string(kUserFieldWidth) +
                        "文字を超えます。");
    }
    return text;
}

// The files of one kind of pile: its installed tables and its user catalogue.
struct KindFiles {
    const char* catalogue; // "鋼矢板" or "PC矢板"
    std::string (*installed_table)(int number);
    int installed_tables;
    const char* user_catalogue;
    bool pc;
};

// Reads the files of one kind into a cleared table; the count of piles read
// and the user catalogue's next number.
void read_kind(const std::string& folder, const KindFiles& files,
               std::array<YaitaRec, kCatalogueRoom>& table, int& count, int& next,
               std::vector<std::string>& problems) {
    table.fill(YaitaRec{});
    TableFill fill{table, files.catalogue, problems};
    for (int i = 1; i <= files.installed_tables; ++i)
        read_installed_table(folder, files.installed_table(i), files.pc, fill);
    next = read_user_table(folder, files.user_catalogue, files.pc, fill);
    count = fill.count;
}

} // namespace

std::vector<std::string> read_pile_catalogues(DesignData& data, const std::string& folder) {
    std::vector<std::string> problems;

    read_kind(folder,
              {"鋼矢板", steel_catalogue_name, kSteelCatalogueCount, kSteelAddedFileName, false},
              data.yaita_tbl, data.yaita_cnt, data.yaita_next, problems);
    read_kind(folder, {"PC矢板", pc_catalogue_name, kPcCatalogueCount, kPcAddedFileName, true},
              data.pcyaita_tbl, data.pcyaita_cnt, data.pcyaita_next, problems);

    // Empty slots carry blank names, as a table cleared for reading does.
    for (auto* table : {&data.yaita_tbl, &data.pcyaita_tbl}) {
        for (YaitaRec& rec : *table) {
            if (rec.name.empty()) rec.name = fixed_text("", kPileNameLength);
        }
    }
    return problems;
}

void write_user_catalogue(const std::string& path, const std::vector<YaitaRec>& rows, int next,
                          bool pc) {
    // A stale next number must not give a new pile the number of one kept.
    int number = next;
    for (const YaitaRec& r : rows)
        number = std::max(number, r.id + 1);
    int new_rows = 0;
    for (const YaitaRec& r : rows)
        new_rows += r.id < 0 ? 1 : 0;
    const int next_after = number + new_rows;
    if (new_rows > 0 && next_after - 1 > kPileNumberLimit) {
        throw DataError("矢板の番号が" + std::to_string(kPileNumberLimit) + "を超えます。");
    }
    std::vector<std::string> lines;
    lines.push_back(CommaLine()
                        .integer(static_cast<int>(rows.size()))
                        .integer(std::min(next_after, kPileNumberLimit))
                        .str());
    for (const YaitaRec& r : rows) {
        const int id = r.id < 0 ? number++ : r.id;
        const std::string name = trim_blanks(fixed_text(r.name, kPileNameLength));
        const std::string moment = pc ? user_value(r.moment, "ひび割れモーメント") : "0";
        lines.push_back(CommaLine().integer(id).text(name, 0, "矢板名称").str() + "," +
                        user_value(r.inertia, "断面二次モーメント") + "," +
                        user_value(r.modulus, "断面係数") + "," + moment);
    }
    write_text_file(path, lines);
}

} // namespace wtn
