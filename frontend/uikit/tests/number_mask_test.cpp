// Leading numbers, whole-number tests, masks and column widths.
#include "number_mask.h"
#include "text_width.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn::ui {
namespace {

struct LeadingCase {
    const char* text;
    double value;
    bool whole; // reads_as_number
};

TEST(LeadingNumber, ReadsTheGrammarAndStopsAtTheFirstOtherCharacter) {
    const LeadingCase cases[] = {
        {"12.5", 12.5, true},
        {"  -3.25", -3.25, true},
        {"\t+7", 7.0, true},
        {"1.5m", 1.5, false}, // unit after the number
        {"2.5 ", 2.5, true},  // trailing blanks allowed
        {".5", 0.5, true},
        {"5.", 5.0, true},
        {"1.2.3", 1.2, false}, // second point ends the number
        {"1e3", 1000.0, true},
        {"1.5E-2", 0.015, true},
        {"2e", 2.0, false}, // exponent without digits is not read
        {"2e+", 2.0, false},
        {"", 0.0, false},
        {"   ", 0.0, false},
        {"abc", 0.0, false},
        {"-", 0.0, false},
        {".", 0.0, false},
        {"- 5", 0.0, false}, // blank between sign and digits
        {"1 2", 1.0, false},
        {"1e999", 0.0, false}, // overflow is no number, never infinity
        {"-1e400", 0.0, false},
        {"1e-400", 0.0, true}, // underflow is zero
        {"nan", 0.0, false},
        {"inf", 0.0, false},
        {"0x10", 0.0, false},
        // Full-width forms read as their ASCII forms; half-width katakana stay.
        {"１０．１", 10.1, true},
        {"－２．５", -2.5, true},
        {"＋７", 7.0, true},
        {"　３　", 3.0, true},
        {"１ｅ３", 1000.0, true},
        {"\xE2\x88\x92"
         "4",
         -4.0, true}, // minus sign U+2212
        {"１，５", 1.0, false},
        {"５ｍ", 5.0, false},
        {"ｱ", 0.0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = leading_number(c.text);
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_DOUBLE_EQ(v, c.value);
        EXPECT_EQ(reads_as_number(c.text), c.whole);
    }
}

struct MaskCase {
    double value;
    const char* mask;
    const char* shown;
};

TEST(Mask, FormatsWithTheMasksDecimalsAndNoNegativeZero) {
    const MaskCase cases[] = {
        {0.0, "###0", "0"},
        {12.5, "###0", "13"}, // half away from zero
        {-12.5, "###0", "-13"},
        {1234567.0, "###0", "1234567"}, // no grouping
        {0.25, "###0.0", "0.3"},
        {3.14159, "###0.00", "3.14"},
        {2.675, "###0.00", "2.68"}, // as typed, though the double is 2.67499...
        {1.005, "###0.00", "1.01"},
        {0.125, "###0.00", "0.13"},
        {-0.001, "###0.00", "0.00"}, // no "-0.00"
        {-0.004, "###0.000", "-0.004"},
        {-0.0004, "###0.000", "0.000"},
        {9.9996, "###0.000", "10.000"}, // carry into a new digit
        {0.05, "###0.0", "0.1"},
        {0.04, "###0.0", "0.0"},
        {123456.78, "#####0.0", "123456.8"},
        {1e-20, "###0.00", "0.00"},
        {1e20, "###0", "100000000000000000000"},
        {-5.0, "###0.000", "-5.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + std::to_string(c.value));
        EXPECT_EQ(format_mask(c.value, c.mask), c.shown);
    }
    EXPECT_EQ(format_mask(NAN, "###0.00"), "");
    EXPECT_EQ(format_mask(INFINITY, "###0.00"), "");
}

TEST(Mask, TextThatIsNoNumberStaysAsTyped) {
    EXPECT_EQ(format_mask_text(" 3.14159 ", "###0.00"), "3.14");
    EXPECT_EQ(format_mask_text("abc", "###0.00"), "abc");
    EXPECT_EQ(format_mask_text("", "###0.00"), "");
    EXPECT_EQ(format_mask_text("1.5m", "###0.00"), "1.5m");
}

TEST(Mask, DecimalsOfTheKnownMasks) {
    EXPECT_EQ(mask_decimals("###0"), 0);
    EXPECT_EQ(mask_decimals("###0.0"), 1);
    EXPECT_EQ(mask_decimals("###0.00"), 2);
    EXPECT_EQ(mask_decimals("###0.000"), 3);
    EXPECT_EQ(mask_decimals("#####0.0"), 1);
    EXPECT_EQ(mask_decimals("0.#"), -1);
}

TEST(TextWidth, DoubleByteCharactersTakeTwoCells) {
    EXPECT_EQ(display_width("abc"), 3u);
    EXPECT_EQ(display_width("\xE7\xA0\x82"), 2u);     // a kanji (sand)
    EXPECT_EQ(display_width("\xEF\xBD\xB1"), 1u);     // half-width katakana a
    EXPECT_EQ(display_width("\xEF\xBC\x91\x32"), 3u); // full-width 1, then "2"
    EXPECT_EQ(utf8_length("\xE7\xA0\x82\x61"), 2u);
    EXPECT_EQ(right_align("1.5", 6), "   1.5");
    EXPECT_EQ(right_align("\xE7\xA0\x82", 4), "  \xE7\xA0\x82");
    EXPECT_EQ(right_align("123456", 4), "123456"); // wider stays whole
}

} // namespace
} // namespace wtn::ui

#include "number_box.h"

namespace wtn::ui {
namespace {

TEST(NumberBox, SelectsOnEntryHintsAndRewritesWithItsMaskOnLeaving) {
    Form form("Form1");
    StatusBar status;
    auto& a = form.add<TextBox>("txt_gm1", 0, {1500, 300, 900, 300});
    auto& b = form.add<TextBox>("txt_gm1", 1, {1500, 900, 900, 300});
    form.add<Label>("lbl_gm1", 0, {100, 330, 1300, 240}).set_caption("水深（m）");
    std::vector<std::string> seen;
    std::vector<std::string> refusals;
    form.on_input_refused = [&](const std::string& m) { refusals.push_back(m); };
    a.on_lost_focus = [&] { seen.push_back(a.text()); }; // the screen's own handler
    make_number_box(a,
                    {"###0.000", MaskSource::LeadingNumber, kNumberBoxMaxLength, &status, "hint"});
    make_number_box(b, {"###0.0", MaskSource::TextAsTyped, 5, nullptr, ""});

    a.set_text("1.5");
    form.set_focus(&a);
    EXPECT_EQ(a.sel_length(), 3u);
    EXPECT_EQ(status.panel_text(1), "hint");
    a.user_type("-2.34567"); // replaces the selection
    form.set_focus(&b);
    EXPECT_EQ(a.text(), "-2.346");
    EXPECT_EQ(seen, std::vector<std::string>{"-2.346"});
    EXPECT_EQ(status.panel_text(1), "");

    b.user_type("abc123"); // 5 characters at most
    EXPECT_EQ(b.text(), "abc12");
    form.set_focus(&a);
    EXPECT_EQ(b.text(), ""); // not a number: refused, back to the text on entry
    ASSERT_EQ(refusals.size(), 1u);
    // No label beside it and none above: the box is named by its control name.
    EXPECT_NE(refusals[0].find("「txt_gm1(1)」"), std::string::npos) << refusals[0];
    a.user_edit("1.5m"); // a unit after the number is no number either
    form.set_focus(&b);
    EXPECT_EQ(a.text(), "-2.346");
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_NE(refusals[1].find("「水深（m）」に入力された「1.5m」"), std::string::npos)
        << refusals[1];
    EXPECT_EQ(seen.back(), "-2.346"); // the screen's handler still runs
}

TEST(NumberBox, IsNamedByTheLabelBesideItElseTheHeadingAboveElseItsFrame) {
    Form form("Form1");
    auto& frame = form.add<Frame>("fra_gm1", 0, {0, 0, 6000, 3000});
    frame.set_caption("粘着力");
    auto& beside = frame.add<TextBox>("txt", 0, {2000, 600, 900, 300});
    auto& under = frame.add<TextBox>("txt", 1, {3500, 1200, 900, 300});
    auto& alone = frame.add<TextBox>("txt", 2, {5000, 2500, 900, 300});
    frame.add<Label>("far", 0, {100, 630, 800, 240}).set_caption("遠い");
    frame.add<Label>("near", 0, {1000, 630, 900, 240}).set_caption("近い");
    frame.add<Label>("head", 0, {3500, 300, 900, 240}).set_caption("層厚");
    EXPECT_EQ(box_caption(beside), "近い");
    EXPECT_EQ(box_caption(under), "層厚");
    EXPECT_EQ(box_caption(alone), "粘着力");
}

// A row box stores what the user typed while the screen's switch is on; the
// rewrite on leaving runs with the switch off, so the row keeps 1.234.
TEST(NumberBox, RewriteOnLeavingRunsWithTheEventSwitchOff) {
    Form form("Form1");
    auto& box = form.add<TextBox>("txt_gm7", 0, {});
    auto& other = form.add<TextBox>("txt_gm7", 1, {});
    bool ev_sw = true;
    std::string row_value;
    box.on_change = [&] {
        if (ev_sw) row_value = box.text();
    };
    NumberBoxStyle style;
    style.event_switch = &ev_sw;
    make_number_box(box, style);
    form.set_focus(&box);
    box.user_type("1.234");
    form.set_focus(&other);
    EXPECT_EQ(box.text(), "1.23");
    EXPECT_EQ(row_value, "1.234");
    EXPECT_TRUE(ev_sw); // set back after the rewrite
    // A switch the screen holds off stays off.
    ev_sw = false;
    form.set_focus(&box);
    form.set_focus(&other);
    EXPECT_FALSE(ev_sw);
}

} // namespace
} // namespace wtn::ui
