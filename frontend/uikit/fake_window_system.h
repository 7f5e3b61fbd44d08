// Stand-in for the window system in tests, beside the platform services'
// stand-ins it is used with. No Qt (library uikit_fakes).
#pragma once

#include "fake_services.h"
#include "form.h"
#include "services.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace wtn::fake {

// Records the forms shown. A modal form is loaded, handed to on_modal (to
// act as the user), and unloaded if it is still loaded; a modeless form is
// loaded and left open.
class WindowSystem : public ui::WindowSystem {
  public:
    void show_modal(ui::Form& form) override;
    void show_modeless(ui::Form& form) override;
    std::pair<int, int> screen_size() override { return screen; }
    std::function<void(ui::Form&)> on_modal;
    std::vector<std::string> modal_shown; // form names
    std::vector<std::string> modeless_shown;
    std::pair<int, int> screen{1024, 768};
};

} // namespace wtn::fake
