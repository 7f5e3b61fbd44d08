#include "koken.h"

#include "chang.h"
#include "checks.h"
#include "csv_line.h"
#include "embedment_common.h"
#include "error_messages.h"
#include "file_io.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace wtn {

namespace {

constexpr std::size_t kCurveFieldCount = 7;
constexpr double kDeflectionToCm = 100.0;
constexpr double kSlopeScale = 1000.0;
// The curves' values lie within a few tens either way; a value beyond this
// is a damaged table, and one near the range of double would overflow the
// interpolation between two rows into an infinite moment or deflection.
constexpr double kLargestCurveValue = 1.0e6;

constexpr const char* kCTypeTable = "CGATA.MST";
constexpr const char* kSTypeTable = "SGATA.MST";

[[noreturn]] void stop_bad_table(const std::string& name, int line) {
    stop_with_error("(ERROR)-基準曲線表ファイル(" + name + ")の " + std::to_string(line) +
                    " 行目が正しくありません.");
}

double r3(double x) {
    return round_dec(x, 3);
}

} // namespace

CurveTable read_curve_table(const std::string& name) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(name.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) stop_with_error(ErrorCode::StandardCurveOpen);
    CurveTable table;
    table.name = name;
    LineReader reader(file.get());
    CsvLine line;
    int line_number = 0;
    for (;;) {
        const int kind = read_csv_line(reader, line);
        if (kind == kCsvEndOfFile) break;
        ++line_number;
        if (kind == kCsvComment) continue;
        if (line.fields.size() < kCurveFieldCount) stop_bad_table(name, line_number);
        CurveRow row;
        row.log_ts = line.real(0);
        row.moment = line.real(2);
        row.zero = line.real(3);
        row.deflection = line.real(4);
        row.slope = line.real(6);
        for (double value : {row.log_ts, row.moment, row.zero, row.deflection, row.slope})
            if (!std::isfinite(value) || std::fabs(value) > kLargestCurveValue)
                stop_bad_table(name, line_number);
        // The look-up walks the rows downwards in log Ts.
        if (!table.rows.empty() && !(row.log_ts < table.rows.back().log_ts))
            stop_bad_table(name, line_number);
        table.rows.push_back(row);
    }
    if (reader.failed()) stop_bad_table(name, line_number);
    return table;
}

CurveBracket read_standard_curve(const CurveTable& table, double log_ts) {
    const CurveRow* upper = nullptr;
    for (const CurveRow& row : table.rows) {
        if (row.log_ts >= log_ts) {
            upper = &row;
            continue;
        }
        if (upper == nullptr) break;
        return {*upper, row};
    }
    stop_with_error(ErrorCode::LogTsOutsideCurves);
}

KokenConstants koken_constants(EmbedmentMethod method) {
    if (method == EmbedmentMethod::SType) return {{7.0, 8.0, 9.0, 10.0}, kSTypeTable};
    return {{5.0, 6.0, 7.0, 8.0}, kCTypeTable};
}

double koken_term(double a, double b, double log_constant) {
    return r3(a - b + 2.0 * log_constant);
}

double curve_interpolate(double x, double x_low, double x_high, double y_low, double y_high) {
    return r3((x - x_low) * (y_high - y_low) / (x_high - x_low) + y_low);
}

