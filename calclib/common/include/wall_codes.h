// Codes of the calculation input that select a method or a kind, by name. The
// files carry them as whole numbers; they become these types where they are
// read, so no calculation compares a code with a bare number.
#pragma once

namespace wtn {

// How the embedment is calculated, numbered as in the calculation input.
enum class EmbedmentMethod : int {
    Chang = 1,
    ChangMultiLayer = 2,
    CType = 3,
    CTypeMultiLayer = 4,
    SType = 5,
};

inline constexpr EmbedmentMethod embedment_method_from_code(int code) {
    return static_cast<EmbedmentMethod>(code);
}

// The sheet-pile type, numbered as the calculation input carries it. The front
// end numbers the same list from 0 (pile_type_from_screen_kind).
enum class PileType : int {
    U = 1,
    Z = 2,
    SteelOfFreeChoice = 3,
    SteelPipe = 4,
    PcSalt = 5,
    Pc = 6,
    PcOfFreeChoice = 7,
};

inline constexpr PileType pile_type_from_code(int code) {
    return static_cast<PileType>(code);
}
inline constexpr int pile_type_code(PileType type) {
    return static_cast<int>(type);
}

// The front end's sheet-pile kind (0 U .. 6 PC of free choice) and the input
// file's type are one list shifted by one.
inline constexpr int kScreenPileKindOffset = 1;
inline constexpr PileType pile_type_from_screen_kind(int kind) {
    return static_cast<PileType>(kind + kScreenPileKindOffset);
}
inline constexpr int screen_pile_kind(PileType type) {
    return static_cast<int>(type) - kScreenPileKindOffset;
}

// Piles of free choice come from a catalogue the user adds to: steel or PC.
inline constexpr bool is_pile_of_free_choice(PileType type) {
    return type == PileType::SteelOfFreeChoice || type == PileType::PcOfFreeChoice;
}

} // namespace wtn

namespace wtn {

// The front end holds its option switches from 0, as its lists number their
// entries; the calculation input numbers the same options from 1. Every
// switch crosses the file boundary through these two, and nowhere else.
inline constexpr int kFileSwitchOffset = 1;
inline constexpr int file_switch_code(int screen_switch) {
    return screen_switch + kFileSwitchOffset;
}
inline constexpr int screen_switch_from_code(int file_code) {
    return file_code - kFileSwitchOffset;
}

} // namespace wtn
