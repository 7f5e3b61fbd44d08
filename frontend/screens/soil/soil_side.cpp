#include "soil_side.h"

#include "kh_chart.h"
#include "number_mask.h"
#include "row_tests.h"
#include "screen_codes.h"

#include <cmath>

namespace wtn::soil {
namespace {

// The texts of the boxes of a side without layers, as the masks show 0.
const char* const kZeroTexts[kBoxCount] = {"0.00", "0.000", "0.000", "0.0", "0.000", "0.000", "0.0",
                                           "0.0",  "0.0",   "0.0",   "0.0", "0.0",   "0.00"};

// The fields of a layer that the screen loads and stores; the spare ones
// (unit_w(2), soil_val(3), kh_val(4), n_val(4)) keep what they hold.
void copy_layer_fields(DosouRec& to, const DosouRec& from) {
    to.top_lvl = from.top_lvl;
    to.unit_w[0] = from.unit_w[0];
    to.unit_w[1] = from.unit_w[1];
    to.soil_sw = from.soil_sw;
    for (int i = 0; i < 3; ++i)
        to.soil_val[i] = from.soil_val[i];
    to.kh_sw = from.kh_sw;
    for (int i = 0; i < 4; ++i) {
        to.kh_val[i] = from.kh_val[i];
        to.n_val[i] = from.n_val[i];
    }
}

// The soil of a layer: sand when its button is on, else clay.
SoilKind soil_of(const ui::OptionButton& sand) {
    return sand.value() ? SoilKind::Sand : SoilKind::Clay;
}

void clear_layer_fields(DosouRec& layer) {
    copy_layer_fields(layer, DosouRec{});
}

// The method option and the values of options 0 to 2; the spare fourth
// values keep what they hold.
void copy_method_fields(DosouHohoRec& to, const DosouHohoRec& from) {
    to.hoho_sw = from.hoho_sw;
    for (int i = 0; i < 3; ++i) {
        to.hoho_k[i] = from.hoho_k[i];
        to.hoho_n[i] = from.hoho_n[i];
    }
}

int first_selected(const std::array<ui::OptionButton*, kOptionCount>& opt, int first, int count) {
    for (int k = 0; k < count; ++k) {
        if (opt[first + k]->value()) return k;
    }
    return -1;
}

} // namespace

SoilSide::SoilSide(const SideNames& names, ui::Frame& page, ui::StatusBar& status,
                   const SekkeiData& sekkei)
    : names_(names), sekkei_(sekkei), status_(status) {
    build(page, status);
    lst->on_click = [this] { list_click(); };
}

void SoilSide::load(const DosouData& dosou, bool per_layer) {
    K_sw = per_layer;
    const LayerRows& layers = dosou.*names_.layers;
    for (int i = 0; i < kSoilLayerRoom; ++i)
        clear_layer_fields(row_[i]);
    // A layer with a wet or a saturated unit weight is kept wherever it
    // stands; empty slots close up, so the rows have no gaps.
    int count = 0;
    for (int k = 0; k < kSoilLayerRoom; ++k) {
        if (!row_used(layers[k])) continue;
        copy_layer_fields(row_[count], layers[k]);
        ++count;
    }
    copy_method_fields(hoho_, dosou.dosou_hoho[names_.hoho]);
    cnt_ = count;
    show_rows(cnt_ > 0 ? 0 : -1);
}

void SoilSide::store(DosouData& dosou) const {
    LayerRows& layers = dosou.*names_.layers;
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        if (i < cnt_) {
            copy_layer_fields(layers[i], row_[i]);
        } else {
            clear_layer_fields(layers[i]);
        }
    }
    copy_method_fields(dosou.dosou_hoho[names_.hoho], cnt_ > 0 ? hoho_ : DosouHohoRec{});
}

void SoilSide::show_rows(int sel) {
    lst->clear();
    for (int p = 0; p < cnt_; ++p)
        add_list_line(*lst, p, row_[p], hoho_, line_switches());
    if (cnt_ == 0) {
        show_empty();
        return;
    }
    // The selection shows the layer with the live edit muted; the rest sets
    // the controls it does not (the buttons) and, should the selection not
    // have changed, everything else.
    lst->set_list_index(sel);
    const bool was_on = ev_sw;
    ev_sw = false;
    fill_boxes(row_[sel]);
    select_options(row_[sel]);
    ev_sw = was_on;
    apply_rules();
    set_buttons();
}

