#include "section_pages.h"

#include "corroded_section_chart.h"
#include "result_areas.h"
#include "user_text.h"

#include <algorithm>
#include <vector>

namespace wtn {

namespace {

constexpr const char* kNoValue = "──────";
// Lines the corroded-section chart takes on its page.
constexpr int kSectionChartLines = 28;

constexpr BlockStart kSamePage = BlockStart::same_page;

// A corroded zone: its section state and caption.
struct Zone {
    std::size_t section;
    const char* caption;
};

std::vector<Zone> corroded_zones(int case_flag) {
    if (case_flag == kCorrosionZonesDiffer)
        return {{kSectionSeaWater, "海  中  部"}, {kSectionSeabedMud, "海底泥層中"}};
    return {{kSectionSeabedMud, "海底泥層中"}};
}

bool river_standard(const StabilityReport& r) {
    return r.input.swdat.design_standard == DesignStandard::River;
}

bool user_pile(const StabilityReport& r) {
    return r.results.decided.added == kUserCatalogue;
}

// The section after corrosion from the remaining section (the section before
// corrosion times the reduction ratio) rather than the corrosion table.
bool remaining_section(const StabilityReport& r) {
    return r.custom.corroded_section_rule != CorrodedSectionRule::FromCorrosionTable;
}

// The corrosion rates (mm a year) of the sea and the land side in a zone.
struct ZoneRates {
    double sea = 0.0;
    double land = 0.0;
};

ZoneRates zone_rates(const CorrosionData& f, std::size_t section) {
    if (section == kSectionSeaWater)
        return {std::max(f.sea_rates[1], f.sea_rates[2]), f.land_rates[1]};
    return {f.sea_rates[3], f.land_rates[2]};
}

double zone_t1(const CorrosionBlock& c, std::size_t section) {
    return section == kSectionSeaWater ? c.t1_sea : c.t1_mud;
}
double zone_t2(const CorrosionBlock& c, std::size_t section) {
    return section == kSectionSeaWater ? c.t2_sea : c.t2_mud;
}
double zone_ratio(const CorrosionBlock& c, std::size_t section) {
    return section == kSectionSeaWater ? c.ratio_sea : c.ratio_mud;
}

// Service life, the rates of both sides, the larger and the smaller rate.
void write_rates(PageFile& page, const StabilityReport& r, std::size_t section) {
    const ZoneRates rates = zone_rates(r.input.fsyok, section);
    page.formatted(0, "%3d", r.input.fsyok.service_life);
    page.formatted(1, "%5.3lf", rates.sea);
    page.formatted(2, "%5.3lf", rates.land);
    page.formatted(3, "%5.3lf", std::max(rates.sea, rates.land));
    page.formatted(4, "%5.3lf", std::min(rates.sea, rates.land));
}

void write_reduction(PageFile& page, const DecidedPile& pile, std::size_t section) {
    page.formatted(98, "%3.0lf", pile.reduction_ratio[section] * 100.0);
    page.formatted(97, "%4.2lf", pile.reduction_ratio[section]);
}

void write_river_sheet_pile_page(PageFile& page, const StabilityReport& r) {
    const DecidedPile& pile = r.results.decided;
    const CorrosionBlock& c = r.results.corrosion;
    if (user_pile(r)) {
        page.reserve(8);
        page.block(kSamePage, "YAITA_KT.PFM");
    } else {
        page.reserve(remaining_section(r) ? 15 : 12);
        page.block(kSamePage, remaining_section(r) ? "YAITA_KZ.PFM" : "YAITA_KS.PFM");
        page.formatted(3, "%5.2lf", c.t1_mud);
        page.formatted(4, "%5.2lf", c.t2_mud);
        page.formatted(5, "%4.2lf", c.ratio_mud);
    }
    if (remaining_section(r) || user_pile(r)) {
        write_reduction(page, pile, kSectionSeabedMud);
        page.formatted(10, "%10.0lf", pile.inertia[kSectionUncorroded]);
        page.formatted(11, "%10.0lf", pile.modulus[kSectionUncorroded]);
    }
    page.formatted(6, "%10.0lf", pile.inertia[kSectionSeabedMud]);
    page.formatted(7, "%10.0lf", pile.modulus[kSectionSeabedMud]);
}

void write_port_sheet_pile_page(PageFile& page, const StabilityReport& r, const Zone& zone) {
    const DecidedPile& pile = r.results.decided;
    const CorrosionBlock& c = r.results.corrosion;
    if (user_pile(r)) {
        page.reserve(8);
        page.block(kSamePage, "YAITA_FT.PFM");
    } else {
        page.reserve(remaining_section(r) ? 20 : 17);
        page.block(kSamePage, remaining_section(r) ? "YAITA_FZ.PFM" : "YAITA_FS.PFM");
    }
    page.value(99, zone.caption);
    if (remaining_section(r) || user_pile(r)) write_reduction(page, pile, zone.section);
    if (!user_pile(r)) {
        write_rates(page, r, zone.section);
        page.formatted(5, "%5.2lf", zone_t1(c, zone.section));
        page.formatted(6, "%5.2lf", zone_t2(c, zone.section));
        page.formatted(7, "%4.2lf", zone_ratio(c, zone.section));
    }
    page.formatted(8, "%10.0lf", pile.inertia[zone.section]);
    page.formatted(9, "%10.0lf", pile.modulus[zone.section]);
    if (remaining_section(r) || user_pile(r)) {
        page.formatted(10, "%10.0lf", pile.inertia[kSectionUncorroded]);
        page.formatted(11, "%10.0lf", pile.modulus[kSectionUncorroded]);
    }
}

// The unit stands a cell right of the subscript of the constant above it,
// so its raised exponent keeps clear of the lowered subscript.
void write_constants_captions(PageFile& page, EmbedmentMethod method) {
    switch (method) {
    case EmbedmentMethod::Chang:
    case EmbedmentMethod::ChangMultiLayer:
        page.value(99, "横方向地盤反力係数の算出(ｋ$Sh$Z)");
        page.value(0, "  Ｎ    値  ");
        page.value(1, "ｋ$Sh$Z");
        page.value(2, "    (kN/m$U3$Z)");
        return;
    case EmbedmentMethod::CType:
    case EmbedmentMethod::CTypeMultiLayer:
        page.value(99, "横抵抗定数の算出(ｋ$Sc$Z)");
        page.value(0, "  Ｎ    値  ");
        page.value(1, "ｋ$Sc$Z");
        page.value(2, "    (kN/m$U2.5$Z)");
        return;
    case EmbedmentMethod::SType:
        page.value(99, "横抵抗定数の算出(ｋ$Ss$Z)");
        page.value(0, "Ｎ値の増加率");
        page.value(1, "ｋ$Ss$Z");
        page.value(2, "    (kN/m$U3.5$Z)");
        return;
    }
}

bool single_constant(EmbedmentMethod method) {
    return is_curve_method(method);
}

} // namespace

void write_sheet_pile_corrosion_pages(PageFile& page, const StabilityReport& report) {
    if (river_standard(report)) {
        write_river_sheet_pile_page(page, report);
        return;
    }
    for (const Zone& zone : corroded_zones(report.results.corrosion.case_flag))
        write_port_sheet_pile_page(page, report, zone);
}

void write_pipe_corrosion_pages(PageFile& page, const StabilityReport& report) {
    const DecidedPile& pile = report.results.decided;
    const CorrosionBlock& c = report.results.corrosion;
    if (river_standard(report)) {
        page.reserve(10);
        page.block(kSamePage, "KOKAN_KS.PFM");
        page.formatted(5, "%5.2lf", c.t1_mud);
        page.formatted(6, "%5.2lf", c.t2_mud);
        page.formatted(7, "%6.3lf", pile.pipe_effective_width);
        page.formatted(8, "%10.0lf", pile.inertia[kSectionSeabedMud]);
        page.formatted(9, "%10.0lf", pile.modulus[kSectionSeabedMud]);
        return;
    }
    for (const Zone& zone : corroded_zones(c.case_flag)) {
        page.reserve(15);
        page.block(kSamePage, "KOKAN_FS.PFM");
        page.value(99, zone.caption);
        write_rates(page, report, zone.section);
        page.formatted(5, "%5.2lf", zone_t1(c, zone.section));
        page.formatted(6, "%5.2lf", zone_t2(c, zone.section));
        page.formatted(7, "%6.3lf", pile.pipe_effective_width);
        page.formatted(8, "%10.0lf", pile.inertia[zone.section]);
        page.formatted(9, "%10.0lf", pile.modulus[zone.section]);
    }
}

void write_joint_efficiency_pages(PageFile& page, const StabilityReport& report) {
    const JointEfficiency& j = report.input.tugit;
    const DecidedPile& pile = report.results.decided;
    const int flag = report.results.corrosion.case_flag;
    // The factors of the section calculation reduce I and Z for the
    // stresses; the factor of the embedment calculation reduces I there.
    if (j.section_inertia < 1.0 || j.section_modulus < 1.0) {
        page.block(kSamePage, flag == kNoCorrosion            ? "YAITA_KM.PFM"
                              : flag == kCorrosionZonesDiffer ? "YAITA_KW.PFM"
                                                              : "YAITA_KF.PFM");
        page.formatted(0, "%4.2lf", j.section_inertia);
        page.formatted(1, "%4.2lf", j.section_modulus);
        page.formatted(6, "%10.0lf", pile.inertia_beta[kSectionUncorroded]);
        page.formatted(7, "%10.0lf", pile.stress_modulus[kSectionUncorroded]);
        if (flag != kNoCorrosion) {
            page.formatted(8, "%10.0lf", pile.inertia_beta[kSectionSeabedMud]);
            page.formatted(9, "%10.0lf", pile.stress_modulus[kSectionSeabedMud]);
        }
        if (flag == kCorrosionZonesDiffer) {
            page.formatted(10, "%10.0lf", pile.inertia_beta[kSectionSeaWater]);
            page.formatted(11, "%10.0lf", pile.stress_modulus[kSectionSeaWater]);
        }
    }
    if (j.embedment_inertia < 1.0) {
        page.block(kSamePage, flag != kNoCorrosion ? "YAITA_KL.PFM" : "YAITA_KN.PFM");
        page.formatted(0, "%4.2lf", j.embedment_inertia);
        page.formatted(6, "%10.0lf", pile.inertia_embed[kSectionUncorroded]);
        if (flag != kNoCorrosion)
            page.formatted(8, "%10.0lf", pile.inertia_embed[kSectionSeabedMud]);
    }
}

void write_constants_table(PageFile& page, const StabilityReport& report,
                           const std::string& chart_name) {
    const ForceCase& fc = report.force_case;
    const EmbedmentMethod method = report.method();
    // Two printed lines a layer row and the heading and closing lines.
    page.reserve(single_constant(method) ? 35 : 2 * (fc.layer_count - fc.start_index) + 31);
    page.block(kSamePage, "KHKSKC1.PFM", chart_name);
    write_constants_captions(page, method);
    if (single_constant(method)) {
        const DesignValueBlock& v = report.results.design_values;
        const ForceLayerRow& top = fc.layers[static_cast<std::size_t>(fc.start_index)];
        const ForceLayerRow& last = fc.layers[static_cast<std::size_t>(fc.layer_count - 1)];
        page.block(kSamePage, "KHKSKC2.PFM");
        page.formatted(0, "%7.2lf", top.level);
        page.formatted(1, "%7.2lf", last.level - last.thickness);
        if (v.n_value_flag != 1)
            page.value(2, kNoValue);
        else if (method == EmbedmentMethod::CType)
            page.formatted(2, "%12.1lf", v.n_value);
        else
            page.formatted(2, "%12.2lf", v.n_value_increase);
        page.formatted(3, "%12.1lf", v.lateral_constant);
    } else {
        // The last row only closes the last layer.
        for (int i = fc.start_index; i < fc.layer_count - 1; ++i) {
            const ForceLayerRow& row = fc.layers[static_cast<std::size_t>(i)];
            page.block(kSamePage, "KHKSKC2.PFM");
            page.formatted(0, "%7.2lf", row.level);
            page.formatted(1, "%7.2lf", row.level - row.thickness);
            if (row.resistance_option == to_file_value(LayerKhOption::Given))
                page.value(2, kNoValue);
            else if (row.friction_angle < 0.0001 && row.n_from_cohesion == 1)
                page.formatted(2, "%12.3lf", row.n_value);
            else
                page.formatted(2, "%12.1lf", row.n_value);
            page.formatted(3, "%12.1lf", row.kh);
        }
    }
    page.block(kSamePage, "KHKSKC3.PFM");
}

void write_section_pages(PageFile& page, const StabilityReport& report,
                         const std::string& chart_name) {
    const DecidedPile& pile = report.results.decided;
    page.block(BlockStart::new_page, "YAITA.PFM");
    page.formatted(99, "%d-2", report.chapter_no);
    page.value(0, escape_user_text(pile.name));
    page.formatted(4, "%10.1lf", report.results.design_values.young_modulus);
    if (report.pile_type() != PileType::SteelPipe) {
        page.formatted(1, "%10.0lf", pile.inertia[kSectionUncorroded]);
        page.formatted(2, "%10.0lf", pile.modulus[kSectionUncorroded]);
        page.value(3, "/m");
        if (report.with_corrosion()) write_sheet_pile_corrosion_pages(page, report);
        if (has_corroded_section_chart(report)) {
            page.reserve(kSectionChartLines);
            page.drawing_block(kSamePage, kCorrodedSectionChartFile);
        }
    } else {
        page.formatted(1, "%10.0lf", pile.pipe_inertia);
        page.formatted(2, "%10.0lf", pile.pipe_modulus);
        page.block(kSamePage, "KOKAN_FM.PFM");
        page.formatted(7, "%6.3lf", pile.pipe_effective_width);
        page.formatted(8, "%10.0lf", pile.inertia[kSectionUncorroded]);
        page.formatted(9, "%10.0lf", pile.modulus[kSectionUncorroded]);
        if (report.with_corrosion()) write_pipe_corrosion_pages(page, report);
    }
    if (report.results.joint_efficiency_flag == 1) write_joint_efficiency_pages(page, report);
    write_constants_table(page, report, chart_name);
}

} // namespace wtn
