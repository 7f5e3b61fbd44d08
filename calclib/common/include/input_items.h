// The items of each key line of the calculation input, in file order: the
// field of the InputRecord group each item fills and the fixed number format
// in which the batch programs write it back (integers "%d"; nullptr for the
// groups they leave out). The batch programs' reader and writer and the front
// end's writer and import all walk these lists, so none of them can put an
// item in another place. "Item n" is the n-th comma field after the key; a
// list that does not begin at item 1 says where it begins.
#pragma once

#include "code_table.h"
#include "input_record.h"

#include <cstddef>

namespace wtn {

// The largest magnitudes an item can have, as the front end writes it. A
// number box of the screens holds at most four digits before its point
// ("###0.00"); the lateral constants are typed in boxes of six digits
// ("#####0.0") or derived from an N value of four digits (Kh = 1500 N), which
// stays below 10^8. Beyond them a value is no wall the screens can describe.
inline constexpr double kBoxLimit = 1.0e4;
inline constexpr double kWideBoxLimit = 1.0e6;
inline constexpr double kLateralConstantLimit = 1.0e8;
// Whole-number items (switches, codes, ids, the service life) are 16-bit
// values in the front end.
inline constexpr int kIntegerItemLimit = 32767;

// One item of a group: the field it fills, the format the batch writer gives
// it and, for a real, the magnitude it stays below. A whole-number item (a
// count, or a code of wall_codes.h) is read and written through its file
// value; a real item through its field.
template <class Group> struct Item {
    int (*get_integer)(const Group&) = nullptr;
    void (*set_integer)(Group&, int) = nullptr;
    double Group::*real = nullptr;
    const char* format = nullptr;
    double limit = kBoxLimit;

    bool is_integer() const { return get_integer != nullptr; }
};

template <class Member> struct MemberField;
template <class Group, class Field> struct MemberField<Field Group::*> {
    using GroupType = Group;
    using FieldType = Field;
};

// The file value of an int or code field, and the field from a file value.
template <auto Field>
int integer_field_value(const typename MemberField<decltype(Field)>::GroupType& group) {
    return to_file_value(group.*Field);
}
template <auto Field>
void set_integer_field(typename MemberField<decltype(Field)>::GroupType& group, int value) {
    group.*Field = from_file_value<typename MemberField<decltype(Field)>::FieldType>(value);
}

template <auto Field> constexpr auto int_item() {
    using Group = typename MemberField<decltype(Field)>::GroupType;
    return Item<Group>{&integer_field_value<Field>, &set_integer_field<Field>, nullptr, "%d",
                       kIntegerItemLimit};
}

template <class Group>
constexpr Item<Group> real_item(double Group::*field, const char* format = nullptr,
                                double limit = kBoxLimit) {
    return {nullptr, nullptr, field, format, limit};
}

inline constexpr Item<DesignConditions> kJokenItems[] = {
    real_item(&DesignConditions::hwl, "%1.2lf"),
    real_item(&DesignConditions::lwl, "%1.2lf"),
    int_item<&DesignConditions::residual_level_rule>(),
    real_item(&DesignConditions::residual_level, "%1.2lf"),
    real_item(&DesignConditions::ground_crown, "%1.2lf"),
    real_item(&DesignConditions::design_seabed, "%1.2lf"),
    real_item(&DesignConditions::embedment_level, "%1.2lf"),
    real_item(&DesignConditions::soil_bottom, "%1.2lf"),
    real_item(&DesignConditions::ground_angle, "%1.1lf"),
    real_item(&DesignConditions::seabed_angle, "%1.1lf"),
    real_item(&DesignConditions::water_weight, "%1.2lf"),
    real_item(&DesignConditions::surcharge_normal, "%1.2lf"),
    real_item(&DesignConditions::surcharge_seismic, "%1.2lf"),
    real_item(&DesignConditions::allow_disp_normal, "%1.2lf"),
    real_item(&DesignConditions::allow_disp_seismic, "%1.2lf"),
    int_item<&DesignConditions::pile_type>(),
    int_item<&DesignConditions::u_variant>(),
    int_item<&DesignConditions::steel_grade>(),
};

// "wavsw" items 1-3, after the quoted name of the user-named tide level;
// items 4-11 are the examine and draw switches of the tide levels in pairs.
inline constexpr Item<WaveSwitches> kWavswItems[] = {
    int_item<&WaveSwitches::wave_formula>(),
    int_item<&WaveSwitches::dissipating_works>(),
    real_item(&WaveSwitches::lambda1, "%1.3lf"),
};
inline constexpr std::size_t kWavswTideFirstItem = 4;

// "fsyok" items 1-4 are the sea-side corrosion rates and 5-7 the land-side
// ones, all in kCorrosionRateFormat; kFsyokTailItems are items 8-13.
inline constexpr const char* kCorrosionRateFormat = "%1.3lf";
inline constexpr std::size_t kFsyokSeaFirstItem = 1;
inline constexpr std::size_t kFsyokLandFirstItem = 5;
inline constexpr std::size_t kFsyokTailFirstItem = 8;
inline constexpr Item<CorrosionData> kFsyokTailItems[] = {
    real_item(&CorrosionData::allowance_water, "%1.2lf"),
    real_item(&CorrosionData::allowance_land, "%1.2lf"),
    int_item<&CorrosionData::service_life>(),
    real_item(&CorrosionData::reduction_sea_water, "%1.0lf"),
    real_item(&CorrosionData::reduction_seabed_mud, "%1.0lf"),
    int_item<&CorrosionData::check_range>(),
};

inline constexpr Item<AddedConditions> kTjkn1Items[] = {
    real_item(&AddedConditions::hhwl, "%1.2lf"),
    real_item(&AddedConditions::user_tide_level, "%1.2lf"),
    real_item(&AddedConditions::superstructure_crown, "%1.2lf"),
    real_item(&AddedConditions::pile_crown, "%1.2lf"),
    real_item(&AddedConditions::cohesion_ref_level, "%1.2lf"),
    real_item(&AddedConditions::allow_disp_construction, "%1.2lf"),
    real_item(&AddedConditions::allow_stress_normal, "%1.0lf"),
    real_item(&AddedConditions::allow_stress_seismic, "%1.0lf"),
    real_item(&AddedConditions::allow_stress_construction, "%1.0lf"),
    real_item(&AddedConditions::construction_seabed, "%1.2lf"),
    real_item(&AddedConditions::young_coefficient, "%1.1lf"),
    real_item(&AddedConditions::young_exponent, "%1.0lf"),
};

// "neire" items 1-4 (sea side) and 12-15 (land side).
inline constexpr Item<LateralResistance> kLateralItems[] = {
    int_item<&LateralResistance::method>(),
    real_item(&LateralResistance::first_value, "%1.1lf"),
    real_item(&LateralResistance::second_value, "%1.2lf"),
    real_item(&LateralResistance::kh, "%1.1lf", kLateralConstantLimit),
};
inline constexpr std::size_t kNeireSeaFirstItem = 1;
inline constexpr std::size_t kNeireSeismicFirstItem = 5;
inline constexpr std::size_t kNeireLandFirstItem = 12;

// "neire" items 5-11.
inline constexpr Item<EmbedmentConditions> kNeireSeismicItems[] = {
    int_item<&EmbedmentConditions::seismic_rule>(),
    real_item(&EmbedmentConditions::seismic_coefficient, "%1.2lf"),
    real_item(&EmbedmentConditions::regional_factor, "%1.2lf"),
    real_item(&EmbedmentConditions::ground_factor, "%1.2lf"),
    real_item(&EmbedmentConditions::importance_factor, "%1.2lf"),
    int_item<&EmbedmentConditions::apparent_rule>(),
    real_item(&EmbedmentConditions::apparent_coefficient, "%1.2lf"),
};

inline constexpr Item<EmbedmentOptions> kNirtItems[] = {
    int_item<&EmbedmentOptions::dynamic_water>(),
    int_item<&EmbedmentOptions::pipe_secondary_check>(),
    real_item(&EmbedmentOptions::pipe_kh, nullptr, kWideBoxLimit),
    real_item(&EmbedmentOptions::lambda2),
    int_item<&EmbedmentOptions::clay_normal_formula>(),
    int_item<&EmbedmentOptions::okabe_when_negative>(),
};

inline constexpr Item<JointEfficiency> kTugitItems[] = {
    real_item(&JointEfficiency::section_inertia, "%1.1lf"),
    real_item(&JointEfficiency::embedment_inertia, "%1.1lf"),
    real_item(&JointEfficiency::section_modulus, "%1.1lf"),
};

inline constexpr Item<SurchargeRow> kJosaiItems[] = {
    real_item(&SurchargeRow::start, "%1.2lf"),
    real_item(&SurchargeRow::end, "%1.2lf"),
    real_item(&SurchargeRow::normal, "%1.2lf"),
    real_item(&SurchargeRow::seismic, "%1.2lf"),
};

// The items after the force's quoted name.
inline constexpr Item<OtherForceRow> kForceItems[] = {
    real_item(&OtherForceRow::force, "%1.3lf"),
    real_item(&OtherForceRow::height, "%1.3lf"),
};

inline constexpr Item<SteelPipeRow> kKokanItems[] = {
    real_item(&SteelPipeRow::diameter, "%1.2lf"),
    real_item(&SteelPipeRow::thickness, "%1.1lf"),
    real_item(&SteelPipeRow::joint, "%1.1lf"),
};

inline constexpr Item<SoilLayerRow> kSoilItems[] = {
    real_item(&SoilLayerRow::top, "%1.2lf"),
    real_item(&SoilLayerRow::wet_weight, "%1.3lf"),
    real_item(&SoilLayerRow::submerged_weight, "%1.3lf"),
    real_item(&SoilLayerRow::saturated_weight, "%1.3lf"),
    real_item(&SoilLayerRow::friction_angle, "%1.1lf"),
    real_item(&SoilLayerRow::cohesion, "%1.3lf"),
    real_item(&SoilLayerRow::cohesion_increase, "%1.3lf"),
    int_item<&SoilLayerRow::resistance_option>(),
    real_item(&SoilLayerRow::n_value, "%1.1lf"),
    real_item(&SoilLayerRow::kh, "%1.1lf", kLateralConstantLimit),
};

inline constexpr Item<GroundPoint> kTikeiItems[] = {
    real_item(&GroundPoint::distance, "%1.3lf"),
    real_item(&GroundPoint::level, "%1.3lf"),
};

inline constexpr Item<FillRow> kMoridItems[] = {
    real_item(&FillRow::top, "%1.2lf"),
    real_item(&FillRow::wet_weight, "%1.3lf"),
    real_item(&FillRow::submerged_weight, "%1.3lf"),
    real_item(&FillRow::saturated_weight, "%1.3lf"),
};

// The file always carries the submerged weight of a soil layer or a fill as
// the saturated weight less the unit weight of water, 10.0 kN/m3, whatever
// the row's own field holds.
inline constexpr double kFileWaterUnitWeight = 10.0;

template <class Row> Row with_submerged_from_saturated(Row row) {
    row.submerged_weight = row.saturated_weight - kFileWaterUnitWeight;
    return row;
}

// "wlvl_" items 1-6; items 7-10 are the hb of the tide levels.
inline constexpr Item<WaveConditions> kWlvlItems[] = {
    int_item<&WaveConditions::depth_rule>(),      real_item(&WaveConditions::d, "%1.2lf"),
    real_item(&WaveConditions::h_dash, "%1.2lf"), real_item(&WaveConditions::h, "%1.2lf"),
    int_item<&WaveConditions::hb_rule>(),         real_item(&WaveConditions::slope_x, "%1.2lf"),
};
inline constexpr std::size_t kWlvlHbFirstItem = 7;

inline constexpr Item<TideLevelRow> kTideItems[] = {
    int_item<&TideLevelRow::breaking_influence>(),
    real_item(&TideLevelRow::h13, "%1.2lf"),
    real_item(&TideLevelRow::hmax, "%1.2lf"),
    int_item<&TideLevelRow::wave_length_method>(),
    real_item(&TideLevelRow::period, "%1.2lf"),
    real_item(&TideLevelRow::wave_length, "%1.2lf"),
    real_item(&TideLevelRow::incidence_angle, "%1.2lf"),
};

inline constexpr Item<WallFriction> kAdd1Items[] = {
    real_item(&WallFriction::normal_active),
    real_item(&WallFriction::normal_passive),
    real_item(&WallFriction::seismic_active),
    real_item(&WallFriction::seismic_passive),
};

// The 14 switches of "swdat", all integers.
inline constexpr Item<CalcSwitches> kSwdatItems[] = {
    int_item<&CalcSwitches::design_standard>(),
    int_item<&CalcSwitches::embedment_method>(),
    int_item<&CalcSwitches::decide_by_stress>(),
    int_item<&CalcSwitches::decide_by_displacement>(),
    int_item<&CalcSwitches::decide_by_seabed_reaction>(),
    int_item<&CalcSwitches::completed_cases>(),
    int_item<&CalcSwitches::ground_shape>(),
    int_item<&CalcSwitches::surcharge_mode>(),
    int_item<&CalcSwitches::decision_code>(),
    int_item<&CalcSwitches::residual_level_seismic>(),
    int_item<&CalcSwitches::clay_seismic_formula>(),
    int_item<&CalcSwitches::earth_pressure_method>(),
    int_item<&CalcSwitches::studies>(),
    int_item<&CalcSwitches::lwl_seismic>(),
};

} // namespace wtn
