#include "load_tables.h"

#include "byte_io.h"
#include "error_messages.h"
#include "file_io.h"
#include "load_images.h"

#include <string>

namespace wtn {
namespace {

// The blocks of one case in file order.
template <class Io, class Model, class Tables>
constexpr void case_image(Io& io, Model& model, Tables& tables) {
    for (auto& row : model.ground)
        image_fields_ground(io, row);
    for (auto& row : model.land_calc)
        image_fields_land_layer(io, row);
    for (auto& row : model.sea_calc)
        image_fields_sea_layer(io, row);
    for (auto& row : model.active)
        image_fields_active_row(io, row);
    for (auto& row : model.passive)
        image_fields_passive_row(io, row);
    auto& merged = tables.merged;
    io.field(merged.seabed_row);
    io.field(merged.passive_start);
    io.field(merged.rows.count);
    for (auto& row : merged.rows.rows)
        image_fields_pressure_row(io, row);
    io.field(merged.passive.count);
    for (auto& row : merged.passive.rows)
        image_fields_diagram_row(io, row);
    auto& net = tables.net;
    for (auto* diagram : {&net.active_split, &net.passive_split, &net.net}) {
        io.field(diagram->count);
        for (auto& row : diagram->rows)
            image_fields_diagram_row(io, row);
    }
    for (auto& piece : net.segments.rows)
        image_fields_segment(io, piece);
    for (auto& piece : tables.dynamic_segments.rows)
        image_fields_segment(io, piece);
    for (auto& force : net.other)
        image_fields_other_force(io, force);
}

template <class Io, class Model, class Common>
constexpr void common_image(Io& io, Model& model, Common& common) {
    io.field(common.seabed.candidate_count);
    io.field(model.index.land_seabed);
    io.field(model.index.residual_water);
    io.field(model.index.superstructure_crown);
    io.field(model.index.ground_crown);
    io.field(model.index.sea_seabed);
    io.field(model.index.lwl);
    io.field(common.seabed.merged_row);
    io.field(common.seabed.passive_row);
    io.field(model.land_count);
    io.field(model.sea_count);
    io.field(model.ground_count);
    io.field(common.net_segment_count);
    image_fields_force_totals(io, common.totals);
    image_fields_dynamic_totals(io, common.dynamic_totals);
    image_fields_virtual_seabed(io, common.seabed.data);
    image_fields_dynamic_water(io, common.dynamic);
}

constexpr std::size_t count_case_image() {
    ByteCounter counter;
    const LoadModel model{};
    const CaseLoadTables tables{};
    case_image(counter, model, tables);
    return counter.bytes();
}

constexpr std::size_t count_common_image() {
    ByteCounter counter;
    const LoadModel model{};
    const CommonLoadResults common{};
    common_image(counter, model, common);
    return counter.bytes();
}

[[noreturn]] void stop_cannot_open(const std::string& shown_name) {
    stop_with_error("(ERROR)-外力計算結果ファイル(" + shown_name + ")がオープンできません.");
}

[[noreturn]] void stop_damaged(const std::string& name) {
    stop_with_error("(ERROR)-外力計算結果ファイル(" + name + ")の内容が正しくありません.");
}

void write_image(const std::string& name, const std::string& shown_name, const ByteWriter& writer) {
    if (!writer.all_finite()) {
        stop_with_error("(ERROR)-計算結果に数値でない値があるため、外力計算結果ファイル(" + name +
                        ")を書き込めません.");
    }
    CFile file = open_file(name, "wb");
    if (!file) stop_cannot_open(shown_name);
    const std::string& bytes = writer.bytes();
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    close_written_or_stop(file, name);
}

// The whole table, copied into memory and never mapped: a second run
// writing the table over in place while it is read leaves at worst a short
// or mixed copy, which the length and range checks below handle, where a
// mapping would fault on the pages cut off under it and kill the reader.
std::string read_image(const std::string& name, const std::string& shown_name, std::size_t bytes) {
    CFile file = open_file(name, "rb");
    if (!file) stop_cannot_open(shown_name);
    std::string image(bytes + 1, '\0');
    const std::size_t got = std::fread(image.data(), 1, image.size(), file.get());
    if (got != bytes) stop_damaged(name);
    image.resize(bytes);
    return image;
}

template <class Table> void check_count(const Table& table, const std::string& name) {
    if (table.count < 0 || table.count > Table::room) stop_damaged(name);
}

// Row indices kept beside the tables; -1 stands for "not found" where allowed.
bool index_fits(int index, int lowest, int end) {
    return index >= lowest && index < end;
}

} // namespace

// Counted by the compiler: counting at start would build both records on
// the stack, some fifteen fresh pages.
constinit const std::size_t kLoadCaseImageBytes = count_case_image();
constinit const std::size_t kLoadCommonImageBytes = count_common_image();

const char* case_table_file(int c) {
    return c == 0 ? kNormalCaseTableFile : kSeismicCaseTableFile;
}

void write_gai_case(int c, const LoadModel& model, const CaseLoadTables& tables) {
    ByteWriter writer(kLoadCaseImageBytes);
    case_image(writer, model, tables);
    write_image(case_table_file(c), case_table_file(c), writer);
}

void write_gai_cm(const LoadModel& model, const CommonLoadResults& common) {
    ByteWriter writer(kLoadCommonImageBytes);
    common_image(writer, model, common);
    write_image(kCommonTableFile, "gai_cm.prn", writer);
}

void read_gai_case(int c, LoadModel& model, CaseLoadTables& tables) {
    const std::string name = case_table_file(c);
    const std::string image = read_image(name, name, kLoadCaseImageBytes);
    ByteReader reader(image);
    case_image(reader, model, tables);
    if (!reader.complete() || !reader.all_finite()) stop_damaged(name);
    check_count(tables.merged.rows, name);
    check_count(tables.merged.passive, name);
    check_count(tables.net.active_split, name);
    check_count(tables.net.passive_split, name);
    check_count(tables.net.net, name);
    // The readers index the diagrams from the seabed row on.
    if (!index_fits(tables.merged.seabed_row, 0, tables.merged.rows.count + 1) ||
        !index_fits(tables.merged.passive_start, 0, tables.merged.passive.count + 1)) {
        stop_damaged(name);
    }
}

void read_gai_cm(LoadModel& model, CommonLoadResults& common) {
    const std::string image = read_image(kCommonTableFile, "gai_cm.prn", kLoadCommonImageBytes);
    ByteReader reader(image);
    common_image(reader, model, common);
    if (!reader.complete() || !reader.all_finite()) stop_damaged(kCommonTableFile);
    const bool counts_fit =
        common.seabed.candidate_count >= 0 && common.seabed.candidate_count <= kCandidateRoom &&
        model.land_count >= 0 && model.land_count <= kLayerRoom && model.sea_count >= 0 &&
        model.sea_count <= kLayerRoom && model.ground_count >= 0 &&
        model.ground_count <= kGroundRoom && common.dynamic.point_count >= 0 &&
        common.dynamic.point_count <= kDynamicWaterPointRoom && common.dynamic.segment_count >= 0 &&
        common.dynamic.segment_count <= kDynamicWaterSegmentRoom;
    bool segments_fit = true;
    for (const int n : common.net_segment_count)
        segments_fit = segments_fit && n >= 0 && n <= kNetSegmentRoom;
    bool indices_fit = true;
    const LevelIndices& index = model.index;
    for (const int i : {index.land_seabed, index.residual_water, index.superstructure_crown,
                        index.ground_crown, index.sea_seabed, index.lwl}) {
        indices_fit = indices_fit && index_fits(i, -1, kLayerRoom);
    }
    for (int c = 0; c < kCaseCount; ++c) {
        indices_fit = indices_fit && index_fits(common.seabed.merged_row[c], -1, kDiagramRowRoom) &&
                      index_fits(common.seabed.passive_row[c], -1, kDiagramRowRoom);
    }
    // The report's tables run from these rows to the closing row of each
    // side, so each must be a row of its side with at least one layer below
    // the first rows; the seabed row of the land side, where the load
    // calculation inserted one, lies below the ground-surface crown.
    const int land_end = model.land_count;
    indices_fit = indices_fit && index_fits(index.ground_crown, 0, land_end - 1) &&
                  index_fits(index.superstructure_crown, 0, land_end) &&
                  index_fits(index.residual_water, 0, land_end) &&
                  index_fits(index.sea_seabed, 0, model.sea_count - 1) &&
                  (index.land_seabed == -1 ||
                   index_fits(index.land_seabed, index.ground_crown + 1, land_end));
    if (!counts_fit || !segments_fit || !indices_fit) stop_damaged(kCommonTableFile);
}

} // namespace wtn
