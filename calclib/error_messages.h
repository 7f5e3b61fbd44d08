// The numbered error messages of the batch programs and the box that shows
// them. Every fatal condition shows one box titled "error" and then stops the
// program with exit code 1. Texts are code page 932 bytes.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace wtn {

inline constexpr int kErrorMessageCount = 81;
inline constexpr int kWaveErrorMessageCount = 7;
inline constexpr int kInputCheckMessageCount = 5;

extern const std::array<const char*, kErrorMessageCount> ErrorMessages;
extern const std::array<const char*, kWaveErrorMessageCount> WaveErrorMessages;
extern const std::array<const char*, kInputCheckMessageCount> InputCheckMessages;

// Shows the table text of code, or text when code is not one of the table's
// codes (callers pass -1 with a text of their own). Returns 0; the caller stops.
int show_error(int code, std::string_view text = {});
int show_wave_error(int code, std::string_view text = {});
int show_input_check_error(int code);

// Show the box, then stop the program with exit code 1.
[[noreturn]] void stop_with_error(int code, std::string_view text = {});
[[noreturn]] void stop_with_wave_error(int code, std::string_view text = {});
[[noreturn]] void stop_with_input_check_error(int code);

// Codes of ErrorMessages raised by name in the library.
inline constexpr int kErrNoDataFile = 0;
inline constexpr int kErrNeireCmOpen = 1;
inline constexpr int kErrNeireOpen = 2;
inline constexpr int kErrCustomisationOpen = 10;
inline constexpr int kErrZeroFillTooLarge = 60;
inline constexpr int kErrGairyokOpen = 70;
inline constexpr int kErrNeireTlOpen = 72;
inline constexpr int kErrPrgSwOpen = 73;

} // namespace wtn
