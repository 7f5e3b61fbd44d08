#include "file_io.h"
#include "program_stop.h"
#include "result_images.h"
#include "work_files.h"
#include "work_folder.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace wtn {
namespace {

constexpr EmbedmentMethod method_code(int file_value) {
    return from_file_value<EmbedmentMethod>(file_value);
}

using WorkFiles = test::InWorkFolder;

// Distinct values for every field, so a field written at the wrong place or
// read into the wrong member shows up.
struct Filler {
    double next_real = 0.5;
    std::int32_t next_int = 1;
    void field(std::int32_t& v) { v = next_int++; }
    void field(double& v) {
        v = next_real;
        next_real += 1.25;
    }
    template <class T, std::size_t N> void field(std::array<T, N>& values) {
        for (T& v : values)
            field(v);
    }
    void text(std::string& s, std::size_t) { s = "SP-IIIw"; }
    void reserved(std::size_t) {}
};

StabilityResults filled_results() {
    StabilityResults r;
    Filler f;
    image_fields_decided(f, r.decided);
    image_fields_case_result(f, r.case_results);
    image_fields_corrosion(f, r.corrosion);
    image_fields_design_values(f, r.design_values);
    image_fields_pipe_stress(f, r.pipe_stress);
    image_fields_level_solver(f, r.level_solver);
    image_fields_level_displacement(f, r.level_displacement);
    return r;
}

std::string file_bytes(const char* name) {
    CFile file = open_file(name, "rb");
    std::string bytes;
    int c = 0;
    while ((c = std::fgetc(file.get())) != EOF)
        bytes.push_back(static_cast<char>(c));
    return bytes;
}

void put_bytes(const char* name, const std::string& bytes) {
    CFile file = open_file(name, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

std::int32_t int_at(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8U) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

double real_at(const std::string& bytes, std::size_t offset) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8U) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return std::bit_cast<double>(v);
}

bool same_blocks(const StabilityResults& a, const StabilityResults& b) {
    auto image = [](const StabilityResults& r) {
        ByteWriter w;
        image_fields_decided(w, r.decided);
        image_fields_case_result(w, r.case_results);
        image_fields_corrosion(w, r.corrosion);
        image_fields_design_values(w, r.design_values);
        image_fields_pipe_stress(w, r.pipe_stress);
        image_fields_level_solver(w, r.level_solver);
        image_fields_level_displacement(w, r.level_displacement);
        return w.bytes();
    };
    return image(a) == image(b);
}

TEST_F(WorkFiles, NeireCmIs1792LittleEndianBytesAtTheFixedOffsetsAndReadsBack) {
    StabilityResults written = filled_results();
    written.decided.name = "\x82\x72\x82\x6f\x81\x7c\x82\x68\x82\x68\x82\x68w"; // code page 932
    written.corrosion.case_flag = kNoCorrosion;
    written.design_values.adopted = {2.5, 18.0};
    written.case_results.stress_ng[4][1][2] = 7;
    write_neire_cm(written);

    std::string bytes = file_bytes(kNeireCmFile);
    ASSERT_EQ(bytes.size(), 1792u);
    // DecidedPile: id at 0, name at 4 (NUL-ended), added flag at 368.
    EXPECT_EQ(int_at(bytes, 0), written.decided.id);
    EXPECT_EQ(std::string(bytes.data() + 4), written.decided.name);
    EXPECT_EQ(int_at(bytes, 368), written.decided.added);
    EXPECT_EQ(real_at(bytes, 40), written.decided.modulus[0]);
    EXPECT_EQ(real_at(bytes, 344 + 16), written.decided.stress_modulus[2]);
    // CaseResultBlock from 376: the last stress flag [4][1][2] ends the int block at 904.
    EXPECT_EQ(real_at(bytes, 376), written.case_results.stress[0][0][0]);
    EXPECT_EQ(int_at(bytes, 376 + 900), 7);
    EXPECT_EQ(int_at(bytes, 376 + 1092), written.case_results.combined_ng[1][1]);
    // CorrosionBlock from 1472: case flag at 48.
    EXPECT_EQ(int_at(bytes, 1472 + 48), -1);
    // DesignValueBlock from 1528: N-value flag at 48, adopted pair at 88 and 96.
    EXPECT_EQ(int_at(bytes, 1528 + 48), written.design_values.n_value_flag);
    EXPECT_EQ(real_at(bytes, 1528 + 56), written.design_values.n_value);
    EXPECT_EQ(real_at(bytes, 1528 + 88), 2.5);
    EXPECT_EQ(real_at(bytes, 1528 + 96), 18.0);
    // PipeStressBlock from 1656: wall thickness [1] is the last double.
    EXPECT_EQ(real_at(bytes, 1656 + 128), written.pipe_stress.wall_thickness[1]);

    StabilityResults read;
    read.level_solver = written.level_solver; // not part of this file
    read.level_displacement = written.level_displacement;
    read_neire_cm(read);
    EXPECT_TRUE(same_blocks(read, written));
    EXPECT_EQ(read.decided.name, written.decided.name);
}

TEST_F(WorkFiles, PileNameLongerThanItsRoomIsCutWholeCharactersAndTerminated) {
    StabilityResults written;
    written.decided.name =
        std::string(34, 'A') + "\x82\xa0" + "B"; // a double-byte character across byte 35
    write_neire_cm(written);
    StabilityResults read;
    read_neire_cm(read);
    EXPECT_EQ(read.decided.name, std::string(34, 'A'));
}

TEST_F(WorkFiles, NeireTlRecordsFollowOneAnother) {
    StabilityResults first = filled_results();
    StabilityResults second;
    second.level_displacement.embedment[1][1] = 9.875;
    {
        CFile file = open_file(kNeireTlFile, "wb");
        write_neire_tl(file.get(), first);
        write_neire_tl(file.get(), second);
    }
    ASSERT_EQ(file_bytes(kNeireTlFile).size(), 2u * 464u);
    CFile file = open_file(kNeireTlFile, "rb");
    StabilityResults read;
    read_neire_tl(file.get(), read);
    EXPECT_EQ(read.level_solver.pipe_combined, first.level_solver.pipe_combined);
    EXPECT_EQ(read.level_displacement.load_sum, first.level_displacement.load_sum);
    read_neire_tl(file.get(), read);
    EXPECT_EQ(read.level_displacement.embedment[1][1], 9.875);
    EXPECT_EQ(read.level_solver.moment[0][0], 0.0);
    // A third record is not there: the reader stops rather than keep the second.
    EXPECT_THROW(read_neire_tl(file.get(), read), ProgramStop);
}

TEST_F(WorkFiles, ChangCaseRecordWithThreeRowsIs156Bytes) {
    CaseAreas areas;
    alloc_chang_area(areas, {3, 0});
    areas.load_item_count = 3;
    areas.load_items[2] = {0.25, 0.026, 1.302};
    areas.chang.beta = {0.31, 0.29, 0.3};
    {
        CFile file = open_file(kNeireFile, "wb");
        write_neire_case(file.get(), areas, method_code(1));
    }
    std::string bytes = file_bytes(kNeireFile);
    ASSERT_EQ(bytes.size(), 4u + 72u + 80u);
    EXPECT_EQ(int_at(bytes, 0), 3);
    EXPECT_EQ(real_at(bytes, 4 + 48 + 16), 1.302);
    EXPECT_EQ(real_at(bytes, 76 + 8 + 24), 0.31); // status, gap, kh[3], then beta

    CFile file = open_file(kNeireFile, "rb");
    CaseAreas read;
    read_neire_case(file.get(), read, method_code(1), {3, 0});
    EXPECT_EQ(read.load_item_count, 3);
    EXPECT_EQ(read.load_items[2].term, 1.302);
    EXPECT_EQ(read.chang.beta, areas.chang.beta);
}

TEST(ResultAreas, PortResearchAreaStartsWithItsScales) {
    struct Case {
        int method;
        double k_scale;
    } cases[] = {{3, 1000.0}, {5, 1000.0}, {0, 0.0}, {6, 0.0}};
    for (const Case& c : cases) {
        CaseAreas areas;
        areas.koken.result[7] = 3.0; // left from an earlier case
        alloc_method_area(areas, {2, 0}, method_code(c.method));
        EXPECT_EQ(areas.koken.scale[0], 1.0) << c.method;
        EXPECT_EQ(areas.koken.scale[1], 10000.0) << c.method;
        EXPECT_EQ(areas.koken.scale[2], c.k_scale) << c.method;
        EXPECT_EQ(areas.koken.result[7], 0.0) << c.method;
        EXPECT_EQ(areas.load_items.size(), 2u);
    }
}

TEST_F(WorkFiles, KokenCaseRecordIsScalesCurveAreaThenResultArea) {
    CaseAreas areas;
    alloc_koken_area(areas, {0, 0}, method_code(5));
    areas.koken.curve[65] = -1.5;
    areas.koken.result[0] = 4.25;
    {
        CFile file = open_file(kNeireFile, "wb");
        write_neire_case(file.get(), areas, method_code(5));
    }
    std::string bytes = file_bytes(kNeireFile);
    ASSERT_EQ(bytes.size(), 4u + 24u + 528u + 968u);
    EXPECT_EQ(real_at(bytes, 4), 1.0);
    EXPECT_EQ(real_at(bytes, 12), 10000.0);
    EXPECT_EQ(real_at(bytes, 20), 1000.0);
    EXPECT_EQ(real_at(bytes, 28 + 65 * 8), -1.5);
    EXPECT_EQ(real_at(bytes, 28 + 528), 4.25);
}

MatrixResult sample_matrix(CaseAreas& areas, const std::array<int, 3>& counts) {
    MatrixResult& m = areas.matrix;
    for (std::size_t s = 0; s < 3; ++s) {
        MatrixElements& e = m.elements[s];
        e.count = counts[s];
        e.embedded_length = 6.5 + static_cast<double>(s);
        for (int i = 0; i < counts[s]; ++i) {
            const auto u = static_cast<std::size_t>(i);
            e.rigidity[u] = 40000.0 + i;
            e.length[u] = 1.0;
            e.kh[u] = 20000.0 - i;
            e.beta[u] = 0.4 + 0.01 * i;
            e.factor[u] = 1.0;
        }
        m.nodes[s].point_count = counts[s] + 1;
        m.nodes[s].moment[44] = -12.5 * static_cast<double>(s + 1);
    }
    m.moment = {101.0, 102.0, 103.0};
    m.max_moment_depth = {2.1, 2.2, 2.3};
    m.first_zero = {4.1, 4.2, 4.3};
    return m;
}

TEST_F(WorkFiles, MatrixCaseRecordCarriesEachSectionsCountBeforeItsArrays) {
    CaseAreas areas;
    alloc_matrix_area(areas, {1, 5});
    areas.load_item_count = 1;
    areas.load_items[0] = {0.5, 0.104, 2.083};
    MatrixResult written = sample_matrix(areas, {4, 5, 0});
    {
        CFile file = open_file(kNeireFile, "wb");
        write_neire_case(file.get(), areas, method_code(2));
    }
    std::string bytes = file_bytes(kNeireFile);
    // row count and row, three counts, 3 x 3 table, then per section the count,
    // two reals, five arrays of count reals and the 1808-byte node block.
    const std::size_t head = 4 + 24 + 12 + 72;
    ASSERT_EQ(bytes.size(),
              head + (4 + 16 + 40 * 4 + 1808) + (4 + 16 + 40 * 5 + 1808) + (4 + 16 + 1808));
    EXPECT_EQ(int_at(bytes, 28), 4);
    EXPECT_EQ(int_at(bytes, 36), 0);
    EXPECT_EQ(real_at(bytes, 40), 101.0);
    EXPECT_EQ(real_at(bytes, 40 + 64), 4.3);
    EXPECT_EQ(int_at(bytes, head), 4);
    EXPECT_EQ(real_at(bytes, head + 4 + 8), 6.5); // no gap after the count
    EXPECT_EQ(real_at(bytes, head + 20), 40000.0);

    CFile file = open_file(kNeireFile, "rb");
    CaseAreas read;
    read_neire_case(file.get(), read, method_code(4), {1, 5});
    const MatrixResult& m = read.matrix;
    EXPECT_EQ(m.moment, written.moment);
    EXPECT_EQ(m.first_zero, written.first_zero);
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(m.elements[s].count, written.elements[s].count);
        EXPECT_EQ(m.elements[s].embedded_length, written.elements[s].embedded_length);
        EXPECT_EQ(m.elements[s].beta, written.elements[s].beta);
        EXPECT_EQ(m.elements[s].kh, written.elements[s].kh);
        EXPECT_EQ(m.nodes[s].point_count, written.nodes[s].point_count);
        EXPECT_EQ(m.nodes[s].moment, written.nodes[s].moment);
    }
    EXPECT_EQ(read.load_items[0].factor, 0.104);
}

