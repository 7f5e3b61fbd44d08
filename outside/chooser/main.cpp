// ZEVOVE: lets the user pick one of several virtual-seabed candidates.
// Reads ZEVOVE.DAT from the current folder, shows the candidates in a modal
// dialog and, on OK, writes the chosen 0-based index on line 1 and exits 0.
// Cancel, closing the window or a bad exchange file leave the file as it was
// and exit 1. WTN_ZEVOVE_CHOICE=n answers n without a window (n is written as
// given, so a caller's check of the index can be exercised).
#include "chooser_dialog.h"
#include "chooser_exchange.h"

#include "japanese_dialogs.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kChosen = 0;
constexpr int kNotChosen = 1;

int answer_without_window(const wtn::ChooserRequest& request, const char* choice_text) {
    int index = 0;
    if (!wtn::parse_whole_integer(choice_text, index)) {
        std::fprintf(stderr, "ZEVOVE: %s is not a whole number: %s\n", wtn::kChooserChoiceVariable,
                     choice_text);
        return kNotChosen;
    }
    if (!wtn::write_chooser_choice(wtn::kChooserFileName, request, index)) {
        std::fprintf(stderr, "ZEVOVE: cannot write %s\n", wtn::kChooserFileName);
        return kNotChosen;
    }
    return kChosen;
}

} // namespace

int main(int argc, char** argv) {
    wtn::ChooserRequest request;
    std::string error;
    if (!wtn::read_chooser_request(wtn::kChooserFileName, request, error)) {
        std::fprintf(stderr, "ZEVOVE: %s\n", error.c_str());
        return kNotChosen;
    }
    if (const char* choice = std::getenv(wtn::kChooserChoiceVariable))
        return answer_without_window(request, choice);

    QApplication app(argc, argv);
    wtn::qt::install_japanese_dialogs(app);
    std::setlocale(LC_NUMERIC, "C");
    wtn::ChooserDialog dialog(request);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen_index() < 0) return kNotChosen;
    if (!wtn::write_chooser_choice(wtn::kChooserFileName, request, dialog.chosen_index())) {
        std::fprintf(stderr, "ZEVOVE: cannot write %s\n", wtn::kChooserFileName);
        return kNotChosen;
    }
    return kChosen;
}
