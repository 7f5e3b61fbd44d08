// Screen 3 of the main window, 矢板: pile type, grade, allowable values,
// secondary stress and joint efficiencies (page 0), the steel and PC
// catalogue lists (pages 1 and 3), the steel-pipe rows (page 2) and the
// corrosion data (page 4). Its controls sit in the page frames fra_sgm[3][0..4]
// of the main window; it loads and stores the design data's yaita_dat.
#pragma once

#include "controls.h"
#include "main_window.h"

#include <array>
#include <string>
#include <vector>

namespace wtn::pile {

inline constexpr int kPileScreen = 3;
// Pages of the screen's tab control.
inline constexpr int kPageBasic = 0;
inline constexpr int kPageSteelChoice = 1;
inline constexpr int kPageSteelPipe = 2;
inline constexpr int kPagePcChoice = 3;
inline constexpr int kPageCorrosion = 4;
// Marked piles per list and kind the calculation input holds.
inline constexpr int kMarkLimit = 50;

// One working row of the steel-pipe editor.
struct SteelPipeSlot {
    int number = 0;
    KokanRec rec;
};

class SheetPileScreen {
  public:
    explicit SheetPileScreen(mainwin::MainWindow& window);

    // Rereads both catalogues and refills the two lists (every line unmarked);
    // problems with the files are told in one note.
    void read_yaita();
    void set_yaita_jk();
    void put_yaita_jk();
    void opt_gm8_Click(int index);

    // Steel-pipe editor.
    void add_gm9_list(int cnt);
    void cmd_gm9_Click(int index);
    void lst_gm9_Click();
    void opt_gm9_Click(int index);
    void txt_gm9_Change(int index);

    mainwin::MainWindow& w;

    // Page 0.
    std::array<ui::Frame*, 9> fra_gm8{};
    std::array<ui::OptionButton*, 14> opt_gm8{};
    std::array<ui::TextBox*, 12> txt_gm8{};
    std::array<ui::Label*, 22> lbl_gm8{};
    // Pages 1 and 3.
    ui::ListBox* lst_gm10 = nullptr;
    ui::ListBox* lst_gm11 = nullptr;
    std::array<ui::Label*, 6> lbl_gm10{};
    std::array<ui::Label*, 6> lbl_gm11{};
    // Page 2.
    ui::Frame* fra_gm9 = nullptr;
    ui::ListBox* lst_gm9 = nullptr;
    std::array<ui::Label*, 9> lbl_gm9{};
    std::array<ui::TextBox*, 3> txt_gm9{};
    std::array<ui::OptionButton*, 4> opt_gm9{};
    std::array<ui::CommandButton*, 3> cmd_gm9{};
    // Page 4.
    std::array<ui::Frame*, 5> fra_gm12{};
    std::array<ui::OptionButton*, 2> opt_gm12{};
    std::array<ui::TextBox*, 10> txt_gm12{};
    std::array<ui::Label*, 10> lbl_gm12{};

    std::array<SteelPipeSlot, kSteelPipeRoom + 1> gm9_row{};
    int gm9_cnt = 0;
    bool gm9_ev_sw = false;

  private:
    void build_basic_page(ui::Frame& page);
    void build_choice_page(ui::Frame& page, ui::ListBox*& list, std::array<ui::Label*, 6>& heads,
                           const std::string& list_name, const std::string& head_name);
    void build_steel_pipe_page(ui::Frame& page);
    void build_corrosion_page(ui::Frame& page);

    ui::TabControl& tab() const { return *w.tab_gm[kPileScreen]; }
    void enable(std::initializer_list<ui::Control*> controls, bool on);
    void enable_stress_inputs(int kind);
    void enable_secondary_stress(bool steel_pipe);
    void enable_kh_inputs(bool on);
    void enable_pipe_editor();
    void rebuild_gm9_list();
    void mark_selection(ui::ListBox& list, const std::array<YaitaRec, kCatalogueRoom>& table,
                        const std::array<PileIdPair, kPileSelectionRoom + 1>& sel);
    void store_selection(const ui::ListBox& list, const std::array<YaitaRec, kCatalogueRoom>& table,
                         std::array<PileIdPair, kPileSelectionRoom + 1>& sel) const;
    void limit_marks(ui::ListBox& list, const std::array<YaitaRec, kCatalogueRoom>& table);
    void fill_list(ui::ListBox& list, const std::array<YaitaRec, kCatalogueRoom>& table, int count);
    SteelPipeSlot box_row() const;
};

} // namespace wtn::pile
