#include "work_files.h"

#include "error_messages.h"
#include "file_io.h"
#include "result_images.h"

#include <string>

namespace wtn {

namespace {

[[noreturn]] void stop_short_file(const char* name) {
    stop_with_error(std::string("(ERROR)-根入れ部計算結果ファイル(") + name +
                    ")が途中で終わっています.");
}

[[noreturn]] void stop_not_a_number(const char* name) {
    stop_with_error(std::string("(ERROR)-根入れ部計算結果ファイル(") + name +
                    ")に数値でない値があります.");
}

[[noreturn]] void stop_count_beyond_room(const char* name, long count, std::size_t room) {
    stop_with_error(std::string("(ERROR)-根入れ部計算結果ファイル(") + name + ")の件数 " +
                    std::to_string(count) + " が領域 " + std::to_string(room) + " を超えています.");
}

// Writes an image; a real that is not a number is a calculation fault that
// must not reach the report, so the program stops instead.
void put_image(std::FILE* file, const ByteWriter& writer, const char* name) {
    if (!writer.all_finite()) {
        stop_with_error(
            std::string("(ERROR)-計算結果に数値でない値があるため、根入れ部計算結果ファイル(") +
            name + ")を書き込めません.");
    }
    const std::string& bytes = writer.bytes();
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        stop_with_error(std::string("(ERROR)-ファイル(") + name + ")の書き込みに失敗しました.");
    }
}

// Exactly count bytes of the file, or the program stops.
std::string take_bytes(std::FILE* file, std::size_t count, const char* name) {
    std::string bytes(count, '\0');
    if (count > 0 && std::fread(bytes.data(), 1, count, file) != count) stop_short_file(name);
    return bytes;
}

// Reads the fields that fields() describes from the next bytes of the file.
template <class Fields>
void take_image(std::FILE* file, std::size_t count, const char* name, Fields fields) {
    std::string bytes = take_bytes(file, count, name);
    ByteReader reader(bytes);
    fields(reader);
    if (!reader.complete() || reader.position() != count) stop_short_file(name);
    if (!reader.all_finite()) stop_not_a_number(name);
}

std::int32_t take_count(std::FILE* file, const char* name) {
    std::int32_t count = 0;
    take_image(file, kIntBytes, name, [&](ByteReader& r) { r.field(count); });
    return count;
}

void check_room(const char* name, std::int32_t count, std::size_t room) {
    if (count < 0 || static_cast<std::size_t>(count) > room)
        stop_count_beyond_room(name, count, room);
}

void write_rows(ByteWriter& w, const CaseAreas& areas) {
    std::int32_t count = areas.load_item_count;
    if (count < 0 || static_cast<std::size_t>(count) > areas.load_items.size()) {
        stop_count_beyond_room(kNeireFile, count, areas.load_items.size());
    }
    w.field(count);
    for (std::int32_t i = 0; i < count; ++i)
        image_fields_load_item(w, areas.load_items[static_cast<std::size_t>(i)]);
}

void write_matrix(ByteWriter& w, const MatrixResult& m) {
    for (const MatrixElements& e : m.elements)
        w.field(e.count);
    w.field(m.moment);
    w.field(m.max_moment_depth);
    w.field(m.first_zero);
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        const MatrixElements& e = m.elements[s];
        if (e.count < 0 || static_cast<std::size_t>(e.count) > e.room())
            stop_count_beyond_room(kNeireFile, e.count, e.room());
        const std::size_t n = static_cast<std::size_t>(e.count);
        w.field(e.count);
        w.field(e.length_above);
        w.field(e.embedded_length);
        for (const std::vector<double>* array : {&e.rigidity, &e.length, &e.kh, &e.beta, &e.factor})
            w.reals(array->data(), n);
        image_fields_matrix_nodes(w, m.nodes[s]);
    }
}

// The leading element counts repeat the per-section counts and are dropped;
// each section's arrays are read by the count just before them, which must
// fit the room the allocator gave.
void read_matrix(std::FILE* file, MatrixResult& m) {
    take_image(file, 3 * kIntBytes + 9 * kRealBytes, kNeireFile, [&](ByteReader& r) {
        std::int32_t dropped = 0;
        for (std::size_t s = 0; s < kSectionCount; ++s)
            r.field(dropped);
        r.field(m.moment);
        r.field(m.max_moment_depth);
        r.field(m.first_zero);
    });
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        MatrixElements& e = m.elements[s];
        e.count = take_count(file, kNeireFile);
        check_room(kNeireFile, e.count, e.room());
        const std::size_t n = static_cast<std::size_t>(e.count);
        take_image(file, 2 * kRealBytes + 5 * n * kRealBytes, kNeireFile, [&](ByteReader& r) {
            r.field(e.length_above);
            r.field(e.embedded_length);
            for (std::vector<double>* array : {&e.rigidity, &e.length, &e.kh, &e.beta, &e.factor}) {
                for (std::size_t i = 0; i < n; ++i)
                    r.field((*array)[i]);
            }
        });
        MatrixNodeResult& nodes = m.nodes[s];
        take_image(file, kMatrixNodeResultBytes, kNeireFile,
                   [&](ByteReader& r) { image_fields_matrix_nodes(r, nodes); });
        check_room(kNeireFile, nodes.point_count, kMatrixNodeRoom);
        check_room(kNeireFile, nodes.points_above, kMatrixNodeRoom);
    }
}

} // namespace

