// The shared layout check on a small frame shown by Qt: a tidy frame passes,
// and each kind of fault is reported, under the rules that cover it.
#include "controls.h"
#include "form.h"
#include "layout_check.h"
#include "shown_form.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace wtn::mainwin::test {
namespace {

// What the check reports for frame, every message in one text.
std::string reports(const ui::Frame& frame, const qt::FormBinder& binder,
                    const LayoutRules& rules) {
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter intercept(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        expect_laid_out(frame, binder, rules);
    }
    std::string text;
    for (int i = 0; i < results.size(); ++i)
        text += std::string(results.GetTestPartResult(i).message()) + "\n";
    return text;
}

// A 300 x 200 pixel frame (15 twips to a pixel).
constexpr ui::Rect kFrameRect{0, 0, 4500, 3000};

void tidy(ui::Frame& f) {
    f.add<ui::Label>("lbl_t", 0, {150, 300, 1500, 300}).set_caption("Depth");
    f.add<ui::TextBox>("txt_t", 0, {1800, 300, 1200, 300});
    f.add<ui::CommandButton>("cmd_t", 0, {150, 900, 1500, 450}).set_caption("Add");
    f.add<ui::ListBox>("lst_t", 0, {150, 1500, 3000, 1200}).add_item("  1   3.00");
}
void box_past_the_edge(ui::Frame& f) {
    f.add<ui::TextBox>("txt_edge", 0, {3600, 300, 1200, 300});
}
void boxes_overlapping(ui::Frame& f) {
    f.add<ui::TextBox>("txt_a", 0, {150, 300, 1200, 300});
    f.add<ui::TextBox>("txt_b", 0, {1200, 300, 1200, 300});
}
// Less than a pixel of overlap: the widgets touch (pixels 10 to 89, then 89
// on), the twips overlap (to 1340, then from 1335).
void boxes_overlapping_by_twips(ui::Frame& f) {
    f.add<ui::TextBox>("txt_a", 0, {150, 300, 1190, 300});
    f.add<ui::TextBox>("txt_b", 0, {1335, 300, 1200, 300});
}
void hidden_box_overlapping(ui::Frame& f) {
    boxes_overlapping(f);
    f.find("txt_b", 0)->set_visible(false);
}
// Tall enough for its caption wrapped at the blanks, too narrow for it on
// one line: a label meant to wrap.
void label_wrapping(ui::Frame& f) {
    f.add<ui::Label>("lbl_long", 0, {150, 300, 1500, 1200})
        .set_caption("A caption far too long for one line");
}
// The same caption in a label one line high: the second line is cut.
void label_cut(ui::Frame& f) {
    f.add<ui::Label>("lbl_long", 0, {150, 300, 1500, 240})
        .set_caption("A caption far too long for one line");
}
// A label shorter than one line of its font.
void label_too_low(ui::Frame& f) {
    f.add<ui::Label>("lbl_low", 0, {150, 300, 1500, 150}).set_caption("Depth");
}
// Two lines high, but the unit fits only when broken after its slash.
void label_breaking_a_unit(ui::Frame& f) {
    f.add<ui::Label>("lbl_unit", 0, {150, 300, 450, 600}).set_caption("(N/mm2)");
}
void push_button_narrow(ui::Frame& f) {
    f.add<ui::CommandButton>("cmd_narrow", 0, {150, 300, 450, 300}).set_caption("Calculate");
}
void push_button_low(ui::Frame& f) {
    f.add<ui::CommandButton>("cmd_low", 0, {150, 300, 1500, 150}).set_caption("Add");
}
void option_narrow(ui::Frame& f) {
    f.add<ui::OptionButton>("opt_narrow", 0, {150, 300, 900, 300}).set_caption("Rounded half up");
}
void box_too_low(ui::Frame& f) {
    f.add<ui::TextBox>("txt_low", 0, {150, 300, 1200, 180});
}
void box_value_too_wide(ui::Frame& f) {
    f.add<ui::TextBox>("txt_value", 0, {150, 300, 600, 300}).set_text("-12345.678");
}
void frame_title_covered(ui::Frame& f) {
    ui::Frame& inner = f.add<ui::Frame>("fra_in", 0, {150, 150, 3000, 1500});
    inner.set_caption("Rounding");
    inner.add<ui::TextBox>("txt_top", 0, {150, 0, 1200, 300});
}
void list_line_too_long(ui::Frame& f) {
    f.add<ui::ListBox>("lst_narrow", 0, {150, 300, 900, 900})
        .add_item("  1   3.00   18.000   20.000   30.0   5000");
}

struct Case {
    const char* what;
    std::function<void(ui::Frame&)> build;
    LayoutRules rules;
    const char* report; // a part of the report; empty when the frame passes
};

TEST(LayoutCheck, PassesATidyFrameAndReportsEachFault) {
    const LayoutRules all_hidden{.hidden_controls = true, .meant_to_overlap = {}};
    const LayoutRules overlap_meant{.meant_to_overlap = {{"txt_b(0)", "txt_a(0)"}}};
    const Case cases[] = {
        {"tidy", tidy, {}, ""},
        {"past the edge", box_past_the_edge, {}, "txt_edge(0) leaves fra_t(0)"},
        {"past the edge, as shown", box_past_the_edge, {}, "shown outside fra_t(0)"},
        {"overlapping", boxes_overlapping, {}, "txt_b(0) overlaps txt_a(0) as shown"},
        {"overlapping, meant", boxes_overlapping, overlap_meant, ""},
        {"overlapping by twips", boxes_overlapping_by_twips, {}, "txt_b(0) overlaps txt_a(0)\n"},
        {"hidden overlap", hidden_box_overlapping, {}, ""},
        {"hidden overlap, hidden held", hidden_box_overlapping, all_hidden, "overlaps"},
        {"label wrapping at its blanks", label_wrapping, {}, ""},
        {"label cut below",
         label_cut,
         {},
         "lbl_long(0) A caption far too long for one line: the "
         "caption is taller"},
        {"label lower than its font", label_too_low, {}, "lbl_low(0) Depth: the caption is taller"},
        {"label breaking a unit", label_breaking_a_unit, {}, "breaks inside a word before \"mm2)"},
        {"narrow push button", push_button_narrow, {}, "cmd_narrow(0) Calculate"},
        {"low push button", push_button_low, {}, "cmd_low(0) Add"},
        {"narrow option button", option_narrow, {}, "opt_narrow(0) Rounded half up: caption wider"},
        {"box lower than its font", box_too_low, {}, "txt_low(0) : a line of text is taller"},
        {"value wider than its box",
         box_value_too_wide,
         {},
         "\"-12345.678\" is wider than the box"},
        {"frame title covered",
         frame_title_covered,
         {},
         "txt_top(0) covers the title of fra_in(0)"},
        {"list line", list_line_too_long, {}, "lst_narrow(0)  line 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::Form form("Form1");
        ui::Frame& frame = form.add<ui::Frame>("fra_t", 0, kFrameRect);
        c.build(frame);
        qt::ShownForm shown;
        shown.show(form, 400, 300);
        const std::string text = reports(frame, *shown.binder, c.rules);
        if (*c.report == '\0') {
            EXPECT_EQ(text, "");
        } else {
            EXPECT_NE(text.find(c.report), std::string::npos) << text;
        }
    }
}

} // namespace
} // namespace wtn::mainwin::test
