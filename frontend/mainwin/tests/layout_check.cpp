#include "layout_check.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "controls.h"
#include "form.h"

#include <algorithm>
#include <string>
#include <vector>

namespace wtn::mainwin::test {
namespace {

// Room a push button needs round its caption beside its frame.
constexpr int kPushButtonMargin = 8;
// Room a frame needs round its title.
constexpr int kFrameTitleMargin = 16;
// Blank pixels a line edit keeps round its text (Qt's fixed margins).
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;
// The first character of the full-width and East Asian blocks (CJK
// punctuation, kana, ideographs, full-width forms): Japanese text may break
// between any two of them.
constexpr char16_t kFirstWideCharacter = 0x2E80;

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool inside(const ui::Rect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

bool meant_to_overlap(const LayoutRules& rules, const std::string& a, const std::string& b) {
    return std::any_of(
        rules.meant_to_overlap.begin(), rules.meant_to_overlap.end(), [&](const auto& pair) {
            return (pair.first == a && pair.second == b) || (pair.first == b && pair.second == a);
        });
}

// A line may start here: after a blank or a forced break, or where the
// character before or after is full-width.
bool may_break_before(const QString& text, qsizetype at) {
    const QChar before = text.at(at - 1);
    const QChar after = text.at(at);
    return before.isSpace() || after.isSpace() || before.unicode() >= kFirstWideCharacter ||
           after.unicode() >= kFirstWideCharacter;
}

// The lines text takes when wrapped at width in font, as Qt wraps a label.
struct WrappedLine {
    qsizetype start;
    double width;
};
std::vector<WrappedLine> wrap(QString text, const QFont& font, int width) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    std::vector<WrappedLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back({line.textStart(), line.naturalTextWidth()});
    }
    layout.endLayout();
    return lines;
}

std::string font_name(const QFont& font) {
    const QFontInfo info(font);
    return info.family().toStdString() + " " + std::to_string(info.pixelSize()) + " px";
}

void expect_label_fits(const QLabel& label, const std::string& name) {
    const QString text = label.text();
    if (text.isEmpty()) return;
    const int room = qt::label_text_width(label);
    for (const WrappedLine& line : wrap(text, label.font(), room)) {
        EXPECT_LE(line.width, room) << name << ": a line wider than the label";
        if (line.start > 0) {
            EXPECT_TRUE(may_break_before(text, line.start))
                << name << ": breaks inside a word before \"" << text.mid(line.start).toStdString()
                << "\"";
        }
    }
    EXPECT_LE(label.heightForWidth(label.width()), label.height())
        << name << ": the caption is taller than the label (" << font_name(label.font()) << ")";
}

void expect_push_button_fits(const QPushButton& push, const std::string& name) {
    const QFontMetrics metrics(push.font());
    const QSize text = metrics.size(Qt::TextShowMnemonic, push.text());
    QStyleOptionButton option;
    option.initFrom(&push);
    option.text = push.text();
    const QRect room = push.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &push);
    EXPECT_LE(text.width() + kPushButtonMargin, room.width()) << name;
    EXPECT_LE(text.height(), room.height()) << name;
}

void expect_option_fits(const QAbstractButton& button, const std::string& name) {
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, &button);
    const QSize text = QFontMetrics(button.font()).size(Qt::TextShowMnemonic, button.text());
    EXPECT_LE(text.width(), room.width()) << name << ": caption wider than its room";
    EXPECT_LE(text.height(), std::min(room.height(), button.height()))
        << name << ": caption taller than the button";
    const int indicator = button.style()->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, &option, &button);
    EXPECT_LE(indicator, button.height()) << name << ": indicator taller than the button";
}

void expect_box_fits(const QLineEdit& edit, const std::string& name) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect room = edit.style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                           .marginsRemoved(edit.textMargins());
    const QFontMetrics metrics(edit.font());
    EXPECT_LE(metrics.height(), room.height() - 2 * kLineEditVerticalMargin)
        << name << ": a line of text is taller than the box";
    EXPECT_LE(metrics.horizontalAdvance(edit.text()), room.width() - 2 * kLineEditHorizontalMargin)
        << name << ": \"" << edit.text().toStdString() << "\" is wider than the box";
}

