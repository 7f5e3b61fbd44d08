#include "pile_catalogue_file.h"

#include "number_field.h"
#include "wall_codes.h"

#include <algorithm>

namespace wtn {

namespace {

// The fields of a catalogue line in order. A quoted field is the text
// between its quotes (a doubled quote inside stands for one quote; what
// follows the closing quote up to the next comma is dropped); an unquoted
// field starts after its leading blanks.
std::vector<std::string> catalogue_fields(const std::string& line) {
    std::vector<std::string> fields;
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i <= n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        std::string field;
        std::size_t end = i;
        if (i < n && line[i] == '"') {
            end = i + 1;
            while (end < n) {
                if (line[end] == '"') {
                    if (end + 1 < n && line[end + 1] == '"') {
                        field += '"';
                        end += 2;
                        continue;
                    }
                    break;
                }
                field += line[end++];
            }
        } else {
            const std::size_t comma = line.find(',', i);
            end = comma == std::string::npos ? n : comma;
            field = line.substr(i, end - i);
        }
        fields.push_back(std::move(field));
        const std::size_t comma = line.find(',', end);
        if (comma == std::string::npos) break;
        i = comma + 1;
    }
    return fields;
}

CatalogueProblem problem_at(CatalogueFault fault, std::size_t line_no) {
    CatalogueProblem problem;
    problem.fault = fault;
    problem.line = line_no;
    return problem;
}

CatalogueProblem integer_problem(IntegerField read, std::size_t line_no, int field,
                                 const std::string& text, bool head_line) {
    CatalogueProblem problem = problem_at(
        read == IntegerField::OutOfRange ? CatalogueFault::OutOfRange : CatalogueFault::NotANumber,
        line_no);
    problem.head_line = head_line;
    problem.field = field;
    problem.text = text;
    return problem;
}

// One pile line of the layout; false (and the problem told) when it cannot
// be read.
bool read_pile_line(const std::string& text, std::size_t line_no, const CatalogueLayout& layout,
                    CataloguePile& out, const CatalogueProblemTeller& tell) {
    const std::vector<std::string> fields = catalogue_fields(text);
    if (fields.size() != layout.fields) {
        CatalogueProblem problem = problem_at(CatalogueFault::FieldCount, line_no);
        problem.fields = fields.size();
        problem.expected = layout.fields;
        tell(problem);
        return false;
    }
    PileRecord& pile = out.pile;
    const IntegerField id_read = parse_integer16(fields[0], pile.id);
    if (id_read != IntegerField::Read) {
        tell(integer_problem(id_read, line_no, kCatalogueIdField, fields[0], false));
        return false;
    }
    pile.name = fields[kCatalogueNameField - 1];
    std::vector<double> values(layout.fields + 1, 0.0); // by field number
    for (std::size_t field = kCatalogueNameField + 1; field <= layout.fields; ++field) {
        if (!parse_real(fields[field - 1], values[field])) {
            CatalogueProblem problem = problem_at(CatalogueFault::NotANumber, line_no);
            problem.field = static_cast<int>(field);
            problem.text = fields[field - 1];
            problem.pile_id = pile.id;
            tell(problem);
            return false;
        }
    }
    const auto value = [&](int field) { return values[static_cast<std::size_t>(field)]; };
    pile.modulus = value(layout.modulus);
    pile.inertia = value(layout.inertia);
    pile.moment = layout.moment != 0 ? value(layout.moment) : 0.0;
    if (layout.steel_values) {
        for (std::size_t k = 0; k < kSteelCorrosionTablePoints; ++k)
            out.corrosion_table[k] = value(kSteelCorrosionTableField + static_cast<int>(k));
        out.depth_value = value(kSteelDepthField);
        out.table_min_modulus = value(kSteelMinModulusField);
        out.table_max_allowance = value(kSteelMaxAllowanceField);
    }
    return true;
}

// The head line of a user catalogue: the row count, then the next number.
UserCatalogueHead read_head_line(const std::string& text, std::size_t line_no,
                                 const CatalogueProblemTeller& tell) {
    const std::vector<std::string> fields = catalogue_fields(text);
    UserCatalogueHead head;
    int rows = 0;
    const IntegerField rows_read = parse_integer16(fields[0], rows);
    if (rows_read != IntegerField::Read) {
        tell(integer_problem(rows_read, line_no, kUserCatalogueCountField, fields[0], true));
        return head;
    }
    head.rows = rows;
    if (fields.size() < static_cast<std::size_t>(kUserCatalogueNextField)) {
        CatalogueProblem problem = problem_at(CatalogueFault::NoNextNumber, line_no);
        problem.head_line = true;
        tell(problem);
        return head;
    }
    const std::string& next_text = fields[kUserCatalogueNextField - 1];
    int next = 0;
    const IntegerField next_read = parse_integer16(next_text, next);
    if (next_read != IntegerField::Read) {
        tell(integer_problem(next_read, line_no, kUserCatalogueNextField, next_text, true));
        return head;
    }
    head.next = next;
    return head;
}

} // namespace

bool is_catalogue_pile_line(const std::string& line) {
    // A line of blanks would otherwise be a pile of id 0 with no section.
    if (line.find_first_not_of(" \t") == std::string::npos) return false;
    const bool marker =
        line.size() >= 3 && line[0] == '"' && (line[1] == 'L' || line[1] == 'W') && line[2] == '"';
    return line[0] != '#' && !marker;
}

void read_installed_catalogue(const std::vector<std::string>& lines, const CatalogueLayout& layout,
                              const CataloguePileTaker& take, const CatalogueProblemTeller& tell) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (!is_catalogue_pile_line(lines[k])) continue;
        const std::size_t line_no = k + 1;
        CataloguePile pile;
        const bool read = read_pile_line(lines[k], line_no, layout, pile, tell);
        // The lines after a concrete pile's first line belong to the same pile.
        k += static_cast<std::size_t>(layout.lines_per_pile - 1);
        if (!read) continue;
        pile.pile.added = kInstalledCatalogue;
        if (!take(std::move(pile))) return;
    }
}

UserCatalogueHead read_user_catalogue(const std::vector<std::string>& lines, bool pc,
                                      const CataloguePileTaker& take,
                                      const CatalogueProblemTeller& tell) {
    CatalogueLayout layout = kUserCatalogueLayout;
    // A steel pile has no cracking moment, whatever its line holds there.
    if (!pc) layout.moment = 0;
    UserCatalogueHead head;
    bool head_read = false;
    std::size_t rows = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (!is_catalogue_pile_line(lines[k])) continue;
        const std::size_t line_no = k + 1;
        if (!head_read) {
            head_read = true;
            head = read_head_line(lines[k], line_no, tell);
            continue;
        }
        ++rows;
        CataloguePile pile;
        if (!read_pile_line(lines[k], line_no, layout, pile, tell)) continue;
        pile.pile.added = kUserCatalogue;
        if (!take(std::move(pile))) return head;
    }
    if (rows < static_cast<std::size_t>(std::max(head.rows, 0))) {
        CatalogueProblem problem = problem_at(CatalogueFault::TooFewRows, 0);
        problem.fields = rows;
        problem.expected = static_cast<std::size_t>(head.rows);
        tell(problem);
    }
    return head;
}

} // namespace wtn
