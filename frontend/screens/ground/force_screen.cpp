#include "force_screen.h"

#include "ground_lines.h"
#include "main_window.h"
#include "number_box.h"
#include "number_mask.h"
#include "row_edit.h"
#include "row_tests.h"
#include "screen_codes.h"

#include <memory>

namespace wtn::ground {
namespace {

// The two frames on the page of tab_gm(6), in twips. They sit higher than the
// screen's original places so that the seismic frame ends on the page. The
// force and height captions need more room in the window font than the
// original places gave them: they, their boxes and the buttons sit a little
// further right.
constexpr int kFrameLeft = 480;
constexpr std::array<int, kForceTables> kFrameTops{60, 2940};
constexpr int kFrameWidth = 7695;
constexpr int kFrameHeight = 2775;
constexpr std::array<const char*, kForceTables> kFrameCaptions{"常時", "地震時"};

struct Place {
    const char* caption;
    ui::Rect rect;
};
// One line of the forms' font (13 pixels); 180 twips (12 pixels) would cut
// the lower part of the glyphs.
constexpr int kLabelHeight = 195;
// Labels of one frame: five column headers, then the four box captions.
constexpr std::array<Place, kForceLabelsPerFrame> kLabels{{
    {"Ｎｏ", {420, 360, 360, kLabelHeight}},
    {"外力名称", {1440, 360, 720, kLabelHeight}},
    {"方向", {3120, 360, 360, kLabelHeight}},
    {"水平力（kN/m）", {3510, 360, 1440, kLabelHeight}},
    {"作用高さ（m）", {4995, 360, 1290, kLabelHeight}},
    {"外力名称", {360, 1920, 720, kLabelHeight}},
    {"方向", {2880, 1920, 360, kLabelHeight}},
    {"水平力（kN/m）", {3960, 1920, 1440, kLabelHeight}},
    {"作用高さ（m）", {5520, 1920, 1290, kLabelHeight}},
}};
// The value headers stand right-aligned over their right-aligned columns.
constexpr int kFirstValueHeader = 3;
constexpr ui::Rect kListPlace{360, 600, 6015, 960};
constexpr std::array<ui::Rect, kForceBoxesPerFrame> kBoxPlaces{{
    {360, 2160, 2295, 270},
    {3960, 2160, 1440, 270},
    {5520, 2160, 1290, 270},
}};
constexpr std::array<Place, 2> kOptions{{
    {"主働", {2880, 2160, 960, 255}},
    {"受働", {2880, 2460, 960, 255}},
}};
constexpr std::array<Place, 3> kButtons{{
    {"追加", {6900, 1260, 615, 315}},
    {"挿入", {6900, 1680, 615, 315}},
    {"削除", {6900, 2100, 615, 315}},
}};
constexpr std::size_t kNumberMaxLength = 10;
constexpr int kHeaderLabels = 5;
constexpr int kNameBox = 0;
constexpr int kForceBox = 1;
constexpr int kHeightBox = 2;

GairyokuRec blank_force() {
    GairyokuRec r;
    r.name = std::string(kForceNameLength, ' ');
    return r;
}

// The side a force acts from: the active side when its button is on, else
// the passive side.
ForceSide direction_of(const ui::OptionButton& active) {
    return active.value() ? ForceSide::Active : ForceSide::Passive;
}

} // namespace

ForceScreen::ForceScreen(mainwin::MainWindow& window) : window_(window) {
    ui::TabPage& page = window.tab_gm[kForceScreen]->page(0);
    // Created in focus order: list, name, options, force, height, buttons;
    // the normal frame first.
    for (int t = 0; t < kForceTables; ++t) {
        fra_gm17[t] = &page.add<ui::Frame>(
            "fra_gm17", t, ui::Rect{kFrameLeft, kFrameTops[t], kFrameWidth, kFrameHeight});
        ui::Frame& frame = *fra_gm17[t];
        frame.set_caption(kFrameCaptions[t]);
        for (int l = 0; l < kForceLabelsPerFrame; ++l) {
            const int i = t * kForceLabelsPerFrame + l;
            lbl_gm17[i] = &frame.add<ui::Label>("lbl_gm17", i, kLabels[l].rect);
            lbl_gm17[i]->set_caption(kLabels[l].caption);
            lbl_gm17[i]->align_right = l >= kFirstValueHeader && l < kHeaderLabels;
        }
        lst_gm17[t] = &frame.add<ui::ListBox>("lst_gm17", t, kListPlace);
        lst_gm17[t]->fixed_pitch = true;
        lst_gm17[t]->font_size = ui::kListFontPoints;
        lst_gm17[t]->on_click = [this, t] { lst_gm17_Click(t); };

        auto add_box = [&](int b) {
            const int i = t * kForceBoxesPerFrame + b;
            txt_gm17[i] = &frame.add<ui::TextBox>("txt_gm17", i, kBoxPlaces[b]);
            ui::TextBox& box = *txt_gm17[i];
            box.on_change = [this, i] { txt_gm17_Change(i); };
            if (b == kNameBox) {
                box.max_length = static_cast<std::size_t>(kForceNameLength);
                box.select_on_focus = true;
                return;
            }
            box.on_lost_focus = [this, i] { txt_gm17_LostFocus(i); };
            ui::NumberBoxStyle style;
            style.mask = kForceMask;
            style.source = ui::MaskSource::TextAsTyped;
            style.max_length = kNumberMaxLength;
            style.event_switch = &gm17_ev_sw;
            ui::make_number_box(box, style);
        };
        add_box(kNameBox);
        for (int o = 0; o < 2; ++o) {
            const int i = t * 2 + o;
            opt_gm17[i] = &frame.add<ui::OptionButton>("opt_gm17", i, kOptions[o].rect);
            opt_gm17[i]->set_caption(kOptions[o].caption);
            opt_gm17[i]->on_click = [this, i] { opt_gm17_Click(i); };
        }
        add_box(kForceBox);
        add_box(kHeightBox);
        for (int a = 0; a < 3; ++a) {
            const int i = t * 3 + a;
            cmd_gm17[i] = &frame.add<ui::CommandButton>("cmd_gm17", i, kButtons[a].rect);
            cmd_gm17[i]->set_caption(kButtons[a].caption);
            cmd_gm17[i]->on_click = [this, i] { cmd_gm17_Click(i); };
        }
    }
}

std::array<GairyokuRec, kForceRoom + 1>& ForceScreen::rows(int table) {
    return table == 0 ? gm17_jyo_row : gm17_jis_row;
}

int& ForceScreen::count(int table) {
    return table == 0 ? gm17_jyo_cnt : gm17_jis_cnt;
}

void ForceScreen::add_gm17_list(int table, int position, const GairyokuRec& row) {
    lst_gm17[table]->add_item(gm17_line(position, row));
}

void ForceScreen::set_gm17_list(int table, int position, const GairyokuRec& row) {
    lst_gm17[table]->set_list(static_cast<std::size_t>(position), gm17_line(position, row));
}

void ForceScreen::rebuild_list(int table) {
    lst_gm17[table]->clear();
    for (int k = 0; k < count(table); ++k)
        add_gm17_list(table, k, rows(table)[k]);
}

GairyokuRec ForceScreen::box_values(int table) const {
    GairyokuRec r;
    r.name = force_name_field(txt_gm17[table * 3 + kNameBox]->text());
    r.direction = direction_of(*opt_gm17[table * 2]);
    r.force = ui::leading_number(txt_gm17[table * 3 + kForceBox]->text());
    r.height = ui::leading_number(txt_gm17[table * 3 + kHeightBox]->text());
    return r;
}

// The states after a load of a studied case and after every button.
void ForceScreen::set_table_enabled(int table) {
    const int n = count(table);
    const bool has_rows = n > 0;
    if (!has_rows) {
        txt_gm17[table * 3 + kNameBox]->set_text("");
        txt_gm17[table * 3 + kForceBox]->set_text(ui::format_mask(0.0, kForceMask));
        txt_gm17[table * 3 + kHeightBox]->set_text(ui::format_mask(0.0, kForceMask));
        opt_gm17[table * 2]->set_value(true);
    }
    const bool room = n < kForceRoom;
    cmd_gm17[table * 3 + 0]->set_enabled(room);
    cmd_gm17[table * 3 + 1]->set_enabled(has_rows && room);
    cmd_gm17[table * 3 + 2]->set_enabled(has_rows);
    for (int l = kHeaderLabels; l < kForceLabelsPerFrame; ++l)
        lbl_gm17[table * kForceLabelsPerFrame + l]->set_enabled(has_rows);
    for (int o = 0; o < 2; ++o)
        opt_gm17[table * 2 + o]->set_enabled(has_rows);
    for (int b = 0; b < kForceBoxesPerFrame; ++b)
        txt_gm17[table * 3 + b]->set_enabled(has_rows);
}

void ForceScreen::load_table(int table) {
    const auto& stored = table == 0 ? window_.data.gairyoku_dat.gairyoku_jyo
                                    : window_.data.gairyoku_dat.gairyoku_jis;
    auto& working = rows(table);
    for (int i = 0; i < kForceRoom; ++i)
        working[i] = blank_force();
    int n = 0;
    // Every force but 0 is kept: a negative force reaches the calculation
    // with its sign, so it stays on the screen too.
    for (int i = 0; i < kForceRoom; ++i) {
        if (row_used(stored[i])) working[n++] = stored[i];
    }
    count(table) = n;
    rebuild_list(table);

    fra_gm17[table]->set_enabled(true);
    for (int l = 0; l < kHeaderLabels; ++l)
        lbl_gm17[table * kForceLabelsPerFrame + l]->set_enabled(true);
    lst_gm17[table]->set_enabled(true);
    if (n > 0) lst_gm17[table]->set_list_index(0);
    set_table_enabled(table);

    const KanseijiData& k = window_.data.kanseiji_dat;
    const bool studied = (table == 0 ? k.jyo_sw : k.jis_sw) != CheckBox::Clear;
    if (!studied) {
        fra_gm17[table]->set_enabled(false);
        for (int l = 0; l < kForceLabelsPerFrame; ++l)
            lbl_gm17[table * kForceLabelsPerFrame + l]->set_enabled(false);
        for (int o = 0; o < 2; ++o)
            opt_gm17[table * 2 + o]->set_enabled(false);
        for (int b = 0; b < kForceBoxesPerFrame; ++b)
            txt_gm17[table * 3 + b]->set_enabled(false);
        for (int a = 0; a < 3; ++a)
            cmd_gm17[table * 3 + a]->set_enabled(false);
        lst_gm17[table]->set_enabled(false);
    }
}

void ForceScreen::set_gairyoku_jk() {
    for (int t = 0; t < kForceTables; ++t)
        load_table(t);
}

void ForceScreen::put_gairyoku_jk() {
    for (int t = 0; t < kForceTables; ++t) {
        auto& stored = t == 0 ? window_.data.gairyoku_dat.gairyoku_jyo
                              : window_.data.gairyoku_dat.gairyoku_jis;
        // Only used rows are stored, from record 0: a force of 0 would end
        // the calculation's list there.
        int kept = 0;
        for (int i = 0; i < count(t); ++i) {
            if (row_used(rows(t)[i])) stored[kept++] = rows(t)[i];
        }
        for (int i = kept; i < kForceRoom; ++i)
            stored[i] = blank_force();
    }
}

void ForceScreen::lst_gm17_Click(int index) {
    if (index < 0 || index >= kForceTables) return;
    const int k = lst_gm17[index]->list_index();
    if (k < 0) return;
    const GairyokuRec& row = rows(index)[k];
    gm17_ev_sw = false;
    txt_gm17[index * 3 + kNameBox]->set_text(row.name);
    txt_gm17[index * 3 + kForceBox]->set_text(ui::format_mask(row.force, kForceMask));
    txt_gm17[index * 3 + kHeightBox]->set_text(ui::format_mask(row.height, kForceMask));
    const bool passive = row.direction != ForceSide::Active;
    opt_gm17[index * 2 + (passive ? 1 : 0)]->set_value(true);
    gm17_ev_sw = true;
}

void ForceScreen::cmd_gm17_Click(int index) {
    if (index < 0 || index >= kForceTables * 3) return;
    const int table = index / 3;
    const int action = index % 3;
    auto& r = rows(table);
    edit_rows(action,
              {count(table), kForceRoom, [&r](int to, int from) { r[to] = r[from]; },
               [this, &r, table](int i) { r[i] = box_values(table); },
               [&r](int i) { r[i] = blank_force(); }, [this, table] { rebuild_list(table); }},
              *lst_gm17[table]);
    set_table_enabled(table);
}

void ForceScreen::opt_gm17_Click(int index) {
    if (index < 0 || index >= kForceTables * 2) return;
    const int table = index / 2;
    const int sel = lst_gm17[table]->list_index();
    if (sel < 0 || !gm17_ev_sw) return;
    GairyokuRec& row = rows(table)[sel];
    row.direction = direction_of(*opt_gm17[table * 2]);
    set_gm17_list(table, sel, row);
}

void ForceScreen::txt_gm17_Change(int index) {
    if (index < 0 || index >= kForceTables * kForceBoxesPerFrame) return;
    const int table = index / 3;
    const int sel = lst_gm17[table]->list_index();
    if (sel < 0 || !gm17_ev_sw) return;
    GairyokuRec& row = rows(table)[sel];
    const std::string& text = txt_gm17[index]->text();
    switch (index % 3) {
    case kNameBox:
        row.name = force_name_field(text);
        break;
    case kForceBox:
        row.force = ui::leading_number(text);
        break;
    default:
        row.height = ui::leading_number(text);
        break;
    }
    set_gm17_list(table, sel, row);
}

void ForceScreen::txt_gm17_LostFocus(int index) {
    // The number box has rewritten the text with the switch off; the switch
    // is on after every leave.
    if (index % 3 != kNameBox) gm17_ev_sw = true;
}

ForceScreen& install_force_screen(mainwin::MainWindow& window) {
    auto screen = std::make_shared<ForceScreen>(window);
    ForceScreen& ref = *screen;
    window.screens[kForceScreen].load = [screen] { screen->set_gairyoku_jk(); };
    window.screens[kForceScreen].store = [screen] { screen->put_gairyoku_jk(); };
    return ref;
}

} // namespace wtn::ground
