#include "corrosion.h"

#include "error_messages.h"
#include "format_values.h"
#include "message_box.h"
#include "rounding.h"
#include "steel_pipe_section.h"
#include "wall_codes.h"
#include "young_modulus.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

// Base allowable stresses (N/mm2) by product and steel grade.
constexpr double kPipeBaseLowGrade = 140.0;
constexpr double kPipeBaseHighGrade = 185.0;
constexpr double kSheetBaseLowGrade = 180.0;
constexpr double kSheetBaseHighGrade = 235.0;
constexpr double kSeismicIncrease = 1.5;
constexpr double kPipeCombinedNormal = 1.1;

// Allowances or reduction rates this close count as equal.
constexpr double kSameAllowance = 0.001;
constexpr double kFullRate = 100.0;
constexpr double kNoSection = 0.0001;

// t2/t1 of the grid points of the corrosion table.
constexpr std::array<double, kCorrosionTablePoints> kRhoGrid = {0.0, 0.25, 0.5, 0.75, 1.0};

// Catalogue ids whose depth value c is twice the one used (the Z-type piles).
constexpr std::int32_t kDoubledDepthFirstId = 11;
constexpr std::int32_t kDoubledDepthLastId = 14;

// Which section of the candidate a zone's values go to.
constexpr std::size_t kSeaSection = 1;
constexpr std::size_t kMudSection = 2;

bool is_construction(const StabilityRun& run) {
    return run.file_mode == kConstructionStageMode;
}

struct ZonePair {
    double t1 = 0.0;
    double t2 = 0.0;
};

ZonePair zone_of(double sea_face, double land_face) {
    return {std::max(sea_face, land_face), std::min(sea_face, land_face)};
}

void store_zone(CandidateRecord& row, std::size_t s, const ZoneSection& z) {
    row.modulus[s] = z.modulus;
    row.modulus_before_cut[s] = z.modulus_before_cut;
    row.inertia[s] = z.inertia;
    row.rigidity[s] = z.rigidity;
    row.reduction_ratio[s] = z.reduction_ratio;
}

} // namespace

void allowable_stresses(StabilityRun& run, bool per_candidate, int k) {
    DesignValueBlock& d = run.results.design_values;
    const bool construction = is_construction(run);
    if (per_candidate) {
        if (run.pile_kind != PileKind::concrete) return;
        const double m = run.candidates[static_cast<std::size_t>(k)].record.allowable_moment;
        d.allowable_stress[0] = construction ? 2.0 * m : m;
        d.allowable_stress[1] = construction ? 0.0 : 2.0 * m;
        return;
    }
    if (run.pile_kind != PileKind::steel) return;
    const bool low_grade = run.input.joken.steel_grade == SteelGrade::SY295;
    const bool pipe = run.input.joken.pile_type == PileType::SteelPipe;
    const double c = pipe ? (low_grade ? kPipeBaseLowGrade : kPipeBaseHighGrade)
                          : (low_grade ? kSheetBaseLowGrade : kSheetBaseHighGrade);
    const AddedConditions& a = run.input.tjkn1;
    d.allowable_combined = {0.0, 0.0};
    if (construction) {
        d.allowable_stress[0] =
            a.allow_stress_construction > 0.0 ? a.allow_stress_construction : kSeismicIncrease * c;
        d.allowable_stress[1] = 0.0;
        return;
    }
    d.allowable_stress[0] = a.allow_stress_normal > 0.0 ? a.allow_stress_normal : c;
    d.allowable_stress[1] =
        a.allow_stress_seismic > 0.0 ? a.allow_stress_seismic : kSeismicIncrease * c;
    if (pipe) d.allowable_combined = {kPipeCombinedNormal * c, kSeismicIncrease * c};
}

void allowable_displacements(StabilityRun& run) {
    PerCase& allow = run.results.design_values.allowable_displacement;
    if (is_construction(run)) {
        allow = {run.input.tjkn1.allow_disp_construction, run.input.tjkn1.allow_disp_construction};
        return;
    }
    allow = {run.input.joken.allow_disp_normal, run.input.joken.allow_disp_seismic};
}

void youngs_modulus(StabilityRun& run) {
    DesignValueBlock& d = run.results.design_values;
    const YoungModulus e = young_modulus(run.input.tjkn1, run.pile_kind == PileKind::steel);
    d.young_mantissa = e.mantissa;
    d.young_exponent = e.exponent;
    d.young_modulus = e.value;
}

