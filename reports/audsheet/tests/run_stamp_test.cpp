#include "run_stamp.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(RunStamp, TwoDigitYearAndPlainNumbers) {
    struct Case {
        int year, month, day, hour, minute, second;
        int stamped_year;
    } cases[] = {
        {1999, 3, 5, 14, 7, 9, 99}, {2005, 12, 31, 0, 0, 0, 5}, {2000, 1, 1, 23, 59, 59, 0}};
    for (const Case& c : cases) {
        std::tm t{};
        t.tm_year = c.year - 1900;
        t.tm_mon = c.month - 1;
        t.tm_mday = c.day;
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        t.tm_sec = c.second;
        RunInfo info;
        stamp_from(t, info);
        EXPECT_EQ(info.year, c.stamped_year);
        EXPECT_EQ(info.month, c.month);
        EXPECT_EQ(info.day, c.day);
        EXPECT_EQ(info.hour, c.hour);
        EXPECT_EQ(info.minute, c.minute);
        EXPECT_EQ(info.second, c.second);
    }
    RunInfo now;
    EXPECT_EQ(stamp_date_time(now), 0);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.year, 99);
}

} // namespace
} // namespace wtn
