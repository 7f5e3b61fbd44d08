#include "fake_window_system.h"

namespace wtn::fake {

void WindowSystem::show_modal(ui::Form& form) {
    modal_shown.push_back(form.name());
    form.load();
    if (on_modal) on_modal(form);
    if (form.loaded()) form.unload();
}

void WindowSystem::show_modeless(ui::Form& form) {
    modeless_shown.push_back(form.name());
    form.load();
}

} // namespace wtn::fake
