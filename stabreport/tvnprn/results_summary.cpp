#include "results_summary.h"

#include "adopted_values.h"
#include "page_file.h"
#include "report_page_templates.h"
#include "stability_switches.h"
#include "user_text.h"

#include <cmath>
#include <vector>

namespace wtn {

namespace {

const TemplateTable kReportTemplates = kStabilityReportTemplates;

constexpr BlockStart kSamePage = BlockStart::same_page;
constexpr const char* kNoValue = "─────";

// The cases of the summary's rows, and how its verdicts read them.
struct SummaryCases {
    std::vector<int> rows; // the cases studied
    bool normal_only = false;
    bool seismic_only = false;
    bool one_case_pages = false; // construction stage: the templates have one case
};

// A verdict over NG flags: × when one is 1, "－" when none was checked (a
// check that does not apply to the stage stores -1), else ○.
const char* verdict(const std::vector<std::int32_t>& flags) {
    bool checked = false;
    for (std::int32_t f : flags) {
        if (f == 1) return "×";
        if (f == 0) checked = true;
    }
    return checked ? "○" : "－";
}

class SummaryWriter {
  public:
    SummaryWriter(const StabilityReport& report, PageFile& page)
        : r_(report), page_(page), results_(report.results.case_results),
          values_(report.results.design_values),
          corrosion_(report.results.corrosion.case_flag != kNoCorrosion),
          zones_differ_(report.results.corrosion.case_flag == kCorrosionZonesDiffer) {
        const bool normal = report.cases.first <= kNormalCase && kNormalCase < report.cases.end;
        const bool seismic = report.cases.first <= kSeismicCase && kSeismicCase < report.cases.end;
        for (int c = report.cases.first; c < report.cases.end; ++c)
            cases_.rows.push_back(c);
        cases_.normal_only = normal && !seismic;
        cases_.seismic_only = seismic && !normal;
        cases_.one_case_pages = report.study_mode == kConstructionStageMode;
    }

    bool ng() const { return ng_; }

    // The blocks of the tide level at index p of the results.
    void level_blocks(std::size_t p) {
        p_ = p;
        const CheckSwitches on = check_switches(r_.input.swdat.decision_code);
        if (on.stress && !r_.concrete_pile) stress_block();
        if (on.stress && r_.concrete_pile) concrete_block();
        if (pipe_check_on()) {
            pipe_block_1();
            pipe_block_2();
        }
        if (on.displacement) displacement_block();
        if (on.reaction) seabed_block();
        embedment_block();
    }

  private:
    bool pipe_check_on() const {
        return r_.study_mode == kCompletedStateMode &&
               r_.input.swdat.completed_cases != CompletedCases::SeismicOnly &&
               r_.pile_type() == PileType::SteelPipe &&
               r_.input.nir_t.pipe_secondary_check == YesNo::Yes;
    }

    // The block's template: construction stage, with corrosion, without.
    void block(const char* stage, const char* corroded, const char* plain) {
        const char* name = plain;
        if (cases_.one_case_pages)
            name = stage;
        else if (corrosion_)
            name = corroded;
        page_.block(kSamePage, name);
    }

    void value(int key, const char* format, double v) { page_.formatted(key, format, v); }
    void dash(int key) { page_.value(key, kNoValue); }

    // Dash lines for the keys of the case that is not studied: n value keys
    // from value_key, then n allowable keys from allowable_key.
    void dashes(int value_key, int allowable_key, int n) {
        if (cases_.one_case_pages) return;
        for (int i = 0; i < n; ++i)
            dash(value_key + i);
        for (int i = 0; i < n; ++i)
            dash(allowable_key + i);
    }

    template <class Flag> std::vector<std::int32_t> case_flags(Flag flag) const {
        std::vector<std::int32_t> flags;
        for (int c : cases_.rows)
            flags.push_back(flag(static_cast<std::size_t>(c)));
        return flags;
    }

    void judge(int key, const std::vector<std::int32_t>& flags) {
        const char* mark = verdict(flags);
        page_.value(key, std::string(" ") + mark);
        for (std::int32_t f : flags)
            if (f == 1) ng_ = true;
    }

