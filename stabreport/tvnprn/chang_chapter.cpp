#include "chang_chapter.h"

#include "displacement_figure.h"
#include "displacement_pages.h"
#include "pile_beta.h"
#include "report_chapter.h"
#include "rounding.h"
#include "stress_pages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace wtn {

namespace {

constexpr BlockStart kSamePage = BlockStart::same_page;

// Two lateral constants closer than this count as one.
constexpr double kConstantTolerance = 0.001;
// The first numbered block of the chapter follows the β and moment pages,
// which the heading numbers 1) and 2).
constexpr int kFirstChangItem = 3;

// Lines the moment pages take, without and with the corroded state.
constexpr int kMomentLines = 27;
constexpr int kMomentCorrodedLines = 39;
// Lines the uniform-ground embedment pages take.
constexpr int kEmbedmentLines = 33;
constexpr int kEmbedmentCorrodedLines = 43;
// Varying ground: the lines of a slot are 2 per layer row plus these.
constexpr int kLayeredSlotLines = 11;

std::size_t slot_section(std::size_t slot) {
    return slot == 0 ? kSectionUncorroded : kSectionSeabedMud;
}

std::size_t slot_count(const StabilityReport& r) {
    return r.with_corrosion() ? kStateCount : 1;
}

const ForceLayerRow& layer(const StabilityReport& r, int index) {
    return r.force_case.layers[static_cast<std::size_t>(index)];
}

bool is_last_row(const StabilityReport& r, int index) {
    return index + 1 >= r.force_case.layer_count;
}

double start_constant(const StabilityReport& r) {
    return layer(r, r.force_case.start_index).kh;
}

// The thickness of a layer row below the virtual seabed: the start row
// counts only from the virtual seabed down.
double thickness_below_seabed(const StabilityReport& r, std::size_t c, int index) {
    if (index == r.force_case.start_index)
        return r.force_case.base[c].level - layer(r, index + 1).level;
    return layer(r, index).thickness;
}

double embedment_numerator(const StabilityReport& r) {
    return chang_numerator_in_use(r.custom);
}

// The labels of the three section states on the β pages.
std::array<const char*, kSectionCount> beta_labels(std::int32_t case_flag) {
    if (case_flag == kCorrosionZonesDiffer)
        return {"腐食前", "腐食後（海  中  部）", "腐食後（海底泥層中）"};
    if (case_flag == kCorrosionZonesSame) return {"腐食前", "", "腐食後"};
    return {"", "", ""};
}

// The section states the β pages show: before corrosion; the sea-water
// state only when the displacement takes it (customisation 14) and the zones
// differ; the seabed-mud state whenever there is corrosion.
std::vector<std::size_t> beta_states(const StabilityReport& r) {
    std::vector<std::size_t> states{kSectionUncorroded};
    if (!r.with_corrosion()) return states;
    if (r.custom.chang_displacement_rule != ChangDisplacementRule::MudThenSeaWater &&
        r.results.corrosion.case_flag == kCorrosionZonesDiffer)
        states.push_back(kSectionSeaWater);
    states.push_back(kSectionSeabedMud);
    return states;
}

// I of the β of the section: with joint efficiency the one of the section
// calculation.
double section_inertia(const StabilityReport& r, std::size_t s) {
    const DecidedPile& p = r.results.decided;
    return r.results.joint_efficiency_flag == 1 ? p.inertia_beta[s] : p.inertia[s];
}

// I and EI of the embedment length: with joint efficiency those of the
// embedment calculation.
struct EmbedmentSection {
    double inertia = 0.0;
    double rigidity = 0.0;
};
EmbedmentSection embedment_section(const StabilityReport& r, std::size_t s) {
    const DecidedPile& p = r.results.decided;
    if (r.results.joint_efficiency_flag != 1) return {p.inertia[s], p.rigidity[s]};
    return {p.inertia_embed[s],
            flexural_rigidity(r.results.design_values.young_modulus, p.inertia_embed[s])};
}

double rounded_beta(double k, double rigidity) {
    return round_dec(pile_beta(k, rigidity), 3);
}

void write_corrosion_label(PageFile& page, const StabilityReport& r, int code, std::size_t slot) {
    if (r.with_corrosion()) page.value(code, slot == 0 ? "腐食前" : "腐食後");
}

void write_uniform_embedment(PageFile& page, const StabilityReport& r, std::size_t c, int item_no) {
    const double young = r.results.design_values.young_modulus;
    const double n = embedment_numerator(r);
    const double k = start_constant(r);
    page.reserve(r.with_corrosion() ? kEmbedmentCorrodedLines : kEmbedmentLines);
    page.block(kSamePage, "CYANLEN1.PFM", "CYANLEN1.PZK");
    page.formatted(99, "%3d", item_no);
    page.formatted(98, "%4.2lf", n);
    for (std::size_t slot = 0; slot < slot_count(r); ++slot) {
        const EmbedmentSection section = embedment_section(r, slot_section(slot));
        page.block(kSamePage, "CYANLEN8.PFM");
        page.formatted(95, "%4.2lf", n);
        write_corrosion_label(page, r, 99, slot);
        page.formatted(98, "%6.1lf", young);
        page.value(97, "10$U6$Z");
        page.formatted(0, "%8.1lf", k);
        page.formatted(1, "%10.0lf", section.inertia);
        page.value(96, "10$U-8$Z");
        page.formatted(2, "%6.3lf", rounded_beta(k, section.rigidity));
        page.formatted(3, "%6.3lf", r.results.level_displacement.embedment[c][slot]);
    }
}

// The rows of the layered walk for one slot: 1 for the start, 1 per row
// passed above the lower end B, and 1 more when the walk ran into the
// bottom boundary (the last layer then reaches on below it).
int layered_row_count(const StabilityReport& r, double lower_end) {
    int rows = 1;
    int a = r.force_case.start_index;
    while (!is_last_row(r, a) && layer(r, a + 1).level >= lower_end) {
        ++rows;
        ++a;
    }
    if (is_last_row(r, a)) ++rows;
    return rows;
}

void write_layer_row(PageFile& page, int row, double k, double rigidity) {
    page.block(kSamePage, "CYANLEN4.PFM");
    page.formatted(0, "$S%2d$Z", row);
    page.formatted(3, "%8.1lf", k);
    page.formatted(1, "%6.3lf", rounded_beta(k, rigidity));
}

void write_layered_slot(PageFile& page, const StabilityReport& r, std::size_t c, std::size_t slot) {
    const double length = r.results.level_displacement.embedment[c][slot];
    const double lower_end = r.force_case.base[c].level - length;
    const EmbedmentSection section = embedment_section(r, slot_section(slot));

    page.reserve(2 * layered_row_count(r, lower_end) + kLayeredSlotLines);
    page.block(kSamePage, "CYANLEN3.PFM");
    write_corrosion_label(page, r, 0, slot);
    page.formatted(98, "%6.1lf", r.results.design_values.young_modulus);
    page.value(95, "10$U6$Z");
    page.formatted(96, "%10.0lf", section.inertia);
    page.value(97, "10$U-8$Z");

    int row = 1;
    double sum = 0.0;
    int a = r.force_case.start_index;
    bool holds_lower_end = false;
    for (; !is_last_row(r, a); ++a) {
        write_layer_row(page, row, layer(r, a).kh, section.rigidity);
        if (layer(r, a + 1).level < lower_end) {
            holds_lower_end = true;
            break;
        }
        const double t = thickness_below_seabed(r, c, a);
        page.formatted(2, "ｌ$S%2d$Z＝%6.3lf m", row, t);
        sum += t;
        ++row;
    }
    // L reaches below the bottom boundary: the calculation carries the last
    // layer on down (the boundary row itself holds no constant), and so does
    // the row shown for that part.
    if (!holds_lower_end) {
        const int last_layer = std::max(r.force_case.start_index, r.force_case.layer_count - 2);
        write_layer_row(page, row, layer(r, last_layer).kh, section.rigidity);
    }
    page.block(kSamePage, "CYANLEN5.PFM");
    // + 0.0 keeps a lower end right on a boundary from printing -0.000.
    page.formatted(0, "%6.3lf", round_dec(length - sum, 3) + 0.0);
    page.formatted(1, "%6.3lf", sum);
    page.formatted(2, "%6.3lf", length);
}

void write_layered_embedment(PageFile& page, const StabilityReport& r, std::size_t c, int item_no) {
    page.block(kSamePage, "CYANLEN2.PFM", "CYANLEN2.PZK");
    page.formatted(99, "%3d", item_no);
    page.formatted(98, "%4.2lf", embedment_numerator(r));
    for (std::size_t slot = 0; slot < slot_count(r); ++slot)
        write_layered_slot(page, r, c, slot);
}

// The decisive L: the longer of the two slots, after corrosion when equal.
void write_embedment_decision(PageFile& page, const StabilityReport& r, std::size_t c) {
    const PerCaseState& length = r.results.level_displacement.embedment;
    double decisive = length[c][0];
    if (r.with_corrosion()) {
        page.block(kSamePage, "CYANLEN6.PFM");
        page.formatted(0, "%6.3lf", length[c][0]);
        page.formatted(1, "%6.3lf", length[c][1]);
        const bool after = length[c][0] <= length[c][1];
        page.value(2, after ? " ＜ " : " ＞ ");
        decisive = after ? length[c][1] : length[c][0];
    } else {
        page.block(kSamePage, "CYANLEN7.PFM");
    }
    page.value(3, c == kNormalCase ? "常  時" : "地震時");
    page.formatted(4, "%6.3lf", decisive);
}

} // namespace

