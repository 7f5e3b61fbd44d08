// The main window of MainWindowFixture started, with the sheet-pile screen's
// controls found by name.
#pragma once

#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace wtn::pile::test {

struct PileScreenFixture : mainwin::test::MainWindowFixture {
    // Starts the program (the catalogues read, New loaded) unless told not to,
    // so a test can write catalogue files into the folder first.
    explicit PileScreenFixture(bool start_now = true) {
        if (start_now) {
            EXPECT_EQ(start(), mainwin::StartResult::ready);
        }
    }
    template <typename T> T& c(const std::string& name, int index = -1) const {
        T* control = window->form.find_as<T>(name, index);
        EXPECT_NE(control, nullptr) << name << "(" << index << ")";
        return *control;
    }
    ui::OptionButton& opt(const std::string& name, int i) const {
        return c<ui::OptionButton>(name, i);
    }
    ui::TextBox& txt(const std::string& name, int i) const { return c<ui::TextBox>(name, i); }
    ui::ListBox& list(const std::string& name) const { return c<ui::ListBox>(name); }
    ui::CommandButton& cmd(const std::string& name, int i) const {
        return c<ui::CommandButton>(name, i);
    }
    ui::TabControl& tab() const { return *window->tab_gm[3]; }
    void load() { window->screens[3].load(); }
    void store() { window->screens[3].store(); }
    // Shows screen 3 so that its controls take the user's input. Every screen first
    // loads the data as Open does: the switch stores the screen it leaves, and the
    // design screens store back what they show.
    void show_screen() {
        window->load_all_screens();
        window->opt_menu_Click(3);
    }
};

} // namespace wtn::pile::test
