#include "check_marks.h"

namespace wtn {

CheckMarks check_marks(std::int32_t flag) {
    if (flag == kCheckPassed) return {" ≦ ", "OK "};
    if (flag == kNotChecked) return {"   ", "－ "};
    return {" ＞ ", "OUT"};
}

CheckMarks check_marks_within(double value, double limit) {
    return check_marks(value <= limit ? kCheckPassed : kCheckFailed);
}

} // namespace wtn
