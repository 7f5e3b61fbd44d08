// The installed customisation file and sheet-pile catalogues as the batch
// programs and the front end read them: both sides must hold the same values,
// or the dialog would show one pile or option and the calculation use another.
#include "current_folder.h"
#include "program_folder.h"
#include "same_customisation.h"

#include "cp932_codec.h"
#include "custom_file.h"
#include "customisation.h"
#include "design_data.h"
#include "input_record.h"
#include "number_text.h"
#include "pile_catalogue.h"
#include "pile_catalogues.h"
#include "whole_catalogues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wtn {
namespace {

TEST(InstalledOnBothSides, CustomisationFileReadsIntoTheSameRecord) {
    test::ProgramFolder folder;
    const CustomisationValues front = read_custom_file(folder.path());
    CustomisationValues batch;
    {
        test::CurrentFolder here(folder);
        batch = read_customisation();
    }
    test::expect_same_customisation(batch, front);
    // Line 20 is the front end's alone; the batch programs leave it 0.
    EXPECT_EQ(to_file_value(batch.sindo_round_sw), 0);
    // Values an engineer can check against the installed file.
    EXPECT_EQ(batch.wall_friction_angle, 15.0);
    EXPECT_EQ(batch.division_pitch, 0.5);
    EXPECT_EQ(to_file_value(batch.pile_tip_condition), 1);
    EXPECT_EQ(batch.qu_denominator, 80.0);
}

// The front end's table holds the installed piles of a kind first, in file
// order, then the user's; the installed user catalogues are empty.
void expect_same_piles(const PileTable& batch, const std::array<YaitaRec, kCatalogueRoom>& front,
                       int front_count, const char* kind) {
    ASSERT_EQ(static_cast<std::size_t>(front_count), batch.size()) << kind;
    ASSERT_GT(batch.size(), 0u) << kind;
    for (std::size_t k = 0; k < batch.size(); ++k) {
        const PileRecord& b = batch[k];
        const YaitaRec& f = front[k];
        EXPECT_EQ(f.id, b.id) << kind << " row " << k;
        EXPECT_EQ(trim_blanks(f.name), cp932_to_utf8(b.name)) << kind << " row " << k;
        EXPECT_EQ(f.inertia, b.inertia) << kind << " " << b.id;
        EXPECT_EQ(f.modulus, b.modulus) << kind << " " << b.id;
        EXPECT_EQ(f.moment, b.moment) << kind << " " << b.id;
        EXPECT_EQ(f.added, b.added) << kind << " " << b.id;
    }
}

TEST(InstalledOnBothSides, CataloguesReadIntoTheSamePiles) {
    test::ProgramFolder folder;
    DesignData data;
    EXPECT_TRUE(read_pile_catalogues(data, folder.path()).empty());
    PileTable steel, pc;
    {
        test::CurrentFolder here(folder);
        const InputRecord input;
        steel = read_all_steel_piles(input);
        EXPECT_EQ(read_all_added_piles(input, kAddedSteel, steel), 0);
        pc = read_all_pc_piles(input);
        EXPECT_EQ(read_all_added_piles(input, kAddedPc, pc), 0);
    }
    expect_same_piles(steel, data.yaita_tbl, data.yaita_cnt, "steel");
    expect_same_piles(pc, data.pcyaita_tbl, data.pcyaita_cnt, "concrete");
}

} // namespace
} // namespace wtn
