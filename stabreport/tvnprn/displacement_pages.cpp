#include "displacement_pages.h"

#include "cantilever_loads.h"
#include "check_marks.h"
#include "displacement_figure.h"
#include "error_messages.h"
#include "format_values.h"
#include "stability_switches.h"

#include <string>

namespace wtn {

namespace {

constexpr BlockStart kSamePage = BlockStart::same_page;

// Lines the displacement pages take with two corrosion states: Chang's
// pages with β of the seabed-mud or of the sea-water section, the others.
constexpr int kChangPagesMudLines = 57;
constexpr int kChangPagesSeaLines = 53;
constexpr int kOtherPagesLines = 51;
// Lines of the seabed check page without and with corrosion.
constexpr int kSeabedCheckLines = 21;
constexpr int kSeabedCheckCorrodedLines = 35;

enum class Member { Chang, Other };

bool port_standard(const StabilityReport& r) {
    return r.input.swdat.design_standard == DesignStandard::Port;
}

bool zones_differ(const StabilityReport& r) {
    return r.results.corrosion.case_flag == kCorrosionZonesDiffer;
}

// Chang's δ after corrosion takes β and the embedded I of the seabed-mud
// section, or, by the customisation, of the sea-water section.
bool chang_mud_section(const StabilityReport& r) {
    return r.custom.chang_displacement_rule == ChangDisplacementRule::MudThenSeaWater;
}

// The section a corrosion slot's embedded values come from.
std::size_t chang_embedded_section(const StabilityReport& r, std::size_t slot) {
    if (slot == 0) return kSectionUncorroded;
    return chang_mud_section(r) ? kSectionSeabedMud : kSectionSeaWater;
}

// I of a section: with joint efficiency the one of the section calculation.
double section_inertia(const StabilityReport& r, std::size_t section) {
    const DecidedPile& p = r.results.decided;
    return r.results.joint_efficiency_flag == 1 ? p.inertia_beta[section] : p.inertia[section];
}

// The free length H from the virtual seabed of the case to the crown the
// head displacement is taken at.
double free_length(const StabilityReport& r, std::size_t c) {
    const double crown = r.study_mode == kConstructionStageMode
                             ? r.input.tjkn1.pile_crown
                             : r.input.tjkn1.superstructure_crown;
    return crown - r.force_case.base[c].level;
}

std::size_t slot_count(const StabilityReport& r) {
    return r.with_corrosion() ? kStateCount : 1;
}

void write_slot_label(PageFile& page, const StabilityReport& r, std::size_t slot) {
    if (slot == 1)
        page.value(99, "腐食後");
    else if (r.with_corrosion())
        page.value(99, "腐食前");
}

// " T$S1$Z", " W$S1$Z", " S$S $Z", " H$S1 $Z".
std::string load_name(const CantileverLoad& load) {
    switch (load.kind) {
    case CantileverLoadKind::InputForce:
        return format_text(" T$S%d$Z", load.number);
    case CantileverLoadKind::DynamicWater:
        return format_text(" W$S%d$Z", load.number);
    case CantileverLoadKind::StillWater:
        return " S$S $Z";
    case CantileverLoadKind::ForceLine:
        break;
    }
    return format_text(" H$S%-2d$Z", load.number);
}

void write_heading(PageFile& page, const StabilityReport& r, Member member, int item_no) {
    const bool port = port_standard(r);
    const bool chang = member == Member::Chang;
    if (zones_differ(r)) {
        page.reserve(!chang                 ? kOtherPagesLines
                     : chang_mud_section(r) ? kChangPagesMudLines
                                            : kChangPagesSeaLines);
    }
    const char* heading =
        chang ? (port ? "Y_HENI11.PFM" : "Y_HENI1.PFM") : (port ? "Y_HENI21.PFM" : "Y_HENI2.PFM");
    page.block(kSamePage, heading, kDisplacementFigureName);
    page.formatted(99, "%3d", item_no);
    if (!zones_differ(r)) return;
    // The note on the sections the corroded state takes.
    if (chang && !chang_mud_section(r))
        page.block(kSamePage, "Y_HENI1C.PFM");
    else
        page.block(kSamePage, port ? "Y_HENI1B.PFM" : "Y_HENI1A.PFM");
}

// The loads of the case beside their stored LoadItem rows, one row each.
void write_load_table(PageFile& page, const StabilityReport& r, std::size_t c) {
    const std::vector<CantileverLoad> loads =
        cantilever_loads(r.input, r.force_case, r.study_mode, static_cast<int>(c));
    const CaseAreas& areas = r.results.areas;
    // A load without its row (or a row without its load) would shift every
    // factor onto the wrong load.
    if (static_cast<int>(loads.size()) != areas.load_item_count ||
        loads.size() > areas.load_items.size()) {
        stop_with_error(format_text("(ERROR)-変位量計算の荷重の件数(%d)が根入れ部計算結果"
                                    "ファイル(neire.prn)の荷重の件数(%d)と一致しません.",
                                    static_cast<int>(loads.size()), areas.load_item_count));
    }
    const double h = free_length(r, c);
    page.table_begin();
    page.block(BlockStart::new_page, "HENKEI1.PFM");
    page.heading("HENKEIHD.PFM");
    page.footing("HENKEIFT.PFM");
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const LoadItem& item = areas.load_items[i];
        page.block(kSamePage, "HENKEI2.PFM");
        page.value(0, load_name(loads[i]));
        page.formatted(1, "%8.3lf", loads[i].force);
        page.formatted(2, "%6.3lf", loads[i].printed);
        page.formatted(3, "%6.3lf", h);
        page.formatted(4, "%8.3lf", item.ratio);
        page.formatted(5, "%8.3lf", item.factor);
        page.formatted(6, "%8.3lf", item.term);
    }
    page.block(kSamePage, "HENKEI3.PFM");
    page.formatted(0, "%8.3lf", r.results.level_displacement.load_sum[c]);
    page.clear_heading_and_footing();
    page.table_end();
}

// δ of the slot against the allowable displacement of the case.
void write_displacement_verdict(PageFile& page, const StabilityReport& r, std::size_t c,
                                std::size_t slot) {
    const double allowable = r.results.design_values.allowable_displacement[c];
    const CheckMarks marks =
        check_marks_within(r.results.level_displacement.total[c][slot], allowable);
    page.value(11, marks.mark);
    page.formatted(12, "%6.3lf", allowable);
    page.value(13, marks.verdict);
}

void write_chang_slot(PageFile& page, const StabilityReport& r, std::size_t c, std::size_t slot) {
    const LevelDisplacementBlock& d = r.results.level_displacement;
    const std::size_t embedded = chang_embedded_section(r, slot);
    const std::size_t above = slot == 0 ? kSectionUncorroded : kSectionSeaWater;
    page.block(kSamePage, port_standard(r) ? "Y_HENI31.PFM" : "Y_HENI3.PFM");
    write_slot_label(page, r, slot);
    page.formatted(98, "%6.1lf", r.results.design_values.young_modulus);
    page.value(97, "10$U2$Z");
    page.formatted(0, "%6.3lf", r.results.areas.chang.beta[embedded]);
    page.formatted(1, "%6.3lf", r.force_case.lever_arm);
    page.formatted(2, "%8.3lf", r.force_case.total_force);
    page.formatted(3, "%10.0lf", section_inertia(r, embedded));
    page.formatted(10, "%10.0lf", section_inertia(r, above));
    page.formatted(4, "%6.3lf", d.seabed_deflection[c][slot]);
    page.formatted(5, "%6.3lf", free_length(r, c));
    page.formatted(6, "%6.3lf", d.rotation_term[c][slot]);
    page.formatted(7, "%8.3lf", d.load_sum[c]);
    page.formatted(8, "%6.3lf", d.cantilever_term[c][slot]);
    page.formatted(9, "%6.3lf", d.total[c][slot]);
    write_displacement_verdict(page, r, c, slot);
}

// θ at the head (rad) of the slot's section: before corrosion, or the
// seabed-mud section after it; the curves' value with the rigidity of the
// section calculation, as the head displacement took it.
double head_angle(const StabilityReport& r, std::size_t slot, DisplacementSource source) {
    const std::size_t s = slot == 0 ? kSectionUncorroded : kSectionSeabedMud;
    if (source == DisplacementSource::Curves)
        return r.results.areas.koken.result[kKokenSlope + koken_index(s, 0)];
    return r.results.areas.matrix.nodes[s].angle[0];
}

void write_other_slot(PageFile& page, const StabilityReport& r, std::size_t c, std::size_t slot,
                      DisplacementSource source) {
    const LevelDisplacementBlock& d = r.results.level_displacement;
    page.block(kSamePage, port_standard(r) ? "Y_HENI41.PFM" : "Y_HENI4.PFM");
    write_slot_label(page, r, slot);
    page.formatted(98, "%6.1lf", r.results.design_values.young_modulus);
    page.value(97, "10$U2$Z");
    page.formatted(0, "%6.3lf", d.seabed_deflection[c][slot]);
    page.formatted(1, "%6.3lf", head_angle(r, slot, source) * 1000.0);
    page.formatted(2, "%6.3lf", free_length(r, c));
    page.formatted(3, "%6.3lf", d.rotation_term[c][slot]);
    page.formatted(4, "%8.3lf", d.load_sum[c]);
    page.formatted(5, "%10.0lf",
                   section_inertia(r, slot == 0 ? kSectionUncorroded : kSectionSeaWater));
    page.formatted(6, "%6.3lf", d.cantilever_term[c][slot]);
    page.formatted(7, "%6.3lf", d.total[c][slot]);
    write_displacement_verdict(page, r, c, slot);
}

bool displacement_pages_on(const StabilityReport& r) {
    return check_switches(r.input.swdat.decision_code).displacement;
}

bool seabed_check_on(const StabilityReport& r) {
    return check_switches(r.input.swdat.decision_code).reaction;
}

// The constant of the reaction at the virtual seabed: k of the layer there,
// or k_c of the C-type ground.
double layer_constant(const StabilityReport& r) {
    const ForceCase& fc = r.force_case;
    return fc.start_index >= 0 ? fc.layers[static_cast<std::size_t>(fc.start_index)].kh : 0.0;
}

// The seabed check after its heading: per slot the constant, δ1 in metres
// and p, then the decisive p against the earth-pressure intensity.
void write_seabed_check(PageFile& page, const StabilityReport& r, std::size_t c, Member member,
                        double constant) {
    const LevelDisplacementBlock& d = r.results.level_displacement;
    const bool chang = member == Member::Chang;
    for (std::size_t slot = 0; slot < slot_count(r); ++slot) {
        if (chang) {
            page.block(kSamePage, "CYNHNRK1.PFM");
            write_slot_label(page, r, slot);
        } else {
            page.block(kSamePage, "KKNHNRK1.PFM", "KKNHNRK1.PZK");
            write_slot_label(page, r, slot);
            page.value(98, "$Sc$Z");
            page.value(97, "1.0");
            page.value(96, "kN/m$U2.5$Z");
        }
        page.formatted(0, "%8.1lf", constant);
        page.formatted(1, "%8.5lf", d.seabed_deflection[c][slot] / 100.0);
        page.formatted(2, "%8.3lf", d.reaction[c][slot]);
    }
    double p = d.reaction[c][0];
    if (!r.with_corrosion()) {
        page.block(kSamePage, chang ? "CYNHNRK3.PFM" : "KKNHNRK3.PFM");
    } else {
        page.block(kSamePage, chang ? "CYNHNRK2.PFM" : "KKNHNRK2.PFM");
        page.formatted(2, "%8.3lf", d.reaction[c][0]);
        page.formatted(4, "%8.3lf", d.reaction[c][1]);
        // Equal reactions take the corroded state.
        const bool corroded = d.reaction[c][0] <= d.reaction[c][1];
        page.value(5, corroded ? " ＜ " : " ＞ ");
        page.value(6, corroded ? "腐食後" : "腐食前");
        p = d.reaction[c][corroded ? 1 : 0];
    }
    const double intensity = r.force_case.base[c].pressure;
    page.formatted(7, "%8.3lf", intensity);
    page.formatted(8, "%8.3lf", p);
    // The construction-stage force file carries no passive pressure at the
    // virtual seabed (0.0): the calculation does not check the reaction
    // there, and neither does the page.
    if (r.study_mode != kCompletedStateMode) {
        const CheckMarks none = check_marks(kNotChecked);
        page.value(9, none.mark);
        page.value(10, none.verdict);
        page.value(11, "対象外");
        return;
    }
    const CheckMarks marks = check_marks_within(p, intensity);
    page.value(9, marks.mark);
    page.value(10, marks.verdict);
    page.value(11, p <= intensity ? "許容内" : "許容外");
}

} // namespace

