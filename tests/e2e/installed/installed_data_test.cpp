// Every installed data file, copied into a fresh program folder, read by the
// readers the programs use; the default wall section run through the load
// program.
#include "child_process.h"
#include "current_folder.h"
#include "program_folder.h"

#include "csv_line.h"
#include "customisation.h"
#include "input_file.h"
#include "input_record.h"
#include "pile_catalogue.h"
#include "switch_file.h"
#include "text_lines.h"
#include "whole_catalogues.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace wtn {
namespace {

using test::ProgramFolder;

// The library opens its files by bare name in the current folder.
class InstalledFolder : public ::testing::Test {
  protected:
    ProgramFolder folder_;

  private:
    test::CurrentFolder here_{folder_};
};

std::vector<CsvLine> data_lines(const std::string& path) {
    std::vector<std::string> lines;
    EXPECT_TRUE(read_lines(path, lines)) << path;
    std::vector<CsvLine> out;
    for (const std::string& text : lines) {
        if (text.empty() || text[0] == '#') continue;
        CsvLine line;
        split_csv_line(text, line);
        out.push_back(line);
    }
    return out;
}

TEST_F(InstalledFolder, CataloguesReadEverySectionWithItsValues) {
    InputRecord input;
    const PileTable steel = read_all_steel_piles(input);
    ASSERT_EQ(steel.size(), 16u);
    for (const PileRecord& p : steel) {
        EXPECT_GT(p.modulus, 0.0) << p.name;
        EXPECT_GT(p.inertia, p.modulus) << p.name;
    }
    const PileTable pc = read_all_pc_piles(input);
    ASSERT_EQ(pc.size(), 12u);
    for (const PileRecord& p : pc)
        EXPECT_GT(p.moment, 0.0) << p.name;

    PileTable added;
    EXPECT_EQ(read_all_added_piles(input, kAddedSteel, added), 0);
    EXPECT_EQ(read_all_added_piles(input, kAddedPc, added), 0);

    // A selection of every installed steel id, in file order, finds them all.
    for (const PileRecord& p : steel)
        input.catalogue_piles.ids[input.catalogue_piles.count++] = p.id;
    EXPECT_EQ(read_steel_piles(input).size(), steel.size());
}

// The front end reads the installed catalogues field by field: exactly 12
// fields a steel line (the quoted name among them), 9 on the first line of a
// concrete pile, whose next two lines it passes over; at most 100 piles of
// each kind with the user's own.
TEST_F(InstalledFolder, CatalogueLinesHoldTheFieldCountsTheFrontEndReads) {
    std::size_t steel = 0, concrete = 0;
    for (int n = 1; n <= kSteelCatalogueCount; ++n)
        for (const CsvLine& line : data_lines(steel_catalogue_name(n))) {
            EXPECT_EQ(line.fields.size() + line.texts.size(), 12u) << steel_catalogue_name(n);
            ++steel;
        }
    for (int n = 1; n <= kPcCatalogueCount; ++n) {
        const std::vector<CsvLine> lines = data_lines(pc_catalogue_name(n));
        const auto lines_per_pile = static_cast<std::size_t>(kPcCatalogueLayout.lines_per_pile);
        ASSERT_EQ(lines.size() % lines_per_pile, 0u);
        for (std::size_t i = 0; i < lines.size(); i += lines_per_pile) {
            EXPECT_EQ(lines[i].fields.size() + lines[i].texts.size(), 9u) << pc_catalogue_name(n);
            EXPECT_EQ(lines[i].texts.size(), 1u);
            EXPECT_TRUE(lines[i + 1].texts.empty() && lines[i + 2].texts.empty());
            ++concrete;
        }
    }
    EXPECT_LT(steel, 100u);
    EXPECT_LT(concrete, 100u);
}

TEST_F(InstalledFolder, ChartTableHasOneLineForEverySteelSection) {
    InputRecord input;
    std::set<int> steel_ids;
    for (const PileRecord& p : read_all_steel_piles(input))
        steel_ids.insert(p.id);
    std::multiset<int> chart_ids;
    for (const CsvLine& line : data_lines("YAITA.FDM")) {
        chart_ids.insert(line.integer(0));
        ASSERT_EQ(line.fields.size(), 14u);
        EXPECT_LT(line.integer(1), line.integer(2));
        EXPECT_LT(line.integer(5), line.integer(6));
        for (int f : {3, 4, 7, 8})
            EXPECT_GE(line.integer(f), 1);
        // The axes span whole intervals, as the grid drawing divides them.
        EXPECT_EQ((line.integer(2) - line.integer(1)) % line.integer(3), 0);
        EXPECT_EQ((line.integer(6) - line.integer(5)) % line.integer(7), 0);
    }
    EXPECT_EQ(chart_ids, std::multiset<int>(steel_ids.begin(), steel_ids.end()));
}

TEST_F(InstalledFolder, CustomisationAndSwitchFilesRead) {
    const CustomisationValues c = read_customisation();
    EXPECT_DOUBLE_EQ(c.wall_friction_angle, 15.0);
    EXPECT_DOUBLE_EQ(c.consolidation_factor, 0.5);
    EXPECT_EQ(to_file_value(c.pile_tip_condition), 1);
    EXPECT_DOUBLE_EQ(c.division_pitch, 0.5);
    EXPECT_DOUBLE_EQ(c.chang_embedment_numerator, 3.0);
    EXPECT_DOUBLE_EQ(c.qu_denominator, 80.0);
    EXPECT_EQ(read_prg_sw(), 0);
}

TEST_F(InstalledFolder, DefaultWallSectionReadsAsOneSandSectionWithUTypePiles) {
    InputRecord input;
    read_input(input, kNewDataName);
    EXPECT_EQ(input.joken.pile_type, PileType::U);
    EXPECT_DOUBLE_EQ(input.joken.ground_crown, 3.0);
    EXPECT_DOUBLE_EQ(input.joken.design_seabed, -7.5);
    ASSERT_EQ(input.land_layer_count, 1);
    ASSERT_EQ(input.sea_layer_count, 1);
    EXPECT_DOUBLE_EQ(input.sea_layers[0].top, input.joken.design_seabed);
    EXPECT_DOUBLE_EQ(input.sea_layers[0].kh, 1500.0 * input.sea_layers[0].n_value);
    EXPECT_FALSE(input.title.empty());
}

TEST_F(InstalledFolder, VersionFileHoldsTheVersionText) {
    const std::vector<CsvLine> lines = data_lines("SYSVER.DAT");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text(0), "Ver 2.00");
}