    // Stress of a steel pile: before corrosion and after it in each zone.
    void stress_block() {
        block("MATOME2A.PFM", "MATOME2.PFM", "MATOME2B.PFM");
        const auto& s = results_.stress[p_];
        for (int c : cases_.rows) {
            const auto i = static_cast<std::size_t>(c);
            const int k = 3 * c;
            value(k, "%10.1lf", s[i][kSectionUncorroded]);
            value(k + 9, "%10.1lf", values_.allowable_stress[i]);
            if (!corrosion_) continue;
            if (zones_differ_) {
                value(k + 1, "%10.1lf", s[i][kSectionSeaWater]);
                value(k + 10, "%10.1lf", values_.allowable_stress[i]);
            } else {
                dash(k + 1);
                dash(k + 10);
            }
            value(k + 2, "%10.1lf", s[i][kSectionSeabedMud]);
            value(k + 11, "%10.1lf", values_.allowable_stress[i]);
        }
        const int n = corrosion_ ? 3 : 1;
        if (cases_.normal_only) dashes(3, 12, n);
        if (cases_.seismic_only) dashes(0, 9, n);
        const auto& ng = results_.stress_ng[p_];
        judge(6, case_flags([&](std::size_t c) { return ng[c][kSectionUncorroded]; }));
        if (!corrosion_) return;
        if (zones_differ_)
            judge(7, case_flags([&](std::size_t c) { return ng[c][kSectionSeaWater]; }));
        else
            page_.value(7, " ─");
        judge(8, case_flags([&](std::size_t c) { return ng[c][kSectionSeabedMud]; }));
    }

    // The bending moment of a concrete pile against its cracking moment.
    void concrete_block() {
        block("MATOME7A.PFM", "MATOME7B.PFM", "MATOME7B.PFM");
        for (int c : cases_.rows) {
            const auto i = static_cast<std::size_t>(c);
            value(3 * c, "%10.3lf", results_.stress[p_][i][kSectionUncorroded]);
            value(3 * c + 9, "%10.3lf", values_.allowable_stress[i]);
        }
        if (cases_.normal_only) dashes(3, 12, 1);
        if (cases_.seismic_only) dashes(0, 9, 1);
        const auto& ng = results_.stress_ng[p_];
        judge(6, case_flags([&](std::size_t c) { return ng[c][kSectionUncorroded]; }));
    }

    // The secondary stress of the pipe wall, normal case only.
    void pipe_block_1() {
        block("", "MATOME8.PFM", "MATOME8A.PFM");
        value(0, "%10.1lf", results_.pipe_secondary[kNormalCase][0]);
        value(6, "%10.1lf", values_.allowable_stress[kNormalCase]);
        if (corrosion_) {
            value(1, "%10.1lf", results_.pipe_secondary[kNormalCase][1]);
            value(7, "%10.1lf", values_.allowable_stress[kNormalCase]);
        }
        judge(4, {results_.secondary_ng[kNormalCase][0]});
        if (corrosion_) judge(5, {results_.secondary_ng[kNormalCase][1]});
    }

    // The combined stress of the pipe wall.
    void pipe_block_2() {
        block("", "MATOME9.PFM", "MATOME9A.PFM");
        for (int c : cases_.rows) {
            const auto i = static_cast<std::size_t>(c);
            value(2 * c, "%10.1lf", results_.pipe_combined[i][0]);
            value(2 * c + 6, "%10.1lf", values_.allowable_combined[i]);
            if (!corrosion_) continue;
            value(2 * c + 1, "%10.1lf", results_.pipe_combined[i][1]);
            value(2 * c + 7, "%10.1lf", values_.allowable_combined[i]);
        }
        if (cases_.normal_only) dashes(2, 8, corrosion_ ? 2 : 1);
        two_state_verdicts(
            [&](std::size_t c, std::size_t k) { return results_.combined_ng[c][k]; });
    }

    template <class Flag> void two_state_verdicts(Flag flag) {
        judge(4, case_flags([&](std::size_t c) { return flag(c, 0); }));
        if (corrosion_) judge(5, case_flags([&](std::size_t c) { return flag(c, 1); }));
    }

    // A block of two corrosion states a case: the value and its allowable.
    template <class Allowable>
    void state_rows(const Grid2<double, kCaseCount, kStateCount>& v, Allowable allowable) {
        for (int c : cases_.rows) {
            const auto i = static_cast<std::size_t>(c);
            value(2 * c, "%10.3lf", v[i][0]);
            value(2 * c + 6, "%10.3lf", allowable(i));
            if (!corrosion_) continue;
            value(2 * c + 1, "%10.3lf", v[i][1]);
            value(2 * c + 7, "%10.3lf", allowable(i));
        }
        const int n = corrosion_ ? 2 : 1;
        if (cases_.normal_only) dashes(2, 8, n);
        if (cases_.seismic_only) dashes(0, 6, n);
    }

    void displacement_block() {
        block("MATOME3A.PFM", "MATOME3.PFM", "MATOME3B.PFM");
        state_rows(results_.displacement[p_],
                   [&](std::size_t c) { return values_.allowable_displacement[c]; });
        const auto& ng = results_.displacement_ng[p_];
        two_state_verdicts([&](std::size_t c, std::size_t k) { return ng[c][k]; });
    }

