#include "main_window.h"

#include "about_box.h"
#include "custom_file.h"
#include "number_box.h"
#include "number_text.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

namespace wtn::mainwin {
namespace {

struct ScreenLayout {
    const char* button; // opt_menu caption
    const char* menu;   // inp_menu caption
    std::vector<const char*> pages;
};

// The eight screens: button caption, data-entry menu caption and page tabs.
const std::array<ScreenLayout, kScreenCount>& screen_layouts() {
    static const std::array<ScreenLayout, kScreenCount> kLayouts = {{
        {"基本条件", "基本条件（&A）", {"設計条件", "高さ条件"}},
        {"完成時", "完成時（&B）", {"完成時", "地震時"}},
        {"施工時", "施工時（&C）", {"施工時", "合田式", "黒田/広井(森平)"}},
        {"矢板", "矢板（&D）", {"矢板", "矢板任意", "鋼管指定", "ＰＣ矢板任意", "腐食"}},
        {"地表面", "地表面（&E）", {"直線形状", "盛土形状"}},
        {"土層", "土層（&F）", {"陸側土層", "海側土層"}},
        {"他外力", "他外力（&G）", {"その他の外力"}},
        {"模式図", "模式図（&H）", {"模式図"}},
    }};
    return kLayouts;
}

// The row of screen buttons above the screens, in twips.
constexpr int kMenuFrameTop = 60;
constexpr int kMenuFrameHeight = 900;
constexpr int kMenuButtonWidth = 1400;
constexpr int kMenuButtonStep = 1440;
// A page frame fills its page but for a small margin, in twips.
constexpr int kPageMargin = 60;
constexpr int kTabHeaderHeight = 360;

} // namespace

MainWindow::MainWindow(DesignData& data_in, const ui::Services& services_in,
                       SettingsStore& settings)
    : data(data_in), services(services_in) {
    form.client_width = kMainWidthPixels * ui::kTwipsPerPixel;
    form.client_height = kMainHeightPixels * ui::kTwipsPerPixel;
    build_menus();
    build_toolbar();
    build_screens();
    if (services.boxes != nullptr) ui::report_refusals(form, *services.boxes);
    recent_ = std::make_unique<RecentFiles>(settings, *this);
    file_commands_ =
        std::make_unique<FileCommands>(data, *services.boxes, *services.files, *this, *recent_);
}

MainWindow::~MainWindow() = default;

void MainWindow::build_menus() {
    ui::MenuItem& bar = form.menu_bar();
    ui::MenuItem& file = bar.add("file", "ﾌｧｲﾙ(&F)");
    file_new = &file.add("file_new", "新規作成(&N)", "Ctrl+N");
    file_open = &file.add("file_open", "開く(&O)", "Ctrl+O");
    file_save = &file.add("file_save", "上書き保存(&S)", "Ctrl+S");
    file_add = &file.add("file_add", "名前を付けて保存(&A)");
    file.add("dmy4", "-");
    file_print = &file.add("file_print", "印刷(&P)", "Ctrl+P");
    mnuRecentFile[0] = &file.add("mnuRecentFile", 0, "-");
    for (int i = 1; i <= kRecentItemCount; ++i) {
        mnuRecentFile[i] = &file.add("mnuRecentFile", i, "RecentFile" + std::to_string(i));
        // The caption is the file's path and nothing else: an "&" in a folder
        // name is part of it.
        mnuRecentFile[i]->access_key = false;
    }
    for (ui::MenuItem* item : mnuRecentFile)
        item->set_visible(false);
    file.add("dmy5", "-");
    file_end = &file.add("file_end", "Tosvaneの終了(&X)");

    ui::MenuItem& edit = bar.add("edit", "ｵﾌﾟｼｮﾝ(&O)");
    edit_kyit = &edit.add("edit_kyit", "鋼矢板データの追加...");
    edit_pyit = &edit.add("edit_pyit", "PC矢板データの追加...");
    edit.add("dmy1", "-");
    edit_option = &edit.add("edit_option", "ｶｽﾀﾏｲｽﾞ(&C)...");

    ui::MenuItem& inp = bar.add("inp", "ﾃﾞｰﾀ入力（&I）");
    for (int i = 0; i < kScreenCount; ++i) {
        inp_menu[i] = &inp.add("inp_menu", i, screen_layouts()[i].menu);
    }

    ui::MenuItem& cal = bar.add("cal", "計算(&C)");
    run = &cal.add("run", "実行(&R)", "F5");
    k_kekka = &cal.add("k_kekka", "完成時の検討結果");
    s_kekka = &cal.add("s_kekka", "施工時の検討結果");

    ui::MenuItem& helpmenu = bar.add("helpmenu", "ﾍﾙﾌﾟ(&H)");
    help = &helpmenu.add("help", "Tosvaneのﾍﾙﾌﾟ(&J)");
    helpmenu.add("dmy2", "-");
    ver = &helpmenu.add("ver", "ﾊﾞｰｼﾞｮﾝ情報(&A)");

    file_new->on_click = [this] { file_commands_->file_new(); };
    file_open->on_click = [this] { file_commands_->file_open(); };
    file_save->on_click = [this] { file_commands_->file_save(); };
    file_add->on_click = [this] { file_commands_->file_save_as(); };
    file_print->on_click = [this] { call(commands.print); };
    for (int i = 1; i <= kRecentItemCount; ++i) {
        mnuRecentFile[i]->on_click = [this, i] { mnuRecentFile_Click(i); };
    }
    file_end->on_click = [this] { form.unload(); };
    edit_kyit->on_click = [this] { call(commands.edit_kyit); };
    edit_pyit->on_click = [this] { call(commands.edit_pyit); };
    edit_option->on_click = [this] { edit_option_Click(); };
    for (int i = 0; i < kScreenCount; ++i)
        inp_menu[i]->on_click = [this, i] { inp_menu_Click(i); };
    run->on_click = [this] { call(commands.run); };
    k_kekka->on_click = [this] { call(commands.k_kekka); };
    s_kekka->on_click = [this] { call(commands.s_kekka); };
    help->on_click = [this] { help_Click(); };
    ver->on_click = [this] { ver_Click(); };
}

void MainWindow::build_toolbar() {
    Toolbar1.add_button("新規", "new");
    Toolbar1.add_button("開く", "open");
    Toolbar1.add_button("上書き保存", "save");
    Toolbar1.add_separator();
    Toolbar1.add_button("計算", "run");
    Toolbar1.add_button("印刷", "print");
    Toolbar1.add_separator();
    Toolbar1.add_button("ヘルプ", "help");
    Toolbar1.on_button_click = [this](int index) { Toolbar1_ButtonClick(index); };
}

void MainWindow::build_screens() {
    frm_menu = &form.add<ui::Frame>(
        "frm_menu", ui::Rect{kScreenLeft, kMenuFrameTop, kScreenWidth, kMenuFrameHeight});
    for (int i = 0; i < kScreenCount; ++i) {
        ui::Rect place{120 + i * kMenuButtonStep, 330, kMenuButtonWidth, 420};
        opt_menu[i] = &frm_menu->add<ui::OptionButton>("opt_menu", i, place);
        opt_menu[i]->set_caption(screen_layouts()[i].button);
        opt_menu[i]->on_click = [this, i] { opt_menu_Click(i); };
    }
    const ui::Rect screen_place{kScreenLeft, kScreenTop, kScreenWidth, kScreenHeight};
    for (int i = 0; i < kScreenCount; ++i) {
        tab_gm[i] = &form.add<ui::TabControl>("tab_gm", i, screen_place);
        // Screens start hidden: start-up shows one once its data is loaded.
        tab_gm[i]->set_visible(false);
        tab_gm[i]->set_enabled(false);
        const auto& pages = screen_layouts()[i].pages;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            ui::TabPage& page = tab_gm[i]->add_page(pages[p]);
            if (i >= kFramedScreenCount) continue;
            ui::Rect inside{kPageMargin, kPageMargin, kScreenWidth - 3 * kPageMargin,
                            kScreenHeight - kTabHeaderHeight - 3 * kPageMargin};
            fra_sgm[i].push_back(&page.add<ui::Frame>("fra_sgm" + std::to_string(i + 1),
                                                      static_cast<int>(p), inside));
        }
        tab_gm[i]->on_click = [this, i] { tab_gm_Click(i); };
    }
}

