#include "wave_land_layers.h"

#include "cp932_codec.h"
#include "program_stop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace wtn {
namespace {

// Land side: sand from +3.50, clay from -5.00; sea side sand from -10.00;
// construction seabed -8.00, completed-state design seabed -10.00.
InputRecord layered_input() {
    InputRecord in;
    set_input_defaults(in);
    in.land_layers[0].top = 3.5;
    in.land_layers[0].friction_angle = 30.0;
    in.land_layers[0].kh = 3000.0;
    in.land_layers[1].top = -5.0;
    in.land_layers[1].resistance_option = LayerKhOption::LinearInN;
    in.land_layers[1].n_value = 4.0;
    in.land_layers[1].kh = 6000.0;
    in.land_layer_count = 2;
    in.sea_layers[0].top = -10.0;
    in.sea_layer_count = 1;
    in.tjkn1.construction_seabed = -8.0;
    in.joken.design_seabed = -10.0;
    in.joken.soil_bottom = -30.0;
    return in;
}

TEST(CheckWaveLayers, RefusesLayersOutOfOrderOrAroundTheSeabeds) {
    setenv("WTN_UI_PIPE", "0", 1);
    struct Case {
        const char* message;
        std::function<void(InputRecord&)> change;
    } cases[] = {
        {"陸側の土層の標高が逆転しています.", [](InputRecord& in) { in.land_layers[1].top = 3.5; }},
        {"海側の土層の標高が逆転しています.",
         [](InputRecord& in) { in.sea_layers[1].top = -9.0, in.sea_layer_count = 2; }},
        {"陸側土層の開始位置が設計海底面位置より下になっています.",
         [](InputRecord& in) { in.tjkn1.construction_seabed = 4.0; }},
        {"海側土層の開始位置が設計海底面位置より下になっています.",
         [](InputRecord& in) { in.joken.design_seabed = -9.0; }},
    };
    EXPECT_NO_THROW(check_wave_layers(layered_input()));
    for (const auto& c : cases) {
        InputRecord in = layered_input();
        c.change(in);
        testing::internal::CaptureStderr();
        EXPECT_THROW(check_wave_layers(in), ProgramStop) << cp932_to_utf8(c.message);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(cp932_to_utf8(c.message)), std::string::npos) << err;
    }
}

TEST(WaveLayerRows, SeabedSplitsItsLayerOrFindsItsBoundary) {
    struct Case {
        double seabed;
        int count;
        int index;
    } cases[] = {
        {-8.0, 4, 2},     // inside the clay layer: split
        {-5.00005, 3, 1}, // on the clay top within 0.0001: no split
    };
    for (const auto& c : cases) {
        InputRecord in = layered_input();
        in.tjkn1.construction_seabed = c.seabed;
        LayerTable land = land_layer_table(in);
        append_bottom_row(land, in.joken.soil_bottom);
        insert_land_level(land, c.seabed, 0.0);
        WaveLandRows rows;
        build_wave_layer_rows(land, rows);
        ASSERT_EQ(rows.count, c.count) << c.seabed;
        EXPECT_EQ(find_land_level(land, c.seabed), c.index) << c.seabed;
        EXPECT_DOUBLE_EQ(rows.rows[0].thickness, 8.5);
        EXPECT_NEAR(rows.rows[0].friction_angle, 0.5235987755982988, 1e-15);
        // The split part keeps the clay's values.
        EXPECT_EQ(rows.rows[c.index].resistance_option, 2);
        EXPECT_DOUBLE_EQ(rows.rows[c.index].kh, 6000.0);
        const ForceLayerRow& bottom = rows.rows[c.count - 1];
        EXPECT_DOUBLE_EQ(bottom.level, -30.0);
        EXPECT_EQ(bottom.thickness, 0.0);
        EXPECT_EQ(bottom.kh, 0.0);
        EXPECT_EQ(bottom.resistance_option, 0);
    }
}

} // namespace
} // namespace wtn
