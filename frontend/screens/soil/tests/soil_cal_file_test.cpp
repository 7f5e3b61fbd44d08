// Uses of the soil-layer screen from the template project to the calculation
// input: layers typed in on both sides under each kind of embedment method,
// the lines written for them, what the batch programs' reader makes of them,
// and the same lists after saving and reopening the project.
#include "cal_writer.h"
#include "input_file.h"
#include "input_record.h"
#include "soil_fixture.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wtn::soil::test {
namespace {

std::vector<std::string> items(const std::string& line) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = line.find(',', from);
        out.push_back(line.substr(from, comma - from));
        if (comma == std::string::npos) return out;
        from = comma + 1;
    }
}

// Items first to last (1-based) of a line as the file holds them.
std::string item_text(const std::string& line, int first, int last) {
    const std::vector<std::string> all = items(line);
    std::string text;
    for (int i = first; i <= last; ++i) {
        if (i > first) text += ',';
        text += all.at(i);
    }
    return text;
}

struct ScriptedSoil : SoilFixture {
    // Both studies, no soil layers: the sides are built through the screen.
    void begin(int neire_sw) {
        data.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(neire_sw);
        data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
        data.sekkei_dat.sekouji_sw = CheckBox::Checked;
        data.dosou_dat = DosouData{};
        show();
    }
    // Adds a layer after the selected one's copy and types its common values.
    void add_layer(Side s, const char* top, const char* wet, const char* sat, bool clay) {
        press(s, kAddButton);
        type(s, 0, top);
        type(s, 1, wet);
        type(s, 2, sat);
        choose(s, clay ? kClayOption : kSandOption);
    }
    // Stores every screen and writes the calculation input.
    std::vector<std::string> cal_file() {
        window->store_all_screens();
        EXPECT_TRUE(window->file_commands().write_work_cal_file(kInputFileName));
        return read_text_file(folder.file(kInputFileName));
    }
    std::vector<std::string> keyed(const std::vector<std::string>& lines, const std::string& key) {
        std::vector<std::string> out;
        for (const std::string& l : lines)
            if (l.rfind(key + ",", 0) == 0) out.push_back(l);
        return out;
    }
};

