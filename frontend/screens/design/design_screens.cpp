#include "design_screens.h"

#include <memory>

namespace wtn::design {

DesignScreens& install_design_screens(mainwin::MainWindow& window) {
    auto screens = std::make_shared<DesignScreens>(window);
    window.screens[0].load = [screens] { screens->basic.set_sekkei_jk(); };
    window.screens[0].store = [screens] { screens->basic.put_sekkei_jk(); };
    window.screens[1].load = [screens] { screens->completed.set_kanseiji_jk(); };
    window.screens[1].store = [screens] { screens->completed.put_kanseiji_jk(); };
    window.screens[2].load = [screens] { screens->construction.set_sekouji_jk(); };
    window.screens[2].store = [screens] { screens->construction.put_sekouji_jk(); };
    return *screens;
}

} // namespace wtn::design
