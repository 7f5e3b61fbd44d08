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
#include <QLabel>
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

// The font of every form's controls: a proportional Japanese Gothic at 12
// pixels (9 points on a screen of 96 dots an inch), a line of it 13 pixels
// high. Its size is given in pixels, not points, because the forms' places
// are fixed in pixels (15 twips to a pixel): a screen or desktop set to
// another resolution or font would otherwise grow the text out of the
// controls the forms give it.
QFont form_font();

// Sets font to a size given in points as pixels of a screen of 96 dots an
// inch, the resolution the forms' pixel places assume.
void set_font_points(QFont& font, double points);

// The fixed-pitch Japanese font of list rows. It has no size of its own: set
// on a widget it takes the size of the form's font (6-pixel half-width
// cells), or the list's font_size (9 points: 6-pixel cells).
QFont fixed_pitch_font();

// The caption of an option button or check box as it is shown: when the
// button's height holds two lines of its font and the caption does not fit
// its width beside the indicator, a line break goes where the first line is
// full (after the last blank that fits, if any).
QString wrapped_button_caption(const QAbstractButton& button, const QString& caption);

// The width a label leaves its lines: its contents less its margins and its
// indent.
int label_text_width(const QLabel& label);

// The caption of a word-wrapping label as it is shown: when the label holds
// two lines of its font or more and the caption is wider than it, each line
// breaks at the last blank that fits, so a word or a unit such as "(N/mm2)"
// stays whole; a line without such a blank is left to Qt's own wrapping.
QString wrapped_label_caption(const QLabel& label, const QString& caption);

} // namespace wtn::qt