void corrosion_allowances(StabilityRun& run, int k) {
    CorrosionBlock& c = run.results.corrosion;
    const Candidate& cand = run.candidates[static_cast<std::size_t>(k)];
    const CorrosionData& f = run.input.fsyok;
    c = CorrosionBlock{};
    if (run.pile_kind == PileKind::concrete) {
        c.case_flag = kNoCorrosion;
        return;
    }
    if (cand.record.added == kAddedPile) {
        if (is_construction(run)) {
            c.case_flag = kNoCorrosion;
            return;
        }
        c.case_flag = std::fabs(f.reduction_sea_water - f.reduction_seabed_mud) < kSameAllowance
                          ? kCorrosionZonesSame
                          : kCorrosionZonesDiffer;
        if (f.reduction_sea_water == kFullRate && f.reduction_seabed_mud == kFullRate)
            c.case_flag = kNoCorrosion;
        return;
    }
    ZonePair sea;
    ZonePair mud;
    const auto standard = run.input.swdat.design_standard;
    if (standard == DesignStandard::Port || standard == DesignStandard::FisheryPort) {
        const double years = f.service_life;
        sea = zone_of(round_dec(years * std::max(f.sea_rates[1], f.sea_rates[2]), 2),
                      round_dec(years * f.land_rates[1], 2));
        mud = zone_of(round_dec(years * f.sea_rates[3], 2), round_dec(years * f.land_rates[2], 2));
    } else {
        sea = zone_of(f.allowance_water, f.allowance_land);
        mud = sea;
    }
    if (is_construction(run)) {
        c.case_flag = kNoCorrosion;
    } else if (f.check_range == CorrosionRange::MudOnly) {
        sea = mud;
        c.case_flag = kCorrosionZonesSame;
    } else {
        const bool same = std::fabs(sea.t1 - mud.t1) < kSameAllowance &&
                          std::fabs(sea.t2 - mud.t2) < kSameAllowance;
        c.case_flag = same ? kCorrosionZonesSame : kCorrosionZonesDiffer;
    }
    if (sea.t1 == 0.0 && sea.t2 == 0.0 && mud.t1 == 0.0 && mud.t2 == 0.0)
        c.case_flag = kNoCorrosion;
    c.t1_sea = sea.t1;
    c.t2_sea = sea.t2;
    c.t1_mud = mud.t1;
    c.t2_mud = mud.t2;
}

double corrosion_ratio(double t1, double t2) {
    const double rho = t1 == 0.0 ? 0.0 : round_dec(t2 / t1, 2);
    if (rho > kRhoGrid.back()) stop_with_error(ErrorCode::T2OverT1);
    return rho;
}

double cut_significant_digits(double x, int n) {
    if (x <= 0.0 || n <= 0) return x;
    const double digits = std::floor(std::log10(x)) + 1.0;
    const double unit = std::pow(10.0, digits - n);
    return unit * std::floor(x / unit);
}

ZoneSection sheet_pile_after_corrosion(const SheetPileCorrosion& pile, double t1, double t2,
                                       const CustomisationValues& custom, double young) {
    ZoneSection z;
    double modulus = 0.0;
    double inertia = 0.0;
    if (pile.added) {
        z.reduction_ratio = pile.rate * 0.01;
        modulus = pile.z0 * z.reduction_ratio;
        inertia = pile.i0 * z.reduction_ratio;
        z.rho = 0.0;
        if (modulus < kNoSection) {
            z.left = false;
            return z;
        }
    } else {
        z.rho = corrosion_ratio(t1, t2);
        std::size_t i = 1;
        while (kRhoGrid[i] < z.rho)
            ++i;
        const auto& q = pile.table;
        const double alpha = q[i - 1] + (q[i] - q[i - 1]) / (kRhoGrid[i] - kRhoGrid[i - 1]) *
                                            (z.rho - kRhoGrid[i - 1]);
        modulus = pile.z0 - alpha * t1;
        z.modulus_before_cut = modulus;
        if (modulus < kNoSection) {
            z.left = false;
            return z;
        }
        if (custom.corroded_section_rule == CorrodedSectionRule::FromCorrosionTable) {
            inertia = t1 == 0.0 ? pile.i0 : modulus * (pile.depth_value - (t1 + t2) / 2.0) / 10.0;
            z.reduction_ratio = 1.0;
        } else {
            z.reduction_ratio = round_dec(modulus / pile.z0, 2);
            modulus = pile.z0 * z.reduction_ratio;
            inertia = pile.i0 * z.reduction_ratio;
        }
    }
    if (custom.steel_significant_digits > 0) {
        modulus = cut_significant_digits(modulus, custom.steel_significant_digits);
        inertia = cut_significant_digits(inertia, custom.steel_significant_digits);
    }
    z.modulus = round_dec(modulus, 0);
    z.inertia = round_dec(inertia, 0);
    z.rigidity = flexural_rigidity(young, z.inertia);
    return z;
}