// Damaged case records: each must stop the reader, never leave stale values.
TEST_F(WorkFiles, DamagedCaseRecordsStopTheReader) {
    CaseAreas areas;
    alloc_matrix_area(areas, {2, 5});
    areas.load_item_count = 2;
    sample_matrix(areas, {5, 5, 5});
    {
        CFile file = open_file(kNeireFile, "wb");
        write_neire_case(file.get(), areas, method_code(2));
    }
    const std::string good = file_bytes(kNeireFile);
    const std::size_t head = 4 + 48 + 12 + 72;

    auto patched_int = [&](std::size_t offset, std::int32_t value) {
        std::string b = good;
        for (int i = 0; i < 4; ++i)
            b[offset + static_cast<std::size_t>(i)] =
                static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFFU);
        return b;
    };
    std::string not_a_number = good;
    const std::uint64_t nan_bits =
        std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN());
    for (int i = 0; i < 8; ++i)
        not_a_number[head + 4 + 8 + static_cast<std::size_t>(i)] =
            static_cast<char>((nan_bits >> (8 * i)) & 0xFFU);

    struct Case {
        const char* what;
        std::string bytes;
        CaseAreaSizes sizes;
    } cases[] = {
        {"intact", good, {2, 5}},
        {"ends inside the last node block", good.substr(0, good.size() - 1), {2, 5}},
        {"ends inside the rows", good.substr(0, 30), {2, 5}},
        {"empty file", "", {2, 5}},
        {"more rows than the case has room for", good, {1, 5}},
        {"negative row count", patched_int(0, -1), {2, 5}},
        {"element count beyond the room", good, {2, 4}},
        {"node count beyond 45", patched_int(head + 4 + 16 + 200, 46), {2, 5}},
        {"a real that is not a number", not_a_number, {2, 5}},
    };
    for (const Case& c : cases) {
        put_bytes(kNeireFile, c.bytes);
        CFile file = open_file(kNeireFile, "rb");
        CaseAreas read;
        if (std::string(c.what) == "intact") {
            EXPECT_NO_THROW(read_neire_case(file.get(), read, method_code(2), c.sizes));
        } else {
            EXPECT_THROW(read_neire_case(file.get(), read, method_code(2), c.sizes), ProgramStop)
                << c.what;
        }
    }
}