// The title of a frame as the style places it.
QRect frame_title(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = group.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         &group);
}

void expect_frame_fits(const QGroupBox& group, const std::string& name) {
    if (group.title().isEmpty()) return;
    const QFontMetrics metrics(group.font());
    EXPECT_LE(metrics.horizontalAdvance(group.title()) + kFrameTitleMargin, group.width()) << name;
    EXPECT_LE(metrics.height(), group.height()) << name;
    const QRect title = frame_title(group);
    for (const QObject* child : group.children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w == nullptr || w->isHidden()) continue;
        EXPECT_FALSE(w->geometry().intersects(title))
            << w->objectName().toStdString() << " covers the title of " << name;
    }
}

// The control's caption, text or list lines fit its widget.
void expect_contents_fit(const ui::Control& control, const QWidget& w) {
    const std::string name = control.full_name() + " " + control.caption();
    if (auto* label = qobject_cast<const QLabel*>(&w)) {
        expect_label_fits(*label, name);
    } else if (auto* push = qobject_cast<const QPushButton*>(&w)) {
        expect_push_button_fits(*push, name);
    } else if (auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        expect_option_fits(*button, name);
    } else if (auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        expect_box_fits(*edit, name);
    } else if (auto* group = qobject_cast<const QGroupBox*>(&w)) {
        expect_frame_fits(*group, name);
    } else if (auto* tabs = qobject_cast<const QTabWidget*>(&w)) {
        EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width()) << name << ": tabs";
    } else if (auto* list = qobject_cast<const QListWidget*>(&w)) {
        // A list never shown at its size still has the viewport of its
        // default size: there is nothing to measure its lines against yet.
        if (list->testAttribute(Qt::WA_PendingResizeEvent)) return;
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->count(); ++i)
            EXPECT_LE(metrics.horizontalAdvance(list->item(i)->text()), list->viewport()->width())
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
    // The room of the container in twips: a form's client area, a tab page's
    // area in its tab control, a frame's own size.
    int room_width = container.rect().width;
    int room_height = container.rect().height;
    if (auto* form = dynamic_cast<const ui::Form*>(&container);
        form != nullptr && form->client_width > 0) {
        room_width = form->client_width;
        room_height = form->client_height;
    } else if (container.kind() == ui::ControlKind::Form ||
               container.kind() == ui::ControlKind::TabPage) {
        room_width = outer->width() * ui::kTwipsPerPixel;
        room_height = outer->height() * ui::kTwipsPerPixel;
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
        if (child->kind() == ui::ControlKind::TabPage) {
            // A page fills its tab control's page area; only the current
            // page has been laid out at its size.
            auto* tabs = dynamic_cast<const ui::TabControl*>(&container);
            if (tabs != nullptr && tabs->tab() != child->index()) continue;
            expect_laid_out(static_cast<const ui::Container&>(*child), binder, rules);
            continue;
        }
        EXPECT_TRUE(inside(child->rect(), room_width, room_height))
            << name << " leaves " << container.full_name();
        EXPECT_TRUE(outer->rect().contains(w->geometry()))
            << name << " shown outside " << container.full_name();
        for (const Placed& other : placed) {
            const std::string other_name = other.control->full_name();
            if (meant_to_overlap(rules, name, other_name)) continue;
            const std::string pair = name + " overlaps " + other_name;
            EXPECT_FALSE(overlap(child->rect(), other.control->rect())) << pair;
            EXPECT_FALSE(w->geometry().intersects(other.widget->geometry())) << pair << " as shown";
        }
        placed.push_back({child.get(), w});
        expect_contents_fit(*child, *w);
        if (auto* inner = dynamic_cast<const ui::Container*>(child.get()))
            expect_laid_out(*inner, binder, rules);
    }
}

} // namespace wtn::mainwin::test
