#include "drawing_file.h"
#include "figure_kit.h"
#include "figure_labels.h"
#include "program_stop.h"

#include "current_folder.h"
#include "program_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wtn {
namespace {

std::string command_lines(const std::string& file) {
    // Drops the heading and size lines.
    std::size_t at = file.find("\r\n");
    at = file.find("\r\n", at + 2);
    return file.substr(at + 2);
}

FigureKit full_page_kit(bool landscape) {
    FigureKit kit;
    set_sheet_stage(kit, landscape);
    if (landscape)
        kit.frame = {0, kTitleBandDepth, kFrameWidth, kFrameHeight, 0, 0};
    else
        kit.frame = {0, 0, kFrameWidth, 0, kTitleBandDepth, kFrameHeight};
    return kit;
}

TEST(DrawingFile, HeadingSizeLineAndEveryCommandForm) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    DrawingFile file("HENI_Z.PZK", "変位図", 46, 30);
    file.line(-5, 12345, 1.9, -0.9, 1, 2);
    file.arrow(0, 0, 100, 0, 1);
    file.angle_mark(10, 20, 30, 40, 50, 60, 2);
    file.text(1, 2, 60, 60, 90, AngleField::padded, 0, "Kで始まる行");
    file.text(1, 2, 60, 60, 90, AngleField::plain, 2, "K 1 2 3");
    file.close();
    EXPECT_EQ(folder.read("HENI_Z.PZK"), "HENI_Z.PZK  変位図\r\n"
                                         "46 30\r\n"
                                         "L   -5 12345    1    0 1 2\r\n"
                                         "Y    0    0  100    0 30 20 1\r\n"
                                         "P   10   20   30   40   50   60 2\r\n"
                                         "K    1    2   60   60   90 0\r\n"
                                         "Kで始まる行\r\n"
                                         "K    1    2   60   60 90 2\r\n"
                                         "K 1 2 3\r\n");
}

TEST(DrawingFile, ACoordinateThatIsNoNumberOrBeyondThirtyTwoBitsStops) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    DrawingFile file("KHKSKC.PZK", "横抵抗定数表", 46, 29);
    EXPECT_THROW(file.line(std::nan(""), 0, 0, 0, 0, 2), ProgramStop);
    EXPECT_THROW(file.line(0, 3.0e9, 0, 0, 0, 2), ProgramStop);
    EXPECT_THROW(file.line(0, std::numeric_limits<double>::infinity(), 0, 0, 0, 2), ProgramStop);
}

TEST(FigureFrame, LandscapeAndUprightFrames) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    {
        DrawingFile file("L.PZK", "t", 46, 67);
        draw_figure_frame(file, full_page_kit(true), "外力荷重図", true);
        file.close();
    }
    EXPECT_EQ(command_lines(folder.read("L.PZK")), "Q    0 5900 3900    0 0 3\r\n"
                                                   "L  300 5900  300    0 0 3\r\n"
                                                   "K  225 5800  150  150 90 3\r\n"
                                                   "外力荷重図\r\n");
    {
        DrawingFile file("U.PZK", "t", 46, 67);
        draw_figure_frame(file, full_page_kit(false), "設計条件図", false);
        file.close();
    }
    EXPECT_EQ(command_lines(folder.read("U.PZK")), "Q    0    0 3900 5900 0 3\r\n"
                                                   "L    0  300 3900  300 0 3\r\n"
                                                   "K  100  225  150  150 0 3\r\n"
                                                   "設計条件図\r\n");
}

TEST(SheetStage, LandscapeTurnsAPagePointOntoTheSheet) {
    const FigureKit kit = full_page_kit(true);
    const PagePoint p = to_sheet(kit, 1000, 250);
    EXPECT_NEAR(p.x, 250, 1e-9);
    EXPECT_NEAR(p.y, 4900, 1e-9);
}

