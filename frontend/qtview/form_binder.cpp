#include "form_binder.h"

#include "picture_widget.h"
#include "widget_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace wtn::qt {
namespace {

// Pixel size of the forms' font: the 9 points the forms were laid out for.
constexpr int kFormFontPixels = 12;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

} // namespace

QString to_qt(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string from_qt(const QString& text) {
    return text.toUtf8().toStdString();
}

int twips_to_pixels(int twips) {
    return twips / ui::kTwipsPerPixel;
}

QFont form_font() {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFormFontPixels);
    return font;
}

void set_font_points(QFont& font, double points) {
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint))));
}

QFont fixed_pitch_font() {
    // IPAGothic: a full-width glyph is exactly two half-width cells, so rows
    // laid out by display width line up.
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QString wrapped_button_caption(const QAbstractButton& button, const QString& caption) {
    const QFontMetrics metrics(button.font());
    if (button.height() < 2 * metrics.height() || caption.contains(QLatin1Char('\n')))
        return caption;
    // Room for text: the width less what the style adds to a text (the
    // indicator, its spacing and margins), as the button's size hint counts.
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = QStringLiteral("x");
    const int indicator =
        button.style()
            ->sizeFromContents(radio ? QStyle::CT_RadioButton : QStyle::CT_CheckBox, &option,
                               QSize(0, 0), &button)
            .width();
    const int room = button.width() - indicator;
    // Measured as the button's size hint measures its caption.
    auto width = [&](const QString& text) {
        return button.style()
            ->itemTextRect(metrics, QRect(), Qt::TextShowMnemonic, false, text)
            .width();
    };
    if (room <= 0 || width(caption) <= room) return caption;
    qsizetype fit = 1;
    while (fit < caption.size() && width(caption.left(fit + 1)) <= room)
        ++fit;
    const qsizetype blank = caption.left(fit + 1).lastIndexOf(QLatin1Char(' '));
    if (blank > 0) return caption.left(blank) + QLatin1Char('\n') + caption.mid(blank + 1);
    return caption.left(fit) + QLatin1Char('\n') + caption.mid(fit);
}

int label_text_width(const QLabel& label) {
    int indent = label.indent();
    // Qt's own indent of a framed label without one set.
    if (indent < 0 && label.frameWidth() > 0)
        indent =
            QFontMetrics(label.font()).horizontalAdvance(QLatin1Char('x')) - 2 * label.margin();
    return label.contentsRect().width() - 2 * label.margin() - std::max(0, indent);
}

QString wrapped_label_caption(const QLabel& label, const QString& caption) {
    const QFontMetrics metrics(label.font());
    const int room = label_text_width(label);
    const int height = label.contentsRect().height() - 2 * label.margin();
    if (room <= 0 || height < 2 * metrics.height() || caption.contains(QLatin1Char('\n')))
        return caption;
    auto fits = [&](const QString& line) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
            --end;
        return metrics.horizontalAdvance(line.left(end)) <= room;
    };
    QString shown;
    QString rest = caption;
    while (!fits(rest)) {
        qsizetype blank = rest.lastIndexOf(QLatin1Char(' '));
        while (blank > 0 && !fits(rest.left(blank)))
            blank = rest.lastIndexOf(QLatin1Char(' '), blank - 1);
        // Only blanks before the line's text: nothing to break at.
        qsizetype line_end = blank;
        while (line_end > 0 && rest.at(line_end - 1) == QLatin1Char(' '))
            --line_end;
        if (blank <= 0 || line_end == 0) break;
        shown += rest.left(line_end) + QLatin1Char('\n');
        qsizetype next = blank;
        while (next < rest.size() && rest.at(next) == QLatin1Char(' '))
            ++next;
        rest = rest.mid(next);
    }
    return shown + rest;
}

