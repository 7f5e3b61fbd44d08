// Codes of the design data that the calculation input does not carry as they
// are held: the front end's own choices and the check boxes. The codes the
// file does carry are in wall_codes.h. Each is one list of {name, value,
// label}, numbered as the project file holds it.
#pragma once

#include "code_table.h"

namespace wtn {

// A check box: 1 checked, 0 clear.
#define WTN_CHECK_BOX(X)                                                                           \
    X(Clear, 0, u8"しない")                                                                        \
    X(Checked, 1, u8"する")
WTN_DEFINE_CODE(CheckBox, WTN_CHECK_BOX)
inline constexpr bool box_checked(CheckBox box) {
    return box == CheckBox::Checked;
}
inline constexpr CheckBox box_value(bool checked) {
    return checked ? CheckBox::Checked : CheckBox::Clear;
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
#define WTN_SOIL_KIND(X)                                                                           \
    X(Sand, 0, u8"砂質土")                                                                         \
    X(Clay, 1, u8"粘性土")
WTN_DEFINE_CODE(SoilKind, WTN_SOIL_KIND)

// One side's lateral resistance of the embedment (DosouHohoRec::hoho_sw):
// given, or read from the average N value on the chart line of the C-type
// method or from the rate of increase of N for the S-type method.
#define WTN_SIDE_RESISTANCE_OPTION(X)                                                              \
    X(Given, 0, u8"直接入力")                                                                      \
    X(CTypeFromN, 1, u8"平均Ｎ値から計算")                                                         \
    X(STypeFromN, 2, u8"Ｎ値の増加率から計算")
WTN_DEFINE_CODE(SideResistanceOption, WTN_SIDE_RESISTANCE_OPTION)
inline constexpr int kSideResistanceOptionCount = 3;

// The side an other external force acts from (GairyokuRec::direction).
#define WTN_FORCE_SIDE(X)                                                                          \
    X(Active, 0, u8"主働")                                                                         \
    X(Passive, 1, u8"受働")
WTN_DEFINE_CODE(ForceSide, WTN_FORCE_SIDE)

// The joint of a steel-pipe row (KokanRec::joint_type): the joint types 1 to
// 3 of the calculation input as list entries 0 to 2, or an effective joint
// spacing given.
#define WTN_PIPE_JOINT(X)                                                                          \
    X(LT, 0, u8"二港湾型(L-T型)")                                                                  \
    X(PT, 1, u8"パイプ型(P-T型)")                                                                  \
    X(PP, 2, u8"パイプ型(P-P型)")                                                                  \
    X(GivenSpacing, 3, u8"有効継手間隔")
WTN_DEFINE_CODE(PipeJoint, WTN_PIPE_JOINT)
inline constexpr int kPipeJointTypeCount = 3;
inline constexpr int kPipeJointOptionCount = 4;
inline constexpr bool is_joint_type(PipeJoint joint) {
    return is_list_index(list_index_of(joint), kPipeJointTypeCount);
}
// The calculation input carries a joint type as its number from 1, and a
// spacing given as the spacing itself.
inline constexpr int kFirstJointTypeItem = 1;
inline constexpr int joint_type_item(PipeJoint joint) {
    return list_index_of(joint) + kFirstJointTypeItem;
}

// How the results dialog is shown (DesignData::kekka_mode), per stage: by the
// run, whose closing adopts the boxes, or by the results commands, to view.
inline constexpr int kResultsAdoptCompleted = 1;
inline constexpr int kResultsAdoptConstruction = 2;
inline constexpr int kResultsViewCompleted = -1;
inline constexpr int kResultsViewConstruction = -2;

} // namespace wtn