TEST(LabelOverlap, OnlyThePreviousLabelIsAvoidedAndOnlyDownward) {
    // Kit metrics 60 x 60: a label of n cells is 30 n wide; one line spans
    // 1.5 h = 90 above its underline.
    struct Case {
        const char* what;
        LabelBox last;
        double x, y;
        int cells;
        bool two_lines;
        double expected_y;
    };
    const Case cases[] = {
        {"first label of a series, box cleared, X at 0", {}, 0, 500, 4, false, 500},
        {"first label of a series at X 0 reaching above Y 0", {}, 0, 50, 4, false, 90},
        {"overlapping from below moves down by the overlap",
         {100, 220, 500, 410},
         150,
         520,
         4,
         false,
         590},
        {"wholly above the last also moves down", {100, 220, 500, 410}, 150, 200, 4, false, 590},
        {"wider label covering both edges is not moved",
         {100, 220, 500, 410},
         50,
         520,
         10,
         false,
         520},
        {"exactly one label height below touches and moves by 0",
         {100, 220, 500, 410},
         150,
         590,
         4,
         false,
         590},
        {"clear in X", {100, 220, 500, 410}, 300, 520, 4, false, 520},
    };
    for (const Case& c : cases) {
        FigureKit kit;
        kit.text_height = 60;
        kit.text_width = 60;
        kit.last_label_box = c.last;
        const PagePoint at = avoid_label_overlap(kit, c.x, c.y, c.cells, c.two_lines);
        EXPECT_DOUBLE_EQ(at.y, c.expected_y) << c.what;
        EXPECT_DOUBLE_EQ(kit.last_label_box.upper, at.y - 90) << c.what;
    }
}

TEST(ValueLabel, DifferingTextsGiveATwoLineLabelWithATwiceAsTallBox) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    FigureKit kit;
    kit.text_height = 60;
    kit.text_width = 60;
    DrawingFile file("V.PZK", "t", 46, 67);
    place_value_label(file, kit, "12.5", "3.0", 1000, 2000, 1000, 2000, 4, LabelSide::right);
    EXPECT_DOUBLE_EQ(kit.last_label_box.lower - kit.last_label_box.upper, 180);
    place_value_label(file, kit, "7.0", "7.0", 100, 4000, 100, 4000, 4, LabelSide::left);
    EXPECT_DOUBLE_EQ(kit.last_label_box.lower - kit.last_label_box.upper, 90);
    file.close();
    // Label right of (1000, 2000): underline from x = 1000 + 1.5 w = 1090.
    EXPECT_EQ(command_lines(folder.read("V.PZK")), "K 1090 1985   60   60    0 2\r\n12.5\r\n"
                                                   "L 1090 2000 1210 2000 0 2\r\n"
                                                   "L 1030 2000 1060 2000 0 2\r\n"
                                                   "L 1060 2000 1090 2000 0 2\r\n"
                                                   "K 1090 2075   60   60    0 2\r\n3.0\r\n"
                                                   "K -110 3985   60   60    0 2\r\n7.0\r\n"
                                                   "L   10 4000 -110 4000 0 2\r\n"
                                                   "L   70 4000   40 4000 0 2\r\n"
                                                   "L   40 4000   10 4000 0 2\r\n");
}

TEST(SoilLabel, ALayerWithoutALowerLineIsLabelledBelowItsTopWhateverItsY) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    FigureKit kit;
    kit.page_scale = 100;
    InputRecord input;
    input.land_layers[0].wet_weight = 18;
    input.land_layers[0].submerged_weight = 10;
    input.land_layers[0].friction_angle = 30;
    input.sea_layers[1].cohesion = 20;
    input.sea_layers[1].cohesion_increase = 1.5;
    DrawingFile file("S.PZK", "t", 46, 67);
    // The lower line's Y happens to be 999: still an ordinary line.
    draw_soil_label(file, kit, input, SoilSide::land, 0, {600, 800, 500, 999, true});
    draw_soil_label(file, kit, input, SoilSide::sea, 1, {600, 999, 700, 0, false});
    file.close();
    EXPECT_EQ(command_lines(folder.read("S.PZK")),
              // land: x 500 + 2.5 x 75, y (800 + 999) / 2 + 35
              "K  687  934   70   75    0 2\r\n"
              "γ =  18.000,γ'=  10.000,φ =30.0ﾟ\r\n"
              // sea, cohesive: x 600 + 375, centre 999 + 250
              "K  975 1231   70   75    0 2\r\n"
              "γ =   0.000,γ'=   0.000\r\n"
              "K  975 1336   70   75    0 2\r\n"
              "ｃ =   1.500・Ｚ+  20.000\r\n");
}

} // namespace
} // namespace wtn
