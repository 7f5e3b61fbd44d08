#include "pile_catalogues.h"

#include "comma_line.h"
#include "field_reader.h"
#include "number_text.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>

namespace wtn {
namespace {

// The fields of one line, quoted texts without their quotes.
std::vector<std::string> split_fields(const std::string& line) {
    FieldReader reader({line}, "");
    std::vector<std::string> fields;
    while (!reader.at_end())
        fields.push_back(reader.text("項目"));
    return fields;
}

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

// Reads the numbers of one pile line of the layout. A field that is no
// number is a DataError naming the file and line.
YaitaRec pile_from_fields(const std::string& line, const std::string& name, std::size_t line_no,
                          int added, const CatalogueLayout& layout, bool whole_section) {
    FieldReader reader({line}, name, line_no);
    YaitaRec rec;
    rec.added = added;
    const int columns = std::max({layout.modulus, layout.inertia, layout.moment});
    for (int column = 1; column <= columns; ++column) {
        if (column == kCatalogueIdField) {
            rec.id = reader.integer("番号");
        } else if (column == kCatalogueNameField) {
            rec.name = fixed_text(reader.text("名称"), kPileNameLength);
        } else if (column == layout.modulus) {
            rec.modulus = reader.real("断面係数");
        } else if (column == layout.inertia) {
            rec.inertia = reader.real("断面二次モーメント");
        } else if (column == layout.moment) {
            rec.moment = reader.real("ひび割れモーメント");
        } else {
            reader.text("項目");
        }
    }
    if (whole_section) {
        rec.modulus = std::round(rec.modulus);
        rec.inertia = std::round(rec.inertia);
    }
    return rec;
}

std::string field_count_problem(const std::string& name, std::size_t line_no, std::size_t count,
                                int expected) {
    return "ファイル「" + name + "」の" + std::to_string(line_no) + "行目: 項目が" +
           std::to_string(count) + "個あります（" + std::to_string(expected) +
           "個のはず）。この行は読み飛ばしました。";
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

// One installed table: a pile starts on a line of `fields` fields; a PC pile
// takes the two lines after it as well, whatever they hold.
void read_installed_table(const std::string& folder, const std::string& name, bool pc,
                          TableFill& fill) {
    std::vector<std::string> lines;
    if (!read_catalogue_lines(folder, name, lines, fill.problems)) return;
    const CatalogueLayout& layout = pc ? kPcCatalogueLayout : kSteelCatalogueLayout;
    const int expected = static_cast<int>(layout.fields);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        if (!is_catalogue_pile_line(line)) continue;
        const std::size_t line_no = k + 1;
        k += static_cast<std::size_t>(layout.lines_per_pile - 1);
        const std::size_t count = split_fields(line).size();
        if (count != static_cast<std::size_t>(expected)) {
            fill.problems.push_back(field_count_problem(name, line_no, count, expected));
            continue;
        }
        try {
            // Installed steel sections are whole numbers of cm3/m and cm4/m.
            YaitaRec rec = pile_from_fields(line, name, line_no, kInstalledCatalogue, layout, !pc);
            if (!fill.add(std::move(rec))) return;
        } catch (const DataError& e) {
            fill.problems.push_back(std::string(e.what()) + "この行は読み飛ばしました。");
        }
    }
}

// A user catalogue: the row count and the next number, then one pile a line
// (number, name, I, Z, cracking moment). The rows are read to the end of the
// file whatever the count says. Returns the next number (1 when unreadable).
int read_user_catalogue(const std::string& folder, const std::string& name, bool pc,
                        TableFill& fill) {
    std::vector<std::string> lines;
    if (!read_catalogue_lines(folder, name, lines, fill.problems)) return 1;
    int next = 1;
    bool head_read = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        if (!is_catalogue_pile_line(line)) continue;
        const std::size_t line_no = k + 1;
        try {
            if (!head_read) {
                head_read = true;
                FieldReader reader({line}, name, line_no);
                reader.integer("行数");
                next = reader.integer("次の番号");
                continue;
            }
            const std::size_t count = split_fields(line).size();
            const int expected = static_cast<int>(kUserCatalogueLayout.fields);
            if (count != kUserCatalogueLayout.fields) {
                fill.problems.push_back(field_count_problem(name, line_no, count, expected));
                continue;
            }
            // A steel catalogue's cracking-moment field is not read.
            CatalogueLayout layout = kUserCatalogueLayout;
            if (!pc) layout.moment = 0;
            if (!fill.add(pile_from_fields(line, name, line_no, kUserCatalogue, layout, false)))
                break;
        } catch (const DataError& e) {
            fill.problems.push_back(std::string(e.what()) + "この行は読み飛ばしました。");
        }
    }
    return next;
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
    next = read_user_catalogue(folder, files.user_catalogue, files.pc, fill);
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
