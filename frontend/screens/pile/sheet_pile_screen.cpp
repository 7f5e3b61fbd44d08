#include "sheet_pile_screen.h"

#include "catalogue_lines.h"
#include "number_mask.h"
#include "number_text.h"
#include "pile_catalogues.h"
#include "pile_screen_parts.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wtn::pile {
namespace {

constexpr int kPileKinds = kPileTypeCount;
constexpr double kUnitAlphaTolerance = 0.001;

bool is_steel(int kind) {
    return is_steel_pile(pile_type_from_screen_kind(kind));
}

bool is_steel_pipe(int kind) {
    return pile_type_from_screen_kind(kind) == PileType::SteelPipe;
}

// The C-type and S-type methods check the embedment with a kh of their own
// for lmMAX.
bool takes_kh_for_lm_max(EmbedmentMethod method) {
    return is_curve_method(method);
}

bool completed_case_studied(const SekkeiData& s, CheckBox case_sw) {
    return box_checked(s.kanseiji_sw) && box_checked(case_sw);
}

// The construction stage studied alone.
bool construction_only(const SekkeiData& s) {
    return box_checked(s.sekouji_sw) && s.kanseiji_sw == CheckBox::Clear;
}

// A whole-number box: its leading number to the nearest whole number, halves
// to the even one; beyond the 16-bit range, the nearest limit.
int whole_value(const ui::TextBox& box) {
    const double v = std::nearbyint(ui::leading_number(box.text()));
    if (v > std::numeric_limits<short>::max()) return std::numeric_limits<short>::max();
    if (v < std::numeric_limits<short>::min()) return std::numeric_limits<short>::min();
    return static_cast<int>(v);
}

double value_of(const ui::TextBox& box) {
    return ui::leading_number(box.text());
}

} // namespace

SheetPileScreen::SheetPileScreen(mainwin::MainWindow& window) : w(window) {
    auto& pages = w.fra_sgm[kPileScreen];
    build_basic_page(*pages[kPageBasic]);
    build_choice_page(*pages[kPageSteelChoice], lst_gm10, lbl_gm10, "lst_gm10", "lbl_gm10");
    build_steel_pipe_page(*pages[kPageSteelPipe]);
    build_choice_page(*pages[kPagePcChoice], lst_gm11, lbl_gm11, "lst_gm11", "lbl_gm11");
    build_corrosion_page(*pages[kPageCorrosion]);
    for (int i = 0; i < static_cast<int>(opt_gm8.size()); ++i)
        opt_gm8[i]->on_click = [this, i] { opt_gm8_Click(i); };
    lst_gm10->on_click = [this] { limit_marks(*lst_gm10, w.data.yaita_tbl); };
    lst_gm11->on_click = [this] { limit_marks(*lst_gm11, w.data.pcyaita_tbl); };
}

void SheetPileScreen::enable(std::initializer_list<ui::Control*> controls, bool on) {
    for (ui::Control* c : controls)
        c->set_enabled(on);
}

// ---- Catalogues ----------------------------------------------------------

void SheetPileScreen::fill_list(ui::ListBox& list,
                                const std::array<YaitaRec, kCatalogueRoom>& table, int count) {
    list.clear();
    for (int k = 0; k < count; ++k)
        list.add_item(catalogue_line(table[k], false));
}

void SheetPileScreen::read_yaita() {
    const std::vector<std::string> problems = read_pile_catalogues(w.data, w.data.work_dir);
    fill_list(*lst_gm10, w.data.yaita_tbl, w.data.yaita_cnt);
    fill_list(*lst_gm11, w.data.pcyaita_tbl, w.data.pcyaita_cnt);
    if (problems.empty() || w.services.boxes == nullptr) return;
    std::string text;
    for (const std::string& p : problems)
        text += (text.empty() ? "" : "\n") + p;
    show_note(*w.services.boxes, kAppTitle, text, BoxIcon::Exclamation);
}

void SheetPileScreen::mark_selection(ui::ListBox& list,
                                     const std::array<YaitaRec, kCatalogueRoom>& table,
                                     const std::array<PileIdPair, kPileSelectionRoom + 1>& sel) {
    const std::size_t lines = list.list_count();
    for (std::size_t j = 0; j < lines; ++j)
        list.set_selected(j, false);
    for (int added : {kInstalledCatalogue, kUserCatalogue}) {
        for (int i = 0; i < kPileSelectionRoom; ++i) {
            const int id = added == kInstalledCatalogue ? sel[i].catalogue_id : sel[i].user_id;
            if (id <= 0) continue;
            for (std::size_t j = 0; j < lines && j < kPileSelectionRoom; ++j) {
                if (table[j].id == id && table[j].added == added) list.set_selected(j, true);
            }
        }
    }
}

