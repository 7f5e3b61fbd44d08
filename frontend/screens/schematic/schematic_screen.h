// Screen 7 of the main window, "模式図": the cross-section of the wall for one
// study case, drawn to scale into a square drawing area, with zoom by a
// dragged rectangle, pans by two scroll bars, "全表示" and the case options.
// The screen only reads the design data; it has no store procedure.
#pragma once

#include "controls.h"
#include "picture_box.h"
#include "schematic_model.h"
#include "schematic_view.h"

#include <array>

namespace wtn::mainwin {
class MainWindow;
}

namespace wtn::schematic {

// The drawing area's side and the scroll bars, in twips.
inline constexpr int kPictureSide = 5800;
// The scroll bars only tell the direction of each change: a wide range with
// the thumb in the middle leaves room both ways.
inline constexpr int kScrollMin = 0;
inline constexpr int kScrollMax = 1000;
inline constexpr int kScrollStart = 500;
inline constexpr int kScrollSmallChange = 1;
inline constexpr int kScrollLargeChange = 10;
// Font of the labels.
inline constexpr const char* kLabelFont = "ＭＳ ゴシック";
inline constexpr double kLabelPoints = 9;
// Text of the status panel the prompts go to.
inline constexpr int kPromptPanel = 1;

class SchematicScreen {
  public:
    // Adds the screen's controls to the page of tab_gm(7) and wires their
    // handlers. Case 0 is selected at the start.
    explicit SchematicScreen(mainwin::MainWindow& window);
    SchematicScreen(const SchematicScreen&) = delete;
    SchematicScreen& operator=(const SchematicScreen&) = delete;

    ui::PictureBox* pic_gm18 = nullptr;
    ui::ScrollBar* hsb_gm18 = nullptr;
    ui::ScrollBar* vsb_gm18 = nullptr;
    ui::Frame* fra_dgm18 = nullptr; // the zoom options' own group
    std::array<ui::OptionButton*, 2> opt_dgm18{};
    ui::CommandButton* cmd_gm18 = nullptr;
    ui::Frame* frm_gm18 = nullptr;
    std::array<ui::OptionButton*, kStudyCaseCount> opt_gm18{};

    SchematicLists lists;
    ViewState view;

    // Rebuilds the lists for the chosen case and fits the view; a case not
    // chosen, or disabled by the study switches, leaves the lists empty and
    // the view as it was.
    void set_mosikizu_jk();

    // Draws the lines, then the labels, then the zoom rectangle while one is
    // pending.
    void pic_gm18_Paint();
    void pic_gm18_MouseDown(ui::MouseButton button, int shift, double x, double y);
    void pic_gm18_MouseMove(ui::MouseButton button, int shift, double x, double y);
    void opt_dgm18_Click(int index);
    void hsb_gm18_Change();
    void vsb_gm18_Change();
    void cmd_gm18_Click();
    void opt_gm18_Click(int index);

  private:
    ZoomOption zoom_option() const;
    // Puts the view's scale window into the drawing area.
    void apply_scale();
    void apply(const ZoomReply& reply);
    void refresh();

    mainwin::MainWindow& window_;
};

// Builds screen 7 on the main window and makes its build the screen's load
// procedure. The main window keeps the screen.
SchematicScreen& install_schematic_screen(mainwin::MainWindow& window);

} // namespace wtn::schematic
