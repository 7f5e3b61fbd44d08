#include "stress_pages.h"

#include "check_marks.h"
#include "result_areas.h"
#include "stability_switches.h"

#include <cmath>

namespace wtn {

namespace {

constexpr BlockStart kSamePage = BlockStart::same_page;

// Lines the steel-pipe pages take without and with the corroded state.
constexpr int kPositionLines = 19;
constexpr int kPositionCorrodedLines = 27;
constexpr int kPressureRowLines = 13; // the depth falls on a row of the difference table
constexpr int kPressureInterpolatedLines = 10;
constexpr int kPressureCorrodedRowLines = 11;
constexpr int kPressureCorrodedInterpolatedLines = 8;
constexpr int kSecondaryLines = 19;
constexpr int kSecondaryCorrodedLines = 25;
constexpr int kCombinedNormalLines = 15;
constexpr int kCombinedNormalCorrodedLines = 21;
constexpr int kCombinedSeismicLines = 17;
constexpr int kCombinedSeismicCorrodedLines = 23;

// The position flag of the pressure difference: the depth of the maximum
// moment on a row of the difference table.
constexpr std::int32_t kAtTableRow = 1;

// A relation line and a verdict line.
void write_verdict(PageFile& page, int mark_code, int verdict_code, double value, double limit) {
    const CheckMarks m = check_marks_within(value, limit);
    page.value(mark_code, m.mark);
    page.value(verdict_code, m.verdict);
}

// Z the stresses were computed with: with joint efficiency the one with the
// factor of the section calculation.
double stress_modulus(const StabilityReport& r, std::size_t section) {
    const DecidedPile& p = r.results.decided;
    return r.results.joint_efficiency_flag == 1 ? p.stress_modulus[section] : p.modulus[section];
}

// The steel-pipe pages show the state before corrosion (slot 0) and, with
// corrosion, the seabed-mud state (slot 1).
std::size_t pipe_slot_count(const StabilityReport& r) {
    return r.with_corrosion() ? kStateCount : 1;
}
std::size_t pipe_section(std::size_t slot) {
    return slot == 0 ? kSectionUncorroded : kSectionSeabedMud;
}
void write_pipe_label(PageFile& page, const StabilityReport& r, std::size_t slot) {
    if (slot == 1)
        page.value(99, "(腐食後)");
    else
        page.value(99, r.with_corrosion() ? "(腐食前)" : "");
}

// " - " subtracts a quantity printed as its absolute value when it is 0 or
// more, " + " when it is negative.
const char* subtracting_operator(double value) {
    return value >= 0.0 ? " - " : " + ";
}

// The curve methods may take the maximum moment for the sea-water section
// (customisation 17) rather than the moment at the virtual seabed.
bool sea_water_maximum_moment(const StabilityReport& r) {
    const EmbedmentMethod method = r.method();
    const bool curves = is_curve_method(method);
    return curves && r.custom.koken_sea_moment_rule != KokenSeaMomentRule::AtVirtualSeabed;
}

// The lines of one section state of the stress check: |M|, Z, σ and the
// verdict against the allowable stress.
struct StressLines {
    int moment, modulus, stress, mark, verdict;
};

void write_stress_state(PageFile& page, const StabilityReport& r, std::size_t c, std::size_t s,
                        const StressLines& codes) {
    const LevelSolverBlock& solver = r.results.level_solver;
    page.formatted(codes.moment, "%10.3lf", std::fabs(solver.moment[c][s]));
    page.formatted(codes.modulus, "%10.0lf", stress_modulus(r, s));
    page.formatted(codes.stress, "%7.1lf", solver.bending_stress[c][s]);
    write_verdict(page, codes.mark, codes.verdict, solver.bending_stress[c][s],
                  r.results.design_values.allowable_stress[c]);
}

} // namespace

bool steel_pipe_pages_on(const StabilityReport& r) {
    return r.study_mode == kCompletedStateMode &&
           r.input.swdat.completed_cases != CompletedCases::SeismicOnly &&
           r.pile_type() == PileType::SteelPipe && r.input.nir_t.pipe_secondary_check == YesNo::Yes;
}

int write_stress_check_page(PageFile& page, const StabilityReport& r, int case_index, int item_no) {
    if (!check_switches(r.input.swdat.decision_code).stress) return item_no;
    const std::size_t c = static_cast<std::size_t>(case_index);
    const std::int32_t flag = r.results.corrosion.case_flag;
    page.block(kSamePage, flag == kCorrosionZonesDiffer ? "Y_ORYK1.PFM"
                          : flag == kCorrosionZonesSame ? "Y_ORYK2.PFM"
                                                        : "Y_ORYK3.PFM");
    page.formatted(99, "%3d", item_no);
    page.formatted(9, "%6.1lf", r.results.design_values.allowable_stress[c]);
    write_stress_state(page, r, c, kSectionUncorroded, {3, 4, 5, 10, 13});
    if (r.with_corrosion()) write_stress_state(page, r, c, kSectionSeabedMud, {6, 7, 8, 11, 14});
    if (flag == kCorrosionZonesDiffer) {
        if (sea_water_maximum_moment(r)) {
            page.value(98, "σ$Smax$Z");
            page.value(97, "Ｍ$Smax$Z");
        } else {
            page.value(98, "σ$Sm$Z  ");
            page.value(97, "  Ｍ$S0$Z");
        }
        write_stress_state(page, r, c, kSectionSeaWater, {0, 1, 2, 12, 15});
    }
    return item_no + 1;
}

int write_cracking_moment_page(PageFile& page, const StabilityReport& r, int case_index,
                               int item_no) {
    if (!check_switches(r.input.swdat.decision_code).stress) return item_no;
    const std::size_t c = static_cast<std::size_t>(case_index);
    const double limit = r.results.design_values.allowable_stress[c];
    // The seismic case, and the construction stage whose force file names
    // it (mode 1), allow twice the cracking moment: the page names that
    // limit, not Mγ itself.
    const bool twice = case_index == kSeismicCase || r.study_mode == kConstructionStageMode;
    page.block(kSamePage, "Y_MMAX1.PFM");
    page.formatted(99, "%3d", item_no);
    if (twice) {
        page.formatted(0, "破壊規定モーメント Ｍγ'= 2･Ｍγ = %8.3lf kN･m/m", limit);
        page.value(1, "Ｍγ'");
    } else {
        page.formatted(0, "ひび割れモーメント Ｍγ = %8.3lf kN･m/m", limit);
        page.value(1, "Ｍγ");
    }
    page.formatted(2, "%8.3lf", limit);
    // The page prints |M| and judges what it prints: a moment of either
    // sign cracks the pile alike, as the calculation's own flag has it.
    const double moment = std::fabs(r.results.level_solver.moment[c][kSectionUncorroded]);
    page.formatted(3, "%10.3lf", moment);
    write_verdict(page, 4, 5, moment, limit);
    return item_no + 1;
}

int write_lmmax_position_page(PageFile& page, const StabilityReport& r, int case_index, int item_no,
                              const PerSection& betas) {
    if (case_index != kNormalCase) return item_no;
    const LevelSolverBlock& solver = r.results.level_solver;
    const double seabed = r.force_case.base[kNormalCase].level;
    page.reserve(r.with_corrosion() ? kPositionCorrodedLines : kPositionLines);
    page.block(kSamePage, "LMMAX1.PFM");
    page.formatted(99, "%2d)", item_no);
    for (std::size_t k = 0; k < pipe_slot_count(r); ++k) {
        const std::size_t s = pipe_section(k);
        page.block(kSamePage, "LMMAX2.PFM");
        write_pipe_label(page, r, k);
        page.formatted(0, "%6.3lf", betas[s]);
        page.formatted(1, "%6.3lf", r.force_case.lever_arm);
        page.formatted(2, "%6.3lf", solver.max_moment_depth[kNormalCase][s]);
        page.formatted(3, "%6.3lf", seabed);
        page.formatted(4, "%6.3lf", seabed - solver.max_moment_depth[kNormalCase][s]);
    }
    return item_no + 1;
}

int write_lmmax_pressure_page(PageFile& page, const StabilityReport& r, int case_index,
                              int item_no) {
    if (case_index != kNormalCase) return item_no;
    const PipeStressBlock& p = r.results.pipe_stress;
    int lines = p.search_status[0] == kAtTableRow ? kPressureRowLines : kPressureInterpolatedLines;
    if (r.with_corrosion())
        lines += p.search_status[1] == kAtTableRow ? kPressureCorrodedRowLines
                                                   : kPressureCorrodedInterpolatedLines;
    page.reserve(lines);
    page.block(kSamePage, "LMMAXP1.PFM");
    page.formatted(99, "%2d)", item_no);
    for (std::size_t k = 0; k < pipe_slot_count(r); ++k) {
        const double upper = p.bracket_difference[k][0];
        const double lower = p.bracket_difference[k][1];
        if (p.search_status[k] == kAtTableRow) {
            page.block(kSamePage, "LMMAXP3.PFM");
            write_pipe_label(page, r, k);
            page.formatted(0, "%8.3lf", upper);
            page.formatted(1, "%8.3lf", lower);
            page.formatted(2, "%8.3lf", p.pressure_difference[k]);
            continue;
        }
        // Interpolated: p = p1 + (p2 - p1)(z1 - zm)/(z1 - z2), the terms
        // that stand after a minus sign printed as absolute values with the
        // operator that keeps their sign.
        const double top_level = p.bracket_level[k][0];
        const double bottom_level = p.bracket_level[k][1];
        const double moment_level = p.max_moment_level[k];
        page.block(kSamePage, "LMMAXP2.PFM");
        write_pipe_label(page, r, k);
        page.formatted(0, "%8.3lf", upper);
        page.formatted(1, "%8.3lf", lower);
        page.formatted(2, "%8.3lf", std::fabs(upper));
        page.value(98, subtracting_operator(upper));
        page.formatted(3, "%8.3lf", top_level);
        page.formatted(4, "%8.3lf", std::fabs(bottom_level));
        page.value(96, subtracting_operator(bottom_level));
        page.formatted(5, "%8.3lf", std::fabs(moment_level));
        page.value(97, subtracting_operator(moment_level));
        page.formatted(6, "%8.3lf", p.pressure_difference[k]);
    }
    return item_no + 1;
}

int write_secondary_stress_page(PageFile& page, const StabilityReport& r, int case_index,
                                int item_no) {
    if (case_index != kNormalCase) return item_no;
    const PipeStressBlock& p = r.results.pipe_stress;
    const double allowable = r.results.design_values.allowable_stress[kNormalCase];
    page.reserve(r.with_corrosion() ? kSecondaryCorrodedLines : kSecondaryLines);
    page.block(kSamePage, "SIGMA21.PFM");
    page.formatted(99, "%2d)", item_no);
    for (std::size_t k = 0; k < pipe_slot_count(r); ++k) {
        const double secondary = r.results.level_solver.pipe_secondary[kNormalCase][k];
        page.block(kSamePage, "SIGMA22.PFM");
        write_pipe_label(page, r, k);
        page.formatted(0, "%8.3lf", std::fabs(p.pressure_difference[k]));
        page.formatted(1, "%8.2lf", p.outer_diameter[k]);
        page.formatted(2, "%6.2lf", p.wall_thickness[k]);
        page.formatted(3, "%7.1lf", secondary);
        page.formatted(9, "%6.1lf", allowable);
        write_verdict(page, 10, 13, secondary, allowable);
    }
    return item_no + 1;
}

int write_combined_stress_page(PageFile& page, const StabilityReport& r, int case_index,
                               int item_no) {
    const std::size_t c = static_cast<std::size_t>(case_index);
    const bool normal = case_index == kNormalCase;
    const bool corroded = r.with_corrosion();
    const LevelSolverBlock& solver = r.results.level_solver;
    const double allowable = r.results.design_values.allowable_combined[c];
    page.reserve(normal ? (corroded ? kCombinedNormalCorrodedLines : kCombinedNormalLines)
                        : (corroded ? kCombinedSeismicCorrodedLines : kCombinedSeismicLines));
    page.block(kSamePage, "SIGMAF1.PFM", "SIGMAF1.PZK");
    page.formatted(99, "%2d)", item_no);
    // The seismic case takes the ring stress of the normal case: the note
    // says so.
    if (!normal) page.block(kSamePage, "SIGMAF3.PFM");
    for (std::size_t k = 0; k < pipe_slot_count(r); ++k) {
        page.block(kSamePage, "SIGMAF2.PFM", "SIGMAF2.PZK");
        write_pipe_label(page, r, k);
        page.formatted(0, "%7.1lf", solver.bending_stress[c][pipe_section(k)]);
        page.formatted(1, "%7.1lf", solver.pipe_secondary[c][k]);
        page.formatted(2, "%7.1lf", solver.pipe_combined[c][k]);
        page.formatted(9, "%6.1lf", allowable);
        write_verdict(page, 10, 13, solver.pipe_combined[c][k], allowable);
    }
    return item_no + 1;
}

} // namespace wtn
