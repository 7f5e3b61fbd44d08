#include "install_pile_screen.h"

#include "catalogue_editor.h"
#include "sheet_pile_screen.h"

#include <memory>

namespace wtn::pile {
namespace {

// 鋼矢板データの追加 / PC矢板データの追加: the screen's marks go into the
// design data by id first, the dialog edits the user file, and whichever
// button closed it the catalogues are read again and the screen reloaded, so
// every mark finds its pile again wherever its line now stands.
void edit_catalogue(SheetPileScreen& screen, bool pc) {
    mainwin::MainWindow& w = screen.w;
    screen.put_yaita_jk();
    if (w.services.windows != nullptr && w.services.boxes != nullptr) {
        CatalogueEditor editor(w.data, pc, *w.services.boxes, w.services.windows->screen_size());
        w.services.windows->show_modal(editor.form);
    }
    screen.read_yaita();
    screen.set_yaita_jk();
}

} // namespace

void install_pile_screen(mainwin::MainWindow& window) {
    // The main window's procedures hold the screen; it goes with them.
    auto screen = std::make_shared<SheetPileScreen>(window);
    window.screens[kPileScreen].load = [screen] { screen->set_yaita_jk(); };
    window.screens[kPileScreen].store = [screen] { screen->put_yaita_jk(); };
    window.commands.read_yaita = [screen] { screen->read_yaita(); };
    window.commands.edit_kyit = [screen] { edit_catalogue(*screen, false); };
    window.commands.edit_pyit = [screen] { edit_catalogue(*screen, true); };
}

} // namespace wtn::pile
