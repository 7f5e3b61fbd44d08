#include "catalogue_editor.h"

#include "catalogue_lines.h"
#include "number_box.h"
#include "number_mask.h"
#include "number_text.h"
#include "pile_catalogues.h"
#include "pile_screen_parts.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>
#include <cstdio>

namespace wtn::pile {
namespace {

constexpr int kClientWidthSteel = 7200;
constexpr int kClientWidthPc = 8880;
constexpr int kClientHeight = 4920;
constexpr int kListLeft = 120;
constexpr int kListTop = 600;
constexpr int kListHeight = 2940;
constexpr int kListWidthSteel = 5400;
constexpr int kListWidthPc = 7080;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 390;
constexpr int kBoxTop = 3960;
constexpr std::size_t kNumberLength = 10;

int cell_left(int column) {
    return pile::cell_left(kListLeft, column);
}

// A number as the boxes show it right after a selection: no leading blank,
// up to 15 significant digits.
std::string plain_number(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

} // namespace

CatalogueEditor::CatalogueEditor(const DesignData& data, bool pc, MessageBoxes& boxes,
                                 std::pair<int, int> screen)
    : form(pc ? "Form4" : "Form3"), data_(data), pc_(pc), boxes_(boxes), screen_(screen) {
    build();
    ui::report_refusals(form, boxes_);
    form.on_load = [this] { Form_Load(); };
}

void CatalogueEditor::build() {
    form.set_caption(pc_ ? "PC矢板データの追加" : "鋼矢板データの追加");
    form.border = ui::Form::Border::FixedDialog;
    form.show_in_taskbar = false;
    form.client_width = pc_ ? kClientWidthPc : kClientWidthSteel;
    form.client_height = kClientHeight;
    const int list_width = pc_ ? kListWidthPc : kListWidthSteel;
    auto label = [this](int i, ui::Rect r, const char* caption) {
        lbl_ygm1[i] = &form.add<ui::Label>("lbl_ygm1", i, r);
        lbl_ygm1[i]->set_caption(caption);
        return lbl_ygm1[i];
    };
    // Headings over the list columns: name from cell 1, I in cells 26 to 35,
    // Z right-aligned over cells 36 to 53, M right-aligned over 54 to 71 (its
    // headings start at cell 55, wide enough for "Ｍγ(kN･m/m)" on one line).
    label(1, {cell_left(1), 360, 1500, kLabelHeight}, "矢板名称");
    label(2, {cell_left(26), 120, 1260, kLabelHeight}, "断面二次ﾓｰﾒﾝﾄ");
    label(3, {cell_left(26), 360, 1260, kLabelHeight}, "Ｉ（cm4/m）");
    label(4, {cell_left(41), 120, cell_left(54) - cell_left(41), kLabelHeight}, "断面係数")
        ->align_right = true;
    label(5, {cell_left(41), 360, cell_left(54) - cell_left(41), kLabelHeight}, "Ｚ（cm3/m）")
        ->align_right = true;
    if (pc_) {
        label(9, {cell_left(55), 120, cell_left(72) - cell_left(55), kLabelHeight}, "ひび割れﾓｰﾒﾝﾄ")
            ->align_right = true;
        label(10, {cell_left(55), 360, cell_left(72) - cell_left(55), kLabelHeight}, "Ｍγ(kN･m/m)")
            ->align_right = true;
    }
    lst_ygm1 =
        &form.add<ui::ListBox>("lst_ygm1", ui::Rect{kListLeft, kListTop, list_width, kListHeight});
    lst_ygm1->fixed_pitch = true;
    lst_ygm1->font_size = ui::kListFontPoints;
    lst_ygm1->on_click = [this] { lst_ygm1_Click(); };

    const int button_left = kListLeft + list_width + 240;
    const char* captions[5] = {"追加", "挿入", "削除", "ＯＫ", "ｷｬﾝｾﾙ"};
    // Top to bottom ＯＫ, ｷｬﾝｾﾙ, 追加, 挿入, 削除; the tab order runs the list,
    // 追加, 挿入, 削除, the boxes, ＯＫ, ｷｬﾝｾﾙ.
    const int tops[5] = {1560, 2040, 2520, 120, 600};
    auto button = [&](int i) {
        cmd_ygm1[i] = &form.add<ui::CommandButton>(
            "cmd_ygm1", i, ui::Rect{button_left, tops[i], kButtonWidth, kButtonHeight});
        cmd_ygm1[i]->set_caption(captions[i]);
        cmd_ygm1[i]->on_click = [this, i] { cmd_ygm1_Click(i); };
    };
    for (int i = 0; i < 3; ++i)
        button(i);

    struct BoxPlace {
        int label;
        const char* caption;
        int left;
        int width;
    };
    const BoxPlace places[4] = {{0, "矢板名称", kListLeft, 2400},
                                {6, "断面二次ﾓｰﾒﾝﾄ", 2640, 1260},
                                {7, "断面係数", 4020, 1260},
                                {8, "ひび割れﾓｰﾒﾝﾄ", 5400, 1260}};
    for (int i = 0; i < (pc_ ? 4 : 3); ++i) {
        const BoxPlace& p = places[i];
        label(p.label, {p.left, kBoxTop - 300, p.width, kLabelHeight}, p.caption);
        txt_ygm1[i] =
            &form.add<ui::TextBox>("txt_ygm1", i, ui::Rect{p.left, kBoxTop, p.width, kBoxHeight});
        ui::TextBox& box = *txt_ygm1[i];
        box.on_change = [this, i] { txt_ygm1_Change(i); };
        if (i == 0) {
            box.max_length = kEditorNameLength;
            box.select_on_focus = true;
        } else if (i == 3) {
            ui::NumberBoxStyle style;
            style.mask = "###0.000";
            style.source = ui::MaskSource::TextAsTyped;
            style.event_switch = &ygm1_ev_sw;
            ui::make_number_box(box, style);
        } else {
            box.max_length = kNumberLength;
            box.select_on_focus = true;
        }
    }
    button(3);
    button(4);
    cmd_ygm1[3]->is_default = false;
    cmd_ygm1[4]->is_cancel = true;
}

void CatalogueEditor::Form_Load() {
    form.set_rect(ui::Rect{(screen_.first * ui::kTwipsPerPixel - form.client_width) / 2,
                           (screen_.second * ui::kTwipsPerPixel - form.client_height) / 2,
                           form.client_width, form.client_height});
    ygm1_ev_sw = true;
    const auto& table = pc_ ? data_.pcyaita_tbl : data_.yaita_tbl;
    const int count = pc_ ? data_.pcyaita_cnt : data_.yaita_cnt;
    ygm1_next = pc_ ? data_.pcyaita_next : data_.yaita_next;
    ygm1_row.clear();
    for (int k = 0; k < count; ++k) {
        if (table[k].added != kUserCatalogue) continue;
        ygm1_row.push_back(table[k]);
        // A stale next number must not give a new pile a number already taken.
        ygm1_next = std::max(ygm1_next, table[k].id + 1);
    }
    rebuild_list();
    enable_by_rows();
    if (ygm1_row.empty()) {
        txt_ygm1[0]->set_text("");
        for (int i = 1; i < (pc_ ? 4 : 3); ++i)
            txt_ygm1[i]->set_text("0");
        // The first row can be typed before 追加 is pressed.
        for (int i : {0, 6, 7, 8})
            if (lbl_ygm1[i] != nullptr) lbl_ygm1[i]->set_enabled(true);
        for (ui::TextBox* box : txt_ygm1)
            if (box != nullptr) box->set_enabled(true);
    } else {
        lst_ygm1->set_list_index(0);
        if (pc_) {
            // Right after loading the moment shows as plain text.
            ygm1_ev_sw = false;
            txt_ygm1[3]->set_text(plain_number(ygm1_row[0].moment));
            ygm1_ev_sw = true;
        }
    }
}

std::string CatalogueEditor::line_of(const YaitaRec& r) const {
    return catalogue_line(r, pc_);
}

void CatalogueEditor::add_ygm1_list(int k) {
    lst_ygm1->add_item(line_of(ygm1_row[static_cast<std::size_t>(k)]));
}

void CatalogueEditor::set_ygm1_list(int k) {
    lst_ygm1->set_list(static_cast<std::size_t>(k), line_of(ygm1_row[static_cast<std::size_t>(k)]));
}

void CatalogueEditor::rebuild_list() {
    lst_ygm1->clear();
    for (int k = 0; k < static_cast<int>(ygm1_row.size()); ++k)
        add_ygm1_list(k);
}

void CatalogueEditor::enable_by_rows() {
    const int rows = static_cast<int>(ygm1_row.size());
    const bool any = rows > 0;
    const bool room = rows < kEditorRowLimit;
    for (int i : {0, 6, 7, 8})
        if (lbl_ygm1[i] != nullptr) lbl_ygm1[i]->set_enabled(any);
    for (ui::TextBox* box : txt_ygm1)
        if (box != nullptr) box->set_enabled(any);
    cmd_ygm1[0]->set_enabled(room);
    cmd_ygm1[1]->set_enabled(any && room);
    cmd_ygm1[2]->set_enabled(any);
}

YaitaRec CatalogueEditor::box_row() const {
    YaitaRec r;
    r.id = -1;
    r.added = kUserCatalogue;
    r.name = fixed_text(txt_ygm1[0]->text(), kPileNameLength);
    r.inertia = ui::leading_number(txt_ygm1[1]->text());
    r.modulus = ui::leading_number(txt_ygm1[2]->text());
    if (pc_) r.moment = ui::leading_number(txt_ygm1[3]->text());
    return r;
}

bool CatalogueEditor::write_file() {
    try {
        write_user_catalogue(
            join_path(data_.work_dir, pc_ ? kPcAddedFileName : kSteelAddedFileName), ygm1_row,
            ygm1_next, pc_);
        return true;
    } catch (const DataError& e) {
        show_note(boxes_, form.caption(), std::string(e.what()) + "\n保存できませんでした。",
                  BoxIcon::Exclamation);
        return false;
    }
}

void CatalogueEditor::cmd_ygm1_Click(int index) {
    const int a = lst_ygm1->list_index();
    const int rows = static_cast<int>(ygm1_row.size());
    switch (index) {
    case 0:
        if (rows >= kEditorRowLimit) return;
        ygm1_row.push_back(box_row());
        rebuild_list();
        lst_ygm1->set_list_index(static_cast<int>(ygm1_row.size()) - 1);
        break;
    case 1:
        if (rows >= kEditorRowLimit || a < 0) return;
        ygm1_row.insert(ygm1_row.begin() + a, box_row());
        rebuild_list();
        lst_ygm1->set_list_index(a);
        break;
    case 2:
        if (a < 0 || a >= rows) return;
        ygm1_row.erase(ygm1_row.begin() + a);
        rebuild_list();
        if (!ygm1_row.empty()) lst_ygm1->set_list_index(std::min(a, rows - 2));
        break;
    case 3:
        if (!write_file()) return;
        written_ = true;
        form.unload();
        return;
    case 4:
        form.unload();
        return;
    default:
        return;
    }
    enable_by_rows();
}

void CatalogueEditor::lst_ygm1_Click() {
    const int a = lst_ygm1->list_index();
    if (a < 0 || a >= static_cast<int>(ygm1_row.size())) return;
    const YaitaRec& r = ygm1_row[static_cast<std::size_t>(a)];
    ygm1_ev_sw = false;
    txt_ygm1[0]->set_text(r.name);
    txt_ygm1[1]->set_text(plain_number(r.inertia));
    txt_ygm1[2]->set_text(plain_number(r.modulus));
    if (pc_) txt_ygm1[3]->set_text(ui::format_mask(r.moment, "###0.000"));
    ygm1_ev_sw = true;
}

void CatalogueEditor::txt_ygm1_Change(int index) {
    const int a = lst_ygm1->list_index();
    if (a < 0 || a >= static_cast<int>(ygm1_row.size()) || !ygm1_ev_sw) return;
    YaitaRec& r = ygm1_row[static_cast<std::size_t>(a)];
    const std::string& text = txt_ygm1[index]->text();
    if (index == 0) r.name = fixed_text(text, kPileNameLength);
    if (index == 1) r.inertia = ui::leading_number(text);
    if (index == 2) r.modulus = ui::leading_number(text);
    if (index == 3) r.moment = ui::leading_number(text);
    set_ygm1_list(a);
}

} // namespace wtn::pile