void koken_curve_results(const KokenCurveInput& input, const CurveTable& table,
                         KokenResult& koken) {
    if (!(input.force > 0.0))
        stop_with_error("(ERROR)-港研方式の計算で合力Ｐが 0.0 以下になっています.");
    if (!(input.lever_arm > 0.0))
        stop_with_error("(ERROR)-港研方式の計算で合力の作用高さ h0 が 0.0 以下になっています.");
    const KokenConstants constants = koken_constants(input.method);
    auto& a = koken.result;
    auto& b = koken.curve;
    const double height = input.lever_arm / kKokenDepthScale;
    const double log_height = r3(std::log10(height));
    const double constant = r3(input.constant / kKokenConstantScale);
    const double log_constant = r3(std::log10(constant));
    a[kKokenHeight] = height;
    a[kKokenLogHeight] = log_height;
    a[kKokenConstant] = constant;
    a[kKokenLogConstant] = log_constant;
    const double log_force = std::log10(input.force);

    for (std::size_t s = 0; s < kSectionCount; ++s) {
        if (s == kSectionSeaWater && !input.with_sea_water_section) continue;
        for (std::size_t u = 0; u < 2; ++u) {
            const std::size_t k = koken_index(s, u);
            const double rigidity =
                r3(r3(input.rigidity[k] * 0.0001) * kKokenRigidityScale / kKokenRigidityScale);
            const double log_rigidity = r3(std::log10(rigidity));
            const double t1 = koken_term(constants.c[0] * log_height, log_rigidity, log_constant);
            const double t2 = koken_term(constants.c[1] * log_height, log_rigidity, log_constant);
            const double t3 =
                koken_term(constants.c[2] * log_height, 2.0 * log_rigidity, log_constant);
            const double t4 =
                koken_term(constants.c[3] * log_height, 2.0 * log_rigidity, log_constant);
            const double log_ts = r3(log_force - t1);
            const CurveBracket rows = read_standard_curve(table, log_ts);
            auto read = [&](double CurveRow::*field) {
                return curve_interpolate(log_ts, rows.lower.log_ts, rows.upper.log_ts,
                                         rows.lower.*field, rows.upper.*field);
            };
            const double m = read(&CurveRow::moment);
            const double z = read(&CurveRow::zero);
            const double y = read(&CurveRow::deflection);
            const double t = read(&CurveRow::slope);

            a[kKokenRigidity + k] = rigidity;
            a[kKokenLogRigidity + k] = log_rigidity;
            a[kKokenTerm1 + k] = t1;
            a[kKokenTerm2 + k] = t2;
            a[kKokenTerm4 + k] = t4;
            a[kKokenTerm3 + k] = t3;
            b[kCurveLogTs + k] = log_ts;
            const std::size_t r = 2 * k;
            b[kCurveKey + r] = rows.upper.log_ts;
            b[kCurveKey + r + 1] = rows.lower.log_ts;
            b[kCurveMoment + r] = rows.upper.moment;
            b[kCurveMoment + r + 1] = rows.lower.moment;
            b[kCurveZero + r] = rows.upper.zero;
            b[kCurveZero + r + 1] = rows.lower.zero;
            b[kCurveDeflection + r] = rows.upper.deflection;
            b[kCurveDeflection + r + 1] = rows.lower.deflection;
            b[kCurveSlope + r] = rows.upper.slope;
            b[kCurveSlope + r + 1] = rows.lower.slope;
            a[kKokenReadMoment + k] = m;
            a[kKokenReadZero + k] = z;
            a[kKokenReadDeflection + k] = y;
            a[kKokenReadSlope + k] = t;
            a[kKokenLogMoment + k] = m + t2;
            a[kKokenLogZero + k] = z + log_height;
            a[kKokenLogDeflection + k] = y + t4;
            a[kKokenLogSlope + k] = t + t3;
            a[kKokenMoment + k] = r3(std::pow(10.0, m + t2));
            a[kKokenZero + k] = r3(std::pow(10.0, z + log_height));
            // The tables give y in m; the results are in cm.
            a[kKokenDeflection + k] = r3(std::pow(10.0, y + t4) * kDeflectionToCm);
            a[kKokenSlope + k] = r3(std::pow(10.0, t + t3) * kSlopeScale) / kSlopeScale;
        }
    }
}

void copy_koken_design_values(const InputRecord& input, int force_file_mode,
                              DesignValueBlock& design_values) {
    const bool sea_side = force_file_mode == kCompletedStateMode;
    const LateralResistance& side = sea_side ? input.neire.sea : input.neire.land;
    design_values.n_value_flag = to_file_value(side.method);
    design_values.n_value = side.first_value;
    design_values.n_value_increase = side.second_value;
    design_values.lateral_constant = side.kh;
    if (!(side.kh > 0.0)) stop_with_error(sea_side ? ErrorCode::SeaKhZero : ErrorCode::LandKhZero);
}

void koken_displacement(StabilityRun& run, int j, int state, double rigidity, double y0,
                        double theta0) {
    const double at_reference = r3(y0);
    const double rotation = r3(theta0 * free_length_cm(run, j));
    const double reaction =
        run.input.swdat.embedment_method == EmbedmentMethod::CType
            ? std::sqrt(at_reference / 100.0) * run.results.design_values.lateral_constant
            : 0.0;
    store_head_displacement(run, j, state, at_reference, rotation, rigidity, reaction);
}