TEST_F(WorkFiles, ShortOrMissingNeireCmStopsTheReader) {
    StabilityResults results;
    EXPECT_THROW(read_neire_cm(results), ProgramStop); // missing
    write_neire_cm(filled_results());
    put_bytes(kNeireCmFile, file_bytes(kNeireCmFile).substr(0, 1791));
    EXPECT_THROW(read_neire_cm(results), ProgramStop);
}

TEST_F(WorkFiles, ResultThatIsNotANumberIsNotWritten) {
    StabilityResults results;
    results.case_results.displacement[0][0][0] = std::numeric_limits<double>::infinity();
    EXPECT_THROW(write_neire_cm(results), ProgramStop);
}

TEST_F(WorkFiles, AdoptedValuesFile) {
    StabilityResults results;
    write_cal_nei(results);
    EXPECT_EQ(file_bytes(kCalNeiFile), "0.000\r\n0.000\r\n");
    results.design_values.adopted = {-9999.999, 9999.9994};
    write_cal_nei(results);
    EXPECT_EQ(file_bytes(kCalNeiFile), "-9999.999\r\n9999.999\r\n");
    // A value the dialog's boxes cannot show is never written.
    results.design_values.adopted.pile_length = 1e30;
    EXPECT_THROW(write_cal_nei(results), ProgramStop);

    struct Case {
        const char* text; // nullptr: no file
        bool stops;
        double depth;
        double length;
    } cases[] = {
        {" 3.250\r\n12.000\r\n", false, 3.25, 12.0}, // as the results dialog writes it
        {"-3.5\n+14\n", false, -3.5, 14.0},          // LF only, a sign
        {nullptr, false, 1.5, 20.0},                 // missing: fallbacks (depth 1.5, length 20.0)
        {"3.250\r\n", true, 0, 0},                   // second line lost
        {"", true, 0, 0},
        {"abc\r\n7\r\n", true, 0, 0},       // a line of other text is not adopted as 0
        {"-12.0\r\n14.5m\r\n", true, 0, 0}, // a number and more
        {"\r\n14.5\r\n", true, 0, 0},       // a blank line
        {"nan\r\n1\r\n", true, 0, 0},
        {"-12.0\r\n1e30\r\n", true, 0, 0}, // beyond the box
        {"-12.0\r\n10000\r\n", true, 0, 0},
    };
    for (const Case& c : cases) {
        std::remove(kCalNeiFile);
        if (c.text != nullptr) put_bytes(kCalNeiFile, c.text);
        StabilityResults read;
        if (c.stops) {
            EXPECT_THROW(read_cal_nei(read, 20.0, 1.5), ProgramStop) << c.text;
            continue;
        }
        read_cal_nei(read, 20.0, 1.5);
        EXPECT_EQ(read.design_values.adopted.embedment_depth, c.depth)
            << (c.text ? c.text : "missing");
        EXPECT_EQ(read.design_values.adopted.pile_length, c.length)
            << (c.text ? c.text : "missing");
    }
}