void SoilSide::show_empty() {
    for (int i = 0; i < kBoxCount; ++i)
        txt[i]->set_text(kZeroTexts[i]);
    apply_rules();
    set_buttons();
    // What the next add takes: sand, direct input per layer and per side.
    opt[kSandOption]->set_value(true);
    opt[kFirstLayerOption]->set_value(true);
    opt[kFirstSideOption]->set_value(true);
}

void SoilSide::list_click() {
    const int p = lst->list_index();
    if (p < 0) return;
    ev_sw = false;
    fill_boxes(row_[p]);
    select_options(row_[p]);
    apply_rules();
    ev_sw = true;
}

void SoilSide::fill_boxes(const DosouRec& row) {
    const double values[kBoxCount] = {
        row.top_lvl,     row.unit_w[0],   row.unit_w[1],   row.soil_val[0], row.soil_val[1],
        row.soil_val[2], row.kh_val[0],   row.n_val[1],    row.n_val[2],    row.n_val[3],
        hoho_.hoho_k[0], hoho_.hoho_n[1], hoho_.hoho_n[2],
    };
    for (int i = 0; i < kBoxCount; ++i)
        txt[i]->set_text(ui::format_mask(values[i], kBoxMasks[i]));
}

void SoilSide::select_options(const DosouRec& row) {
    opt[row.soil_sw != SoilKind::Sand ? kClayOption : kSandOption]->set_value(true);
    // An option outside the group's range selects nothing: the group keeps
    // the button it showed.
    const int layer_option = list_index_of(row.kh_sw);
    if (is_list_index(layer_option, kLayerOptionCount))
        opt[kFirstLayerOption + layer_option]->set_value(true);
    const int side_option = list_index_of(hoho_.hoho_sw);
    if (is_list_index(side_option, kSideOptionCount))
        opt[kFirstSideOption + side_option]->set_value(true);
}

void SoilSide::apply_rules() {
    SideEnabling e = empty_side_enabling();
    if (cnt_ > 0) {
        SideState state;
        state.clay = opt[kClayOption]->value();
        state.layer_option = first_selected(opt, kFirstLayerOption, kLayerOptionCount);
        state.side_option = first_selected(opt, kFirstSideOption, kSideOptionCount);
        e = side_enabling(state, K_sw, sekkei_, names_.land);
    }
    for (int i = 1; i < kFrameCount; ++i)
        fra[i]->set_enabled(e.frame[i]);
    for (int i = 0; i < kBoxCount; ++i)
        txt[i]->set_enabled(e.box[i]);
    for (int i = 0; i < kOptionCount; ++i)
        opt[i]->set_enabled(e.option[i]);
    for (int i = 0; i < kBoxLabelCount; ++i)
        lbl[kFirstBoxLabel + i]->set_enabled(e.box_label[i]);
}

void SoilSide::set_buttons() {
    const bool room = cnt_ < kSoilLayerRoom;
    cmd[kAddButton]->set_enabled(room);
    cmd[kInsertButton]->set_enabled(room && cnt_ > 0);
    cmd[kDeleteButton]->set_enabled(cnt_ > 0);
}

LineSwitches SoilSide::line_switches() const {
    return LineSwitches{K_sw, lateral_blocked(sekkei_, names_.land)};
}

void SoilSide::rewrite_line(int p) {
    set_list_line(*lst, p, row_[p], row_[0], hoho_, line_switches());
}

double SoilSide::box_value(int index) const {
    return ui::leading_number(txt[index]->text());
}

double SoilSide::n_for_1500n(int index) const {
    const double n = box_value(index);
    return std::isfinite(kh_linear_in_n(n)) ? n : 0.0;
}