bool ground_varies(const StabilityReport& r, int case_index, GroundVariesOver mode) {
    const double ks = start_constant(r);
    auto differs = [ks](double k) { return std::fabs(ks - k) >= kConstantTolerance; };
    if (mode == GroundVariesOver::BetaDepth) {
        for (double kh : r.results.areas.chang.kh)
            if (differs(kh)) return true;
        return false;
    }
    const std::size_t c = static_cast<std::size_t>(case_index);
    for (std::size_t slot = 0; slot < kStateCount; ++slot) {
        const double length = r.results.level_displacement.embedment[c][slot];
        double depth = 0.0;
        for (int a = r.force_case.start_index; !is_last_row(r, a) && depth < length; ++a) {
            if (differs(layer(r, a).kh)) return true;
            depth += thickness_below_seabed(r, c, a);
        }
    }
    return false;
}

void write_beta_pages(PageFile& page, const StabilityReport& r, int case_index, bool varies) {
    (void)case_index; // β of the chapter's case is what ChangResult holds
    const ChangResult& chang = r.results.areas.chang;
    const auto labels = beta_labels(r.results.corrosion.case_flag);
    if (varies) {
        page.block(BlockStart::new_page, "CYAN2.PFM", "CYAN2.PZK");
        for (std::size_t s : beta_states(r)) {
            page.block(kSamePage, "CYAN21.PFM");
            page.value(99, labels[s]);
            page.formatted(0, "%10.0lf", section_inertia(r, s));
            page.value(96, "10$U-8$Z");
            page.formatted(1, "%10.1lf", chang.kh[s]);
            page.formatted(2, "%10.3lf", chang.beta[s]);
        }
        return;
    }
    page.block(BlockStart::new_page, "NEIRE_T.PFM");
    page.block(kSamePage, "CYAN1.PFM", "CYAN1.PZK");
    page.value(99, " 1) 矢板断面計算用地盤の特性値(β)を求める");
    // The values of each section state under the one sketch beside the formula.
    for (std::size_t s : beta_states(r)) {
        page.block(kSamePage, "CYAN11.PFM");
        page.value(99, labels[s]);
        page.formatted(98, "%6.1lf", r.results.design_values.young_modulus);
        page.formatted(0, "%8.1lf", chang.kh[s]);
        page.value(97, "10$U6$Z");
        page.formatted(1, "%10.0lf", section_inertia(r, s));
        page.value(96, "10$U-8$Z");
        page.formatted(2, "%6.3lf", chang.beta[s]);
    }
}