FormBinder::FormBinder(ui::Form& form, QWidget* parent) : QObject(parent), form_(form) {
    parent->setFont(form_font());
    widgets_[&form_] = parent;
    controls_[parent] = &form_;
    for (const auto& child : form_.children())
        build(*child, parent);
    sync_all();
}

FormBinder::~FormBinder() {
    form_.for_each([](ui::Control& c) { c.set_view_listener(nullptr); });
}

QWidget* FormBinder::widget_of(const ui::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

ui::Control* FormBinder::control_of(const QWidget* widget) const {
    auto it = controls_.find(widget);
    return it == controls_.end() ? nullptr : it->second;
}

void FormBinder::sync_all() {
    form_.for_each([this](ui::Control& c) { sync(c); });
}

void FormBinder::build(ui::Control& control, QWidget* parent) {
    QWidget* widget = create(control, parent);
    widget->setObjectName(to_qt(control.full_name()));
    widgets_[&control] = widget;
    controls_[widget] = &control;
    control.set_view_listener([this, &control] { sync(control); });
    connect_user_actions(control, widget);

    if (auto* tabs = dynamic_cast<ui::TabControl*>(&control)) {
        auto* qtabs = static_cast<QTabWidget*>(widget);
        for (std::size_t i = 0; i < tabs->page_count(); ++i) {
            ui::TabPage& page = tabs->page(i);
            auto* page_widget = new QWidget;
            page_widget->setObjectName(to_qt(page.full_name()));
            qtabs->addTab(page_widget, to_qt(page.caption()));
            widgets_[&page] = page_widget;
            controls_[page_widget] = &page;
            page.set_view_listener([this, &page] { sync(page); });
            for (const auto& child : page.children())
                build(*child, page_widget);
        }
        return;
    }
    if (auto* box = dynamic_cast<ui::Container*>(&control)) {
        for (const auto& child : box->children())
            build(*child, widget);
    }
}

QWidget* FormBinder::create(ui::Control& control, QWidget* parent) {
    switch (control.kind()) {
    case ui::ControlKind::Frame:
        return new QGroupBox(parent);
    case ui::ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ui::ControlKind::TextBox:
        return new QLineEdit(parent);
    case ui::ControlKind::CommandButton:
        return new QPushButton(parent);
    case ui::ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ui::ControlKind::OptionButton: {
        auto* option = new QRadioButton(parent);
        // The toolkit groups option buttons by container itself.
        option->setAutoExclusive(false);
        return option;
    }
    case ui::ControlKind::ListBox:
        return new QListWidget(parent);
    case ui::ControlKind::TabControl:
        return new QTabWidget(parent);
    case ui::ControlKind::ScrollBar: {
        auto& bar = static_cast<ui::ScrollBar&>(control);
        return new QScrollBar(bar.vertical() ? Qt::Vertical : Qt::Horizontal, parent);
    }
    case ui::ControlKind::PictureBox:
        return new PictureWidget(static_cast<ui::PictureBox&>(control), parent);
    case ui::ControlKind::Form:
    case ui::ControlKind::TabPage:
        break;
    }
    return new QWidget(parent);
}

void FormBinder::connect_user_actions(ui::Control& control, QWidget* widget) {
    switch (control.kind()) {
    case ui::ControlKind::TextBox: {
        auto& box = static_cast<ui::TextBox&>(control);
        auto* edit = static_cast<QLineEdit*>(widget);
        connect(edit, &QLineEdit::textEdited, this, [this, &box, edit](const QString& text) {
            if (!box.user_edit(from_qt(text))) {
                // Refused (too long for the box): the widget goes back to the
                // text the box holds.
                int caret = std::max(0, edit->cursorPosition() - 1);
                sync(box);
                edit->setCursorPosition(std::min(caret, static_cast<int>(edit->text().size())));
            }
        });
        break;
    }
    case ui::ControlKind::CommandButton: {
        auto& button = static_cast<ui::CommandButton&>(control);
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [&button] { button.user_click(); });
        break;
    }
    case ui::ControlKind::CheckBox: {
        auto& check = static_cast<ui::CheckBox&>(control);
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, [this, &check] {
            check.user_click();
            sync(check);
        });
        break;
    }
    case ui::ControlKind::OptionButton: {
        auto& option = static_cast<ui::OptionButton&>(control);
        connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this, [this, &option] {
            option.user_click();
            sync(option);
        });
        break;
    }
    case ui::ControlKind::ListBox: {
        auto& list = static_cast<ui::ListBox&>(control);
        auto* qlist = static_cast<QListWidget*>(widget);
        connect(qlist, &QListWidget::itemPressed, this,
                [this, &list, qlist](QListWidgetItem* item) {
                    int row = qlist->row(item);
                    if (row >= 0) list.user_select(static_cast<std::size_t>(row));
                    sync(list);
                });
        connect(qlist, &QListWidget::currentRowChanged, this, [this, &list](int row) {
            // Keyboard moves in a single-selection list select the row.
            if (!list.multi_select && row >= 0 && row != list.list_index()) {
                list.user_select(static_cast<std::size_t>(row));
                sync(list);
            }
        });
        connect(qlist, &QListWidget::itemDoubleClicked, this, [&list](QListWidgetItem*) {
            if (list.usable() && list.on_double_click) list.on_double_click();
        });
        break;
    }
    case ui::ControlKind::TabControl: {
        auto& tabs = static_cast<ui::TabControl&>(control);
        connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, this,
                [this, &tabs](int index) {
                    tabs.user_select_tab(index);
                    sync(tabs);
                });
        break;
    }
    case ui::ControlKind::Frame:
        // Only frames with a pointer handler follow the pointer: tracking on
        // every frame would send a move for each pixel to no one.
        if (static_cast<ui::Frame&>(control).on_mouse_move) {
            widget->setMouseTracking(true);
            widget->installEventFilter(this);
        }
        break;
    case ui::ControlKind::ScrollBar: {
        auto& bar = static_cast<ui::ScrollBar&>(control);
        connect(static_cast<QScrollBar*>(widget), &QScrollBar::valueChanged, this,
                [this, &bar](int value) {
                    bar.user_set_value(value);
                    sync(bar);
                });
        break;
    }
    default:
        break;
    }
    if (widget->focusPolicy() != Qt::NoFocus) widget->installEventFilter(this);
}

