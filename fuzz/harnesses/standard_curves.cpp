// CGATA.MST (C-type ground) or SGATA.MST (S-type ground), the standard curves
// of the port-research-institute method, as the stability program reads a
// table and brackets log Ts in it. The first byte picks the table.
#include "harness.h"
#include "koken.h"
#include "program_stop.h"

#include <vector>

namespace wtn::fuzz {

namespace {

// Readings between the first rows of the table, then one beyond its end,
// which the look-up refuses.
constexpr std::size_t kProbedRows = 8;
constexpr double kBeyondTheTable = -1.0e3;

void require_finite_row(const CurveRow& row) {
    require_finite(row.log_ts, "standard curve");
    require_finite(row.moment, "standard curve");
    require_finite(row.zero, "standard curve");
    require_finite(row.deflection, "standard curve");
    require_finite(row.slope, "standard curve");
}

} // namespace

void prepare() {}

void run_one(const std::string& bytes) {
    const char* name = !bytes.empty() && bytes[0] == 'S' ? "SGATA.MST" : "CGATA.MST";
    write_file(name, bytes.empty() ? bytes : bytes.substr(1));
    try {
        const CurveTable table = read_curve_table(name);
        for (const CurveRow& row : table.rows)
            require_finite_row(row);
        std::vector<double> probes;
        for (std::size_t i = 1; i < table.rows.size() && i <= kProbedRows; ++i)
            probes.push_back((table.rows[i - 1].log_ts + table.rows[i].log_ts) / 2.0);
        probes.push_back(kBeyondTheTable);
        for (double log_ts : probes) {
            const CurveBracket bracket = read_standard_curve(table, log_ts);
            require_finite(curve_interpolate(log_ts, bracket.lower.log_ts, bracket.upper.log_ts,
                                             bracket.lower.moment, bracket.upper.moment),
                           "standard curve reading");
        }
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
