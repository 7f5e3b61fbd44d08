// Qt menus, toolbars and status bars for the toolkit's menu items, toolbar
// and status bar, kept in step with them like the form binder keeps controls.
#pragma once

#include "form.h"
#include "menu.h"

#include <QObject>

#include <map>

class QAction;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QLabel;

namespace wtn::qt {

class WindowChrome : public QObject {
    Q_OBJECT
  public:
    explicit WindowChrome(QObject* parent) : QObject(parent) {}
    ~WindowChrome() override;

    // Builds a menu for every item of root's menus; object names are the
    // items' full names.
    void bind_menu_bar(ui::MenuItem& root, QMenuBar* bar);
    void bind_toolbar(ui::Toolbar& toolbar, QToolBar* bar);
    void bind_status_bar(ui::StatusBar& status, QStatusBar* bar);

    QAction* action_of(const ui::MenuItem& item) const;

  private:
    void build_item(ui::MenuItem& item, QWidget* menu);
    void sync(ui::MenuItem& item);
    std::map<const ui::MenuItem*, QAction*> actions_;
    std::vector<ui::MenuItem*> items_;
    ui::StatusBar* status_ = nullptr;
};

} // namespace wtn::qt