    // The subgrade reaction at the virtual seabed against the passive
    // pressure there.
    void seabed_block() {
        block("MATOME4A.PFM", "MATOME4.PFM", "MATOME4B.PFM");
        state_rows(results_.reaction[p_],
                   [&](std::size_t c) { return r_.force_case.base[c].pressure; });
        const auto& ng = results_.reaction_ng[p_];
        two_state_verdicts([&](std::size_t c, std::size_t k) { return ng[c][k]; });
    }

    // The required toe elevations: the virtual seabed less the embedment.
    void embedment_block() {
        block("MATOME5A.PFM", "MATOME5.PFM", "MATOME5B.PFM");
        for (int c : cases_.rows) {
            const auto i = static_cast<std::size_t>(c);
            const double base = r_.force_case.base[i].level;
            value(2 * c, "%10.3lf", base - results_.embedment[p_][i][0]);
            if (corrosion_) value(2 * c + 1, "%10.3lf", base - results_.embedment[p_][i][1]);
        }
        if (cases_.one_case_pages) return;
        const int first = cases_.normal_only ? 2 : cases_.seismic_only ? 0 : -1;
        if (first < 0) return;
        dash(first);
        if (corrosion_) dash(first + 1);
    }

    const StabilityReport& r_;
    PageFile& page_;
    const CaseResultBlock& results_;
    const DesignValueBlock& values_;
    const bool corrosion_;
    const bool zones_differ_;
    SummaryCases cases_;
    std::size_t p_ = 0;
    bool ng_ = false;
};

const char* summary_title(int study_mode) {
    if (study_mode == kCompletedStateMode) return "完成時         :検討結果のまとめ";
    if (study_mode == kConstructionStageMode) return "施工時         :検討結果のまとめ";
    return "検討結果のまとめ";
}

const char* chapter_caption_format(int study_mode) {
    if (study_mode == kCompletedStateMode) return "%d.検討結果のまとめ[完成時]";
    if (study_mode == kConstructionStageMode) return "%d.検討結果のまとめ[施工時]";
    return "%d.検討結果のまとめ";
}

constexpr const char* kAdoptionShortNote = "採用値が必要値を満たしていません";

// The pile to use and its length: the crown of the sheet pile down to the
// lowest required toe, and the tip and length the user adopted. An adoption
// short of the required tip or length is said beside it: the page must not
// read as if the shorter pile passed.
void pile_length_block(PageFile& page, const StabilityReport& r, int next_no) {
    if (r.levels.count > 1) {
        page.block(kSamePage, "MATOMET.PFM");
        page.formatted(99, "%d-%d.矢板長", r.chapter_no, next_no);
    }
    const DesignValueBlock& v = r.results.design_values;
    const double crown = r.input.tjkn1.pile_crown;
    const double toe = v.decided_tip_level;
    page.block(kSamePage, "MATOME6.PFM");
    page.value(0, escape_user_text(r.results.decided.name) + "を使用する。");
    page.formatted(1, "%7.3lf", crown);
    page.value(2, toe < 0.0 ? " + " : " - ");
    page.formatted(3, "%7.3lf", std::fabs(toe));
    page.formatted(4, "%7.3lf", crown - toe);
    page.formatted(5, "%7.3lf", v.adopted.pile_length);
    page.formatted(6, "%7.3lf", v.adopted.embedment_depth);
    const AdoptedValues required = {toe, crown - toe};
    if (!nothing_adopted(v.adopted) && adoption_falls_short(v.adopted, required))
        page.value(7, kAdoptionShortNote);
}

} // namespace

std::string summary_file_name(int study_mode) {
    return study_mode == kCompletedStateMode ? "JD999MTM.PDT" : "JW999MTM.PDT";
}

void write_summary(const StabilityReport& report) {
    PageFile page(summary_file_name(report.study_mode), summary_title(report.study_mode),
                  report.run_info, &kReportTemplates);
    page.block(BlockStart::new_page, "MATOME1.PFM");
    page.formatted(99, chapter_caption_format(report.study_mode), report.chapter_no);
    page.value(0, escape_user_text(report.results.decided.name));

    SummaryWriter summary(report, page);
    for (int p = 0; p < report.levels.count; ++p) {
        if (report.levels.count > 1) {
            const int level = report.levels.levels[static_cast<std::size_t>(p)];
            page.block(kSamePage, "MATOMET.PFM");
            page.formatted(99, "%d-%d. %s", report.chapter_no, p + 1,
                           escape_user_text(tide_level_label(report.input, level)).c_str());
        }
        summary.level_blocks(static_cast<std::size_t>(p));
    }
    if (!summary.ng()) pile_length_block(page, report, report.levels.count + 1);
    page.close();
}

} // namespace wtn
