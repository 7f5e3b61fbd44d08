// The customisation dialog Form5 (カスタマイズ): the standing options and
// constants of the calculation (custom_tbl, one value per line of
// TVNCSTM.DAT) on three pages. OK stores the dialog into the table; ｷｬﾝｾﾙ and
// the window's close box leave it as it was. The menu command writes the
// file afterwards either way.
#pragma once

#include "controls.h"
#include "design_data.h"
#include "form.h"
#include "front_end_services.h"

#include <array>
#include <string>

namespace wtn::mainwin {

inline constexpr int kCustomPages = 3;
// Significant digits of the corroded section values: at most 4 typed
// characters, held as a 16-bit integer.
inline constexpr std::size_t kDigitsBoxMaxLength = 4;

class CustomDialog {
  public:
    CustomDialog(CustomisationValues& table, std::string work_dir, HelpViewer* help);

    ui::Form form{"Form5"};
    ui::TabControl* tab_ogm = nullptr;
    std::array<ui::Frame*, kCustomPages> Frame1{};
    std::array<ui::TextBox*, 4> txt_ogm1{};
    std::array<ui::Label*, 4> lbl_ogm1{};
    std::array<ui::OptionButton*, 6> opt_ogm1{};
    std::array<ui::Frame*, 4> fra_ogm1{};
    std::array<ui::TextBox*, 4> txt_ogm2{};
    std::array<ui::Label*, 4> lbl_ogm2{};
    std::array<ui::OptionButton*, 7> opt_ogm2{};
    std::array<ui::Frame*, 3> fra_ogm2{};
    std::array<ui::TextBox*, 2> txt_ogm3{};
    std::array<ui::Label*, 2> lbl_ogm3{};
    std::array<ui::OptionButton*, 6> opt_ogm3{};
    std::array<ui::Frame*, 3> fra_ogm3{};
    std::array<ui::CommandButton*, 3> cmd_ogm{};
    // The dialog's status bar: panel 1 holds the hint of the box entered,
    // shown by the label stv_opt.
    ui::StatusBar status{1};
    ui::Label* stv_opt = nullptr;

  private:
    void build();
    void build_page1(ui::Frame& page);
    void build_page2(ui::Frame& page);
    void build_page3(ui::Frame& page);
    void Form_Load();
    void put_option_jk();
    void tab_ogm_Click();
    void cmd_ogm_Click(int index);

    CustomisationValues& table_;
    std::string work_dir_;
    HelpViewer* help_;
};

} // namespace wtn::mainwin
