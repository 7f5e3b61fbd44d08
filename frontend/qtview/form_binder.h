// Builds Qt widgets for a form of the toolkit and keeps both sides in step:
// - model to widget: every change made to a control repaints its widget with
//   the widget's signals blocked, so code never looks like a user action;
// - widget to model: user edits, clicks, selections and focus moves go to the
//   control's user_* methods, which apply the toolkit's rules and fire the
//   handlers.
// Positions come from twips, 15 to a pixel; each widget's object name is the
// control's full name ("txt_gm1(3)").
#pragma once

#include "controls.h"
#include "form.h"
#include "picture_box.h"

#include <QAbstractButton>
#include <QObject>
#include <QWidget>

#include <map>

namespace wtn::qt {

class FormBinder : public QObject {
    Q_OBJECT
  public:
    // Builds the widgets of every control of form inside parent (the form's
    // client area). The binder must not outlive the form.
    FormBinder(ui::Form& form, QWidget* parent);
    ~FormBinder() override;

    ui::Form& form() const { return form_; }
    QWidget* widget_of(const ui::Control& control) const;
    ui::Control* control_of(const QWidget* widget) const;

    // Re-reads every control into its widget.
    void sync_all();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool frame_mouse_move(QWidget* widget, QEvent* event);
    void build(ui::Control& control, QWidget* parent);
    QWidget* create(ui::Control& control, QWidget* parent);
    void connect_user_actions(ui::Control& control, QWidget* widget);
    void sync(ui::Control& control);

    ui::Form& form_;
    std::map<const ui::Control*, QWidget*> widgets_;
    std::map<const QWidget*, ui::Control*> controls_;
};

// Converts between the toolkit's UTF-8 strings and Qt strings.
QString to_qt(const std::string& utf8);
std::string from_qt(const QString& text);

// A length in twips as pixels.
int twips_to_pixels(int twips);

// The fixed-pitch Japanese font of list rows. On its own it is 12 points
// (8-pixel half-width cells); set on a widget it takes the window's size, so
// lists give their size in font_size (9 points: 6-pixel cells).
QFont fixed_pitch_font();

// The caption of an option button or check box as it is shown: when the
// button's height holds two lines of its font and the caption does not fit
// its width beside the indicator, a line break goes where the first line is
// full (after the last blank that fits, if any).
QString wrapped_button_caption(const QAbstractButton& button, const QString& caption);

} // namespace wtn::qt
