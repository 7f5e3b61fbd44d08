// One check of how a shown page or dialog is laid out, for every Qt test of
// a screen: each control inside its container and apart from its siblings,
// and each caption, box text and list line fitting its widget in width and
// height with the font the widget actually uses.
#pragma once

#include "control.h"
#include "form_binder.h"

#include <string>
#include <utility>
#include <vector>

namespace wtn::mainwin::test {

// What a page is held to beyond the common checks. The default is the
// strictest; a test relaxes only what its page is meant to do otherwise.
struct LayoutRules {
    // Hidden controls too lie inside and apart, and their captions fit.
    bool hidden_controls = false;
    // Sibling controls that are meant to lie one over the other (full names,
    // either order): a heading cell over the wider heading it hides.
    std::vector<std::pair<std::string, std::string>> meant_to_overlap;
};

// Checks every control below container (frames and tab pages inside it
// too), in twips as the toolkit places them and in pixels as the binder's
// widgets show them:
// - each control lies inside its container and apart from its siblings, and
//   below a frame's title;
// - a label's caption, wrapped at its width, fits its height, and a line
//   breaks only at a blank or beside a full-width character, never inside a
//   word or a unit such as "(N/mm2)";
// - push buttons, option buttons and check boxes hold their caption in the
//   room the style leaves for it; a box holds a line of its font and the
//   text it shows; a frame its title; a tab control its tabs;
// - every list's lines fit it once its widget has been shown at its size.
void expect_laid_out(const ui::Container& container, const qt::FormBinder& binder,
                     const LayoutRules& rules = {});

} // namespace wtn::mainwin::test
