// WTN_WIN: the windowed front end.
#include "form_window.h"
#include "install_screens.h"
#include "main_window.h"
#include "qt_services.h"
#include "startup.h"

#include "japanese_dialogs.h"

#include <QApplication>
#include <QTimer>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    wtn::qt::use_japanese_locale();
    QApplication app(argc, argv);
    wtn::qt::install_japanese_dialogs(app);
    // QApplication takes the process locale from the environment; numbers in
    // files and boxes are read and written with a point, whatever the user's
    // language.
    std::setlocale(LC_NUMERIC, "C");

    wtn::qt::QtMessageBoxes boxes;
    wtn::qt::QtFileDialogs files;
    wtn::qt::QtSettingsStore settings;
    wtn::qt::QtProcessRunner processes;
    wtn::qt::QtHelpViewer help(boxes);
    wtn::qt::QtWindowSystem windows;
    wtn::ui::Services services;
    services.boxes = &boxes;
    services.files = &files;
    services.processes = &processes;
    services.help = &help;
    services.windows = &windows;

    wtn::DesignData data;
    wtn::mainwin::MainWindow window(data, services, settings);
    window.programs_dir = wtn::mainwin::executable_folder();
    // The screens and commands built elsewhere, before the view builds the
    // widgets.
    wtn::mainwin::install_screens(window);

    wtn::qt::MainWindowView view(window.form, &window.Toolbar1, &window.stv_gm);

    wtn::mainwin::InstanceLock lock;
    wtn::mainwin::StartResult started =
        wtn::mainwin::Form_Load(window, lock, wtn::mainwin::program_folder());
    if (started != wtn::mainwin::StartResult::ready) {
        // Windows already closed (the splash) go before the forms they show.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return 1;
    }

    boxes.set_owner(&view);
    files.set_owner(&view);
    help.set_owner(&view);
    windows.set_owner(&view);
    window.form.load();
    view.show();
    // WTN_WIN_AUTOCLOSE=1 ends the program as soon as the main window has been
    // shown, so a benchmark can time the start up to the first window.
    if (std::getenv("WTN_WIN_AUTOCLOSE") != nullptr)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