void solve_koken(StabilityRun& run, int j) {
    const SectionValues& sv = run.section;
    const ForceCase& fc = run.force_case;
    const auto jc = static_cast<std::size_t>(j);
    const EmbedmentMethod method = run.input.swdat.embedment_method;
    KokenResult& koken = run.results.areas.koken;
    LevelSolverBlock& solver = run.results.level_solver;
    auto& a = koken.result;

    copy_koken_design_values(run.input, run.file_mode, run.results.design_values);
    load_displacement_sum(run, j);

    const bool zones_differ = run.results.corrosion.case_flag == kCorrosionZonesDiffer;
    KokenCurveInput in;
    in.method = method;
    in.force = fc.total_force;
    in.lever_arm = fc.lever_arm;
    in.constant = run.results.design_values.lateral_constant;
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        in.rigidity[koken_index(s, 0)] = sv.rigidity_beta[s];
        in.rigidity[koken_index(s, 1)] = sv.rigidity_embed[s];
    }
    in.with_sea_water_section = zones_differ;
    koken_curve_results(in, read_curve_table(koken_constants(method).table), koken);

    // The depth of the maximum moment by Chang's closed form with the
    // coefficient given for it.
    const double kh = run.input.nir_t.pipe_kh;
    if (!(kh > 0.0) && steel_pipe_check_on(run)) {
        stop_with_error("(ERROR)-鋼管矢板の二次応力の照査に用いる横方向地盤反力係数が 0.0 "
                        "以下になっています.");
    }
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        a[kKokenSectionRigidity + s] = sv.rigidity_beta[s];
        if (!(kh > 0.0)) continue;
        const double beta = r3(pile_beta(kh, sv.rigidity_beta[s]));
        a[kKokenBeta + s] = beta;
        a[kKokenMaxMomentDepth + s] =
            chang_max_moment_depth(static_cast<int>(s), beta, fc.lever_arm);
    }

    // The sea-water section carries the moment at the reference level, or
    // the seabed-mud section's maximum moment.
    std::array<double, kSectionCount> moment{};
    for (std::size_t s = 0; s < kSectionCount; ++s)
        moment[s] = a[kKokenMoment + koken_index(s, 0)];
    moment[kSectionSeaWater] =
        run.custom.koken_sea_moment_rule == KokenSeaMomentRule::AtVirtualSeabed
            ? fc.total_moment
            : a[kKokenMoment + koken_index(kSectionSeabedMud, 0)];
    solver.moment[jc][kSectionSeaWater] = moment[kSectionSeaWater];
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        if (s == kSectionSeaWater && !zones_differ) continue;
        solver.moment[jc][s] = moment[s];
        solver.bending_stress[jc][s] = bending_stress(moment[s], sv.stress_modulus[s]);
        solver.max_moment_depth[jc][s] = a[kKokenMaxMomentDepth + s];
        solver.first_zero[jc][s] = a[kKokenZero + koken_index(s, 1)];
    }

    pipe_secondary_stresses(run, j, a[kKokenMaxMomentDepth + kSectionUncorroded],
                            a[kKokenMaxMomentDepth + kSectionSeabedMud]);

    // The required embedment is 1.5 l1 of the embedment rigidity.
    constexpr double kEmbedmentFactor = 1.5;
    LevelDisplacementBlock& disp = run.results.level_displacement;
    disp.embedment[jc][0] =
        r3(kEmbedmentFactor * a[kKokenZero + koken_index(kSectionUncorroded, 1)]);
    disp.embedment[jc][1] =
        r3(kEmbedmentFactor * a[kKokenZero + koken_index(kSectionSeabedMud, 1)]);

    koken_displacement(run, j, 0, sv.rigidity_beta[kSectionUncorroded],
                       a[kKokenDeflection + koken_index(kSectionUncorroded, 0)],
                       a[kKokenSlope + koken_index(kSectionUncorroded, 0)]);
    koken_displacement(run, j, 1, sv.rigidity_beta[kSectionSeaWater],
                       a[kKokenDeflection + koken_index(kSectionSeabedMud, 0)],
                       a[kKokenSlope + koken_index(kSectionSeabedMud, 0)]);
}

} // namespace wtn
