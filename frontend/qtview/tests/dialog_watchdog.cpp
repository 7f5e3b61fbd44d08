#include "dialog_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

namespace wtn::qt::test {
namespace {

// Nested dialogs are closed one by one; more than this is not a test.
constexpr int kMaxNestedDialogs = 16;

} // namespace

void close_open_dialogs() {
    for (int i = 0; i < kMaxNestedDialogs; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        ADD_FAILURE() << "a dialog was left open: \"" << modal->windowTitle().toStdString()
                      << "\" (" << modal->objectName().toStdString() << ")";
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        if (QApplication::activeModalWidget() == modal) modal->hide();
    }
}

DialogWatchdog::DialogWatchdog() : timer_(std::make_unique<QTimer>()) {
    timer_->setInterval(kDialogTimeoutMs);
    QObject::connect(timer_.get(), &QTimer::timeout, [] { close_open_dialogs(); });
}

DialogWatchdog::~DialogWatchdog() = default;

void DialogWatchdog::OnTestStart(const testing::TestInfo&) {
    timer_->start();
}

void DialogWatchdog::OnTestEnd(const testing::TestInfo&) {
    timer_->stop();
}

} // namespace wtn::qt::test