void write_moment_pages(PageFile& page, const StabilityReport& r, int case_index) {
    (void)case_index;
    const ChangResult& chang = r.results.areas.chang;
    const ForceCase& fc = r.force_case;
    page.reserve(r.with_corrosion() ? kMomentCorrodedLines : kMomentLines);
    page.block(kSamePage, "CYAN3.PFM", "CYAN3.PZK");
    for (std::size_t slot = 0; slot < slot_count(r); ++slot) {
        const std::size_t s = slot_section(slot);
        page.block(kSamePage, "CYAN31.PFM");
        write_corrosion_label(page, r, 99, slot);
        page.formatted(0, "%6.3lf", chang.beta[s]);
        page.formatted(1, "%6.3lf", fc.lever_arm);
        page.formatted(2, "%8.3lf", fc.total_moment);
        // TVNCAL keeps Chang's M_max with the sign of the deflection
        // (negative under a load towards the sea); the page states its
        // magnitude in the load's sense, as the stress pages do.
        page.formatted(3, "%10.3lf", -chang.moment[s]);
    }
}

void write_chang_embedment_pages(PageFile& page, const StabilityReport& r, int case_index,
                                 int item_no, bool varies) {
    const std::size_t c = static_cast<std::size_t>(case_index);
    if (varies)
        write_layered_embedment(page, r, c, item_no);
    else
        write_uniform_embedment(page, r, c, item_no);
    write_embedment_decision(page, r, c);
}

void write_chang_report(const StabilityReport& r, int case_index, int level_index) {
    ReportChapter chapter = open_chapter(r, case_index, level_index);
    PageFile& page = *chapter.page;
    write_beta_pages(page, r, case_index,
                     ground_varies(r, case_index, GroundVariesOver::BetaDepth));
    write_moment_pages(page, r, case_index);

    int item_no = kFirstChangItem;
    item_no = r.concrete_pile ? write_cracking_moment_page(page, r, case_index, item_no)
                              : write_stress_check_page(page, r, case_index, item_no);
    if (steel_pipe_pages_on(r)) {
        item_no =
            write_lmmax_position_page(page, r, case_index, item_no, r.results.areas.chang.beta);
        item_no = write_lmmax_pressure_page(page, r, case_index, item_no);
        item_no = write_secondary_stress_page(page, r, case_index, item_no);
        item_no = write_combined_stress_page(page, r, case_index, item_no);
    }
    draw_displacement_figure(r);
    item_no = write_chang_displacement_pages(page, r, case_index, item_no);
    item_no = write_chang_seabed_check_page(page, r, case_index, item_no);
    write_chang_embedment_pages(page, r, case_index, item_no,
                                ground_varies(r, case_index, GroundVariesOver::Embedment));
    page.close();
}

} // namespace wtn
