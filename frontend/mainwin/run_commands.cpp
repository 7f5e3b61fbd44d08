#include "run_commands.h"

#include "custom_dialog.h"
#include "number_box.h"
#include "print_results.h"
#include "run_chain.h"

namespace wtn::mainwin {

void show_custom_dialog(MainWindow& w) {
    if (w.services.windows == nullptr) return;
    CustomDialog dialog(w.data.custom_tbl, w.data.work_dir, w.services.help);
    if (w.services.boxes != nullptr) ui::report_refusals(dialog.form, *w.services.boxes);
    w.services.windows->show_modal(dialog.form);
}

void install_run_commands(MainWindow& w) {
    w.commands.run = [&w] { run_Click(w); };
    w.commands.print = [&w] { file_print_Click(w); };
    w.commands.k_kekka = [&w] { k_kekka_Click(w); };
    w.commands.s_kekka = [&w] { s_kekka_Click(w); };
    w.commands.option_dialog = [&w] { show_custom_dialog(w); };
}

} // namespace wtn::mainwin
