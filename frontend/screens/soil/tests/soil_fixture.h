// The main window with every screen installed, showing the soil-layer screen
// on data a test sets, and the user's actions on its controls by name.
#pragma once

#include "main_window_fixture.h"
#include "soil_screen.h"

#include <gtest/gtest.h>

#include <string>

namespace wtn::soil::test {

enum class Side { land, sea };

struct SoilFixture : mainwin::test::MainWindowFixture {
    SoilFixture() { EXPECT_EQ(start(), mainwin::StartResult::ready); }

    // Loads every screen from the data as it stands and shows screen 5 on
    // the page of side.
    void show(Side side = Side::land) {
        window->load_all_screens();
        window->opt_menu[kSoilScreen]->user_click();
        page(side);
    }
    void page(Side side) {
        window->tab_gm[kSoilScreen]->user_select_tab(side == Side::land ? 0 : 1);
    }
    // Stores the screen and gives the soil data.
    const DosouData& stored() {
        window->screens[kSoilScreen].store();
        return data.dosou_dat;
    }

    template <typename T> T& control(const char* kind, Side side, int index = -1) {
        const std::string name = std::string(kind) + (side == Side::land ? "15" : "16");
        T* c = window->form.find_as<T>(name, index);
        if (c == nullptr) throw std::runtime_error("no control " + name);
        return *c;
    }
    ui::ListBox& lst(Side s) { return control<ui::ListBox>("lst_gm", s); }
    ui::TextBox& txt(Side s, int i) { return control<ui::TextBox>("txt_gm", s, i); }
    ui::OptionButton& opt(Side s, int i) { return control<ui::OptionButton>("opt_gm", s, i); }
    ui::Frame& fra(Side s, int i) { return control<ui::Frame>("fra_gm", s, i); }
    ui::Label& lbl(Side s, int i) { return control<ui::Label>("lbl_gm", s, i); }
    ui::CommandButton& cmd(Side s, int i) { return control<ui::CommandButton>("cmd_gm", s, i); }

    // The user types text into a box and leaves it for the list.
    void type(Side s, int box, const std::string& text) {
        ui::TextBox& b = txt(s, box);
        ASSERT_TRUE(window->form.set_focus(&b)) << "box " << box;
        ASSERT_TRUE(b.user_edit(text)) << "box " << box;
        window->form.set_focus(&lst(s));
    }
    void press(Side s, int button) { ASSERT_TRUE(cmd(s, button).user_click()) << button; }
    void choose(Side s, int option) { ASSERT_TRUE(opt(s, option).user_click()) << option; }
    void select(Side s, int line) { ASSERT_TRUE(lst(s).user_select(line)) << line; }
};

inline DosouRec layer(double top, double wet, double sat, int soil_sw = 0, int kh_sw = 0) {
    DosouRec r;
    r.top_lvl = top;
    r.unit_w = {wet, sat, 0.0};
    r.soil_sw = code_of_list_index<SoilKind>(soil_sw);
    r.soil_val = {30.0, 10.0, 1.5, 0.0};
    r.kh_sw = code_of_list_index<LayerKhOption>(kh_sw);
    r.kh_val = {5000.0, 15000.0, 0.0, 0.0, 0.0};
    r.n_val = {0.0, 10.0, 8.0, 6.0, 0.0};
    return r;
}

} // namespace wtn::soil::test