void SheetPileScreen::store_selection(const ui::ListBox& list,
                                      const std::array<YaitaRec, kCatalogueRoom>& table,
                                      std::array<PileIdPair, kPileSelectionRoom + 1>& sel) const {
    sel.fill(PileIdPair{});
    int s = 0;
    int u = 0;
    for (std::size_t k = 0; k < list.list_count() && k < kPileSelectionRoom; ++k) {
        if (!list.selected(k)) continue;
        const YaitaRec& rec = table[k];
        if (rec.added == kInstalledCatalogue) {
            sel[s++].catalogue_id = rec.id;
        } else {
            sel[u++].user_id = rec.id;
        }
    }
}

// The calculation input holds 50 installed and 50 user piles per list: a
// further mark is undone with a message.
void SheetPileScreen::limit_marks(ui::ListBox& list,
                                  const std::array<YaitaRec, kCatalogueRoom>& table) {
    const int current = list.list_index();
    if (current < 0 || !list.selected(static_cast<std::size_t>(current))) return;
    const int added = table[current].added;
    int marked = 0;
    for (std::size_t k = 0; k < list.list_count() && k < kPileSelectionRoom; ++k)
        marked += list.selected(k) && table[k].added == added ? 1 : 0;
    if (marked <= kMarkLimit) return;
    list.set_selected(static_cast<std::size_t>(current), false);
    if (w.services.boxes == nullptr) return;
    show_note(*w.services.boxes, kAppTitle,
              std::string(added == kInstalledCatalogue ? "標準の矢板" : "追加した矢板") + "は" +
                  std::to_string(kMarkLimit) + "本まで選択できます。",
              BoxIcon::Information);
}

// ---- Enabling -------------------------------------------------------------

void SheetPileScreen::enable_stress_inputs(int kind) {
    const SekkeiData& s = w.data.sekkei_dat;
    const KanseijiData& k = w.data.kanseiji_dat;
    fra_gm8[4]->set_enabled(true);
    enable({lbl_gm8[5], lbl_gm8[6], lbl_gm8[7], txt_gm8[5], txt_gm8[6], txt_gm8[7]}, false);
    if (completed_case_studied(s, k.jyo_sw)) enable({fra_gm8[4], txt_gm8[5], lbl_gm8[5]}, true);
    if (completed_case_studied(s, k.jis_sw)) enable({fra_gm8[4], txt_gm8[6], lbl_gm8[6]}, true);
    if (box_checked(s.sekouji_sw)) enable({fra_gm8[4], txt_gm8[7], lbl_gm8[7]}, true);
    if (is_pc_pile(pile_type_from_screen_kind(kind)) || s.stress_sw == YesNo::No) {
        enable({fra_gm8[4], lbl_gm8[5], lbl_gm8[6], lbl_gm8[7], txt_gm8[5], txt_gm8[6], txt_gm8[7]},
               false);
    }
}

void SheetPileScreen::enable_kh_inputs(bool on) {
    enable({fra_gm8[7], lbl_gm8[8], txt_gm8[8]}, on);
}

void SheetPileScreen::enable_secondary_stress(bool steel_pipe) {
    const SekkeiData& s = w.data.sekkei_dat;
    if (steel_pipe && completed_case_studied(s, w.data.kanseiji_dat.jyo_sw)) {
        enable({fra_gm8[6], opt_gm8[11], opt_gm8[12]}, true);
        enable_kh_inputs(opt_gm8[11]->value() && takes_kh_for_lm_max(s.neire_sw));
    } else {
        enable({fra_gm8[6], opt_gm8[11], opt_gm8[12]}, false);
        enable_kh_inputs(false);
    }
}

void SheetPileScreen::opt_gm8_Click(int index) {
    const SekkeiData& s = w.data.sekkei_dat;
    if (is_list_index(index, kPileKinds)) {
        enable({fra_gm8[2], opt_gm8[7], opt_gm8[8], opt_gm8[13]}, opt_gm8[0]->value());
        enable_stress_inputs(index);
        enable_secondary_stress(is_steel_pipe(index));
    }
    if (is_list_index(index, kPileKinds)) {
        const bool steel = is_steel(index);
        enable({fra_gm8[3], opt_gm8[9], opt_gm8[10], fra_gm8[8], lbl_gm8[9], lbl_gm8[10],
                lbl_gm8[11], txt_gm8[9], txt_gm8[10], txt_gm8[11]},
               steel);
        tab().set_tab_enabled(kPageCorrosion, steel);
        if (!steel) {
            for (int i : {9, 10, 11})
                txt_gm8[i]->set_text("1.0");
        }
    }
    if (index == 11) enable_kh_inputs(takes_kh_for_lm_max(s.neire_sw));
    if (index == 12) enable_kh_inputs(false);
    if (construction_only(s)) tab().set_tab_enabled(kPageCorrosion, false);
    tab().set_tab_enabled(kPageSteelChoice, opt_gm8[2]->value());
    tab().set_tab_enabled(kPageSteelPipe, opt_gm8[3]->value());
    tab().set_tab_enabled(kPagePcChoice, opt_gm8[6]->value());
    enable({fra_gm12[3], lbl_gm12[8], lbl_gm12[9], txt_gm12[8], txt_gm12[9]}, opt_gm8[2]->value());
}