// The tip is a level: an adopted tip above the required one, or a shorter
// pile, falls short; within half the last shown decimal it does not.
TEST(AdoptedValues, ShortOfTheRequiredTipOrLength) {
    const AdoptedValues required = {-13.500, 16.000};
    struct Case {
        const char* what;
        AdoptedValues adopted;
        bool short_;
    } cases[] = {
        {"as computed", {-13.500, 16.000}, false},
        {"deeper and longer", {-14.000, 16.500}, false},
        {"the section's old adoption", {-12.000, 14.500}, true},
        {"tip above, length kept", {-13.000, 16.000}, true},
        {"tip kept, pile shorter", {-13.500, 15.999}, true},
        {"tip 0.0004 above", {-13.4996, 16.000}, false},
        {"pile 0.0004 shorter", {-13.500, 15.9996}, false},
        {"tip 0.001 above", {-13.499, 16.000}, true},
        {"a depth typed for the tip", {13.500, 16.000}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(adoption_falls_short(c.adopted, required), c.short_) << c.what;
}

} // namespace
} // namespace wtn

namespace wtn {
namespace {

// Boundary rows of a force case from its start row: levels 0.0, -2.5,
// -12.5 and -20.0 m (layers of 2.5, 10 and 7.5 m), the case's base at 0.0.
ForceCase three_layers_from_the_base() {
    ForceCase fc;
    fc.start_index = 0;
    fc.layer_count = 4;
    fc.layers[0] = {0.0, 2.5, 0.5, 1, 0.0, 0, 20000.0};
    fc.layers[1] = {-2.5, 10.0, 0.5, 1, 0.0, 0, 30000.0};
    fc.layers[2] = {-12.5, 7.5, 0.5, 1, 0.0, 0, 40000.0};
    fc.layers[3] = {-20.0, 0.0, 0.0, 0, 0.0, 0, 0.0};
    fc.base[1].level = 0.0;
    return fc;
}

TEST(CaseAreaSizes, LoadRowsCountTheInputForcesTheForceLinesAndTheDynamicWater) {
    InputRecord input;
    input.force_normal_count = 2;
    input.force_seismic_count = 1;
    ForceCase fc;
    fc.force_count = 4;
    fc.dynamic_count = 3;
    CustomisationValues custom;
    EXPECT_EQ(case_area_sizes(input, custom, fc, 0, method_code(1)).load_items, 2 + 4 + 1);
    EXPECT_EQ(case_area_sizes(input, custom, fc, 1, method_code(1)).load_items, 1 + 4 + 3 + 1);
    EXPECT_EQ(case_area_sizes(input, custom, fc, 1, method_code(3)).matrix_elements, 0);
}

TEST(CaseAreaSizes, ElementsDownToTheLayerThatHoldsTheTip) {
    struct Case {
        const char* what;
        int method;
        double tip;
        double pitch;
        double first_bottom; // level of boundary row 1
        int elements;
    } cases[] = {
        // One element per layer, plus 5 spare.
        {"layer per element, tip in the first layer", 2, -1.0, 1.0, -2.5, 1 + 5},
        {"layer per element, tip in the second layer", 2, -6.3, 1.0, -2.5, 2 + 5},
        {"layer per element, tip on a boundary", 2, -12.5, 1.0, -2.5, 2 + 5},
        // Pieces of the pitch: the first layer from the base to the next row
        // (2.5 m -> 3 pieces), the tip layer from its top to the tip
        // (-2.5 - -6.3 = 3.8 m -> 4 pieces).
        {"by pitch, 2.5 m layer holding the tip", 4, -1.0, 1.0, -2.5, 3 + 5},
        {"by pitch, remainder at the tolerance", 4, -1.0, 1.0, -2.000001, 2 + 5},
        {"by pitch, tip in the second layer", 4, -6.3, 1.0, -2.5, 3 + 4 + 5},
        {"by pitch of 0.5 m, tip in the third layer", 4, -15.0, 0.5, -2.5, 5 + 20 + 5 + 5},
    };
    InputRecord input;
    CustomisationValues custom;
    for (const Case& c : cases) {
        ForceCase fc = three_layers_from_the_base();
        fc.layers[1].level = c.first_bottom;
        input.joken.embedment_level = c.tip;
        custom.division_pitch = c.pitch;
        EXPECT_EQ(case_area_sizes(input, custom, fc, 1, method_code(c.method)).matrix_elements,
                  c.elements)
            << c.what;
    }
}

TEST(CaseAreaSizes, TipBelowTheLastLayerOrNoPitchIsRefused) {
    InputRecord input;
    CustomisationValues custom;
    custom.division_pitch = 1.0;
    input.joken.embedment_level = -25.0;
    ForceCase fc = three_layers_from_the_base();
    EXPECT_THROW(case_area_sizes(input, custom, fc, 0, method_code(2)), ProgramStop);
    EXPECT_THROW(case_area_sizes(input, custom, fc, 0, method_code(4)), ProgramStop);
    input.joken.embedment_level = -1.0;
    custom.division_pitch = 0.0;
    EXPECT_THROW(case_area_sizes(input, custom, fc, 0, method_code(4)), ProgramStop);
    EXPECT_NO_THROW(case_area_sizes(input, custom, fc, 0,
                                    method_code(2))); // one element per layer needs no pitch
    // 2.5 m in pieces of 1e-12 m: far more elements than a work area holds
    // (and than an int counts); refused, never a wrapped, negative room.
    custom.division_pitch = 1e-12;
    EXPECT_THROW(case_area_sizes(input, custom, fc, 0, method_code(4)), ProgramStop);
}

TEST(ResultResets, CountersAndAreasStartEmpty) {
    ForceCase fc = three_layers_from_the_base();
    fc.force_count = 3;
    fc.forces[2] = {1.0, 2.0};
    fc.base[0] = {-10.0, 25.0};
    fc.total_force = 15.0;
    StabilityResults results;
    results.areas.load_item_count = 4;
    results.design_values.adopted = {3.0, 15.0};
    results.decided.name = "X";
    results.level_displacement.total[1][1] = 2.5;

    reset_result_counters(fc, results);
    EXPECT_EQ(fc.start_index, -1);
    EXPECT_EQ(fc.layer_count, 0);
    EXPECT_EQ(fc.force_count, 0);
    EXPECT_EQ(results.areas.load_item_count, 0);

    clear_result_areas(fc, results);
    EXPECT_EQ(fc.start_index, -1);
    EXPECT_EQ(fc.layers[1].kh, 0.0);
    EXPECT_EQ(fc.forces[2].force, 0.0);
    EXPECT_EQ(fc.base[0].pressure, 0.0);
    EXPECT_EQ(fc.total_force, 0.0);
    EXPECT_EQ(results.design_values.adopted.pile_length, 0.0);
    EXPECT_EQ(results.decided.name, "");
    EXPECT_EQ(results.level_displacement.total[1][1], 0.0);
}

} // namespace
} // namespace wtn
