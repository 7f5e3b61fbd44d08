// A toolkit control's state shown on its Qt widget, one kind of control a
// function: what the form binder applies after the place, size, enabled and
// visible state every kind shares.
#pragma once

#include "controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QString>
#include <QTabWidget>

namespace wtn::qt {

// Colours, border, alignment, font and the caption wrapped to the label's room.
void show_label(QLabel& label, const ui::Label& model, const QString& caption);

// Text, lock, frame, alignment and, while the box has the focus, its selection.
void show_text_box(QLineEdit& edit, const ui::TextBox& box);

// Caption and the checked, unchecked or greyed state.
void show_check_box(QCheckBox& check, const ui::CheckBox& model, const QString& caption);

// Selection mode, font, rows (changed ones only) and the selected rows.
void show_list_box(QListWidget& list, const ui::ListBox& model);

// Tab captions, enabled tabs and the current tab.
void show_tab_control(QTabWidget& tabs, const ui::TabControl& model);

// Range, steps, tracking and value.
void show_scroll_bar(QScrollBar& bar, const ui::ScrollBar& model);

} // namespace wtn::qt
