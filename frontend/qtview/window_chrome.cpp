#include "window_chrome.h"

#include "form_binder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace wtn::qt {
namespace {

// Toolbar pictures from the style's standard set, by the names the windows
// give their buttons.
QIcon toolbar_icon(const std::string& name) {
    static const std::map<std::string, QStyle::StandardPixmap> kIcons = {
        {"new", QStyle::SP_FileIcon},
        {"open", QStyle::SP_DialogOpenButton},
        {"save", QStyle::SP_DialogSaveButton},
        {"run", QStyle::SP_MediaPlay},
        {"print", QStyle::SP_FileDialogDetailedView},
        {"help", QStyle::SP_DialogHelpButton},
    };
    auto it = kIcons.find(name);
    if (it != kIcons.end()) return QApplication::style()->standardIcon(it->second);
    return QIcon::fromTheme(to_qt(name));
}

// The caption as Qt reads it: "&&" shows one "&" where the caption has no
// access key.
QString menu_text(const ui::MenuItem& item) {
    QString text = to_qt(item.caption());
    if (!item.access_key) text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

} // namespace

WindowChrome::~WindowChrome() {
    for (ui::MenuItem* item : items_)
        item->set_view_listener(nullptr);
    if (status_ != nullptr) status_->set_view_listener(nullptr);
}

QAction* WindowChrome::action_of(const ui::MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

void WindowChrome::bind_menu_bar(ui::MenuItem& root, QMenuBar* bar) {
    for (const auto& item : root.items())
        build_item(*item, bar);
}

void WindowChrome::build_item(ui::MenuItem& item, QWidget* menu) {
    QAction* action = nullptr;
    if (!item.items().empty()) {
        auto* sub = new QMenu(to_qt(item.caption()), menu);
        sub->setObjectName(to_qt(item.full_name()));
        action = sub->menuAction();
        for (const auto& child : item.items())
            build_item(*child, sub);
    } else {
        // A separator keeps no text: some styles draw a separator's text as a
        // section heading, which would show the "-" of its caption.
        action = new QAction(item.is_separator() ? QString() : menu_text(item), menu);
        if (!item.shortcut().empty()) {
            action->setShortcut(QKeySequence(to_qt(item.shortcut())));
        }
        action->setSeparator(item.is_separator());
        connect(action, &QAction::triggered, this, [&item] { item.user_click(); });
    }
    action->setObjectName(to_qt(item.full_name()));
    menu->addAction(action);
    actions_[&item] = action;
    items_.push_back(&item);
    item.set_view_listener([this, &item] { sync(item); });
    sync(item);
}

void WindowChrome::sync(ui::MenuItem& item) {
    QAction* action = action_of(item);
    if (action == nullptr) return;
    if (!item.is_separator()) action->setText(menu_text(item));
    action->setSeparator(item.is_separator());
    action->setEnabled(item.enabled());
    action->setVisible(item.visible());
}

void WindowChrome::bind_toolbar(ui::Toolbar& toolbar, QToolBar* bar) {
    const auto& buttons = toolbar.buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ui::ToolbarButton& b = buttons[i];
        if (b.separator) {
            bar->addSeparator();
            continue;
        }
        QIcon icon = toolbar_icon(b.icon);
        QAction* action = bar->addAction(icon, to_qt(b.key));
        action->setObjectName(QStringLiteral("Toolbar1(%1)").arg(i + 1));
        action->setToolTip(to_qt(b.key));
        int index = static_cast<int>(i) + 1;
        connect(action, &QAction::triggered, this,
                [&toolbar, index] { toolbar.user_click(index); });
    }
}

void WindowChrome::bind_status_bar(ui::StatusBar& status, QStatusBar* bar) {
    status_ = &status;
    std::vector<QLabel*> labels;
    for (int i = 1; i <= status.panel_count(); ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("stv_gm_panel%1").arg(i));
        bar->addWidget(label, i == 1 ? 1 : 0);
        labels.push_back(label);
    }
    auto refresh = [&status, labels] {
        for (int i = 1; i <= status.panel_count(); ++i) {
            labels[static_cast<std::size_t>(i - 1)]->setText(to_qt(status.panel_text(i)));
        }
    };
    status.set_view_listener(refresh);
    refresh();
}

} // namespace wtn::qt
