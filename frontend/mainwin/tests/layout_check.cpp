#include "layout_check.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wtn::mainwin::test {
namespace {

// Room a push button needs round its caption.
constexpr int kPushButtonMargin = 8;
// Room an option button's indicator and its spacing take beside the caption.
constexpr int kOptionIndicatorWidth = 22;
// Room a frame needs round its title.
constexpr int kFrameTitleMargin = 16;

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool inside(const ui::Rect& r, const ui::Rect& outer) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= outer.width &&
           r.top + r.height <= outer.height;
}

int text_width(const QWidget& w, const QString& text) {
    return QFontMetrics(w.font()).horizontalAdvance(text);
}

// The control's caption, or its list lines, fit its widget.
void expect_contents_fit(const ui::Control& control, const QWidget& w, const LayoutRules& rules) {
    const std::string name = control.full_name() + " " + control.caption();
    const QSize hint = w.sizeHint();
    if (auto* label = qobject_cast<const QLabel*>(&w)) {
        if (rules.one_line_captions) {
            EXPECT_LE(text_width(w, label->text()), w.width()) << name;
        }
        if (rules.style_heights) {
            EXPECT_LE(label->heightForWidth(w.width()), w.height()) << name;
        }
    } else if (auto* push = qobject_cast<const QPushButton*>(&w)) {
        EXPECT_LE(text_width(w, push->text()) + kPushButtonMargin, w.width()) << name;
        if (rules.push_button_size_hint) {
            EXPECT_LE(hint.width(), w.width()) << name;
            EXPECT_LE(hint.height(), w.height()) << name;
        }
    } else if (qobject_cast<const QAbstractButton*>(&w) != nullptr) {
        EXPECT_LE(hint.width(), w.width()) << name;
        if (rules.style_heights) {
            EXPECT_LE(hint.height(), w.height()) << name;
        }
        // The caption as written, before any wrapping onto a second line.
        if (rules.one_line_captions && qobject_cast<const QRadioButton*>(&w) != nullptr) {
            EXPECT_LE(text_width(w, qt::to_qt(control.caption())) + kOptionIndicatorWidth,
                      w.width())
                << name;
        }
    } else if (auto* group = qobject_cast<const QGroupBox*>(&w)) {
        EXPECT_LE(group->minimumSizeHint().width(), w.width()) << name;
        EXPECT_LE(text_width(w, group->title()) + kFrameTitleMargin, w.width()) << name;
    } else if (auto* list = qobject_cast<const QListWidget*>(&w)) {
        // A list never shown at its size still has the viewport of its
        // default size: there is nothing to measure its lines against yet.
        if (list->testAttribute(Qt::WA_PendingResizeEvent)) return;
        for (int i = 0; i < list->count(); ++i)
            EXPECT_LE(text_width(w, list->item(i)->text()), list->viewport()->width())
                << name << " line " << i;
    }
}

} // namespace

void expect_laid_out(const ui::Container& container, const qt::FormBinder& binder,
                     const LayoutRules& rules) {
    const QWidget* outer = binder.widget_of(container);
    if (outer == nullptr) {
        ADD_FAILURE() << container.full_name() << " has no widget";
        return;
    }
    struct Placed {
        const ui::Control* control;
        const QWidget* widget;
    };
    std::vector<Placed> placed;
    for (const auto& child : container.children()) {
        if (!rules.hidden_controls && !child->visible()) continue;
        const std::string name = child->full_name();
        const QWidget* w = binder.widget_of(*child);
        if (w == nullptr) {
            ADD_FAILURE() << name << " has no widget";
            continue;
        }
        EXPECT_TRUE(inside(child->rect(), container.rect()))
            << name << " leaves " << container.full_name();
        EXPECT_TRUE(outer->rect().contains(w->geometry()))
            << name << " shown outside " << container.full_name();
        for (const Placed& other : placed) {
            const std::string pair = name + " overlaps " + other.control->full_name();
            EXPECT_FALSE(overlap(child->rect(), other.control->rect())) << pair;
            EXPECT_FALSE(w->geometry().intersects(other.widget->geometry())) << pair << " as shown";
        }
        placed.push_back({child.get(), w});
        expect_contents_fit(*child, *w, rules);
        if (auto* inner = dynamic_cast<const ui::Container*>(child.get()))
            expect_laid_out(*inner, binder, rules);
    }
}

} // namespace wtn::mainwin::test