bool FormBinder::frame_mouse_move(QWidget* widget, QEvent* event) {
    auto* frame = dynamic_cast<ui::Frame*>(control_of(widget));
    if (frame == nullptr) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    // Qt hands a move over a control without tracking (a radio button, a
    // check box) up to this frame: the pointer over an option of the frame is
    // over the frame, so what the frame explains shows while the user reads
    // its options. An inner frame that follows the pointer has had the move
    // first; Qt passes it on here too, and then it is not this frame's.
    for (QWidget* w = widget->childAt(at); w != nullptr && w != widget; w = w->parentWidget()) {
        auto* inner = dynamic_cast<ui::Frame*>(control_of(w));
        if (inner != nullptr && inner->on_mouse_move) return false;
    }
    frame->user_mouse_move(to_mouse_button(mouse->buttons()), to_shift_state(mouse->modifiers()),
                           at.x() * ui::kTwipsPerPixel, at.y() * ui::kTwipsPerPixel);
    return false;
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        frame_mouse_move(qobject_cast<QWidget*>(watched), event);
        return false;
    }
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    ui::Control* control = control_of(widget);
    if (control == nullptr) return false;
    auto* focus = static_cast<QFocusEvent*>(event);
    // Switching to another window or opening a popup is no move of the focus
    // between controls: the old toolkit fired nothing for it. Coming back to
    // the window gives the focus to the control that held it, which is no
    // move either; the first activation of the window is.
    bool window_switch =
        focus->reason() == Qt::ActiveWindowFocusReason || focus->reason() == Qt::PopupFocusReason;
    if (event->type() == QEvent::FocusOut && window_switch) return false;
    if (event->type() == QEvent::FocusIn && window_switch && form_.focused() == control)
        return false;
    if (event->type() == QEvent::FocusIn) {
        form_.set_focus(control);
        if (auto* box = dynamic_cast<ui::TextBox*>(control);
            box != nullptr && box->select_on_focus) {
            // A mouse press places the caret after the focus arrives; select
            // once the press is through.
            QPointer<QLineEdit> edit = static_cast<QLineEdit*>(widget);
            QTimer::singleShot(0, this, [this, box, edit] {
                if (edit && edit->hasFocus()) sync(*box);
            });
        }
    } else if (form_.focused() == control && control_of(QApplication::focusWidget()) == nullptr) {
        // The focus went somewhere outside the form's controls.
        form_.set_focus(nullptr);
    }
    return false;
}

