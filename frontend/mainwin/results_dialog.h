// The results dialog Form2: the outcome of one stability calculation (the
// completed state or the construction stage) as a grid of results with a pass
// or fail mark beside each checked value, the pile found with its computed
// construction embedment depth and pile length, and two boxes in which the
// engineer adopts a depth and a length of their own.
//
// kekka_mode 1 or 2: shown by the run after the stage's stability
// calculation; closing (by OK or by the window's close box) stores the boxes
// into the adopted values and writes CAL_NEI.DAT for the stability report.
// kekka_mode -1 or -2: shown by the results commands; the boxes are locked
// and nothing is stored or written.
#pragma once

#include "controls.h"
#include "design_data.h"
#include "form.h"
#include "front_end_services.h"
#include "result_tables.h"

#include "adopted_values.h"

#include <array>
#include <optional>

namespace wtn::mainwin {

inline constexpr const char* kResultsAdoptCaption = "検討結果及び、根入れ深度・矢板長の決定";
inline constexpr const char* kResultsViewCaption = "検討結果";
inline constexpr const char* kAbsentMark = "－";
inline constexpr const char* kPassedMark = "○";
inline constexpr const char* kFailedMark = "×";
inline constexpr const char* kAdoptedMask = "###0.000";
inline constexpr int kResultGridCells = 59;
inline constexpr const char* kChecksFailedWarning =
    "照査を満たさない項目があります。帳票で確認してください。";
inline constexpr const char* kAdoptionShortWarning =
    "採用値が計算値を満たしていません。施工根入れ深度と矢板長を確認してください。";

class ResultsDialog {
  public:
    ResultsDialog(DesignData& data, MessageBoxes& boxes);

    ui::Form form{"Form2"};
    std::array<ui::Label*, 6> lbl_gm1{};
    ui::Frame* Frame1 = nullptr;
    std::array<ui::Label*, 2> Label1{};
    std::array<ui::TextBox*, 2> txt_gm1{};
    std::array<ui::Label*, kResultGridCells> lbl_kgm{};
    ui::CommandButton* Command1 = nullptr;
    // Shown in red above OK when a check of the decided pile failed.
    ui::Label* lbl_failed = nullptr;
    // Shown in red below it, while the boxes hold a tip above the computed
    // one or a pile shorter than the computed one.
    ui::Label* lbl_short = nullptr;

    // After closing in mode 1 or 2: false when CAL_NEI.DAT could not be
    // written (the user has been told); the run must then stop, or the
    // stability report would print the calculation's zeros as adopted.
    bool adopted_file_written() const { return adopted_file_written_; }

  private:
    void build();
    void Form_Load();
    void Form_Unload();
    void show_headings(bool concrete);
    void show_table(const LevelResultTable& table, bool concrete);
    void show_pile_line(const PileResultLine& line);
    void show_adopted_boxes(const PileResultLine& line);
    void check_adoption();

    DesignData& data_;
    MessageBoxes& boxes_;
    bool adopted_file_written_ = true;
    // The computed tip and length of the pile line; empty when it could not
    // be read.
    std::optional<AdoptedValues> computed_;
};

} // namespace wtn::mainwin