// ---- Load -----------------------------------------------------------------

void SheetPileScreen::set_yaita_jk() {
    const YaitaData& y = w.data.yaita_dat;
    const SekkeiData& s = w.data.sekkei_dat;
    const KanseijiData& k = w.data.kanseiji_dat;
    const int kind = screen_pile_kind(y.yaita_kind);

    // 1 to 5: type, variant inputs, grade and corrosion page, variant, grade.
    if (is_list_index(kind, kPileKinds)) opt_gm8[kind]->set_value(true);
    enable({fra_gm8[2], opt_gm8[7], opt_gm8[8], opt_gm8[13]}, opt_gm8[0]->value());
    if (is_list_index(kind, kPileKinds)) {
        enable({fra_gm8[3], opt_gm8[9], opt_gm8[10]}, is_steel(kind));
        tab().set_tab_enabled(kPageCorrosion, is_steel(kind));
    }
    const USection section = y.u_kind;
    if (section == USection::Improved) opt_gm8[7]->set_value(true);
    if (section == USection::General) opt_gm8[8]->set_value(true);
    if (section == USection::Wide) opt_gm8[13]->set_value(true);
    const SteelGrade grade = y.steel_grade;
    if (grade == SteelGrade::SY295) opt_gm8[9]->set_value(true);
    if (grade == SteelGrade::SY390) opt_gm8[10]->set_value(true);

    // 6: the number boxes of page 0.
    txt_gm8[0]->set_text(ui::format_mask(y.young_e, "###0.0"));
    txt_gm8[1]->set_text(ui::format_mask(y.young_exp, "###0"));
    for (int i = 0; i < 3; ++i) {
        txt_gm8[2 + i]->set_text(ui::format_mask(y.disp_allow[i], "###0.00"));
        txt_gm8[5 + i]->set_text(ui::format_mask(y.stress_allow[i], "###0.0"));
        txt_gm8[9 + i]->set_text(ui::format_mask(y.joint_alpha[i], "###0.00"));
    }

    // 7 to 9: secondary stress and kh.
    const bool normal_case = completed_case_studied(s, k.jyo_sw);
    enable({fra_gm8[6], opt_gm8[11], opt_gm8[12]}, normal_case && opt_gm8[3]->value());
    const YesNo secondary_stress = y.second_sw;
    if (secondary_stress == YesNo::Yes) opt_gm8[11]->set_value(true);
    if (secondary_stress == YesNo::No) opt_gm8[12]->set_value(true);
    enable_kh_inputs(normal_case && is_steel_pipe(kind) && secondary_stress == YesNo::Yes &&
                     takes_kh_for_lm_max(s.neire_sw));
    txt_gm8[8]->set_text(ui::format_mask(y.kh_lm, "#####0.0"));

    // 10: joint efficiencies follow the type button that is on.
    const bool steel_on =
        opt_gm8[0]->value() || opt_gm8[1]->value() || opt_gm8[2]->value() || opt_gm8[3]->value();
    enable({fra_gm8[8], lbl_gm8[9], lbl_gm8[10], lbl_gm8[11], txt_gm8[9], txt_gm8[10], txt_gm8[11]},
           steel_on);
    if (!steel_on) {
        for (int i : {9, 10, 11})
            txt_gm8[i]->set_text("1.0");
    }

    // 11: allowable stresses and displacements.
    enable_stress_inputs(kind);
    fra_gm8[1]->set_enabled(true);
    enable({txt_gm8[2], txt_gm8[3], txt_gm8[4], lbl_gm8[2], lbl_gm8[3], lbl_gm8[4]}, false);
    if (normal_case) enable({txt_gm8[2], lbl_gm8[2]}, true);
    if (completed_case_studied(s, k.jis_sw)) enable({txt_gm8[3], lbl_gm8[3]}, true);
    if (box_checked(s.sekouji_sw)) enable({txt_gm8[4], lbl_gm8[4]}, true);
    if (s.disp_sw == YesNo::No) {
        enable({fra_gm8[1], txt_gm8[2], txt_gm8[3], txt_gm8[4], lbl_gm8[2], lbl_gm8[3], lbl_gm8[4]},
               false);
    }

    // 12 to 14: steel-pipe rows; a row with a diameter or a thickness is taken.
    gm9_row.fill(SteelPipeSlot{});
    gm9_cnt = 0;
    for (int r = 0; r < kSteelPipeRoom; ++r) {
        const KokanRec& rec = y.kokan_tbl[r];
        if (!(rec.diameter > 0.0 || rec.thickness > 0.0)) continue;
        gm9_row[gm9_cnt] = SteelPipeSlot{gm9_cnt + 1, rec};
        ++gm9_cnt;
    }
    enable_pipe_editor();
    lst_gm9->set_list_index(-1);
    rebuild_gm9_list();
    if (gm9_cnt > 0) {
        lst_gm9->set_list_index(0);
    } else {
        for (ui::TextBox* box : txt_gm9)
            box->set_text("0.0");
        opt_gm9[3]->set_value(true);
    }

    // 15: the stored piles marked by id and kind.
    mark_selection(*lst_gm10, w.data.yaita_tbl, y.yaita_sel);
    mark_selection(*lst_gm11, w.data.pcyaita_tbl, y.pcyaita_sel);

    // 16, 17: corrosion.
    const FsyokData& f = y.fsyok_dat;
    const bool sea_water_and_mud = f.range_sw == CorrosionRange::SeaWaterAndMud;
    (sea_water_and_mud ? opt_gm12[0] : opt_gm12[1])->set_value(true);
    const double boxes[10] = {f.sea_rate[2],
                              f.sea_rate[2],
                              f.sea_rate[2],
                              f.sea_rate[3],
                              f.land_rate[1],
                              f.land_rate[1],
                              f.land_rate[2],
                              f.service_life,
                              static_cast<double>(f.reduction[0]),
                              static_cast<double>(f.reduction[1])};
    for (int i = 0; i < 10; ++i)
        txt_gm12[i]->set_text(ui::format_mask(boxes[i], i < 7 ? "###0.000" : "###0"));

    // 18: the construction stage studied alone has no corrosion page.
    if (construction_only(s)) tab().set_tab_enabled(kPageCorrosion, false);

    // A page the load disabled is not left shown.
    if (!tab().tab_enabled(static_cast<std::size_t>(tab().tab()))) tab().set_tab(kPageBasic);
}

