// Screens 4 and 6 of a started main window (every screen installed as the
// program installs them), found by their control names.
#pragma once

#include "force_screen.h"
#include "ground_lines.h"
#include "ground_screen.h"
#include "main_window.h"
#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

namespace wtn::ground::test {

template <typename T> T& find(mainwin::MainWindow& window, const char* name, int index = -1) {
    T* control = window.form.find_as<T>(name, index);
    if (control == nullptr)
        throw std::logic_error(std::string("no control ") + name + "(" + std::to_string(index) +
                               ")");
    return *control;
}

template <typename T, std::size_t N>
std::array<T*, N> find_all(mainwin::MainWindow& window, const char* name) {
    std::array<T*, N> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = &find<T>(window, name, static_cast<int>(i));
    return all;
}

struct GroundControls {
    explicit GroundControls(mainwin::MainWindow& w)
        : txt13(find_all<ui::TextBox, kAngleBoxCount>(w, "txt_gm13")),
          lbl13(find_all<ui::Label, kAngleBoxCount>(w, "lbl_gm13")),
          lst(find_all<ui::ListBox, kGroupCount>(w, "lst_gm14")),
          txt(find_all<ui::TextBox, kGroundBoxCount>(w, "txt_gm14")),
          lbl(find_all<ui::Label, kGroundLabelCount>(w, "lbl_gm14")),
          cmd(find_all<ui::CommandButton, kGroupCount * 3>(w, "cmd_gm14")) {}
    std::array<ui::TextBox*, kAngleBoxCount> txt13;
    std::array<ui::Label*, kAngleBoxCount> lbl13;
    std::array<ui::ListBox*, kGroupCount> lst;
    std::array<ui::TextBox*, kGroundBoxCount> txt;
    std::array<ui::Label*, kGroundLabelCount> lbl;
    std::array<ui::CommandButton*, kGroupCount * 3> cmd;

    ui::CommandButton& add(int group) const { return *cmd[group * 3 + kAddAction]; }
    ui::CommandButton& insert(int group) const { return *cmd[group * 3 + kInsertAction]; }
    ui::CommandButton& remove(int group) const { return *cmd[group * 3 + kDeleteAction]; }
};

struct ForceControls {
    explicit ForceControls(mainwin::MainWindow& w)
        : fra(find_all<ui::Frame, kForceTables>(w, "fra_gm17")),
          lbl(find_all<ui::Label, kForceTables * kForceLabelsPerFrame>(w, "lbl_gm17")),
          lst(find_all<ui::ListBox, kForceTables>(w, "lst_gm17")),
          txt(find_all<ui::TextBox, kForceTables * kForceBoxesPerFrame>(w, "txt_gm17")),
          opt(find_all<ui::OptionButton, kForceTables * 2>(w, "opt_gm17")),
          cmd(find_all<ui::CommandButton, kForceTables * 3>(w, "cmd_gm17")) {}
    std::array<ui::Frame*, kForceTables> fra;
    std::array<ui::Label*, kForceTables * kForceLabelsPerFrame> lbl;
    std::array<ui::ListBox*, kForceTables> lst;
    std::array<ui::TextBox*, kForceTables * kForceBoxesPerFrame> txt;
    std::array<ui::OptionButton*, kForceTables * 2> opt;
    std::array<ui::CommandButton*, kForceTables * 3> cmd;

    ui::TextBox& name(int t) const { return *txt[t * 3]; }
    ui::TextBox& force(int t) const { return *txt[t * 3 + 1]; }
    ui::TextBox& height(int t) const { return *txt[t * 3 + 2]; }
};

// The shape as the completed-state screen chooses it: its option buttons
// when they are built, the stored shape as well.
inline void choose_shape(mainwin::MainWindow& window, int shape_sw) {
    window.data.kanseiji_dat.shape_sw = code_of_list_index<GroundShape>(shape_sw);
    if (auto* option = window.form.find_as<ui::OptionButton>("opt_gm3", shape_sw))
        option->set_value(true);
}

// The screen switcher shows screen, loading it afresh from the design data.
inline void show_screen(mainwin::MainWindow& window, int screen) {
    const int other = screen == 0 ? 3 : 0;
    if (window.opt_menu[screen]->value()) window.opt_menu[other]->set_value(true);
    window.opt_menu[screen]->set_value(true);
}

// A started main window whose completed-state study has both cases on.
struct GroundScreensTest : ::testing::Test {
    GroundScreensTest() {
        EXPECT_EQ(f.start(), mainwin::StartResult::ready);
        f.data.kanseiji_dat.jyo_sw = CheckBox::Checked;
        f.data.kanseiji_dat.jis_sw = CheckBox::Checked;
        f.data.tihyou_dat = TihyouData{};
        f.data.gairyoku_dat = GairyokuData{};
    }
    mainwin::test::MainWindowFixture f;
    GroundControls g{*f.window};
    ForceControls e{*f.window};
};

} // namespace wtn::ground::test
