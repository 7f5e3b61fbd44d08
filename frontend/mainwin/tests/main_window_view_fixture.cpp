#include "main_window_view_fixture.h"

#include <QDir>
#include <QTest>

namespace wtn::mainwin::test {

qt::MainWindowView* MainWindowViewFixture::start_and_show() {
    if (start() != StartResult::ready) return nullptr;
    view = std::make_unique<qt::MainWindowView>(window->form, &window->Toolbar1, &window->stv_gm);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get())) return nullptr;
    return view.get();
}

bool save_screenshot(QWidget& widget, const std::string& name) {
    QDir().mkpath(WTN_SCREENSHOT_DIR);
    QString path = QStringLiteral(WTN_SCREENSHOT_DIR) + "/" + QString::fromStdString(name) + ".png";
    return widget.grab().save(path);
}

} // namespace wtn::mainwin::test
