// The codes of the input that the stability calculation branches on, named.
#pragma once

namespace wtn {

// DesignConditions item 16: sheet-pile type.
enum class PileType {
    u_type = 1,
    z_type = 2,
    steel_choice = 3,
    steel_pipe = 4,
    pc_salt = 5,
    pc = 6,
    pc_choice = 7,
};
inline PileType pile_type(int code) {
    return static_cast<PileType>(code);
}

// CalcSwitches item 2: embedment method.
enum class EmbedmentMethod {
    chang = 1,
    chang_matrix = 2,
    c_type = 3,
    c_type_matrix = 4,
    s_type = 5,
};
inline EmbedmentMethod embedment_method(int code) {
    return static_cast<EmbedmentMethod>(code);
}

// DesignConditions item 17: variant of the U-type catalogue.
inline constexpr int kUImproved = 1;
inline constexpr int kUGeneral = 2;

// DesignConditions item 18: steel grade.
inline constexpr int kSteelGradeLow = 1; // SY295, SKY400

// CalcSwitches item 1: design standards whose corrosion rates apply per year.
inline constexpr int kPortStandard = 1;
inline constexpr int kFisheryPortStandard = 2;

// CalcSwitches item 6 and item 13.
inline constexpr int kSeismicOnly = 2;
inline constexpr int kBothStudies = 3;

// CorrosionData item 13: only the seabed-mud zone is checked.
inline constexpr int kCheckSeabedMudOnly = 1;

// EmbedmentOptions item 2 and the still-water switch "wav_t": 1 is on.
inline constexpr int kSwitchOn = 1;

} // namespace wtn
