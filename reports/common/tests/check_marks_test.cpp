// The verdict texts of the checks.
#include "check_marks.h"

#include <gtest/gtest.h>

#include <string>

namespace wtn {
namespace {

TEST(CheckMarks, FlagsAndValuesAgainstTheirLimit) {
    struct Case {
        CheckMarks marks;
        const char* mark;
        const char* verdict;
    };
    const Case cases[] = {
        {check_marks(kCheckPassed), " ≦ ", "OK "},
        {check_marks(kCheckFailed), " ＞ ", "OUT"},
        {check_marks(kNotChecked), "   ", "－ "},
        {check_marks_within(180.0, 180.0), " ≦ ", "OK "}, // at its limit: passes
        {check_marks_within(180.1, 180.0), " ＞ ", "OUT"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::string(c.marks.mark), c.mark);
        EXPECT_EQ(std::string(c.marks.verdict), c.verdict);
    }
}

} // namespace
} // namespace wtn
