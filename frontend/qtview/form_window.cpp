#include "form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace wtn::qt {
namespace {

ui::CommandButton* find_button(ui::Form& form, bool cancel) {
    ui::CommandButton* found = nullptr;
    form.for_each([&](ui::Control& c) {
        auto* b = dynamic_cast<ui::CommandButton*>(&c);
        if (found == nullptr && b != nullptr && (cancel ? b->is_cancel : b->is_default)) found = b;
    });
    return found;
}

// A close asked by the window system unloads the form, which may refuse
// (its closing question); a form already unloading closes at once. in_close
// tells the unload listener that the window is closing already.
void close_form(QCloseEvent* event, ui::Form& form, bool unloading, bool& in_close) {
    in_close = true;
    bool closes = unloading || form.unload();
    in_close = false;
    if (closes) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace

FormDialog::FormDialog(ui::Form& form, QWidget* owner) : QDialog(owner), form_(form) {
    setObjectName(to_qt(form.name()));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    binder_ = new FormBinder(form, client);
    int w = twips_to_pixels(form.client_width);
    int h = twips_to_pixels(form.client_height);
    client->setGeometry(0, 0, w, h);
    setFixedSize(w, h);
    Qt::WindowFlags flags = Qt::Dialog;
    if (form.border == ui::Form::Border::None) flags = Qt::SplashScreen | Qt::FramelessWindowHint;
    if (form.border == ui::Form::Border::FixedDialog) {
        flags |= Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    }
    if (!form.show_in_taskbar && owner == nullptr) flags |= Qt::Tool;
    setWindowFlags(flags);
    // A window is not disabled with its owner: the run's dialogs open over a
    // main window that is disabled while the run goes on.
    setEnabled(true);
    form.set_view_listener([this] { sync_window(); });
    form.set_unload_listener([this] {
        unloading_ = true;
        done(QDialog::Accepted);
    });
    sync_window();
}

FormDialog::~FormDialog() {
    form_.set_view_listener(nullptr);
    form_.set_unload_listener(nullptr);
}

void FormDialog::sync_window() {
    setWindowTitle(to_qt(form_.caption()));
}

void FormDialog::closeEvent(QCloseEvent* event) {
    close_form(event, form_, unloading_, in_close_);
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
    if (form_.on_key_press && !event->text().isEmpty()) {
        form_.on_key_press(from_qt(event->text()));
        if (unloading_) return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (ui::CommandButton* b = find_button(form_, false)) {
            b->user_click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void FormDialog::reject() {
    // Escape presses the form's cancel button when it has one. A form without
    // one closes only by its own buttons or the window's close button, so a
    // stray Escape loses nothing the user has typed.
    if (ui::CommandButton* b = find_button(form_, true)) {
        b->user_click();
        return;
    }
    if (unloading_) QDialog::reject();
}

MainWindowView::MainWindowView(ui::Form& form, ui::Toolbar* toolbar, ui::StatusBar* status)
    : form_(form) {
    setObjectName(to_qt(form.name()));
    chrome_ = new WindowChrome(this);
    chrome_->bind_menu_bar(form.menu_bar(), menuBar());
    if (toolbar != nullptr) {
        auto* bar = addToolBar(QStringLiteral("Toolbar1"));
        bar->setObjectName(QStringLiteral("Toolbar1"));
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        chrome_->bind_toolbar(*toolbar, bar);
    }
    if (status != nullptr) {
        statusBar()->setObjectName(QStringLiteral("stv_gm"));
        chrome_->bind_status_bar(*status, statusBar());
    }
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    binder_ = new FormBinder(form, client);
    // The controls sit at fixed places: a window smaller than the controls'
    // extent would cut some off with no way to reach them.
    int right = 0;
    int bottom = 0;
    for (const auto& child : form.children()) {
        const ui::Rect& r = child->rect();
        right = std::max(right, r.left + r.width);
        bottom = std::max(bottom, r.top + r.height);
    }
    client->setMinimumSize(twips_to_pixels(right), twips_to_pixels(bottom));
    form.set_view_listener([this] { sync_window(); });
    form.set_unload_listener([this] {
        unloading_ = true;
        if (!in_close_) close();
    });
    sync_window();
}

MainWindowView::~MainWindowView() {
    form_.set_view_listener(nullptr);
    form_.set_unload_listener(nullptr);
}

void MainWindowView::sync_window() {
    setWindowTitle(to_qt(form_.caption()));
    // A disabled main window (a program of the run, the viewer) takes no
    // input and shows the busy cursor; the boxes and dialogs it owns enable
    // themselves.
    setEnabled(form_.enabled());
    if (form_.enabled()) {
        unsetCursor();
    } else {
        setCursor(Qt::BusyCursor);
    }
    // The window takes the form's place only when code moves it, so a window
    // the user moved stays where it is when the caption changes.
    const ui::Rect& r = form_.rect();
    bool moved = r.left != placed_.left || r.top != placed_.top || r.width != placed_.width ||
                 r.height != placed_.height;
    placed_ = r;
    if (moved && r.width > 0 && r.height > 0) {
        setGeometry(twips_to_pixels(r.left), twips_to_pixels(r.top), twips_to_pixels(r.width),
                    twips_to_pixels(r.height));
    }
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    close_form(event, form_, unloading_, in_close_);
}

} // namespace wtn::qt
