// An angle as the report prints it: whole degrees, minutes and seconds, the
// seconds cut, never rounded.
#pragma once

namespace wtn {

struct DegreesMinutesSeconds {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

// The load calculation stores its failure angles to whole seconds; their
// radians read back fall a hair short of the second (60 deg gives
// 215999.99999999997"), so a millionth of a second is added before cutting.
// An angle truly short of a second (30.99999 deg) still prints 30 59' 59".
// An angle of a full turn or more, or not a number, comes only from a damaged
// load table and stops the program.
DegreesMinutesSeconds to_degrees_minutes_seconds(double radians);

} // namespace wtn
