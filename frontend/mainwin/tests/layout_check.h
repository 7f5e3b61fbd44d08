// One check of how a shown page or dialog is laid out, for every Qt test of
// a screen: each control inside its container and apart from its siblings,
// and each caption and list line fitting its widget.
#pragma once

#include "control.h"
#include "form_binder.h"

namespace wtn::mainwin::test {

// What a page is held to beyond the common checks. The default is the
// strictest; a test relaxes only what its page is meant to do otherwise.
struct LayoutRules {
    // Hidden controls too lie inside and apart, and their captions fit.
    bool hidden_controls = false;
    // Label and option-button captions fit their width on one line, rather
    // than wrapping within the control's height.
    bool one_line_captions = true;
    // Labels, option buttons and check boxes are as tall as the style wants
    // them for their font and caption.
    bool style_heights = true;
    // Push buttons are as large as the style wants them, not only as wide as
    // their caption and a margin.
    bool push_button_size_hint = true;
};

// Checks every control below container (frames inside it too), in twips as
// the toolkit places them and in pixels as the binder's widgets show them.
// Every list's lines fit it once its widget has been shown at its size.
void expect_laid_out(const ui::Container& container, const qt::FormBinder& binder,
                     const LayoutRules& rules = {});

} // namespace wtn::mainwin::test
