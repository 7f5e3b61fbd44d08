// The Qt implementations of the platform services.
#pragma once

#include "front_end_services.h"
#include "services.h"

#include <QString>

#include <memory>

class QSettings;
class QWidget;

namespace wtn::qt {

// Message boxes with the requested title, icon, buttons and default button.
class QtMessageBoxes : public wtn::MessageBoxes {
  public:
    void set_owner(QWidget* owner) { owner_ = owner; }
    wtn::BoxAnswer show(const wtn::MessageRequest& request) override;

  private:
    QWidget* owner_ = nullptr;
};

// Qt's own (non-native) file dialog, so it looks and behaves the same on every
// desktop. The save dialog never asks about overwriting: the caller does.
class QtFileDialogs : public wtn::FileDialogs {
  public:
    void set_owner(QWidget* owner) { owner_ = owner; }
    std::optional<std::string> choose(const wtn::FileRequest& request) override;

  private:
    QWidget* owner_ = nullptr;
};

// Settings in an INI file of the user's configuration folder, application
// "Tvn_win2"; tests pass a file of their own.
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& ini_file);
    ~QtSettingsStore() override;
    std::string get(const std::string& section, const std::string& key) override;
    void set(const std::string& section, const std::string& key, const std::string& value) override;
    // Keys of a section in key order, which for RecentFile1 to RecentFile4 is
    // the order in which they were first stored.
    std::vector<std::pair<std::string, std::string>> all(const std::string& section) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

// Runs a program as a child process, handling its output one line at a time.
class QtProcessRunner : public wtn::ProcessRunner {
  public:
    int run_and_wait(
        const wtn::ProcessRequest& request,
        const std::function<std::optional<std::string>(const std::string& line)>& on_line) override;
};

// Shows an HTML help file in a window of its own.
class QtHelpViewer : public wtn::HelpViewer {
  public:
    explicit QtHelpViewer(wtn::MessageBoxes& boxes) : boxes_(boxes) {}
    ~QtHelpViewer() override;
    void set_owner(QWidget* owner) { owner_ = owner; }
    void show_contents(const std::string& help_file) override;
    void close() override;

  private:
    wtn::MessageBoxes& boxes_;
    QWidget* owner_ = nullptr;
    QWidget* window_ = nullptr;
};

class QtWindowSystem : public ui::WindowSystem {
  public:
    void set_owner(QWidget* owner) { owner_ = owner; }
    void show_modal(ui::Form& form) override;
    void show_modeless(ui::Form& form) override;
    std::pair<int, int> screen_size() override;

  private:
    QWidget* owner_ = nullptr;
};

} // namespace wtn::qt