int write_chang_displacement_pages(PageFile& page, const StabilityReport& r, int case_index,
                                   int item_no) {
    if (!displacement_pages_on(r)) return item_no;
    const auto c = static_cast<std::size_t>(case_index);
    write_heading(page, r, Member::Chang, item_no);
    write_load_table(page, r, c);
    for (std::size_t slot = 0; slot < slot_count(r); ++slot)
        write_chang_slot(page, r, c, slot);
    return item_no + 1;
}

int write_displacement_pages(PageFile& page, const StabilityReport& r, int case_index, int item_no,
                             DisplacementSource source) {
    if (!displacement_pages_on(r)) return item_no;
    const auto c = static_cast<std::size_t>(case_index);
    write_heading(page, r, Member::Other, item_no);
    write_load_table(page, r, c);
    for (std::size_t slot = 0; slot < slot_count(r); ++slot)
        write_other_slot(page, r, c, slot, source);
    return item_no + 1;
}

int write_chang_seabed_check_page(PageFile& page, const StabilityReport& r, int case_index,
                                  int item_no) {
    if (!seabed_check_on(r)) return item_no;
    page.reserve(r.with_corrosion() ? kSeabedCheckCorrodedLines : kSeabedCheckLines);
    page.block(kSamePage, "CYANHNRK.PFM");
    page.formatted(99, "%3d", item_no);
    write_seabed_check(page, r, static_cast<std::size_t>(case_index), Member::Chang,
                       layer_constant(r));
    return item_no + 1;
}

int write_koken_seabed_check_page(PageFile& page, const StabilityReport& r, int case_index,
                                  int item_no, SeabedCheckKind kind) {
    if (!seabed_check_on(r)) return item_no;
    page.reserve(r.with_corrosion() ? kSeabedCheckCorrodedLines : kSeabedCheckLines);
    page.block(kSamePage, "KOKNHNRK.PFM", "KOKNHNRK.PZK");
    page.formatted(99, "%3d", item_no);
    page.value(98, "$Sc$Z");
    page.value(97, "1.0");
    page.value(96, "kN/m$U2.5$Z");
    const double constant = kind == SeabedCheckKind::CType
                                ? r.results.design_values.lateral_constant
                                : layer_constant(r);
    write_seabed_check(page, r, static_cast<std::size_t>(case_index), Member::Other, constant);
    return item_no + 1;
}

} // namespace wtn
