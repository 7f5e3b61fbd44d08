// Screen 7 of a started main window (every screen installed as the program
// installs them), found by its control names, over the hand-worked section.
#pragma once

#include "hand_section.h"
#include "main_window.h"
#include "schematic_screen.h"

#include <array>
#include <stdexcept>
#include <string>

namespace wtn::schematic::test {

// The controls of screen 7.
struct SchematicControls {
    explicit SchematicControls(mainwin::MainWindow& window)
        : pic(find<ui::PictureBox>(window, "pic_gm18")),
          hsb(find<ui::ScrollBar>(window, "hsb_gm18")),
          vsb(find<ui::ScrollBar>(window, "vsb_gm18")),
          whole(find<ui::CommandButton>(window, "cmd_gm18")), zoom{&find<ui::OptionButton>(
                                                                       window, "opt_dgm18", 0),
                                                                   &find<ui::OptionButton>(
                                                                       window, "opt_dgm18", 1)},
          cases{&find<ui::OptionButton>(window, "opt_gm18", 0),
                &find<ui::OptionButton>(window, "opt_gm18", 1),
                &find<ui::OptionButton>(window, "opt_gm18", 2)} {}

    ui::PictureBox& pic;
    ui::ScrollBar& hsb;
    ui::ScrollBar& vsb;
    ui::CommandButton& whole;
    std::array<ui::OptionButton*, 2> zoom;
    std::array<ui::OptionButton*, kStudyCaseCount> cases;

  private:
    template <typename T>
    static T& find(mainwin::MainWindow& window, const char* name, int index = -1) {
        T* control = window.form.find_as<T>(name, index);
        if (control == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *control;
    }
};

// Puts the input groups of section into the window's data, keeping its
// current-file cells, and loads every screen from them as Open does (the
// screens' stores write back what they show).
inline void load_section(mainwin::MainWindow& window, const DesignData& section) {
    DesignData& data = window.data;
    data.sekkei_dat = section.sekkei_dat;
    data.kanseiji_dat = section.kanseiji_dat;
    data.sekouji_dat = section.sekouji_dat;
    data.tihyou_dat = section.tihyou_dat;
    data.dosou_dat = section.dosou_dat;
    window.load_all_screens();
}

// The screen switcher shows screen 7, which builds and paints it.
inline void show_schematic(mainwin::MainWindow& window) {
    ui::OptionButton& button = *window.opt_menu[mainwin::kSchematicScreen];
    if (button.value()) {
        window.opt_menu_Click(mainwin::kSchematicScreen);
    } else {
        button.set_value(true);
    }
}

inline const std::string& status(const mainwin::MainWindow& window) {
    return window.stv_gm.panel_text(kPromptPanel);
}

} // namespace wtn::schematic::test
