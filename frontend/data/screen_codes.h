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

// A group of two option buttons: 0 the first button on, 1 the second.
inline constexpr int kFirstButtonOn = 0;
inline constexpr int kSecondButtonOn = 1;

// Whether a switch held as a list index stands for one of the list's count
// entries.
inline constexpr bool is_list_index(int screen_switch, int count) {
    return screen_switch >= 0 && screen_switch < count;
}

// The soil of a layer (DosouRec::soil_sw).
enum class SoilKind : int { Sand = 0, Clay = 1 };

// One side's lateral resistance of the embedment (DosouHohoRec::hoho_sw):
// given, or read from the average N value on the chart line of the C-type
// method or from the rate of increase of N for the S-type method.
enum class SideResistanceOption : int { Given = 0, CTypeFromN = 1, STypeFromN = 2 };
inline constexpr int kSideResistanceOptionCount = 3;

// The side an other external force acts from (GairyokuRec::direction).
enum class ForceSide : int { Active = 0, Passive = 1 };

// The joint of a steel-pipe row (KokanRec::joint_type): the joint types 1 to
// 3 as list entries 0 to 2, or an effective joint spacing given.
inline constexpr int kPipeJointTypeCount = 3;
inline constexpr int kPipeJointGivenSpacing = 3;
inline constexpr int kPipeJointOptionCount = kPipeJointGivenSpacing + 1;

// How the results dialog is shown (DesignData::kekka_mode), per stage: by the
// run, whose closing adopts the boxes, or by the results commands, to view.
inline constexpr int kResultsAdoptCompleted = 1;
inline constexpr int kResultsAdoptConstruction = 2;
inline constexpr int kResultsViewCompleted = -1;
inline constexpr int kResultsViewConstruction = -2;

// A switch of the design data as its code type.
template <class Code> constexpr Code screen_code(int screen_switch) {
    return static_cast<Code>(screen_switch);
}
template <class Code> constexpr int screen_value(Code code) {
    return static_cast<int>(code);
}

} // namespace wtn
