// ZEVOVE_DIALOG: the windowed half of the virtual-seabed chooser. ZEVOVE
// starts it in its own place when no answer is given in the environment; it
// shows the candidates of ZEVOVE.DAT in a modal dialog and, on OK, writes the
// chosen 0-based index on line 1 and exits 0. Cancel, closing the window or a
// bad exchange file leave the file as it was and exit 1.
#include "chooser_dialog.h"
#include "chooser_exchange.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

constexpr int kChosen = 0;
constexpr int kNotChosen = 1;

} // namespace

int main(int argc, char** argv) {
    wtn::ChooserRequest request;
    std::string error;
    if (!wtn::read_chooser_request(wtn::kChooserFileName, request, error)) {
        std::fprintf(stderr, "ZEVOVE: %s\n", error.c_str());
        return kNotChosen;
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    wtn::ChooserDialog dialog(request);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen_index() < 0) return kNotChosen;
    if (!wtn::write_chooser_choice(wtn::kChooserFileName, request, dialog.chosen_index())) {
        std::fprintf(stderr, "ZEVOVE: cannot write %s\n", wtn::kChooserFileName);
        return kNotChosen;
    }
    return kChosen;
}
