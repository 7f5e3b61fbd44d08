#include "main_window_fixture.h"

#include "custom_file.h"
#include "install_screens.h"
#include "text_file.h"

#include <filesystem>

namespace wtn::mainwin::test {

MainWindowFixture::MainWindowFixture() {
    saved_dir_ = std::filesystem::current_path().string();
    write_text_file(folder.file("SYSVER.DAT"), {"\"1.2.0\""});
    CustomisationValues custom;
    custom.pile_tip_condition = from_file_value<PileTipCondition>(1);
    write_custom_file(custom, folder.path());
    // The template project of the source tree, whatever the build copied.
    std::filesystem::copy_file(std::string(WTN_SOURCE_DIR) + "/installed/" + kTemplateProjectName,
                               folder.file(kTemplateProjectName),
                               std::filesystem::copy_options::overwrite_existing);
    ui::Services services;
    services.boxes = &boxes;
    services.files = &files;
    services.processes = &processes;
    services.help = &help;
    services.windows = &windows;
    window = std::make_unique<MainWindow>(data, services, settings);
    install_screens(*window);
    for (int i = 0; i < kScreenCount; ++i) {
        ScreenProcs& procs = window->screens[i];
        procs.load = [this, i, load = procs.load] {
            screen_log.push_back("load " + std::to_string(i));
            if (load) load();
        };
        if (i == kSchematicScreen) continue;
        procs.store = [this, i, store = procs.store] {
            screen_log.push_back("store " + std::to_string(i));
            if (store) store();
        };
    }
}

MainWindowFixture::~MainWindowFixture() {
    // Start-up makes the program folder current; leave it before it goes.
    std::error_code error;
    std::filesystem::current_path(saved_dir_, error);
}

StartResult MainWindowFixture::start() {
    StartResult result = Form_Load(*window, lock, folder.path());
    if (result == StartResult::ready) window->form.load();
    return result;
}

std::vector<std::string> MainWindowFixture::box_texts() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes.shown)
        texts.push_back(b.text);
    return texts;
}

} // namespace wtn::mainwin::test