void MainWindow::place_screens() {
    for (ui::TabControl* tab : tab_gm) {
        // Each screen keeps its own size: the schematic's is taller.
        const ui::Rect& size = tab->rect();
        tab->set_rect(ui::Rect{kScreenLeft, kScreenTop, size.width, size.height});
        tab->set_visible(false);
        tab->set_enabled(false);
    }
}

void MainWindow::store_screen(int index) {
    if (index < 0 || index >= kScreenCount) return;
    call(screens[index].store);
}

void MainWindow::disable_page_frames() {
    for (auto& frames : fra_sgm) {
        for (ui::Frame* frame : frames)
            frame->set_enabled(false);
    }
}

void MainWindow::enable_current_page_frame(int screen) {
    if (screen < 0 || screen >= kFramedScreenCount) return;
    int page = tab_gm[screen]->tab();
    auto& frames = fra_sgm[screen];
    if (page >= 0 && page < static_cast<int>(frames.size())) frames[page]->set_enabled(true);
}

void MainWindow::opt_menu_Click(int index) {
    if (index < 0 || index >= kScreenCount) return;
    ui::TabControl* left = tab_gm[tab_no];
    // A hidden screen is never stored: the file commands hide the screen
    // shown before they load new data into the controls.
    if (left->visible()) store_screen(tab_no);
    left->set_visible(false);
    left->set_enabled(false);
    disable_page_frames();
    tab_gm[index]->set_enabled(true);
    call(screens[index].load);
    enable_current_page_frame(index);
    if (index == 4) {
        // The ground-surface screen opens on the page of the ground shape
        // chosen on the completed-state screen (the stored shape while that
        // screen's options are not built).
        auto* straight = form.find_as<ui::OptionButton>("opt_gm3", 0);
        const bool straight_on = straight != nullptr
                                     ? straight->value()
                                     : data.kanseiji_dat.shape_sw == GroundShape::Straight;
        tab_gm[4]->set_tab(straight_on ? 0 : 1);
    }
    tab_gm[index]->set_visible(true);
    tab_no = index;
}

