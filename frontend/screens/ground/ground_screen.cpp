#include "ground_screen.h"

#include "ground_lines.h"
#include "main_window.h"
#include "number_box.h"
#include "number_mask.h"
#include "row_tests.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <memory>
#include <span>

namespace wtn::ground {
namespace {

// The boxes and labels of one list editor, and the places of its frame and
// list in twips. The lists sit a little lower than the original places so
// that their column headers clear the frame's border below its caption.
struct GroupParts {
    int first_box; // txt_gm14 of the first column
    std::span<const LineColumn> columns;
    std::array<int, 4> box_labels; // lbl_gm14 above each box (-1: none)
    std::array<int, 5> headers;    // lbl_gm14 over the list's columns (-1: none)
    const char* frame_caption;
    ui::Rect frame;
    ui::Rect list;
};

const std::array<GroupParts, kGroupCount>& group_parts() {
    static const std::array<GroupParts, kGroupCount> parts{{
        {.first_box = 1,
         .columns = kMoridColumns,
         .box_labels = {4, 5, 6, -1},
         .headers = {0, 1, 2, 3, -1},
         .frame_caption = "盛土の単位体積重量",
         .frame = {120, 600, 6720, 2040},
         .list = {120, 540, 5100, 780}},
        {.first_box = 4,
         .columns = kJosaiColumns,
         .box_labels = {14, 15, 16, 17},
         .headers = {9, 10, 11, 12, 13},
         .frame_caption = "上載荷重",
         .frame = {120, 2760, 6720, 2880},
         .list = {120, 750, 5100, 1170}},
        {.first_box = 8,
         .columns = kTikeiColumns,
         .box_labels = {21, 22, -1, -1},
         .headers = {18, 19, 20, -1, -1},
         .frame_caption = "地表面形状",
         .frame = {6960, 120, 4380, 5520},
         .list = {120, 540, 2880, 4320}},
    }};
    return parts;
}

constexpr std::array<const char*, kGroundLabelCount> kGroundLabelCaptions{
    "Ｎｏ",          "層の上限（ｍ）", "湿潤（kN/m3）",
    "飽和（kN/m3）", "層の上限（ｍ）", "湿 潤",
    "飽 和",         "作用範囲（ｍ）", "上載荷重（kN/m2）",
    "Ｎｏ",          "Xmin",           "Xmax",
    "常 時",         "地震時",         "Xmin",
    "Xmax",          "常 時",          "地震時",
    "Ｎｏ",          "Ｘ座標(m)",      "Ｙ座標(m)",
    "Ｘ座標",        "Ｙ座標",         "設計海底面傾斜角（度）"};

constexpr std::array<const char*, 3> kButtonCaptions{"追加", "挿入", "削除"};

// Page 0: the two angles and the two surcharges, each a label and a box.
constexpr std::array<const char*, kAngleBoxCount> kAngleCaptions{"地表面", "設計海底面", "常時",
                                                                 "地震時"};
constexpr std::array<const char*, 2> kAngleFrameCaptions{"傾斜角（度）", "上載荷重（kN/m2）"};
constexpr std::array<const char*, kAngleBoxCount> kAngleMasks{"###0.0", "###0.0", "###0.00",
                                                              "###0.00"};
constexpr int kAngleFrameLeft = 360;
constexpr std::array<int, 2> kAngleFrameTops{360, 1860};
constexpr int kAngleFrameWidth = 4560;
constexpr int kAngleFrameHeight = 1260;
constexpr std::array<int, 2> kAngleRowTops{390, 810};
constexpr int kAngleLabelLeft = 240;
constexpr int kAngleLabelWidth = 1680;
constexpr int kBoxLeft = 2040;
constexpr int kBoxWidth = 1215;
constexpr int kBoxHeight = 270;
// One line of the forms' font (13 pixels); 180 twips (12 pixels) would cut
// the lower part of the glyphs.
constexpr int kLabelHeight = 195;
// A label beside a box stands level with the box's text.
constexpr int kLabelDrop = 45;

// Page 1.
constexpr int kSeabedLabelLeft = 240;
constexpr int kSeabedLabelWidth = 2640;
constexpr int kSeabedBoxLeft = 3000;
constexpr int kSeabedBoxTop = 150;
constexpr const char* kSeabedMask = "###0.00";
constexpr int kListLeft = 120;
constexpr int kListTextInset = 45; // the list's border and item margin
constexpr int kLabelAbove = 210;   // a box label's top above its box
// A column header stands on its list.
constexpr int kHeaderAbove = kLabelHeight;
constexpr int kBoxesBelowList = 90; // from the list's bottom to the box labels
constexpr int kBoxNarrower = 45;
constexpr int kButtonGap = 120;
constexpr int kButtonWidth = 615;
constexpr int kButtonHeight = 315;
constexpr int kButtonStep = 360;
constexpr std::size_t kBoxMaxLength = 10;
constexpr std::size_t kZoneXMaxLength = 8; // txt_gm14(4), (5)

// Left edge and width in twips of list columns first..last (1-based cells).
int cells_left(int first_cell) {
    return ui::list_cell_left(kListLeft, kListTextInset, first_cell - 1);
}

} // namespace

GroundScreen::GroundScreen(mainwin::MainWindow& window) : window_(window) {
    build_straight_page();
    build_embankment_page();
}

void GroundScreen::build_straight_page() {
    ui::Frame& page = *window_.fra_sgm[kGroundScreen][kStraightPage];
    for (int f = 0; f < 2; ++f) {
        fra_gm13[f] = &page.add<ui::Frame>(
            "fra_gm13", f,
            ui::Rect{kAngleFrameLeft, kAngleFrameTops[f], kAngleFrameWidth, kAngleFrameHeight});
        fra_gm13[f]->set_caption(kAngleFrameCaptions[f]);
        for (int r = 0; r < 2; ++r) {
            const int i = f * 2 + r;
            lbl_gm13[i] = &fra_gm13[f]->add<ui::Label>("lbl_gm13", i,
                                                       ui::Rect{kAngleLabelLeft,
                                                                kAngleRowTops[r] + kLabelDrop,
                                                                kAngleLabelWidth, kLabelHeight});
            lbl_gm13[i]->set_caption(kAngleCaptions[i]);
            txt_gm13[i] = &fra_gm13[f]->add<ui::TextBox>(
                "txt_gm13", i, ui::Rect{kBoxLeft, kAngleRowTops[r], kBoxWidth, kBoxHeight});
            ui::TextBox& box = *txt_gm13[i];
            box.on_lost_focus = [this] { window_.stv_gm.set_panel_text(1, ""); };
            ui::NumberBoxStyle style;
            style.mask = kAngleMasks[i];
            style.source = ui::MaskSource::TextAsTyped;
            style.max_length = kBoxMaxLength;
            style.status = &window_.stv_gm;
            if (i == 0) style.hint = kHintUpPositive;
            if (i == 1) style.hint = kHintUpNegative;
            ui::make_number_box(box, style);
        }
    }
}

void GroundScreen::build_embankment_page() {
    ui::Frame& page = *window_.fra_sgm[kGroundScreen][kEmbankmentPage];
    auto label = [this](ui::Container& in, int i, const ui::Rect& place) {
        lbl_gm14[i] = &in.add<ui::Label>("lbl_gm14", i, place);
        lbl_gm14[i]->set_caption(kGroundLabelCaptions[i]);
        return lbl_gm14[i];
    };
    auto number_box = [this](ui::Container& in, int i, const ui::Rect& place, const char* mask) {
        txt_gm14[i] = &in.add<ui::TextBox>("txt_gm14", i, place);
        ui::TextBox& box = *txt_gm14[i];
        box.on_change = [this, i] { txt_gm14_Change(i); };
        // Leaving any box clears the hint panel and leaves the switch on.
        box.on_lost_focus = [this] {
            window_.stv_gm.set_panel_text(1, "");
            gm14_ev_sw = true;
        };
        ui::NumberBoxStyle style;
        style.mask = mask;
        style.source = ui::MaskSource::TextAsTyped;
        style.max_length = (i == 4 || i == 5) ? kZoneXMaxLength : kBoxMaxLength;
        style.status = &window_.stv_gm;
        if (i == 0) style.hint = kHintUpNegative;
        style.event_switch = &gm14_ev_sw;
        ui::make_number_box(box, style);
    };

    label(page, 23,
          ui::Rect{kSeabedLabelLeft, kSeabedBoxTop + kLabelDrop, kSeabedLabelWidth, kLabelHeight});
    number_box(page, 0, ui::Rect{kSeabedBoxLeft, kSeabedBoxTop, kBoxWidth, kBoxHeight},
               kSeabedMask);

    for (int g = 0; g < kGroupCount; ++g) {
        const GroupParts& parts = group_parts()[g];
        fra_gm14[g] = &page.add<ui::Frame>("fra_gm14", g, parts.frame);
        ui::Frame& frame = *fra_gm14[g];
        frame.set_caption(parts.frame_caption);

        // Column headers: "Ｎｏ" over the number, one over each value column.
        const int header_top = parts.list.top - kHeaderAbove;
        // "Ｎｏ" is wider than its three cells: it takes the first cell of
        // the next column too, whose header is right-aligned.
        label(frame, parts.headers[0],
              ui::Rect{kListLeft, header_top, cells_left(kNumberWidth + 2) - kListLeft,
                       kLabelHeight});
        int cell = kNumberWidth + 2;
        for (std::size_t h = 1; h < parts.headers.size() && parts.headers[h] >= 0; ++h) {
            const int width = parts.columns[h - 1].width - (h == 1 ? 1 : 0);
            label(frame, parts.headers[h],
                  ui::Rect{cells_left(cell), header_top, width * ui::kListCellTwips, kLabelHeight})
                ->align_right = true;
            cell += width;
        }
        if (g == kZoneGroup) {
            // Spanning headers over the two x columns and the two intensities.
            const int span_top = header_top - kHeaderAbove;
            const int x_cells = parts.columns[0].width + parts.columns[1].width;
            const int q_cells = parts.columns[2].width + parts.columns[3].width;
            label(frame, 7,
                  ui::Rect{cells_left(kNumberWidth + 1), span_top, x_cells * ui::kListCellTwips,
                           kLabelHeight})
                ->align_right = true;
            label(frame, 8,
                  ui::Rect{cells_left(kNumberWidth + 1 + x_cells), span_top,
                           q_cells * ui::kListCellTwips, kLabelHeight})
                ->align_right = true;
        }

        lst_gm14[g] = &frame.add<ui::ListBox>("lst_gm14", g, parts.list);
        lst_gm14[g]->fixed_pitch = true;
        lst_gm14[g]->font_size = ui::kListFontPoints;
        lst_gm14[g]->on_click = [this, g] { lst_gm14_Click(g); };

        // The boxes under their columns, each with its label above.
        const int box_label_top = parts.list.top + parts.list.height + kBoxesBelowList;
        const int box_top = box_label_top + kLabelAbove;
        cell = kNumberWidth + 1;
        for (std::size_t c = 0; c < parts.columns.size(); ++c) {
            const int width = parts.columns[c].width * ui::kListCellTwips - kBoxNarrower;
            label(frame, parts.box_labels[c],
                  ui::Rect{cells_left(cell), box_label_top, width, kLabelHeight});
            number_box(frame, parts.first_box + static_cast<int>(c),
                       ui::Rect{cells_left(cell), box_top, width, kBoxHeight},
                       parts.columns[c].mask);
            cell += parts.columns[c].width;
        }

        const int button_left = kListLeft + parts.list.width + kButtonGap;
        for (int a = 0; a < 3; ++a) {
            const int i = g * 3 + a;
            cmd_gm14[i] = &frame.add<ui::CommandButton>("cmd_gm14", i,
                                                        ui::Rect{button_left,
                                                                 parts.list.top + a * kButtonStep,
                                                                 kButtonWidth, kButtonHeight});
            cmd_gm14[i]->set_caption(kButtonCaptions[a]);
            cmd_gm14[i]->on_click = [this, i] { cmd_gm14_Click(i); };
        }
    }
}

int& GroundScreen::count(int group) {
    if (group == kFillGroup) return morid_cnt;
    if (group == kZoneGroup) return josai_cnt;
    return tikei_cnt;
}

double& GroundScreen::field(int group, int row, int column) {
    static constexpr std::array<double MoridRow::*, 3> kFill{&MoridRow::top_lvl, &MoridRow::wet_w,
                                                             &MoridRow::sat_w};
    static constexpr std::array<double JosaiRow::*, 4> kZone{
        &JosaiRow::start_x, &JosaiRow::end_x, &JosaiRow::q_normal, &JosaiRow::q_seismic};
    static constexpr std::array<double TikeiPoint::*, 2> kPoint{&TikeiPoint::x, &TikeiPoint::y};
    if (group == kFillGroup) return morid_row[row].*kFill[column];
    if (group == kZoneGroup) return josai_row[row].*kZone[column];
    return tikei_row[row].*kPoint[column];
}

std::string GroundScreen::line(int group, int row) const {
    if (group == kFillGroup) return morid_line(row, morid_row[row]);
    if (group == kZoneGroup) return josai_line(row, josai_row[row]);
    return tikei_line(row, tikei_row[row]);
}

void GroundScreen::add_gm14_list(int index, int cnt) {
    if (index < 0 || index >= kGroupCount) return;
    lst_gm14[index]->add_item(line(index, cnt));
}

void GroundScreen::rebuild_list(int group) {
    lst_gm14[group]->clear();
    for (int i = 0; i < count(group); ++i)
        add_gm14_list(group, i);
}

void GroundScreen::fill_boxes(int group, int row) {
    const GroupParts& parts = group_parts()[group];
    for (std::size_t c = 0; c < parts.columns.size(); ++c)
        txt_gm14[parts.first_box + c]->set_text(
            ui::format_mask(field(group, row, static_cast<int>(c)), parts.columns[c].mask));
}

void GroundScreen::box_values_into(int group, int row) {
    const GroupParts& parts = group_parts()[group];
    for (std::size_t c = 0; c < parts.columns.size(); ++c)
        field(group, row, static_cast<int>(c)) =
            ui::leading_number(txt_gm14[parts.first_box + c]->text());
}

void GroundScreen::move_rows(int group, int to, int from) {
    const std::size_t n = group_parts()[group].columns.size();
    for (std::size_t c = 0; c < n; ++c)
        field(group, to, static_cast<int>(c)) = field(group, from, static_cast<int>(c));
}

void GroundScreen::set_group_enabled(int group) {
    const GroupParts& parts = group_parts()[group];
    const int n = count(group);
    const bool has_rows = n > 0;
    for (std::size_t c = 0; c < parts.columns.size(); ++c) {
        txt_gm14[parts.first_box + c]->set_enabled(has_rows);
        lbl_gm14[parts.box_labels[c]]->set_enabled(has_rows);
    }
    if (group == kZoneGroup && has_rows) {
        const KanseijiData& k = window_.data.kanseiji_dat;
        txt_gm14[6]->set_enabled(box_checked(k.jyo_sw));
        lbl_gm14[16]->set_enabled(box_checked(k.jyo_sw));
        txt_gm14[7]->set_enabled(box_checked(k.jis_sw));
        lbl_gm14[17]->set_enabled(box_checked(k.jis_sw));
    }
    const bool room = n < kGroupLimits[group];
    cmd_gm14[group * 3 + kAddAction]->set_enabled(room);
    cmd_gm14[group * 3 + kInsertAction]->set_enabled(has_rows && room);
    cmd_gm14[group * 3 + kDeleteAction]->set_enabled(has_rows);
}

bool GroundScreen::straight_shape() const {
    // The completed-state screen's shape option when it is built; the stored
    // shape otherwise.
    auto* straight = window_.form.find_as<ui::OptionButton>("opt_gm3", 0);
    if (straight != nullptr) return straight->value();
    return window_.data.kanseiji_dat.shape_sw == GroundShape::Straight;
}

void GroundScreen::load_group(int group) {
    const TihyouData& t = window_.data.tihyou_dat;
    const int limit = kGroupLimits[group];
    int& n = count(group);
    n = 0;
    for (int i = 0; i < limit; ++i) {
        for (std::size_t c = 0; c < group_parts()[group].columns.size(); ++c)
            field(group, i, static_cast<int>(c)) = 0.0;
    }
    for (int i = 0; i < limit; ++i) {
        if (group == kFillGroup && row_used(t.morid_tbl[i])) morid_row[n++] = t.morid_tbl[i];
        if (group == kZoneGroup && row_used(t.josai_tbl[i])) josai_row[n++] = t.josai_tbl[i];
        if (group == kPointGroup && row_used(t.tikei_tbl[i])) tikei_row[n++] = t.tikei_tbl[i];
    }
    rebuild_list(group);
    if (n > 0) {
        // Selecting the first line fills the boxes with the switch off and
        // leaves it on; filling them again with the same texts changes nothing.
        lst_gm14[group]->set_list_index(0);
        fill_boxes(group, 0);
    } else {
        const GroupParts& parts = group_parts()[group];
        for (std::size_t c = 0; c < parts.columns.size(); ++c)
            txt_gm14[parts.first_box + c]->set_text(ui::format_mask(0.0, parts.columns[c].mask));
    }
    set_group_enabled(group);
}

void GroundScreen::set_tihyou_jk() {
    const TihyouData& t = window_.data.tihyou_dat;
    const KanseijiData& k = window_.data.kanseiji_dat;
    txt_gm13[0]->set_text(ui::format_mask(t.ground_ang[0], kAngleMasks[0]));
    txt_gm13[1]->set_text(ui::format_mask(t.ground_ang[1], kAngleMasks[1]));
    txt_gm13[2]->set_text(ui::format_mask(t.surcharge_q[0], kAngleMasks[2]));
    txt_gm13[3]->set_text(ui::format_mask(t.surcharge_q[1], kAngleMasks[3]));
    txt_gm13[2]->set_enabled(box_checked(k.jyo_sw));
    lbl_gm13[2]->set_enabled(box_checked(k.jyo_sw));
    txt_gm13[3]->set_enabled(box_checked(k.jis_sw));
    lbl_gm13[3]->set_enabled(box_checked(k.jis_sw));
    txt_gm14[0]->set_text(ui::format_mask(t.seabed_ang, kSeabedMask));
    for (int g = 0; g < kGroupCount; ++g)
        load_group(g);

    ui::TabControl& tab = *window_.tab_gm[kGroundScreen];
    const bool straight = straight_shape();
    tab.set_tab_enabled(kStraightPage, straight);
    tab.set_tab_enabled(kEmbankmentPage, !straight);
}

void GroundScreen::store_group(int group) {
    TihyouData& t = window_.data.tihyou_dat;
    const int limit = kGroupLimits[group];
    // Only used rows are stored, from row 0: a row the list shows as zeros
    // would end the calculation's table there.
    int stored = 0;
    for (int i = 0; i < count(group); ++i) {
        if (group == kFillGroup && row_used(morid_row[i])) t.morid_tbl[stored++] = morid_row[i];
        if (group == kZoneGroup && row_used(josai_row[i])) t.josai_tbl[stored++] = josai_row[i];
        if (group == kPointGroup && row_used(tikei_row[i])) t.tikei_tbl[stored++] = tikei_row[i];
    }
    for (int i = stored; i < limit; ++i) {
        if (group == kFillGroup) t.morid_tbl[i] = MoridRow{};
        if (group == kZoneGroup) t.josai_tbl[i] = JosaiRow{};
        if (group == kPointGroup) t.tikei_tbl[i] = TikeiPoint{};
    }
}

void GroundScreen::put_tihyou_jk() {
    TihyouData& t = window_.data.tihyou_dat;
    t.ground_ang[0] = ui::leading_number(txt_gm13[0]->text());
    t.ground_ang[1] = ui::leading_number(txt_gm13[1]->text());
    t.surcharge_q[0] = ui::leading_number(txt_gm13[2]->text());
    t.surcharge_q[1] = ui::leading_number(txt_gm13[3]->text());
    t.seabed_ang = ui::leading_number(txt_gm14[0]->text());
    for (int g = 0; g < kGroupCount; ++g)
        store_group(g);
}

void GroundScreen::lst_gm14_Click(int index) {
    if (index < 0 || index >= kGroupCount) return;
    const int p = lst_gm14[index]->list_index();
    if (p < 0) return;
    gm14_ev_sw = false;
    fill_boxes(index, p);
    gm14_ev_sw = true;
}

void GroundScreen::cmd_gm14_Click(int index) {
    if (index < 0 || index >= kGroupCount * 3) return;
    const int group = index / 3;
    const int action = index % 3;
    edit_rows(action,
              {count(group), kGroupLimits[group],
               [this, group](int to, int from) { move_rows(group, to, from); },
               [this, group](int i) { box_values_into(group, i); }, nullptr,
               [this, group] { rebuild_list(group); }},
              *lst_gm14[group]);
    set_group_enabled(group);
}

void GroundScreen::txt_gm14_Change(int index) {
    if (!gm14_ev_sw) return;
    int group = -1;
    for (int g = 0; g < kGroupCount; ++g) {
        const GroupParts& parts = group_parts()[g];
        if (index >= parts.first_box &&
            index < parts.first_box + static_cast<int>(parts.columns.size()))
            group = g;
    }
    if (group < 0) return;
    const int sel = lst_gm14[group]->list_index();
    if (sel < 0) return;
    field(group, sel, index - group_parts()[group].first_box) =
        ui::leading_number(txt_gm14[index]->text());
    // The whole line is built again from the row: a wide value lengthens it
    // rather than spilling into its neighbour's columns.
    lst_gm14[group]->set_list(static_cast<std::size_t>(sel), line(group, sel));
}

GroundScreen& install_ground_screen(mainwin::MainWindow& window) {
    auto screen = std::make_shared<GroundScreen>(window);
    GroundScreen& ref = *screen;
    window.screens[kGroundScreen].load = [screen] { screen->set_tihyou_jk(); };
    window.screens[kGroundScreen].store = [screen] { screen->put_tihyou_jk(); };
    return ref;
}

} // namespace wtn::ground
