// The dialogs in which the user keeps their own piles: Form3 "鋼矢板データの
// 追加" for KOUYAITA.APD and its twin Form4 "PC矢板データの追加" for
// PCYAITA.APD, which adds the cracking moment. The dialog edits a copy of the
// user rows of the catalogue table; ＯＫ writes the file, numbering the new
// rows, and ｷｬﾝｾﾙ drops the copy. It never changes the design data.
#pragma once

#include "controls.h"
#include "design_data.h"
#include "form.h"
#include "front_end_services.h"

#include <array>
#include <string>
#include <vector>

namespace wtn::pile {

// Rows the dialog's buttons make room for; a file holding more loads whole.
inline constexpr int kEditorRowLimit = 30;
inline constexpr std::size_t kEditorNameLength = 16;

class CatalogueEditor {
  public:
    // pc: the PC dialog. screen: the screen size in pixels, to centre the dialog.
    CatalogueEditor(const DesignData& data, bool pc, MessageBoxes& boxes,
                    std::pair<int, int> screen);

    ui::Form form;
    ui::ListBox* lst_ygm1 = nullptr;
    std::array<ui::Label*, 11> lbl_ygm1{};
    std::array<ui::TextBox*, 4> txt_ygm1{}; // name, I, Z, cracking moment (PC)
    std::array<ui::CommandButton*, 5> cmd_ygm1{};

    // The rows as the dialog holds them; new rows carry id -1 until OK.
    const std::vector<YaitaRec>& rows() const { return ygm1_row; }
    // True once OK has written the file.
    bool written() const { return written_; }

    void cmd_ygm1_Click(int index);
    void lst_ygm1_Click();
    void txt_ygm1_Change(int index);

  private:
    void Form_Load();
    void build();
    std::string line_of(const YaitaRec& r) const;
    void add_ygm1_list(int k);
    void set_ygm1_list(int k);
    void rebuild_list();
    void enable_by_rows();
    YaitaRec box_row() const;
    bool write_file();

    const DesignData& data_;
    bool pc_;
    MessageBoxes& boxes_;
    std::pair<int, int> screen_;
    std::vector<YaitaRec> ygm1_row;
    bool ygm1_ev_sw = true;
    int ygm1_next = 1;
    bool written_ = false;
};

} // namespace wtn::pile
