// The main window Form1: the menu bar, the toolbar, the row of eight screen
// buttons, the eight screens (seven input screens and the schematic view, each
// a tab control with one frame per page) and the status bar; the screen
// switcher, the page change, help, the about box and the file commands'
// menu items. The screens plug their load and store procedures into
// `screens`; commands built elsewhere (run, print, results, catalogues,
// customisation) plug into `commands`. Written against the form toolkit only.
#pragma once

#include "controls.h"
#include "design_data.h"
#include "file_commands.h"
#include "form.h"
#include "front_end_services.h"
#include "recent_files.h"
#include "services.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wtn::mainwin {

inline constexpr int kScreenCount = 8;
inline constexpr int kSchematicScreen = 7;
// Screens 0 to 5 have one frame per page (fra_sgm1 to fra_sgm6).
inline constexpr int kFramedScreenCount = 6;
inline constexpr int kRecentItemCount = 4;

inline constexpr const char* kHelpFileName = "WTN_WIN.HLP";

// Place of every screen in the main window's client area, in twips.
inline constexpr int kScreenLeft = 120;
inline constexpr int kScreenTop = 1020;
inline constexpr int kScreenWidth = 11640;
inline constexpr int kScreenHeight = 6300;

// Size of the main window in pixels.
inline constexpr int kMainWidthPixels = 800;
inline constexpr int kMainHeightPixels = 600;

struct SplashScreen;

// The help file of work_dir, or its bare name when the folder has none.
std::string help_file_path(const std::string& work_dir);

// The load (set_<screen>_jk) and store (put_<screen>_jk) procedures of one
// screen; an empty one does nothing (a screen not yet built).
struct ScreenProcs {
    std::function<void()> load;
    std::function<void()> store;
};

// Commands of the menus and toolbar that live outside the main window.
// An empty one does nothing.
struct MainCommands {
    std::function<void()> run;           // 計算 / 実行
    std::function<void()> print;         // 印刷
    std::function<void()> k_kekka;       // completed-state results
    std::function<void()> s_kekka;       // construction-stage results
    std::function<void()> edit_kyit;     // user steel-pile catalogue
    std::function<void()> edit_pyit;     // user PC-pile catalogue
    std::function<void()> option_dialog; // the customisation dialog, shown modally
    std::function<void()> read_yaita;    // reads the sheet-pile catalogues
};

class MainWindow : public MainWindowScreens {
  public:
    MainWindow(DesignData& data, const ui::Services& services, SettingsStore& settings);
    ~MainWindow() override;

    DesignData& data;
    ui::Services services;

    ui::Form form{"Form1"};
    ui::Toolbar Toolbar1;
    ui::StatusBar stv_gm{1};

    ui::Frame* frm_menu = nullptr;
    std::array<ui::OptionButton*, kScreenCount> opt_menu{};
    std::array<ui::TabControl*, kScreenCount> tab_gm{};
    // fra_sgm1 .. fra_sgm6, indexed by page.
    std::array<std::vector<ui::Frame*>, kFramedScreenCount> fra_sgm;

    ui::MenuItem* file_new = nullptr;
    ui::MenuItem* file_open = nullptr;
    ui::MenuItem* file_save = nullptr;
    ui::MenuItem* file_add = nullptr;
    ui::MenuItem* file_print = nullptr;
    std::array<ui::MenuItem*, kRecentItemCount + 1> mnuRecentFile{};
    ui::MenuItem* file_end = nullptr;
    ui::MenuItem* edit_kyit = nullptr;
    ui::MenuItem* edit_pyit = nullptr;
    ui::MenuItem* edit_option = nullptr;
    std::array<ui::MenuItem*, kScreenCount> inp_menu{};
    ui::MenuItem* run = nullptr;
    ui::MenuItem* k_kekka = nullptr;
    ui::MenuItem* s_kekka = nullptr;
    ui::MenuItem* help = nullptr;
    ui::MenuItem* ver = nullptr;

    // The screen shown.
    int tab_no = 0;

    // True while the calculation chain runs: the window cannot be closed.
    bool running = false;
    // Where the system's programs are: the folder of WTN_WIN (empty: the
    // work folder).
    std::string programs_dir;

    std::array<ScreenProcs, kScreenCount> screens;
    MainCommands commands;

    // The splash of start-up; kept until the program ends so that its window
    // may go at the toolkit's own pace.
    std::unique_ptr<SplashScreen> splash;

    RecentFiles& recent_files() { return *recent_; }
    FileCommands& file_commands() { return *file_commands_; }

    // Screen switcher: stores the screen left, loads and shows screen index.
    void opt_menu_Click(int index);
    // Data-entry menu: selects screen button index.
    void inp_menu_Click(int index);
    // Page change of screen index.
    void tab_gm_Click(int index);
    void Toolbar1_ButtonClick(int index);
    void help_Click();
    void edit_option_Click();
    void ver_Click();
    void mnuRecentFile_Click(int index);

    // Places every screen, hidden and disabled (start-up).
    void place_screens();

    // MainWindowScreens, for the file commands.
    void store_all_screens() override;
    void store_shown_screen() override;
    void load_all_screens() override;
    void set_caption(const std::string& caption) override;
    void show_recent_files(const std::vector<std::string>& paths) override;

  private:
    void build_menus();
    void build_toolbar();
    void build_screens();
    void store_screen(int index);
    void disable_page_frames();
    void enable_current_page_frame(int screen);
    static void call(const std::function<void()>& f) {
        if (f) f();
    }

    std::unique_ptr<RecentFiles> recent_;
    std::unique_ptr<FileCommands> file_commands_;
};

} // namespace wtn::mainwin