void MainWindow::inp_menu_Click(int index) {
    if (index < 0 || index >= kScreenCount) return;
    opt_menu[index]->set_value(true);
}

void MainWindow::tab_gm_Click(int index) {
    disable_page_frames();
    enable_current_page_frame(index);
}

void MainWindow::Toolbar1_ButtonClick(int index) {
    switch (index) {
    case 1:
        file_commands_->file_new();
        break;
    case 2:
        file_commands_->file_open();
        break;
    case 3:
        file_commands_->file_save();
        break;
    case 5:
        call(commands.run);
        break;
    case 6:
        call(commands.print);
        break;
    case 8:
        help_Click();
        break;
    default:
        break;
    }
}

std::string help_file_path(const std::string& work_dir) {
    std::string path = work_dir;
    if (!path.empty() && path.back() != '/') path += '/';
    path += kHelpFileName;
    return file_exists(path) ? path : kHelpFileName;
}

void MainWindow::help_Click() {
    if (services.help != nullptr) services.help->show_contents(help_file_path(data.work_dir));
}

void MainWindow::edit_option_Click() {
    call(commands.option_dialog);
    // Written after Cancel too; the values are then the ones read.
    try {
        write_custom_file(data.custom_tbl, data.work_dir);
    } catch (const DataError& e) {
        file_commands_->tell(e.what());
    }
}

void MainWindow::ver_Click() {
    if (services.windows == nullptr) return;
    AboutBox about(kAppTitle, data.sys_ver);
    services.windows->show_modal(about.form);
}

void MainWindow::mnuRecentFile_Click(int index) {
    if (index < 1 || index > kRecentItemCount) return;
    file_commands_->open_recent(mnuRecentFile[index]->caption());
}

void MainWindow::store_all_screens() {
    // Basic conditions, completed state, construction stage, sheet pile,
    // ground surface, soil layers, other external forces.
    for (int i = 0; i < kSchematicScreen; ++i)
        store_screen(i);
}

void MainWindow::store_shown_screen() {
    store_screen(tab_no);
}

void MainWindow::load_all_screens() {
    tab_gm[tab_no]->set_visible(false);
    tab_gm[tab_no]->set_enabled(false);
    tab_no = 0;
    // The basic-conditions load runs twice: its switches enable parts of the
    // other screens, whose loads in turn read them.
    call(screens[0].load);
    for (int i = 0; i < kSchematicScreen; ++i)
        call(screens[i].load);
    // Selecting button 0 runs the switcher; when it is already selected the
    // switcher is run directly, so screen 0 is always shown with its page
    // frame enabled.
    if (opt_menu[0]->value()) {
        opt_menu_Click(0);
    } else {
        opt_menu[0]->set_value(true);
    }
    tab_gm[0]->set_enabled(true);
    tab_gm[0]->set_visible(true);
}

void MainWindow::set_caption(const std::string& caption) {
    form.set_caption(caption);
}

void MainWindow::show_recent_files(const std::vector<std::string>& paths) {
    for (std::size_t k = 0; k < paths.size() && k < static_cast<std::size_t>(kRecentItemCount);
         ++k) {
        mnuRecentFile[0]->set_visible(true);
        mnuRecentFile[k + 1]->set_caption(paths[k]);
        mnuRecentFile[k + 1]->set_visible(true);
    }
}

} // namespace wtn::mainwin