TEST(SoilCalFile, ChangLayersOfBothSidesReachTheRunWithTheirDerivedConstants) {
    ScriptedSoil f;
    f.begin(0);
    f.add_layer(Side::land, "3", "18", "20", false);
    f.type(Side::land, 3, "30");
    f.choose(Side::land, 3); // Kh = 1500 N
    f.type(Side::land, 7, "12.3");
    f.add_layer(Side::land, "-8", "16", "17", true);
    f.type(Side::land, 4, "20");
    f.type(Side::land, 5, "1.5");
    f.choose(Side::land, 4); // Yokoyama's chart
    f.type(Side::land, 8, "10");

    f.page(Side::sea);
    f.add_layer(Side::sea, "-7.5", "0", "19", false); // below water: no wet weight
    f.type(Side::sea, 3, "30");
    f.type(Side::sea, 6, "5000");
    f.add_layer(Side::sea, "-12", "18", "20", false);
    f.type(Side::sea, 3, "32");
    f.choose(Side::sea, 3);
    f.type(Side::sea, 7, "2.3");

    // The N-Kc chart belongs to the multi-layer C-type method: the third land
    // layer is entered under it, and the run made with Chang's method again.
    f.stored();
    f.data.sekkei_dat.neire_sw = EmbedmentMethod::CTypeMultiLayer;
    f.show();
    f.add_layer(Side::land, "-15", "18", "19", false);
    f.type(Side::land, 3, "35");
    f.choose(Side::land, 5);
    f.type(Side::land, 9, "10");
    f.stored();
    f.data.sekkei_dat.neire_sw = EmbedmentMethod::Chang;
    f.show();

    const std::vector<std::string> lines = f.cal_file();
    EXPECT_EQ(f.keyed(lines, "sdatu"),
              (std::vector<std::string>{
                  "sdatu, 3 , 18 , 10 , 20 , 30 , 0 , 0 , 2 , 12.3 , 18450 ",
                  "sdatu,-8 , 16 , 7 , 17 , 0 , 20 , 1.5 , 3 , 10 , 20000 ",
                  "sdatu,-15 , 18 , 9 , 19 , 35 , 0 , 0 , 4 , 10 , 2090 ",
              }));
    EXPECT_EQ(f.keyed(lines, "jdatu"),
              (std::vector<std::string>{
                  "jdatu,-7.5 , 0 , 9 , 19 , 30 , 0 , 0 , 1 , 0 , 5000 ",
                  "jdatu,-12 , 18 , 10 , 20 , 32 , 0 , 0 , 2 , 2.3 , 3450 ",
              }));
    ASSERT_EQ(f.keyed(lines, "joken").size(), 1u);
    EXPECT_EQ(items(f.keyed(lines, "joken")[0]).at(5), " 3 ");

    InputRecord in;
    read_input(in, f.folder.file(kInputFileName));
    ASSERT_EQ(in.land_layer_count, 3);
    ASSERT_EQ(in.sea_layer_count, 2);
    EXPECT_EQ(in.land_layers[0].kh, 18450.0);
    EXPECT_EQ(to_file_value(in.land_layers[1].resistance_option), 3);
    EXPECT_EQ(in.land_layers[2].kh, 2090.0);
    EXPECT_EQ(in.sea_layers[0].wet_weight, 0.0);
    EXPECT_EQ(in.sea_layers[0].saturated_weight, 19.0);
    EXPECT_EQ(in.sea_layers[1].kh, 3450.0);

    // Saved and opened again, the screen shows the same lists.
    const std::vector<std::string> land = f.lst(Side::land).lines();
    const std::vector<std::string> sea = f.lst(Side::sea).lines();
    const std::string path = f.folder.file("soil.tn2");
    f.files.paths.push_back(path);
    ASSERT_TRUE(f.window->file_commands().file_save_as());
    f.data.dosou_dat = DosouData{};
    f.files.paths.push_back(path);
    f.window->file_commands().file_open();
    f.window->opt_menu[kSoilScreen]->user_click();
    EXPECT_EQ(f.lst(Side::land).lines(), land);
    EXPECT_EQ(f.lst(Side::sea).lines(), sea);
}

TEST(SoilCalFile, CTypeAndSTypeSidesWriteTheirMethodRecords) {
    {
        ScriptedSoil f;
        f.begin(2);
        f.add_layer(Side::land, "3", "18", "20", false);
        f.choose(Side::land, 7); // mean N value
        f.type(Side::land, 11, "10");
        f.page(Side::sea);
        f.add_layer(Side::sea, "-5", "18", "20", false);
        f.type(Side::sea, 10, "500"); // Kc given
        const std::vector<std::string> neire = f.keyed(f.cal_file(), "neire");
        ASSERT_EQ(neire.size(), 1u);
        EXPECT_EQ(item_text(neire[0], 1, 4), " 2 , 0 , 0 , 500 ");
        EXPECT_EQ(item_text(neire[0], 12, 15), " 1 , 10 , 0 , 2090 ");
    }
    {
        ScriptedSoil f;
        f.begin(4);
        f.page(Side::sea);
        f.add_layer(Side::sea, "-5", "18", "20", false);
        f.choose(Side::sea, 8); // rate of increase of N
        f.type(Side::sea, 12, "10");
        const std::vector<std::string> neire = f.keyed(f.cal_file(), "neire");
        ASSERT_EQ(neire.size(), 1u);
        EXPECT_EQ(item_text(neire[0], 1, 4), " 1 , 0 , 10 , 3288.5 ");
    }
}

} // namespace
} // namespace wtn::soil::test