void FormBinder::sync(ui::Control& control) {
    QWidget* widget = widget_of(control);
    if (widget == nullptr) return;
    QSignalBlocker block(widget);
    if (control.kind() == ui::ControlKind::TabPage) {
        // A page's place and size follow its tab control.
        auto* tabs = dynamic_cast<ui::TabControl*>(control.parent());
        QWidget* tab_widget = tabs != nullptr ? widget_of(*tabs) : nullptr;
        if (auto* qtabs = qobject_cast<QTabWidget*>(tab_widget)) {
            QSignalBlocker block_tabs(qtabs);
            int i = control.index();
            qtabs->setTabText(i, to_qt(control.caption()));
            qtabs->setTabEnabled(i, tabs->tab_enabled(static_cast<std::size_t>(i)));
        }
        widget->setEnabled(control.enabled());
        return;
    }
    const ui::Rect& r = control.rect();
    widget->setGeometry(twips_to_pixels(r.left), twips_to_pixels(r.top), twips_to_pixels(r.width),
                        twips_to_pixels(r.height));
    widget->setEnabled(control.enabled());
    widget->setVisible(control.visible());
    QString caption = to_qt(control.caption());

    switch (control.kind()) {
    case ui::ControlKind::Frame:
        static_cast<QGroupBox*>(widget)->setTitle(caption);
        break;
    case ui::ControlKind::Label:
        show_label(*static_cast<QLabel*>(widget), static_cast<ui::Label&>(control), caption);
        break;
    case ui::ControlKind::TextBox:
        show_text_box(*static_cast<QLineEdit*>(widget), static_cast<ui::TextBox&>(control));
        break;
    case ui::ControlKind::CommandButton: {
        auto* push = static_cast<QPushButton*>(widget);
        push->setText(caption);
        push->setDefault(static_cast<ui::CommandButton&>(control).is_default);
        push->setAutoDefault(false);
        break;
    }
    case ui::ControlKind::CheckBox:
        show_check_box(*static_cast<QCheckBox*>(widget), static_cast<ui::CheckBox&>(control),
                       caption);
        break;
    case ui::ControlKind::OptionButton: {
        auto* radio = static_cast<QRadioButton*>(widget);
        radio->setText(wrapped_button_caption(*radio, caption));
        radio->setChecked(static_cast<ui::OptionButton&>(control).value());
        break;
    }
    case ui::ControlKind::ListBox:
        show_list_box(*static_cast<QListWidget*>(widget), static_cast<ui::ListBox&>(control));
        break;
    case ui::ControlKind::TabControl:
        show_tab_control(*static_cast<QTabWidget*>(widget), static_cast<ui::TabControl&>(control));
        break;
    case ui::ControlKind::ScrollBar:
        show_scroll_bar(*static_cast<QScrollBar*>(widget), static_cast<ui::ScrollBar&>(control));
        break;
    case ui::ControlKind::PictureBox:
        widget->update();
        break;
    case ui::ControlKind::Form:
    case ui::ControlKind::TabPage:
        break;
    }
}

} // namespace wtn::qt