// ---- Store ----------------------------------------------------------------

void SheetPileScreen::put_yaita_jk() {
    YaitaData& y = w.data.yaita_dat;
    for (int i = 0; i < kPileKinds; ++i) {
        if (opt_gm8[i]->value()) {
            y.yaita_kind = pile_type_from_screen_kind(i);
            break;
        }
    }
    if (opt_gm8[7]->value()) {
        y.u_kind = USection::Improved;
    } else if (opt_gm8[8]->value()) {
        y.u_kind = USection::General;
    } else if (opt_gm8[13]->value()) {
        y.u_kind = USection::Wide;
    }
    y.steel_grade = opt_gm8[9]->value() ? SteelGrade::SY295 : SteelGrade::SY390;

    y.young_e = value_of(*txt_gm8[0]);
    y.young_exp = whole_value(*txt_gm8[1]);
    for (int i = 0; i < 3; ++i) {
        y.disp_allow[i] = value_of(*txt_gm8[2 + i]);
        y.stress_allow[i] = value_of(*txt_gm8[5 + i]);
    }
    for (int i = 0; i < 3; ++i)
        y.joint_alpha[i] = value_of(*txt_gm8[9 + i]);
    y.alpha_sw = box_value(std::all_of(y.joint_alpha.begin(), y.joint_alpha.end(), [](double a) {
        return std::fabs(a - 1.0) < kUnitAlphaTolerance;
    }));
    y.second_sw = opt_gm8[11]->value() ? YesNo::Yes : YesNo::No;
    y.kh_lm = value_of(*txt_gm8[8]);

    store_selection(*lst_gm10, w.data.yaita_tbl, y.yaita_sel);
    for (int b = 0; b < kSteelPipeRoom; ++b)
        y.kokan_tbl[b] = b < gm9_cnt ? gm9_row[b].rec : KokanRec{};
    store_selection(*lst_gm11, w.data.pcyaita_tbl, y.pcyaita_sel);

    FsyokData& f = y.fsyok_dat;
    f.range_sw = opt_gm12[0]->value() ? CorrosionRange::SeaWaterAndMud : CorrosionRange::MudOnly;
    const double sea = value_of(*txt_gm12[2]);
    f.sea_rate[0] = f.sea_rate[1] = f.sea_rate[2] = sea;
    f.sea_rate[3] = value_of(*txt_gm12[3]);
    const double land = value_of(*txt_gm12[5]);
    f.land_rate[0] = f.land_rate[1] = land;
    f.land_rate[2] = value_of(*txt_gm12[6]);
    f.service_life = value_of(*txt_gm12[7]);
    f.reduction[0] = whole_value(*txt_gm12[8]);
    f.reduction[1] = whole_value(*txt_gm12[9]);
}

} // namespace wtn::pile
