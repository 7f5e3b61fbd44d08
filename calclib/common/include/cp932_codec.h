// Conversion between code page 932 (Windows Shift-JIS) and UTF-8.
// Every text file of the system is code page 932; the front end holds UTF-8.
// Conversions are strict: a byte sequence that is not valid in the source
// encoding, or a character the target cannot hold, raises CodecError.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace wtn {

struct CodecError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string cp932_to_utf8(std::string_view cp932);
std::string utf8_to_cp932(std::string_view utf8);

// Like cp932_to_utf8, but an invalid byte becomes U+FFFD instead of failing;
// for messages, where showing something beats showing nothing.
std::string cp932_to_utf8_lossy(std::string_view cp932);

// True when bytes [i, i+1] of text are a lead byte and a trail byte of a
// code page 932 double-byte character.
bool is_cp932_double_byte(std::string_view text, std::size_t i);

// Number of leading bytes of text that fit in max_bytes without splitting a
// double-byte character.
std::size_t cp932_fit(std::string_view text, std::size_t max_bytes);

} // namespace wtn
