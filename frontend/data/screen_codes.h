// Switches of the design data that the calculation input does not carry as
// they are held: the front end's own choices and the check boxes. The codes
// the file does carry are in wall_codes.h.
#pragma once

namespace wtn {

// A check box: 1 checked, 0 clear.
inline constexpr int kBoxClear = 0;
inline constexpr int kBoxChecked = 1;
inline constexpr bool box_checked(int box) {
    return box == kBoxChecked;
}
inline constexpr int box_value(bool checked) {
    return checked ? kBoxChecked : kBoxClear;
}

// The soil of a layer (DosouRec::soil_sw).
enum class SoilKind : int { Sand = 0, Clay = 1 };

// One side's lateral resistance of the embedment (DosouHohoRec::hoho_sw):
// given, or read from the average N value on the chart line of the C-type
// method or from the rate of increase of N for the S-type method.
enum class SideResistanceOption : int { Given = 0, CTypeFromN = 1, STypeFromN = 2 };

// The side an other external force acts from (GairyokuRec::direction).
enum class ForceSide : int { Active = 0, Passive = 1 };

// The joint of a steel-pipe row (KokanRec::joint_type): the joint types 1 to
// 3 as list entries 0 to 2, or an effective joint spacing given.
inline constexpr int kPipeJointTypeCount = 3;
inline constexpr int kPipeJointGivenSpacing = 3;

// A switch of the design data as its code type.
template <class Code> constexpr Code screen_code(int screen_switch) {
    return static_cast<Code>(screen_switch);
}

} // namespace wtn