void SoilSide::take_boxes(DosouRec& row) const {
    row.top_lvl = box_value(0);
    row.unit_w[0] = box_value(1);
    row.unit_w[1] = box_value(2);
    row.soil_sw = soil_of(*opt[kSandOption]);
    for (int i = 0; i < 3; ++i)
        row.soil_val[i] = box_value(3 + i);
    const int option = first_selected(opt, kFirstLayerOption, kLayerOptionCount);
    if (option >= 0) row.kh_sw = code_of_list_index<LayerKhOption>(option);
    const double n1 = n_for_1500n(7);
    row.kh_val[0] = box_value(6);
    row.kh_val[1] = kh_linear_in_n(n1);
    row.kh_val[2] = 0.0;
    row.kh_val[3] = 0.0;
    row.n_val[0] = 0.0;
    row.n_val[1] = n1;
    row.n_val[2] = box_value(8);
    row.n_val[3] = box_value(9);
}

void SoilSide::take_side_boxes(DosouHohoRec& hoho) const {
    const int option = first_selected(opt, kFirstSideOption, kSideOptionCount);
    if (option >= 0) hoho.hoho_sw = code_of_list_index<SideResistanceOption>(option);
    hoho.hoho_k[0] = box_value(10);
    hoho.hoho_k[1] = box_value(11);
    hoho.hoho_k[2] = box_value(12);
    hoho.hoho_n[0] = 0.0;
    hoho.hoho_n[1] = box_value(11);
    hoho.hoho_n[2] = box_value(12);
}

void SoilSide::cmd_click(int index) {
    const int sel = lst->list_index();
    switch (index) {
    case kAddButton:
        if (cnt_ >= kSoilLayerRoom) return;
        take_boxes(row_[cnt_]);
        // The boxes of a side with layers show its method record rounded to
        // their masks: the record keeps its own values. An empty side's new
        // record is what its boxes show.
        if (cnt_ == 0) take_side_boxes(hoho_);
        ++cnt_;
        show_rows(cnt_ - 1);
        return;
    case kInsertButton:
        if (cnt_ >= kSoilLayerRoom || sel < 0) return;
        for (int i = cnt_; i > sel; --i)
            row_[i] = row_[i - 1];
        take_boxes(row_[sel]);
        ++cnt_;
        show_rows(sel);
        return;
    case kDeleteButton: {
        if (sel < 0 || sel >= cnt_) return;
        for (int i = sel; i < cnt_; ++i)
            row_[i] = row_[i + 1];
        --cnt_;
        show_rows(sel > cnt_ - 1 ? sel - 1 : sel);
        return;
    }
    default:
        return;
    }
}

void SoilSide::opt_click(int index) {
    const int p = lst->list_index();
    if (p < 0 || !ev_sw) return;
    if (index == kSandOption || index == kClayOption) {
        row_[p].soil_sw = soil_of(*opt[kSandOption]);
    } else if (index >= kFirstLayerOption && index < kFirstSideOption) {
        const int option = first_selected(opt, kFirstLayerOption, kLayerOptionCount);
        if (option >= 0) row_[p].kh_sw = code_of_list_index<LayerKhOption>(option);
    } else if (index >= kFirstSideOption && index < kOptionCount) {
        const int option = first_selected(opt, kFirstSideOption, kSideOptionCount);
        if (option >= 0) hoho_.hoho_sw = code_of_list_index<SideResistanceOption>(option);
    } else {
        return;
    }
    apply_rules();
    rewrite_line(p);
}

void SoilSide::txt_change(int index) {
    const int p = lst->list_index();
    if (p < 0 || !ev_sw) return;
    DosouRec& row = row_[p];
    const double v = box_value(index);
    switch (index) {
    case 0:
        row.top_lvl = v;
        break;
    case 1:
    case 2:
        row.unit_w[index - 1] = v;
        break;
    case 3:
    case 4:
    case 5:
        row.soil_val[index - 3] = v;
        break;
    case 6:
        row.kh_val[0] = v;
        break;
    case 7: {
        const double n = n_for_1500n(7);
        row.n_val[1] = n;
        row.kh_val[1] = kh_linear_in_n(n);
        break;
    }
    case 8:
    case 9:
        row.kh_val[index - 6] = v;
        row.n_val[index - 6] = v;
        break;
    case 10:
        hoho_.hoho_k[0] = v;
        hoho_.hoho_n[0] = 0.0;
        break;
    case 11:
    case 12:
        hoho_.hoho_k[index - 10] = v;
        hoho_.hoho_n[index - 10] = v;
        break;
    default:
        return;
    }
    rewrite_line(p);
}

} // namespace wtn::soil
