// Windows for toolkit forms: a dialog for forms shown modally or without
// waiting (about box, splash, the run's dialogs), and the main window with
// its menu bar, toolbar and status bar. Closing the window asks the form
// (on_query_unload) and the form's unload() closes the window.
#pragma once

#include "form.h"
#include "form_binder.h"
#include "window_chrome.h"

#include <QDialog>
#include <QMainWindow>

namespace wtn::qt {

class FormDialog : public QDialog {
    Q_OBJECT
  public:
    FormDialog(ui::Form& form, QWidget* owner);
    ~FormDialog() override;
    FormBinder& binder() { return *binder_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void sync_window();
    ui::Form& form_;
    FormBinder* binder_ = nullptr;
    bool unloading_ = false;
    bool in_close_ = false;
};

class MainWindowView : public QMainWindow {
    Q_OBJECT
  public:
    MainWindowView(ui::Form& form, ui::Toolbar* toolbar, ui::StatusBar* status);
    ~MainWindowView() override;
    FormBinder& binder() { return *binder_; }
    WindowChrome& chrome() { return *chrome_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void sync_window();
    ui::Form& form_;
    FormBinder* binder_ = nullptr;
    WindowChrome* chrome_ = nullptr;
    ui::Rect placed_;
    bool unloading_ = false;
    bool in_close_ = false;
};

} // namespace wtn::qt
