#include "koken_chapter.h"

#include "displacement_figure.h"
#include "displacement_pages.h"
#include "report_chapter.h"
#include "rounding.h"
#include "stress_pages.h"

#include <array>
#include <cmath>
#include <vector>

namespace wtn {

namespace {

constexpr BlockStart kSamePage = BlockStart::same_page;

// The stress page follows the four fixed blocks of the curve look-up.
constexpr int kFirstKokenItem = 5;

// Lines the blocks take without / with the corroded state.
struct GroupLines {
    int plain;
    int corroded;
};
constexpr GroupLines kCurveLines = {14, 21};
constexpr GroupLines kCurveJointLines = {15, 23};
constexpr GroupLines kMomentLines = {33, 58};
constexpr GroupLines kMomentJointLines = {34, 60};
constexpr GroupLines kHeadLines = {20, 38};
constexpr GroupLines kEmbedmentLines = {15, 23};

// The rigidity variants of the result list: EI with the joint efficiency of
// the section calculation (moments, displacement, angle) and with that of
// the embedment calculation (l1).
constexpr std::size_t kSectionRigidity = 0;
constexpr std::size_t kEmbedmentRigidity = 1;

// EI × 10^-4 as the curves scale it.
constexpr double kRigidityScale = 1.0e-4;
// The angle is stored in radians and printed in 10^-3 rad.
constexpr double kAngleScale = 1000.0;

bool joint_efficiency(const StabilityReport& r) {
    return r.results.joint_efficiency_flag == 1;
}

bool s_type(const StabilityReport& r) {
    return r.method() == EmbedmentMethod::SType;
}

int lines_of(const StabilityReport& r, const GroupLines& lines) {
    return r.with_corrosion() ? lines.corroded : lines.plain;
}

// The states the chapter's own pages show and their corrosion slots.
std::vector<std::size_t> shown_states(const StabilityReport& r) {
    if (!r.with_corrosion()) return {kSectionUncorroded};
    return {kSectionUncorroded, kSectionSeabedMud};
}

void write_state_label(PageFile& page, const StabilityReport& r, std::size_t s) {
    if (r.with_corrosion()) page.value(99, s == kSectionUncorroded ? "腐食前" : "腐食後");
}

double result(const StabilityReport& r, std::size_t offset, std::size_t s, std::size_t u) {
    return r.results.areas.koken.result[offset + koken_index(s, u)];
}
double value_at(const StabilityReport& r, std::size_t offset) {
    return r.results.areas.koken.result[offset];
}
// A curve-row value: the upper (row 0) or lower (row 1) row of k = 2s + u.
double curve(const StabilityReport& r, std::size_t offset, std::size_t s, std::size_t u,
             std::size_t row) {
    return r.results.areas.koken.curve[offset + 2 * koken_index(s, u) + row];
}

// l1 comes from the rigidity of the embedment calculation when the joint
// efficiency makes it differ.
std::size_t length_variant(const StabilityReport& r) {
    return joint_efficiency(r) ? kEmbedmentRigidity : kSectionRigidity;
}

// The exponents c1 to c4 of h0 in the scaled curve terms.
std::array<int, 4> exponents(const StabilityReport& r) {
    return s_type(r) ? std::array<int, 4>{7, 8, 9, 10} : std::array<int, 4>{5, 6, 7, 8};
}

const char* full_width_exponent(int e) {
    static const char* const digits[] = {"  ５", "  ６", "  ７", "  ８", "  ９", "１０"};
    return digits[e - 5];
}

// A sign line and the term printed as its absolute value.
void write_signed_term(PageFile& page, int sign_code, int value_code, double term) {
    page.value(sign_code, term >= 0.0 ? " + " : " - ");
    page.formatted(value_code, "%6.3lf", std::fabs(term));
}

const char* case_name(std::size_t c) {
    return c == kNormalCase ? "常  時" : "地震時";
}

} // namespace

void write_koken_ground_pages(PageFile& page, const StabilityReport& r, int case_index) {
    (void)case_index;
    const DecidedPile& pile = r.results.decided;
    const KokenResult& koken = r.results.areas.koken;
    page.block(BlockStart::new_page, "KOKEN1.PFM");
    for (std::size_t s : shown_states(r)) {
        const double ei_section = joint_efficiency(r) ? pile.rigidity_beta[s] : pile.rigidity[s];
        const double ei_embed = joint_efficiency(r) ? pile.rigidity_embed[s] : pile.rigidity[s];
        page.block(kSamePage, "KOKEN2.PFM");
        write_state_label(page, r, s);
        page.value(98, s_type(r) ? "B$Sks$Z" : "B$Skc$Z");
        page.value(97, s_type(r) ? "$U2.5$Z" : "$U1.5$Z");
        page.formatted(0, "%12.1lf", koken.scale[2]);
        page.formatted(1, "%12.3lf", r.force_case.lever_arm);
        page.formatted(2, "%8.3lf", round_dec(ei_section * kRigidityScale, 3));
        if (joint_efficiency(r))
            page.formatted(10, "%8.3lfx10$U4$Z", round_dec(ei_embed * kRigidityScale, 3));
        else
            page.value(10, "           $U $Z");
        page.formatted(3, "%12.3lf", r.results.design_values.lateral_constant);
        page.formatted(4, "%8.3lf", value_at(r, kKokenHeight));
        page.formatted(5, "%10.3lf", result(r, kKokenRigidity, s, kSectionRigidity));
        if (joint_efficiency(r))
            page.formatted(11, "R$SEI$Z=%10.3lf", result(r, kKokenRigidity, s, kEmbedmentRigidity));
        else
            page.value(11, " $S  $Z           ");
        page.formatted(6, "%10.3lf", value_at(r, kKokenConstant));
        page.formatted(7, "%8.3lf", value_at(r, kKokenLogHeight));
        page.formatted(8, "%8.3lf", result(r, kKokenLogRigidity, s, kSectionRigidity));
        if (joint_efficiency(r))
            page.formatted(12, "%8.3lf", result(r, kKokenLogRigidity, s, kEmbedmentRigidity));
        else
            page.value(12, "        ");
        page.formatted(9, "%8.3lf", value_at(r, kKokenLogConstant));
    }
}

void write_koken_curve_pages(PageFile& page, const StabilityReport& r, int case_index) {
    (void)case_index;
    const bool joint = joint_efficiency(r);
    const std::array<int, 4> c = exponents(r);
    page.reserve(lines_of(r, joint ? kCurveJointLines : kCurveLines));
    page.block(kSamePage, "KOKEN3.PFM");
    for (int i = 0; i < 4; ++i)
        page.value(i, full_width_exponent(c[static_cast<std::size_t>(i)]));
    for (std::size_t s : shown_states(r)) {
        page.block(kSamePage, joint ? "KOKEN4A.PFM" : "KOKEN4.PFM");
        write_state_label(page, r, s);
        for (int i = 0; i < 4; ++i)
            page.formatted(i, "%3d", c[static_cast<std::size_t>(i)]);
        page.formatted(4, "%8.3lf", value_at(r, kKokenLogHeight));
        page.formatted(5, "%8.3lf", result(r, kKokenLogRigidity, s, kSectionRigidity));
        page.formatted(6, "%8.3lf", value_at(r, kKokenLogConstant));
        page.formatted(7, "%8.3lf", result(r, kKokenTerm1, s, kSectionRigidity));
        page.formatted(8, "%8.3lf", result(r, kKokenTerm2, s, kSectionRigidity));
        page.formatted(9, "%8.3lf", result(r, kKokenTerm3, s, kSectionRigidity));
        page.formatted(10, "%8.3lf", result(r, kKokenTerm4, s, kSectionRigidity));
        if (joint) {
            page.formatted(11, "%8.3lf", result(r, kKokenLogRigidity, s, kEmbedmentRigidity));
            page.formatted(12, "%8.3lf", result(r, kKokenTerm1, s, kEmbedmentRigidity));
        }
    }
}

void write_koken_moment_pages(PageFile& page, const StabilityReport& r, int case_index) {
    (void)case_index;
    const bool joint = joint_efficiency(r);
    const std::size_t lv = length_variant(r);
    page.reserve(lines_of(r, joint ? kMomentJointLines : kMomentLines));
    page.block(kSamePage, "KOKEN5.PFM");
    for (std::size_t s : shown_states(r)) {
        page.block(kSamePage, joint ? "KOKEN6A.PFM" : "KOKEN6.PFM");
        write_state_label(page, r, s);
        // The curve parameter log Ts = log P - T1 of each rigidity.
        const KokenResult& koken = r.results.areas.koken;
        page.formatted(0, "%8.3lf", r.force_case.total_force);
        page.formatted(1, "%8.3lf", result(r, kKokenTerm1, s, kSectionRigidity));
        page.formatted(2, "%6.3lf", koken.curve[kCurveLogTs + koken_index(s, kSectionRigidity)]);
        if (joint) {
            page.formatted(22, "%8.3lf", result(r, kKokenTerm1, s, kEmbedmentRigidity));
            page.formatted(23, "%6.3lf",
                           koken.curve[kCurveLogTs + koken_index(s, kEmbedmentRigidity)]);
        }
        // The two bracketing rows of the curve table: the key and the four
        // columns read; l1 from the embedment rigidity's rows.
        for (std::size_t row = 0; row < 2; ++row) {
            const int base = 5 * static_cast<int>(row);
            page.formatted(base + 3, "%5.1lf", curve(r, kCurveKey, s, kSectionRigidity, row));
            page.formatted(base + 4, "%8.4lf", curve(r, kCurveMoment, s, kSectionRigidity, row));
            if (joint)
                page.formatted(24 + static_cast<int>(row), "%5.1lf",
                               curve(r, kCurveKey, s, kEmbedmentRigidity, row));
            page.formatted(base + 5, "%8.4lf", curve(r, kCurveZero, s, lv, row));
            page.formatted(base + 6, "%8.4lf",
                           curve(r, kCurveDeflection, s, kSectionRigidity, row));
            page.formatted(base + 7, "%8.4lf", curve(r, kCurveSlope, s, kSectionRigidity, row));
        }
        auto span = [&](std::size_t offset, std::size_t u) {
            return curve(r, offset, s, u, 0) - curve(r, offset, s, u, 1);
        };
        page.formatted(13, "%5.1lf", span(kCurveKey, kSectionRigidity));
        page.formatted(14, "%8.4lf", span(kCurveMoment, kSectionRigidity));
        page.formatted(15, "%8.4lf", span(kCurveZero, lv));
        page.formatted(16, "%8.4lf", span(kCurveDeflection, kSectionRigidity));
        page.formatted(17, "%8.4lf", span(kCurveSlope, kSectionRigidity));
        if (joint) page.formatted(26, "%5.1lf", span(kCurveKey, kEmbedmentRigidity));
        page.formatted(18, "%6.3lf", result(r, kKokenReadMoment, s, kSectionRigidity));
        page.formatted(19, "%6.3lf", result(r, kKokenReadZero, s, lv));
        page.formatted(20, "%6.3lf", result(r, kKokenReadDeflection, s, kSectionRigidity));
        page.formatted(21, "%6.3lf", result(r, kKokenReadSlope, s, kSectionRigidity));
    }
}

void write_koken_head_pages(PageFile& page, const StabilityReport& r, int case_index) {
    (void)case_index;
    const std::size_t lv = length_variant(r);
    const std::size_t sv = kSectionRigidity;
    page.reserve(lines_of(r, kHeadLines));
    page.block(kSamePage, "KOKEN7.PFM");
    for (std::size_t s : shown_states(r)) {
        page.block(kSamePage, "KOKEN8.PFM");
        write_state_label(page, r, s);
        // M_max = 10^(reading + T2)
        page.formatted(0, "%6.3lf", result(r, kKokenReadMoment, s, sv));
        write_signed_term(page, 98, 1, result(r, kKokenTerm2, s, sv));
        page.formatted(2, "%6.3lf", result(r, kKokenLogMoment, s, sv));
        page.formatted(3, "%8.3lf", result(r, kKokenMoment, s, sv));
        // l1 = 10^(reading + log h0)
        page.formatted(4, "%6.3lf", result(r, kKokenReadZero, s, lv));
        write_signed_term(page, 97, 5, value_at(r, kKokenLogHeight));
        page.formatted(6, "%6.3lf", result(r, kKokenLogZero, s, lv));
        page.formatted(7, "%8.3lf", result(r, kKokenZero, s, lv));
        // y = 10^(reading + T4)
        page.formatted(8, "%6.3lf", result(r, kKokenReadDeflection, s, sv));
        write_signed_term(page, 96, 9, result(r, kKokenTerm4, s, sv));
        page.formatted(10, "%6.3lf", result(r, kKokenLogDeflection, s, sv));
        page.formatted(11, "%8.3lf", result(r, kKokenDeflection, s, sv));
        // θ = 10^(reading + T3) / 1000
        page.formatted(12, "%6.3lf", result(r, kKokenReadSlope, s, sv));
        write_signed_term(page, 95, 13, result(r, kKokenTerm3, s, sv));
        page.formatted(14, "%6.3lf", result(r, kKokenLogSlope, s, sv));
        page.formatted(15, "%8.3lf", result(r, kKokenSlope, s, sv) * kAngleScale);
    }
}

int write_lmmax_beta_pages(PageFile& page, const StabilityReport& r, int case_index, int item_no) {
    if (case_index != kNormalCase) return item_no;
    const std::int32_t flag = r.results.corrosion.case_flag;
    const std::array<const char*, kSectionCount> labels =
        r.with_corrosion() ? std::array<const char*, kSectionCount>{"腐食前", "", "腐食後"}
                           : std::array<const char*, kSectionCount>{"", "", ""};
    // The sea-water state has a β of its own only when the zones differ:
    // without corrosion its slot is empty and would print 0.000.
    std::vector<std::size_t> states{kSectionUncorroded};
    if (r.custom.chang_displacement_rule != ChangDisplacementRule::MudThenSeaWater &&
        flag == kCorrosionZonesDiffer)
        states.push_back(kSectionSeaWater);
    if (r.with_corrosion()) states.push_back(kSectionSeabedMud);

    const DecidedPile& pile = r.results.decided;
    page.block(kSamePage, "CYAN1.PFM", "CYAN1.PZK");
    page.formatted(99, "%2d) ｌ$SmMAX$Z位置計算用地盤の特性値(β)を求める", item_no);
    for (std::size_t s : states) {
        page.block(kSamePage, "CYAN11.PFM", "CYAN11.PZK");
        page.value(99, labels[s]);
        page.formatted(98, "%6.1lf", r.results.design_values.young_modulus);
        page.formatted(0, "%8.1lf", r.input.nir_t.pipe_kh);
        page.value(97, "10$U6$Z");
        page.formatted(1, "%10.0lf", joint_efficiency(r) ? pile.inertia_beta[s] : pile.inertia[s]);
        page.value(96, "10$U-8$Z");
        page.formatted(2, "%6.3lf", value_at(r, kKokenBeta + s));
    }
    return item_no + 1;
}

void write_koken_embedment_pages(PageFile& page, const StabilityReport& r, int case_index,
                                 int item_no) {
    const std::size_t c = static_cast<std::size_t>(case_index);
    const PerCaseState& length = r.results.level_displacement.embedment;
    page.reserve(lines_of(r, kEmbedmentLines));
    page.block(kSamePage, "KOKENLEN.PFM");
    page.formatted(99, "%3d", item_no);
    std::size_t slot = 0;
    for (std::size_t s : shown_states(r)) {
        page.block(kSamePage, "KKNLEN1.PFM");
        write_state_label(page, r, s);
        page.formatted(0, "%6.3lf", result(r, kKokenZero, s, length_variant(r)));
        page.formatted(1, "%6.3lf", length[c][slot++]);
    }
    double decisive = length[c][0];
    if (r.with_corrosion()) {
        page.block(kSamePage, "KKNLEN2.PFM");
        page.formatted(1, "%6.3lf", length[c][0]);
        page.formatted(3, "%6.3lf", length[c][1]);
        const bool after = length[c][0] <= length[c][1];
        page.value(4, after ? " ＜ " : " ＞ ");
        decisive = after ? length[c][1] : length[c][0];
    } else {
        page.block(kSamePage, "KKNLEN3.PFM");
    }
    page.value(5, case_name(c));
    page.formatted(6, "%6.3lf", decisive);
}

void write_koken_report(const StabilityReport& r, int case_index, int level_index) {
    ReportChapter chapter = open_chapter(r, case_index, level_index);
    PageFile& page = *chapter.page;
    write_koken_ground_pages(page, r, case_index);
    write_koken_curve_pages(page, r, case_index);
    write_koken_moment_pages(page, r, case_index);
    write_koken_head_pages(page, r, case_index);

    int item_no = kFirstKokenItem;
    item_no = r.concrete_pile ? write_cracking_moment_page(page, r, case_index, item_no)
                              : write_stress_check_page(page, r, case_index, item_no);
    if (steel_pipe_pages_on(r)) {
        item_no = write_lmmax_beta_pages(page, r, case_index, item_no);
        const KokenResult& koken = r.results.areas.koken;
        const PerSection betas = {koken.result[kKokenBeta], koken.result[kKokenBeta + 1],
                                  koken.result[kKokenBeta + 2]};
        item_no = write_lmmax_position_page(page, r, case_index, item_no, betas);
        item_no = write_lmmax_pressure_page(page, r, case_index, item_no);
        item_no = write_secondary_stress_page(page, r, case_index, item_no);
        item_no = write_combined_stress_page(page, r, case_index, item_no);
    }
    draw_displacement_figure(r);
    item_no = write_displacement_pages(page, r, case_index, item_no, DisplacementSource::Curves);
    // S-type ground has no reaction limit at the virtual seabed to check.
    if (!s_type(r))
        item_no =
            write_koken_seabed_check_page(page, r, case_index, item_no, SeabedCheckKind::CType);
    write_koken_embedment_pages(page, r, case_index, item_no);
    page.close();
}

} // namespace wtn
