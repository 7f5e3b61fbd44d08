#include "degrees_minutes_seconds.h"

#include "error_messages.h"

#include <cmath>
#include <numbers>

namespace wtn {

namespace {

// Seconds added to a stored angle before it is cut to whole seconds.
constexpr double kStoredSecondSlack = 1e-6;
// No failure angle reaches a full turn; only a damaged table holds one.
constexpr double kFullTurnSeconds = 360.0 * 3600.0;

} // namespace

DegreesMinutesSeconds to_degrees_minutes_seconds(double radians) {
    const double t = radians * 180.0 / std::numbers::pi * 3600.0 + kStoredSecondSlack;
    if (!(std::fabs(t) < kFullTurnSeconds))
        stop_with_error("(ERROR)-崩壊角の値が正しくありません(外力計算結果ファイル).");
    const double m = std::floor(t / 60.0) * 60.0;
    const double d = std::floor(m / 3600.0) * 3600.0;
    DegreesMinutesSeconds r;
    r.seconds = static_cast<int>(t - m);
    r.minutes = static_cast<int>((m - d) / 60.0);
    r.degrees = static_cast<int>(d / 3600.0);
    return r;
}

} // namespace wtn
