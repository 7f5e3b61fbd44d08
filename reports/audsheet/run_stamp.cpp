#include "run_stamp.h"

namespace wtn {

int stamp_date_time(RunInfo& info) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    stamp_from(local, info);
    return 0;
}

void stamp_from(const std::tm& local, RunInfo& info) {
    info.year = (local.tm_year + 1900) % 100;
    info.month = local.tm_mon + 1;
    info.day = local.tm_mday;
    info.hour = local.tm_hour;
    info.minute = local.tm_min;
    info.second = local.tm_sec;
}

} // namespace wtn
