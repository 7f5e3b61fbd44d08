// The steel-pipe rows of the sheet-pile screen (page 鋼管指定): a list with
// one line per row, boxes and joint options for the selected row, and add,
// insert and delete.
#include "catalogue_lines.h"
#include "number_mask.h"
#include "screen_codes.h"
#include "sheet_pile_screen.h"

namespace wtn::pile {

namespace {
// The option of the effective joint spacing given.
constexpr auto kGivenSpacingOption =
    static_cast<std::size_t>(list_index_of(PipeJoint::GivenSpacing));
} // namespace

void SheetPileScreen::add_gm9_list(int cnt) {
    lst_gm9->add_item(steel_pipe_line(cnt + 1, gm9_row[cnt].rec));
}

void SheetPileScreen::rebuild_gm9_list() {
    lst_gm9->clear();
    for (int k = 0; k < gm9_cnt; ++k)
        add_gm9_list(k);
}

// Buttons, boxes and options by the number of rows.
void SheetPileScreen::enable_pipe_editor() {
    const bool rows = gm9_cnt > 0;
    const bool room = gm9_cnt < kSteelPipeRoom;
    cmd_gm9[0]->set_enabled(room);
    cmd_gm9[1]->set_enabled(rows && room);
    cmd_gm9[2]->set_enabled(rows);
    for (int i = 5; i <= 8; ++i)
        lbl_gm9[i]->set_enabled(rows);
    for (ui::TextBox* box : txt_gm9)
        box->set_enabled(rows);
    for (ui::OptionButton* o : opt_gm9)
        o->set_enabled(rows);
}

// The row the boxes and options describe.
SteelPipeSlot SheetPileScreen::box_row() const {
    SteelPipeSlot slot;
    slot.rec.diameter = ui::leading_number(txt_gm9[0]->text());
    slot.rec.thickness = ui::leading_number(txt_gm9[1]->text());
    slot.rec.joint_spacing = ui::leading_number(txt_gm9[2]->text());
    slot.rec.joint_type = PipeJoint::GivenSpacing;
    for (int k = 0; k < kPipeJointTypeCount; ++k) {
        if (opt_gm9[k]->value()) {
            slot.rec.joint_type = code_of_list_index<PipeJoint>(k);
            break;
        }
    }
    return slot;
}

void SheetPileScreen::cmd_gm9_Click(int index) {
    const int s = lst_gm9->list_index();
    if (index == 0) {
        if (gm9_cnt >= kSteelPipeRoom) return;
        gm9_row[gm9_cnt] = box_row();
        gm9_row[gm9_cnt].number = gm9_cnt;
        ++gm9_cnt;
        rebuild_gm9_list();
        lst_gm9->set_list_index(gm9_cnt - 1);
    } else if (index == 1) {
        if (gm9_cnt >= kSteelPipeRoom || s < 0) return;
        for (int i = gm9_cnt; i > s; --i) {
            gm9_row[i] = gm9_row[i - 1];
            gm9_row[i].number = i;
        }
        gm9_row[s] = box_row();
        gm9_row[s].number = s;
        ++gm9_cnt;
        rebuild_gm9_list();
        // The same line index now shows the new row: select it afresh.
        lst_gm9->set_list_index(-1);
        lst_gm9->set_list_index(s);
    } else if (index == 2) {
        if (s < 0 || s >= gm9_cnt) return;
        for (int i = s; i < gm9_cnt; ++i) {
            gm9_row[i] = gm9_row[i + 1];
            gm9_row[i].number = i;
        }
        --gm9_cnt;
        lst_gm9->set_list_index(-1);
        rebuild_gm9_list();
        const int next = s > gm9_cnt - 1 ? s - 1 : s;
        if (next >= 0) lst_gm9->set_list_index(next);
    }
    enable_pipe_editor();
    // The spacing box is open only for a row of joint type 3.
    txt_gm9[2]->set_enabled(gm9_cnt > 0 && opt_gm9[kGivenSpacingOption]->value());
}

void SheetPileScreen::lst_gm9_Click() {
    const int s = lst_gm9->list_index();
    if (s < 0 || s >= gm9_cnt) return;
    const KokanRec& r = gm9_row[s].rec;
    gm9_ev_sw = false;
    txt_gm9[0]->set_text(ui::format_mask(r.diameter, "###0.0"));
    txt_gm9[1]->set_text(ui::format_mask(r.thickness, "###0.0"));
    txt_gm9[2]->set_text(ui::format_mask(r.joint_spacing, "###0.0"));
    if (is_listed(r.joint_type)) {
        opt_gm9[static_cast<std::size_t>(list_index_of(r.joint_type))]->set_value(true);
    } else {
        // A joint type no option stands for: none of them on.
        for (ui::OptionButton* o : opt_gm9)
            o->set_value(false);
    }
    txt_gm9[2]->set_enabled(opt_gm9[kGivenSpacingOption]->value());
    gm9_ev_sw = true;
}

void SheetPileScreen::opt_gm9_Click(int index) {
    const int s = lst_gm9->list_index();
    if (s < 0 || s >= gm9_cnt || !gm9_ev_sw) return;
    txt_gm9[2]->set_enabled(opt_gm9[kGivenSpacingOption]->value());
    KokanRec& r = gm9_row[s].rec;
    r.joint_type = code_of_list_index<PipeJoint>(index);
    lst_gm9->set_list(static_cast<std::size_t>(s), steel_pipe_line(s + 1, r));
}

void SheetPileScreen::txt_gm9_Change(int index) {
    const int s = lst_gm9->list_index();
    if (s < 0 || s >= gm9_cnt || !gm9_ev_sw) return;
    KokanRec& r = gm9_row[s].rec;
    const double v = ui::leading_number(txt_gm9[index]->text());
    if (index == 0) r.diameter = v;
    if (index == 1) r.thickness = v;
    if (index == 2) r.joint_spacing = v;
    lst_gm9->set_list(static_cast<std::size_t>(s), steel_pipe_line(s + 1, r));
}

} // namespace wtn::pile
