#include "widget_state.h"

#include "form_binder.h"

#include <QItemSelectionModel>
#include <QPalette>

namespace wtn::qt {

namespace {

// Blank pixels between a bordered label's sides and its text.
constexpr int kBorderPadding = 2;

} // namespace

void show_label(QLabel& label, const ui::Label& model, const QString& caption) {
    if (model.tooltip_colors) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
        label.setPalette(palette);
        label.setAutoFillBackground(true);
    }
    if (model.alert) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label.setPalette(palette);
    }
    label.setFrameShape(model.border ? QFrame::Box : QFrame::NoFrame);
    // Qt indents the text of a framed label by the width of an "x" from
    // each edge it is aligned to, the upper one too, which pushes a line
    // out of a cell one line high. A bordered cell centres its text
    // between top and bottom instead, a little apart from its sides.
    const Qt::Alignment across = model.align_right ? Qt::AlignRight : Qt::AlignLeft;
    label.setAlignment(across | (model.border ? Qt::AlignVCenter : Qt::AlignTop));
    label.setIndent(model.border ? kBorderPadding : 0);
    if (model.font_size > 0 || model.bold) {
        QFont font = label.font();
        if (model.font_size > 0) set_font_points(font, model.font_size);
        font.setBold(model.bold);
        label.setFont(font);
    }
    // Wrapped once the frame and font that set the room are in place.
    label.setText(wrapped_label_caption(label, caption));
}

void show_text_box(QLineEdit& edit, const ui::TextBox& box) {
    const QString text = to_qt(box.text());
    if (edit.text() != text) {
        edit.setText(text);
        // A box without the focus shows the start of its text.
        if (!edit.hasFocus()) edit.setCursorPosition(0);
    }
    edit.setReadOnly(box.locked);
    edit.setFrame(box.border);
    edit.setAlignment(box.align_right ? Qt::AlignRight : Qt::AlignLeft);
    if (edit.hasFocus()) {
        if (box.sel_length() > 0) {
            edit.setSelection(static_cast<int>(box.sel_start()),
                              static_cast<int>(box.sel_length()));
        } else if (edit.hasSelectedText()) {
            edit.setCursorPosition(static_cast<int>(box.sel_start()));
        }
    }
}

void show_check_box(QCheckBox& check, const ui::CheckBox& model, const QString& caption) {
    check.setText(wrapped_button_caption(check, caption));
    check.setTristate(model.value() == ui::CheckBox::kGrayed);
    check.setCheckState(model.value() == ui::CheckBox::kChecked  ? Qt::Checked
                        : model.value() == ui::CheckBox::kGrayed ? Qt::PartiallyChecked
                                                                 : Qt::Unchecked);
}

void show_list_box(QListWidget& list, const ui::ListBox& model) {
    list.setSelectionMode(model.multi_select ? QAbstractItemView::MultiSelection
                                             : QAbstractItemView::SingleSelection);
    if (model.fixed_pitch || model.font_size > 0) {
        QFont font = model.fixed_pitch ? fixed_pitch_font() : list.font();
        if (model.font_size > 0) set_font_points(font, model.font_size);
        list.setFont(font);
    }
    const auto& lines = model.lines();
    while (list.count() > static_cast<int>(lines.size()))
        delete list.takeItem(list.count() - 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString line = to_qt(lines[i]);
        if (static_cast<int>(i) < list.count()) {
            if (list.item(static_cast<int>(i))->text() != line)
                list.item(static_cast<int>(i))->setText(line);
        } else {
            list.addItem(line);
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        list.item(static_cast<int>(i))->setSelected(model.selected(i));
    if (model.list_index() >= 0) {
        list.setCurrentRow(model.list_index(), model.multi_select
                                                   ? QItemSelectionModel::NoUpdate
                                                   : QItemSelectionModel::ClearAndSelect);
    }
}

void show_tab_control(QTabWidget& tabs, const ui::TabControl& model) {
    for (std::size_t i = 0; i < model.page_count() && static_cast<int>(i) < tabs.count(); ++i) {
        tabs.setTabText(static_cast<int>(i), to_qt(model.page(i).caption()));
        tabs.setTabEnabled(static_cast<int>(i), model.tab_enabled(i));
    }
    if (model.tab() < tabs.count()) tabs.setCurrentIndex(model.tab());
}

void show_scroll_bar(QScrollBar& bar, const ui::ScrollBar& model) {
    bar.setRange(model.min(), model.max());
    bar.setSingleStep(model.small_change);
    bar.setPageStep(model.large_change);
    bar.setTracking(model.tracking);
    bar.setValue(model.value());
}

} // namespace wtn::qt
