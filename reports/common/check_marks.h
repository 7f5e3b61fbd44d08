// The texts a check prints between a value and its limit and after them:
// " ≦ " and "OK " when the value keeps within the limit, " ＞ " and "OUT"
// when it exceeds it. The stability program's trial pages and the stability
// report's check pages take them from here, so both read alike.
#pragma once

#include "result_records.h"

#include <cstdint>

namespace wtn {

struct CheckMarks {
    const char* mark;
    const char* verdict;
};

// The marks of an NG flag as the stability work files store it: kCheckPassed,
// kCheckFailed, or kNotChecked (blank mark, "－ ").
CheckMarks check_marks(std::int32_t flag);

// The marks of value against limit: within when value <= limit. A value
// equal to its limit passes, as the calculation's own checks judge it.
CheckMarks check_marks_within(double value, double limit);

} // namespace wtn