int section_after_corrosion(StabilityRun& run, int k) {
    Candidate& cand = run.candidates[static_cast<std::size_t>(k)];
    CandidateRecord& row = cand.record;
    CorrosionBlock& c = run.results.corrosion;
    const double young = run.results.design_values.young_modulus;

    if (run.pile_kind == PileKind::concrete) {
        for (std::size_t s : {kSeaSection, kMudSection}) {
            row.modulus[s] = row.modulus[0];
            row.inertia[s] = row.inertia[0];
            row.rigidity[s] = row.rigidity[0];
            row.reduction_ratio[s] = 1.0;
        }
        c.ratio_sea = 1.0;
        c.ratio_mud = 1.0;
        return 0;
    }

    const ZonePair zones[] = {{c.t1_sea, c.t2_sea}, {c.t1_mud, c.t2_mud}};
    const double rates[] = {run.input.fsyok.reduction_sea_water,
                            run.input.fsyok.reduction_seabed_mud};
    const std::size_t sections[] = {kSeaSection, kMudSection};
    double* rhos[] = {&c.ratio_sea, &c.ratio_mud};
    int result = 0;
    for (int zone = 0; zone < 2; ++zone) {
        const ZonePair& z = zones[zone];
        const std::size_t s = sections[zone];
        if (row.id == kSteelPipeId) {
            // A pipe taken over from the completed-state run carries no
            // dimensions; the construction stage considers no corrosion, and
            // without corrosion the section per metre is the one it has.
            const bool uncorroded = c.case_flag == kNoCorrosion || (z.t1 == 0.0 && z.t2 == 0.0);
            if (!cand.has_pipe_dimensions && uncorroded) {
                row.modulus[s] = row.modulus[0];
                row.inertia[s] = row.inertia[0];
                row.rigidity[s] = row.rigidity[0];
                row.reduction_ratio[s] = 1.0;
                *rhos[zone] = 0.0;
                continue;
            }
            if (!cand.has_pipe_dimensions) {
                stop_with_error("(ERROR)-鋼管矢板の寸法がないため腐食後の断面性能が"
                                "計算できません.");
            }
            const PipeSection p = steel_pipe_section(true, cand.pipe.diameter, cand.pipe.thickness,
                                                     z.t1, z.t2, cand.pipe.joint, young);
            *rhos[zone] = p.ratio;
            if (!p.left) {
                result = 1;
                continue;
            }
            row.modulus[s] = p.modulus;
            row.modulus_before_cut[s] = 0.0;
            row.inertia[s] = p.inertia;
            row.rigidity[s] = p.rigidity;
            row.reduction_ratio[s] = 1.0;
            continue;
        }
        SheetPileCorrosion pile;
        pile.added = row.added == kAddedPile;
        pile.z0 = row.modulus[0];
        pile.i0 = row.inertia[0];
        pile.table = cand.corrosion_table;
        const bool doubled_depth = row.id >= kDoubledDepthFirstId && row.id <= kDoubledDepthLastId;
        pile.depth_value = doubled_depth ? cand.depth_value / 2.0 : cand.depth_value;
        pile.rate = rates[zone];
        const ZoneSection section = sheet_pile_after_corrosion(pile, z.t1, z.t2, run.custom, young);
        *rhos[zone] = section.rho;
        if (!section.left) {
            result = 1;
            continue;
        }
        store_zone(row, s, section);
    }
    return result;
}

void confirm_corrosion_warnings(const StabilityRun& run, int k) {
    const CorrosionBlock& c = run.results.corrosion;
    const PileType type = run.input.joken.pile_type;
    const CandidateRecord& row = run.candidates[static_cast<std::size_t>(k)].record;
    if (c.case_flag == kNoCorrosion) return;
    if (type != PileType::U && type != PileType::Z && type != PileType::SteelOfFreeChoice) return;
    if (row.added == kAddedPile) return;

    struct Zone {
        double t1;
        std::size_t section;
        const char* t1_text;
        const char* z_text;
    };
    const Zone zones[] = {
        {c.t1_sea, kSeaSection, "海中部の腐食しろが断面性能表の最大値を越えています.",
         "腐食後[海中部]のＺが断面性能表の範囲外の可能性があります."},
        {c.t1_mud, kMudSection, "海底泥層中の腐食しろが断面性能表の最大値を越えています.",
         "腐食後[海底泥層中]のＺが断面性能表の範囲外の可能性があります."},
    };
    const int first = c.case_flag == kCorrosionZonesSame ? 1 : 0;
    for (int i = first; i < 2; ++i) {
        const Zone& z = zones[i];
        if (z.t1 > row.table_max_allowance) {
            warn_or_stop(format_text(
                "[%-32s]\n腐食しろ(計算) t1=%8.3lfmm > 腐食しろ(最大) t1=%8.3lfmm\n\n%s\n"
                "計算を続行しますか？",
                row.name.c_str(), z.t1, row.table_max_allowance, z.t1_text));
            return;
        }
        if (row.modulus[z.section] < row.table_min_modulus) {
            warn_or_stop(format_text(
                "[%-32s]\n断面係数(計算) Z=%10.0lfcm3/m < 断面係数(最小) Z=約%10.0lfcm3/m\n\n%s\n"
                "計算を続行しますか？",
                row.name.c_str(), row.modulus[z.section], row.table_min_modulus, z.z_text));
            return;
        }
    }
}

} // namespace wtn
