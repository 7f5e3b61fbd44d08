// ZEVOVE: lets the user pick one of several virtual-seabed candidates.
// Reads ZEVOVE.DAT from the current folder. WTN_ZEVOVE_CHOICE=n answers n
// without a window (n is written as given, so a caller's check of the index
// can be exercised); otherwise the windowed half, ZEVOVE_DIALOG beside this
// program, takes its place and asks the user. This half loads no window
// toolkit, so an answered run costs no more than starting a small program.
#include "chooser_exchange.h"
#include "number_field.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr int kChosen = 0;
constexpr int kNotChosen = 1;
constexpr const char* kDialogProgramName = "ZEVOVE_DIALOG";

int answer_without_window(const wtn::ChooserRequest& request, const char* choice_text) {
    const std::optional<int> index = wtn::whole_integer_field(choice_text, wtn::kBlanksAndTabs);
    if (!index) {
        std::fprintf(stderr, "ZEVOVE: %s is not a whole number: %s\n", wtn::kChooserChoiceVariable,
                     choice_text);
        return kNotChosen;
    }
    if (!wtn::write_chooser_choice(wtn::kChooserFileName, request, *index)) {
        std::fprintf(stderr, "ZEVOVE: cannot write %s\n", wtn::kChooserFileName);
        return kNotChosen;
    }
    return kChosen;
}

} // namespace

int main(int /*argc*/, char** argv) {
    wtn::ChooserRequest request;
    std::string error;
    if (!wtn::read_chooser_request(wtn::kChooserFileName, request, error)) {
        std::fprintf(stderr, "ZEVOVE: %s\n", error.c_str());
        return kNotChosen;
    }
    if (const char* choice = std::getenv(wtn::kChooserChoiceVariable))
        return answer_without_window(request, choice);

    const std::string dialog = wtn::program_beside_self(kDialogProgramName);
    argv[0] = const_cast<char*>(dialog.c_str());
    std::fflush(nullptr);
    execv(dialog.c_str(), argv);
    std::fprintf(stderr, "ZEVOVE: cannot start %s: %s\n", dialog.c_str(), std::strerror(errno));
    return kNotChosen;
}