void write_cal_nei(const StabilityResults& results) {
    if (!write_adopted_values(kCalNeiFile, results.design_values.adopted)) {
        stop_with_error(std::string("(ERROR)-ファイル(") + kCalNeiFile +
                        ")の書き込みに失敗しました.");
    }
}

void read_cal_nei(StabilityResults& results, double fallback_pile_length, double fallback_depth) {
    AdoptedValues& adopted = results.design_values.adopted;
    const AdoptedFileRead read = read_adopted_values(kCalNeiFile, adopted);
    switch (read.status) {
    case AdoptedRead::ok:
        return;
    case AdoptedRead::missing:
        adopted.pile_length = fallback_pile_length;
        adopted.embedment_depth = fallback_depth;
        return;
    case AdoptedRead::damaged:
        if (read.line == 0) {
            stop_with_error(std::string("(ERROR)-採用値ファイル(") + kCalNeiFile +
                            ")の内容が正しくありません.");
        }
        stop_with_error(std::string("(ERROR)-採用値ファイル(") + kCalNeiFile + ")の" +
                        std::to_string(read.line) + "行目が正しくありません.");
    }
}

void write_neire_cm(const StabilityResults& results) {
    CFile file = open_file(kNeireCmFile, "wb");
    if (!file) stop_with_error(ErrorCode::NeireCmOpen);
    ByteWriter w;
    image_fields_decided(w, results.decided);
    image_fields_case_result(w, results.case_results);
    image_fields_corrosion(w, results.corrosion);
    image_fields_design_values(w, results.design_values);
    image_fields_pipe_stress(w, results.pipe_stress);
    put_image(file.get(), w, kNeireCmFile);
    close_written_or_stop(file, kNeireCmFile);
}

void read_neire_cm(StabilityResults& results) {
    CFile file = open_file(kNeireCmFile, "rb");
    if (!file) stop_with_error(ErrorCode::NeireCmOpen);
    take_image(file.get(), kNeireCmBytes, kNeireCmFile, [&](ByteReader& r) {
        image_fields_decided(r, results.decided);
        image_fields_case_result(r, results.case_results);
        image_fields_corrosion(r, results.corrosion);
        image_fields_design_values(r, results.design_values);
        image_fields_pipe_stress(r, results.pipe_stress);
    });
}

void write_neire_case(std::FILE* file, const CaseAreas& areas, EmbedmentMethod method) {
    ByteWriter w;
    write_rows(w, areas);
    switch (method_block(method)) {
    case MethodBlock::chang:
        image_fields_chang(w, areas.chang);
        break;
    case MethodBlock::matrix:
        write_matrix(w, areas.matrix);
        break;
    case MethodBlock::koken:
        image_fields_koken(w, areas.koken);
        break;
    }
    put_image(file, w, kNeireFile);
}

void read_neire_case(std::FILE* file, CaseAreas& areas, EmbedmentMethod method,
                     const CaseAreaSizes& sizes) {
    const std::int32_t count = take_count(file, kNeireFile);
    alloc_method_area(areas, sizes, method);
    check_room(kNeireFile, count, areas.load_items.size());
    areas.load_item_count = count;
    const std::size_t n = static_cast<std::size_t>(count);
    take_image(file, n * kLoadItemBytes, kNeireFile, [&](ByteReader& r) {
        for (std::size_t i = 0; i < n; ++i)
            image_fields_load_item(r, areas.load_items[i]);
    });
    switch (method_block(method)) {
    case MethodBlock::chang:
        take_image(file, kChangResultBytes, kNeireFile,
                   [&](ByteReader& r) { image_fields_chang(r, areas.chang); });
        break;
    case MethodBlock::matrix:
        read_matrix(file, areas.matrix);
        break;
    case MethodBlock::koken:
        take_image(file, kKokenResultBytes, kNeireFile,
                   [&](ByteReader& r) { image_fields_koken(r, areas.koken); });
        break;
    }
}

void read_neire_case(std::FILE* file, StabilityResults& results, const InputRecord& input,
                     const CustomisationValues& custom, const ForceCase& force_case,
                     int case_index) {
    const EmbedmentMethod method = input.swdat.embedment_method;
    read_neire_case(file, results.areas, method,
                    case_area_sizes(input, custom, force_case, case_index, method));
}

void write_neire_tl(std::FILE* file, const StabilityResults& results) {
    ByteWriter w;
    image_fields_level_solver(w, results.level_solver);
    image_fields_level_displacement(w, results.level_displacement);
    put_image(file, w, kNeireTlFile);
}

void read_neire_tl(std::FILE* file, StabilityResults& results) {
    take_image(file, kNeireTlRecordBytes, kNeireTlFile, [&](ByteReader& r) {
        image_fields_level_solver(r, results.level_solver);
        image_fields_level_displacement(r, results.level_displacement);
    });
}

void check_work_file_end(std::FILE* file, const char* name) {
    if (std::fgetc(file) == EOF) return;
    stop_with_error(std::string("(ERROR)-根入れ部計算結果ファイル(") + name +
                    ")に読まれない記録が残っています.");
}

} // namespace wtn
