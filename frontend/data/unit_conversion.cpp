#include "unit_conversion.h"

#include "marume_round.h"
#include "number_text.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <cmath>
#include <string>

namespace wtn {

namespace {

using marume::round_dec;

// Standard gravity in the precisions that the old conversions used.
constexpr double kG2 = 9.8;
constexpr double kG3 = 9.807;
constexpr double kG5 = 9.80665;
constexpr double kGWater = 9.81;

// Moduli of the two standard materials, old value (10^6 tf/m2 ... as
// 2.1 x 10^n) and their SI values in kN/mm2: steel and prestressed concrete.
constexpr double kOldSteelE = 2.1, kSteelE = 200.0;
constexpr double kOldConcreteE = 3.5, kConcreteE = 34.3;

// A value near the limit of a double overflows when it is multiplied into SI
// units; the file is refused rather than an infinite value carried on to the
// screens, which would show it as an empty box and store it as 0.
double finite(double x, const char* what) {
    if (!std::isfinite(x)) throw DataError(std::string(what) + "の値が大きすぎて換算できません。");
    return x;
}

// value multiplied into SI units by factor and rounded to decimals places.
void convert_rounded(double& value, double factor, int decimals, const char* what) {
    value = finite(round_dec(value * factor, decimals), what);
}

// Allowable stresses of the standard grades (kgf/cm2 to N/mm2), taken from
// the standards' SI tables rather than multiplied, so they read as tabled.
struct StressPair {
    double old_value, si_value;
};
constexpr StressPair kStressTable[] = {
    {1800, 180}, {2700, 270}, {2400, 235}, {3600, 352.5},
    {1400, 140}, {2100, 210}, {1900, 185}, {2850, 277.5},
};

double convert_stress(double x) {
    for (const auto& pair : kStressTable)
        if (x == pair.old_value) return pair.si_value;
    return finite(round_dec(x * kG3 / 100.0, 1), "許容応力度");
}

// Lateral-resistance constants from tf/m^p to kN/m^p: the length unit is the
// cm of the old constants (100^p) and the force unit tf to kN (9.8 / 1000).
double convert_constant(double x, double power) {
    return finite(x * kG2 / 1000.0 * std::pow(100.0, power), "横抵抗定数");
}

void convert_layers(std::array<DosouRec, kSoilLayerRoom + 1>& layers, EmbedmentMethod method) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        DosouRec& l = layers[i];
        for (int j = 0; j < 2; ++j)
            l.unit_w[j] = finite(l.soil_sw == SoilKind::Sand ? round_dec(l.unit_w[j] * kG2, 0)
                                                             : round_dec(l.unit_w[j] * kG5, 3),
                                 "土の単位体積重量");
        convert_rounded(l.soil_val[1], kG5, 3, "C0");
        convert_rounded(l.soil_val[2], kG5, 3, "K");
        // The constants are not rounded: they are large and carry their own digits.
        if (method == EmbedmentMethod::Chang || method == EmbedmentMethod::ChangMultiLayer)
            l.kh_val[0] = convert_constant(l.kh_val[0], 3.0);
        else if (method == EmbedmentMethod::CTypeMultiLayer)
            l.kh_val[0] = convert_constant(l.kh_val[0], 2.5);
        l.kh_val[1] = convert_constant(l.kh_val[1], 3.0);
        l.kh_val[2] = convert_constant(l.kh_val[2], 3.0);
        l.kh_val[3] = convert_constant(l.kh_val[3], 2.5);
    }
}

void convert_method(DosouHohoRec& h, EmbedmentMethod method) {
    if (method == EmbedmentMethod::CType)
        h.hoho_k[0] = convert_constant(h.hoho_k[0], 2.5);
    else if (method == EmbedmentMethod::SType)
        h.hoho_k[0] = convert_constant(h.hoho_k[0], 3.5);
    h.hoho_k[1] = convert_constant(h.hoho_k[1], 2.5);
    h.hoho_k[2] = convert_constant(h.hoho_k[2], 3.5);
}

void convert_forces(std::array<GairyokuRec, kForceRoom + 1>& forces) {
    for (int i = 0; i < kForceRoom; ++i)
        convert_rounded(forces[i].force, kG5, 3, "外力");
}

} // namespace

void conv_si_unit(DesignData& d, const ConversionScope& scope) {
    SekkeiData& s = d.sekkei_dat;
    SekoujiData& w = d.sekouji_dat;
    YaitaData& y = d.yaita_dat;
    TihyouData& t = d.tihyou_dat;
    DosouData& ds = d.dosou_dat;

    s.zevove_sw = YesNo::No;
    if (scope.water) convert_rounded(s.water_w, kGWater, 1, "海水の単位体積重量");
    d.kanseiji_dat.dynwater_sw = YesNo::No;
    if (w.wave_sw != WaveFormula::Goda || w.dissip_sw != DissipatingWorks::Present) {
        w.lambda1 = 1.0;
        w.lambda2 = 1.0;
    } else {
        w.lambda2 = 0.0;
    }
    if (scope.young_and_stress) {
        if (y.young_e == kOldSteelE)
            y.young_e = kSteelE;
        else if (y.young_e == kOldConcreteE)
            y.young_e = kConcreteE;
        else
            y.young_e = finite(round_dec(std::pow(10.0, y.young_exp) * y.young_e * kG3 / 1e5, 1),
                               "ヤング係数");
        y.young_exp = 0;
        for (int i = 0; i < 3; ++i)
            y.stress_allow[i] = convert_stress(y.stress_allow[i]);
    }
    y.second_sw = YesNo::No;
    y.kh_lm = 0.0;
    if (scope.surcharge)
        for (int i = 0; i < 2; ++i)
            convert_rounded(t.surcharge_q[i], kG3, 2, "上載荷重");
    if (scope.fills)
        for (int i = 0; i < kFillRoom; ++i) {
            convert_rounded(t.morid_tbl[i].wet_w, kG2, 0, "盛土の単位体積重量");
            convert_rounded(t.morid_tbl[i].sat_w, kG2, 0, "盛土の単位体積重量");
        }
    if (scope.surcharge_zones)
        for (int i = 0; i < kSurchargeRoom; ++i) {
            convert_rounded(t.josai_tbl[i].q_normal, kG3, 2, "上載荷重");
            convert_rounded(t.josai_tbl[i].q_seismic, kG3, 2, "上載荷重");
        }
    const EmbedmentMethod method = s.neire_sw;
    if (scope.land_layers) convert_layers(ds.dosou_riku, method);
    if (scope.sea_layers) convert_layers(ds.dosou_umi, method);
    if (scope.land_method) convert_method(ds.dosou_hoho[0], method);
    if (scope.sea_method) convert_method(ds.dosou_hoho[1], method);
    if (scope.normal_forces) convert_forces(d.gairyoku_dat.gairyoku_jyo);
    if (scope.seismic_forces) convert_forces(d.gairyoku_dat.gairyoku_jis);
}

} // namespace wtn
