// Two check boxes that the calculation input carries as one code: the load
// cases of the completed state (normal, seismic: "swdat" item 6) and the
// studies (completed state, construction stage: "swdat" item 13). Both codes
// number the pair alike: 1 the first alone, 2 the second alone, 3 both.
#pragma once

#include "screen_codes.h"

namespace wtn {

enum class BoxPair : int { Neither = 0, FirstOnly = 1, SecondOnly = 2, Both = 3 };

template <class Code> constexpr Code box_pair_code(CheckBox first_box, CheckBox second_box) {
    const bool first = box_checked(first_box);
    const bool second = box_checked(second_box);
    const BoxPair pair = first && second ? BoxPair::Both
                         : first         ? BoxPair::FirstOnly
                         : second        ? BoxPair::SecondOnly
                                         : BoxPair::Neither;
    return from_file_value<Code>(to_file_value(pair));
}

// The two boxes of a code; a code outside the list clears both.
template <class Code>
constexpr void boxes_from_pair_code(Code code, CheckBox& first_box, CheckBox& second_box) {
    const auto pair = from_file_value<BoxPair>(to_file_value(code));
    first_box = box_value(pair == BoxPair::FirstOnly || pair == BoxPair::Both);
    second_box = box_value(pair == BoxPair::SecondOnly || pair == BoxPair::Both);
}

} // namespace wtn
