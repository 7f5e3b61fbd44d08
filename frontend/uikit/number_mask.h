// Numbers as the screens read and show them.
//
// The leading number of a text: leading blanks (space, tab) are skipped; then
// an optional sign, digits with at most one decimal point, and an optional
// exponent ("E" or "e", optional sign, at least one digit) are read; reading
// stops at the first other character. A text that does not begin with a
// number, or whose number is not a finite double, gives 0. Always read in the
// C locale. A Japanese input method in full-width mode types full-width digits,
// point, signs and blanks; every reader here takes them as their ASCII forms
// (the compatibility mapping of Unicode), so "１０．１" reads as 10.1.
//
// Masks: "###0", "###0.0", "###0.00", "###0.000", "#####0.0" format a number
// with at least one digit before the decimal point, exactly the mask's number
// of decimals, no digit grouping, and a leading "-" when the shown value is
// negative (a value that rounds to zero never shows "-0.00"). Rounding is half
// away from zero on the number's shortest decimal form, so 2.675 shows as 2.68
// as the user typed it.
#pragma once

#include <string>
#include <string_view>

namespace wtn::ui {

// The text with every full-width ASCII character (U+FF01 to U+FF5E), the
// ideographic space and the minus sign U+2212 replaced by its ASCII form;
// everything else is kept as it is.
std::string fold_full_width(std::string_view text);

double leading_number(std::string_view text);

// True when the whole text is one number, blanks around it allowed.
bool reads_as_number(std::string_view text);

// Number of decimals of a mask ("###0.00" -> 2); -1 for a text that is not
// one of the masks.
int mask_decimals(std::string_view mask);

// value formatted with mask. A NaN or infinite value shows as "".
std::string format_mask(double value, std::string_view mask);

// The text rewritten with the mask when it reads as a number; other text comes
// back as it is (so the user sees what was typed).
std::string format_mask_text(std::string_view text, std::string_view mask);

} // namespace wtn::ui
