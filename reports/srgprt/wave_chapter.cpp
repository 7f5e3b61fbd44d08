#include "wave_chapter.h"

#include "format_values.h"
#include "page_file.h"
#include "report_switches.h"
#include "tide_level_switches.h"
#include "user_text.h"
#include "wave_inputs.h"
#include "wave_load_figure.h"
#include "wave_report_templates.h"

#include <cmath>

namespace wtn {
namespace {

constexpr const char* kCaseNames[2] = {"常  時", "地震時"};
const TemplateTable kChapterTemplates = kWaveReportTemplates;

// The other external forces the summary lists: those of the chapter's case,
// and none with system switch 0.
struct ListedForces {
    const OtherForceRow* rows = nullptr;
    int count = 0;
};

ListedForces listed_forces(const WaveReport& report, int case_index) {
    if (report.system_switch == 0) return {};
    const InputRecord& input = report.input;
    if (case_index == kCaseNormal) return {input.forces_normal.data(), input.force_normal_count};
    return {input.forces_seismic.data(), input.force_seismic_count};
}

void write_heading(PageFile& page, const WaveReport& report, const ReportedBlock& r) {
    const std::string name = escape_user_text(report_level_name(report.input, r.level));
    page.block(BlockStart::new_page, "GAI_TITL.PFM");
    if (report.system_switch == 0) {
        page.value(99, format_text("%d.<%s> の検討", r.chapter_no, name.c_str()));
    } else {
        page.value(99, format_text("%d.%s <%s> の検討", r.chapter_no, kCaseNames[r.case_index],
                                   name.c_str()));
    }
    page.value(98, format_text("%d-1", r.chapter_no));
    page.block(BlockStart::same_page, "HAT_TITL.PFM");
}

void write_wave_length(PageFile& page, const InputRecord& input, const ReportedBlock& r) {
    const WaveBlock& b = r.block;
    const TideLevelRow& row = tide_row(input, r.level);
    if (!wave_length_computed(input, r.level)) {
        page.block(BlockStart::same_page, "JW_HLL0.PFM");
        page.value(0, format_text("%7.2f", b.common.wave_length));
        return;
    }
    const double depth =
        b.formula == WaveFormula::Goda ? b.common.depth_h : b.kuroda_hiroi.depth_used;
    page.block(BlockStart::same_page, "JW_HLL1.PFM");
    page.value(0, format_text("%7.2f", b.common.wave_length));
    page.value(1, format_text("%6.2f", row.period));
    page.value(2, format_text("%6.2f", depth));
}

void write_design_height(PageFile& page, const InputRecord& input, const ReportedBlock& r) {
    const WaveBlock& b = r.block;
    const double height = b.common.wave_height;
    if (b.formula == WaveFormula::Goda) {
        if (goda_height_from_significant(input, r.level)) {
            page.block(BlockStart::same_page, "JW_HHDG0.PFM");
            page.value(0, format_text("%6.2f", b.common.significant_height));
            page.value(1, format_text("%6.2f", height));
            page.value(2, " 2)");
        } else {
            page.block(BlockStart::same_page, "JW_HHDG1.PFM");
            page.value(0, format_text("%6.2f", height));
            page.value(1, " 2)");
        }
        return;
    }
    // The symbol of the height: H_D of the port standard, H1/3 for a breaking
    // wave before wave-dissipating works, plain H under the other standards.
    std::string label = "  Ｈ$S $Z＝  ";
    if (port_standard(input)) {
        const bool works = dissipating_works_present(input);
        label = b.kuroda_hiroi.breaking == 1 && works ? "Ｈ$S1/3$Z＝  " : "  Ｈ$SD$Z＝  ";
    }
    page.block(BlockStart::same_page, "JW_HHDK0.PFM");
    page.value(0, label + format_text("%6.2f", height));
    page.value(1, " 2)");
}

void write_goda(PageFile& page, const WaveReport& report, const WaveBlock& b) {
    const InputRecord& input = report.input;
    const WaveCommon& w = b.common;
    const GodaValues& g = b.goda;
    const double lambda1 = input.wavsw.lambda1;
    const double lambda2 = input.nir_t.lambda2;
    // Input of version 0 computes p1 by the older form with the unit weight
    // of water and lambda1 alone; later versions with 1.03 and both rates.
    const bool older_form = input.version_number == 0;
    const bool reduced = lambda1 < 1.0;
    const char* first = "JW_HGY00.PFM";
    const char* first_drawing = "JW_HGY00.PZK";
    const char* second = "JW_HGY01.PFM";
    const char* second_drawing = "JW_HGY01.PZK";
    if (older_form) {
        first = reduced ? "JW_HGY2.PFM" : "JW_HGY0.PFM";
        first_drawing = reduced ? "JW_HGY2.PZK" : "JW_HGY0.PZK";
        second = reduced ? "JW_HGY3.PFM" : "JW_HGY1.PFM";
        second_drawing = reduced ? "JW_HGY3.PZK" : "JW_HGY1.PZK";
    }
    const double weight = older_form ? w.water_unit_weight : 1.03;

    page.block(BlockStart::same_page, first, first_drawing);
    page.value(0, format_text("%7.2f", w.depth_h));
    page.value(1, format_text("%7.2f", g.breaking_depth));
    page.value(2, format_text("%7.2f", w.depth_h_dash));
    page.value(3, format_text("%7.2f", w.depth_d));
    page.value(4, format_text("%7.2f", weight));
    page.value(5, format_text("%7.2f", w.wave_height));
    page.value(6, format_text("%7.2f", w.wave_length));
    page.value(7, format_text("%7.2f", w.incidence_angle));
    if (!older_form || reduced) page.value(8, format_text("%7.2f", lambda1));
    if (!older_form) page.value(9, format_text("%7.2f", lambda2));

    page.block(BlockStart::same_page, second, second_drawing);
    page.value(0, format_text("%6.2f", w.incidence_angle));
    page.value(1, format_text("%6.2f", w.wave_height));
    page.value(2, format_text("%6.3f", g.crest_height));
    page.value(3, format_text("%6.2f", w.depth_h));
    page.value(4, format_text("%7.2f", w.wave_length));
    page.value(5, format_text("%6.3f", g.alpha1));
    page.value(6, format_text("%6.2f", g.breaking_depth));
    page.value(7, format_text("%6.2f", w.depth_d));
    page.value(8, format_text("%6.3f", g.alpha2));
    page.value(9, format_text("%6.2f", w.depth_h_dash));
    page.value(10, format_text("%6.3f", g.alpha3));
    page.value(11, format_text("%6.2f", weight));
    page.value(12, format_text("%8.3f", g.p1));
    page.value(13, format_text("%8.3f", g.p2));
    page.value(14, format_text("%8.3f", g.p3));
    page.value(15, format_text("%6.3f", g.alpha2a));
    page.value(16, format_text("%6.3f", g.alpha2b));
    if (!older_form || reduced) page.value(99, format_text("%5.2f", lambda1));
    if (!older_form) page.value(98, format_text("%5.2f", lambda2));
}

void write_kuroda_hiroi(PageFile& page, const InputRecord& input, const WaveBlock& b) {
    const WaveCommon& w = b.common;
    const KurodaHiroiValues& k = b.kuroda_hiroi;
    const bool port = port_standard(input);
    const bool wide = k.wide_angle == 1;
    if (k.breaking != 1) {
        if (port)
            page.block(BlockStart::same_page, "JW_HCYK.PFM", "JW_HCYK.PZK");
        else
            page.block(BlockStart::same_page, "JW_HCYG.PFM", "JW_HCYG.PZK");
        page.value(0, format_text("%6.2f", w.water_unit_weight));
        page.value(1, format_text("%6.2f", k.depth_used));
        page.value(2, format_text("%6.2f", w.wave_height));
        page.value(3, format_text("%7.2f", w.wave_length));
        page.value(4, format_text("%6.3f", k.level_rise));
        page.value(5, format_text("%8.3f", k.pressure));
        page.value(6, format_text("%8.3f", k.pressure_at_depth));
        page.value(7, format_text("%8.3f", k.pressure_at_tide));
        if (port) page.value(8, format_text("%6.2f", w.incidence_angle));
    } else if (!dissipating_works_present(input)) {
        // Breaking wave without wave-dissipating works.
        page.block(BlockStart::same_page, port ? "JW_HSYK.PFM" : "JW_HSYG.PFM");
        page.value(0, format_text("%6.2f", w.water_unit_weight));
        page.value(1, format_text("%6.2f", w.wave_height));
        page.value(2, format_text("%6.2f", w.incidence_angle));
        if (!port) {
            if (!wide) {
                page.value(3, "β＜45ﾟ");
                page.value(4, " 1.5");
                page.value(5, format_text("x cos$U2$Z%6.2f", w.incidence_angle));
            } else {
                page.value(3, "β≧45ﾟ");
                page.value(4, "0.75");
                page.value(5, "     $U $Z      ");
            }
        }
        page.value(6, format_text("%8.3f", k.pressure));
    } else {
        // Breaking wave behind wave-dissipating works.
        if (port)
            page.block(BlockStart::same_page, "JW_HSYKS.PFM", "JW_HSYKS.PZK");
        else
            page.block(BlockStart::same_page, "JW_HSYGS.PFM");
        page.value(0, format_text("%6.2f", w.water_unit_weight));
        page.value(1, format_text("%6.2f", w.wave_height));
        page.value(2, format_text("%6.2f", w.incidence_angle));
        if (!wide) {
            page.value(3, port ? "0≦β≦45ﾟの場合" : "β＜45ﾟ");
            page.value(4, "1.0");
            page.value(5, format_text("x cos%6.2f", w.incidence_angle));
        } else {
            page.value(3, port ? "β＞45ﾟの場合" : "β≧45ﾟ");
            page.value(4, "0.7");
            page.value(5, "           ");
        }
        page.value(6, format_text("%8.3f", k.pressure));
    }
    page.value(99, format_text("%6.2f", w.depth_d));
    page.value(98, format_text("%6.2f", w.significant_height));
}

void write_still_water_pressure(PageFile& page, const InputRecord& input, const WaveBlock& b) {
    const double seabed = input.tjkn1.construction_seabed;
    page.block(BlockStart::same_page, "STA_WP.PFM");
    page.value(0, format_text("%8.3f", b.common.water_unit_weight));
    page.value(1, format_text("%8.3f", b.common.tide_level));
    page.value(2, seabed < 0.0 ? " + " : " - ");
    page.value(3, format_text("%8.3f", std::fabs(seabed)));
    page.value(4, format_text("%8.3f", b.still.width));
}

void write_seabed_heading(PageFile& page, const InputRecord& input, bool still) {
    page.block(BlockStart::new_page, "KASOU3.PFM");
    page.value(99, still ? "(3)" : "(2)");
    page.value(0, format_text("%+7.2f", input.tjkn1.construction_seabed));
}

void write_piece(PageFile& page, const PressureSegment& s) {
    page.value(2, format_text("%8.3fx", s.width));
    page.value(3, format_text("%6.3f", s.height));
    page.value(4, format_text("%8.3f", s.force));
    page.value(5, format_text("%6.3f", s.lever_arm));
    page.value(6, format_text("%10.3f", s.moment));
}

void write_wave_forces(PageFile& page, const WaveBlock& b, bool forces_listed) {
    const int count = b.forces.count;
    page.reserve(2 * count + (forces_listed ? 9 : 14));
    page.table_begin();
    page.block(BlockStart::same_page, "MOMENT1.PFM");
    page.value(98, " 2)");
    page.value(99, "波圧の作用位置、合力の計算");
    page.heading("MOMNT_HD.PFM");
    page.footing("MOMNT_FT.PFM");
    for (int i = 0; i < count; ++i) {
        const PressureSegment& s = b.forces[i];
        page.block(BlockStart::same_page, "MOMENT2.PFM");
        page.value(0, format_text("%3d", i + 1));
        if (s.kind == kSegmentTriangle) page.value(1, "1/2x");
        write_piece(page, s);
    }
    page.block(BlockStart::same_page, "MOMENT3.PFM");
    page.value(0, format_text("%8.3f", b.resultant.wave_force));
    page.value(1, format_text("%10.3f", b.resultant.wave_moment));
    page.clear_heading_and_footing();
    page.table_end();
}

void write_still_water_force(PageFile& page, const WaveBlock& b) {
    page.reserve(9);
    page.block(BlockStart::same_page, "MOMENT1.PFM");
    page.value(98, " 3)");
    page.value(99, "静水圧の作用位置、合力の計算");
    page.block(BlockStart::same_page, "MOMENT2.PFM");
    page.value(0, "──");
    page.value(1, "1/2x");
    write_piece(page, b.still);
    page.block(BlockStart::same_page, "MOMENT4.PFM");
}

void write_summary_row(PageFile& page, const char* name, double force, double moment) {
    page.block(BlockStart::same_page, "GAI_MTM2.PFM");
    page.value(0, "──");
    page.value(1, name);
    page.value(2, format_text("%8.3f", force));
    page.value(3, "───");
    page.value(4, format_text("%10.3f", moment));
}

void write_force_summary(PageFile& page, const WaveBlock& b, const ListedForces& forces,
                         bool still) {
    if (forces.count == 0 && !still) return;
    const int fixed = still ? 4 : 2;
    page.reserve(fixed + 2 * forces.count + 14);
    page.block(BlockStart::same_page, "GAI_MTM1.PFM");
    page.value(99, still ? "4) " : "3) ");
    for (int i = 0; i < forces.count; ++i) {
        page.block(BlockStart::same_page, "GAI_MTM2.PFM");
        page.value(0, format_text("%4d", i + 1));
        page.value(1, user_field(forces.rows[i].name, 20));
        page.value(2, format_text("%8.3f", forces.rows[i].force));
    }
    if (still) write_summary_row(page, "静水圧", b.still.force, b.still.moment);
    write_summary_row(page, "波圧", b.resultant.wave_force, b.resultant.wave_moment);
    page.block(BlockStart::same_page, "GAI_MTM3.PFM");
    page.value(0, format_text("%8.3f", b.resultant.total_force));
    page.value(1, format_text("%10.3f", b.resultant.total_moment));
}

void write_resultant_height(PageFile& page, const WaveBlock& b) {
    page.block(BlockStart::same_page, "H0.PFM");
    page.value(0, format_text("%8.3f", b.resultant.total_moment));
    page.value(1, format_text("%8.3f", b.resultant.total_force));
    page.value(2, format_text("%6.3f", b.resultant.resultant_height));
}

} // namespace

std::string report_level_name(const InputRecord& input, int level) {
    if (level == kTideUser) return input.wavsw.user_tide_name;
    static constexpr const char* kNames[] = {"H.H.W.L.", "H.W.L.", "L.W.L."};
    return kNames[level];
}

std::string wave_chapter_title(const WaveReport& report, const ReportedBlock& reported) {
    const std::string name = report_level_name(report.input, reported.level);
    if (report.system_switch == 0) return format_text("施工時-%-8s:波圧", name.c_str());
    return format_text("%-8s-%6s:波圧", name.c_str(), kCaseNames[reported.case_index]);
}

void write_wave_chapter(WaveReport& report, const ReportedBlock& reported) {
    const InputRecord& input = report.input;
    const WaveBlock& b = reported.block;
    const bool still = still_water_on(input);
    const ListedForces forces = listed_forces(report, reported.case_index);

    const std::string name = format_text(
        "JW%d02HAT.PDT", construction_chapter_digit(reported.ordinal, reported.case_index));
    PageFile page(name, wave_chapter_title(report, reported), report.run_info, &kChapterTemplates);
    write_heading(page, report, reported);
    write_wave_length(page, input, reported);
    write_design_height(page, input, reported);
    if (b.formula == WaveFormula::Goda)
        write_goda(page, report, b);
    else
        write_kuroda_hiroi(page, input, b);
    if (still) write_still_water_pressure(page, input, b);
    write_seabed_heading(page, input, still);
    write_wave_forces(page, b, forces.count > 0);
    if (still) write_still_water_force(page, b);
    write_force_summary(page, b, forces, still);
    write_resultant_height(page, b);
    const std::string drawing = write_wave_load_figure(report, reported);
    page.drawing_block(BlockStart::same_page, drawing);
    page.close();
}

} // namespace wtn
