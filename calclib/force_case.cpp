#include "force_case.h"

#include "csv_line.h"
#include "error_messages.h"
#include "number_field.h"
#include "wall_codes.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace wtn {

namespace {

[[noreturn]] void stop_malformed(const std::string& detail) {
    stop_with_error(std::string("(ERROR)-外力計算結果ファイル(") + kForceFileName +
                    ")の内容が正しくありません(" + detail + ").");
}

// A count or switch field: blanks around an optional sign and digits, within
// the range of int. "3.000000" is a real of the next row, not the count 3.
int whole_integer(const std::string& field, const std::string& what) {
    const std::optional<int> value = whole_integer_field(field, kBlanksAndTabs);
    if (!value) stop_malformed(what + "の整数 " + field);
    return *value;
}

// Reads a section line by line. A section starts at its naming line (a
// comment line) and holds data lines only: a naming line where a data line
// is due means a count did not match the lines written.
class SectionReader {
  public:
    explicit SectionReader(LineReader& file) : file_(file) {}

    void skip_naming_line() {
        if (read_csv_line(file_, line_) != kCsvComment)
            stop_malformed("ケース見出し行がありません");
    }

    const CsvLine& next(std::size_t field_count, const char* what) {
        const int kind = read_csv_line(file_, line_);
        if (kind == kCsvEndOfFile) stop_malformed(std::string(what) + "の行がありません");
        if (kind == kCsvComment)
            stop_malformed(std::string(what) + "の行の位置に次のケース見出し行があります");
        if (line_.fields.size() < field_count)
            stop_malformed(std::string(what) + "の項目が足りません");
        return line_;
    }

    int integer(std::size_t i, const char* what) const {
        return whole_integer(line_.field(i), what);
    }

    // A field TVNDAT wrote holds one number and nothing else.
    double real(std::size_t i, const char* what) const {
        const std::optional<double> value = whole_number(line_.field(i));
        if (!value) stop_malformed(std::string(what) + "の数値 " + line_.field(i));
        return *value;
    }

  private:
    LineReader& file_;
    CsvLine line_;
};

int checked_count(int count, int room, const char* what) {
    if (count < 0 || count > room) {
        stop_malformed(std::string(what) + "の件数 " + std::to_string(count) + " が範囲(0～" +
                       std::to_string(room) + ")外です");
    }
    return count;
}

// The values of the current line of a section for a value list, each
// checked as the section reader checks it.
class SectionValues {
  public:
    SectionValues(const SectionReader& reader, const char* what) : reader_(reader), what_(what) {}
    void field(int& value) { value = reader_.integer(next_++, what_); }
    void field(double& value) { value = reader_.real(next_++, what_); }

  private:
    const SectionReader& reader_;
    const char* what_;
    std::size_t next_ = 0;
};

// Reads the next line of the section into record through its value list.
template <class T>
void read_section_values(SectionReader& reader, const char* what, int value_count,
                         void (*fields)(SectionValues&, T&), T& record) {
    reader.next(static_cast<std::size_t>(value_count), what);
    SectionValues io(reader, what);
    fields(io, record);
}

ForceLine read_force_line(SectionReader& reader, const char* what) {
    reader.next(2, what);
    return ForceLine{reader.real(0, what), reader.real(1, what)};
}

} // namespace

void write_force_layer_row(std::FILE* file, const ForceLayerRow& row) {
    write_values(file, force_layer_values_1, row);
    write_values(file, force_layer_values_2, row);
}

bool has_dynamic_water_lines(const InputRecord& input, int case_index) {
    return case_index == kSeismicCase &&
           input.neire.apparent_rule == ApparentSeismicRule::AraiYokoi &&
           input.nir_t.dynamic_water == YesNo::Yes && input.joken.lwl > input.joken.design_seabed;
}

int read_force_file_mode(LineReader& file) {
    CsvLine line;
    if (read_csv_line(file, line) != kCsvData) stop_malformed("モード行がありません");
    const int mode = whole_integer(line.field(0), "モード");
    if (mode < 0 || mode >= kForceFileModeCount) stop_malformed("モード " + line.field(0));
    return mode;
}

void check_force_file_end(LineReader& file) {
    std::string rest;
    while (file.next(rest)) {
        if (rest.find_first_not_of(" \t") != std::string::npos)
            stop_malformed("読まれない行が残っています");
    }
}

void read_force_case(LineReader& file, int case_index, int file_mode, const InputRecord& input,
                     ForceCase& fc) {
    SectionReader reader(file);
    reader.skip_naming_line();

    reader.next(3, "件数");
    fc.start_index = reader.integer(0, "件数");
    fc.layer_count = checked_count(reader.integer(1, "件数"), kMaxForceLayerRows, "土層");
    fc.force_count = checked_count(reader.integer(2, "件数"), kMaxForceLines, "外力");
    if (fc.start_index < -1 || fc.start_index >= fc.layer_count) {
        stop_malformed("開始位置 " + std::to_string(fc.start_index));
    }

    for (int i = 0; i < fc.layer_count; ++i) {
        ForceLayerRow& row = fc.layers[static_cast<std::size_t>(i)];
        read_section_values(reader, "土層", kForceLayerValues1, force_layer_values_1, row);
        read_section_values(reader, "土層", kForceLayerValues2, force_layer_values_2, row);
    }
    for (int i = 0; i < fc.force_count; ++i)
        fc.forces[static_cast<std::size_t>(i)] = read_force_line(reader, "外力");

    reader.next(3, "合計");
    fc.total_force = reader.real(0, "合計");
    fc.total_moment = reader.real(1, "合計");
    fc.lever_arm = reader.real(2, "合計");

    const ForceLine base = read_force_line(reader, "基準面");
    fc.base[case_index == kSeismicCase ? kSeismicCase : kNormalCase] =
        ForceBase{base.lever_arm, base.force};

    // A section without dynamic-water lines has none: a count left from an
    // earlier section would add another case's water pressure.
    fc.dynamic_count = 0;
    if (file_mode != kCompletedStateMode) {
        if (input.static_water == StaticWater::On)
            fc.still_water = read_force_line(reader, "静水圧");
        return;
    }

    if (has_dynamic_water_lines(input, case_index)) {
        reader.next(1, "動水圧");
        const int dynamic_count =
            checked_count(reader.integer(0, "動水圧"), kMaxDynamicWaterLines, "動水圧");
        for (int i = 0; i < dynamic_count; ++i) {
            fc.dynamic_water[static_cast<std::size_t>(i)] = read_force_line(reader, "動水圧");
        }
        fc.dynamic_count = dynamic_count;
    }

    reader.next(2, "土圧図");
    fc.diagram_rows = checked_count(reader.integer(0, "土圧図"), kMaxDiagramRows, "土圧図");
    fc.diagram_seabed_row =
        checked_count(reader.integer(1, "土圧図"), fc.diagram_rows, "土圧図の海底面位置");
    for (int i = 0; i < fc.diagram_rows; ++i) {
        reader.next(3, "主働土圧図");
        fc.active[static_cast<std::size_t>(i)] =
            ActiveDiagramRow{reader.real(0, "主働土圧図"), reader.real(1, "主働土圧図"),
                             reader.real(2, "主働土圧図")};
    }
    // The passive rows stand at the levels of the active rows; their level
    // is not kept again.
    for (int i = 0; i < fc.diagram_rows; ++i) {
        reader.next(3, "受働土圧図");
        fc.passive[static_cast<std::size_t>(i)] =
            PassiveDiagramRow{reader.real(1, "受働土圧図"), reader.real(2, "受働土圧図")};
    }
}

} // namespace wtn