TEST(InstalledData, DefaultWallSectionRunsThroughTheLoadProgram) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", folder.read("TVNDATA.DEF"));
    const test::ChildResult result = test::run_child({test::program_path("TVNDAT"),
                                                      {},
                                                      folder.path(),
                                                      {{"WTN_ANSWER", "no"}},
                                                      {"WTN_UI_PIPE", "WTN_ZEVOVE_CHOICE"},
                                                      {}});
    ASSERT_EQ(result.exit_code, 0) << result.err;
    EXPECT_TRUE(folder.exists("GAIRYOK.DAT"));
}

// Both sides read these files line by line and the batch readers take a line
// in reads of at most 127 bytes: every line ends with CR LF and stays short.
// In the files the batch programs read as comma lines no unquoted field is
// longer than the readers' 10 characters.
TEST(InstalledData, EveryFileEndsItsLinesWithCrLfAndFitsTheReaders) {
    const std::filesystem::path installed = std::filesystem::path(WTN_SOURCE_DIR) / "installed";
    for (const auto& entry : std::filesystem::directory_iterator(installed)) {
        const std::string name = entry.path().filename().string();
        if (name == "README.md" || !entry.is_regular_file()) continue;
        SCOPED_TRACE(name);
        const bool comma_lines = name.rfind("YAITA.", 0) == 0 ||
                                 name.find(".MST") != std::string::npos || name == "TVNDATA.DEF" ||
                                 name == "SYSVER.DAT";
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        std::size_t start = 0;
        while (start < bytes.size()) {
            const std::size_t lf = bytes.find('\n', start);
            ASSERT_NE(lf, std::string::npos);
            ASSERT_GT(lf, start);
            EXPECT_EQ(bytes[lf - 1], '\r') << "bare LF at byte " << lf;
            const std::string line = bytes.substr(start, lf - 1 - start);
            EXPECT_LT(line.size(), 127u) << line;
            if (comma_lines && !line.empty() && line[0] != '#') {
                CsvLine fields;
                split_csv_line(line, fields);
                for (const std::string& f : fields.fields)
                    EXPECT_LE(f.size(), 10u) << line;
            }
            start = lf + 1;
        }
    }
}

} // namespace
} // namespace wtn
