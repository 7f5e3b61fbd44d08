// The code page 932 mapping tables, generated at build time from the C
// library's CP932 converter (generator/make_cp932_tables.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

namespace wtn::cp932 {

// No character: an invalid byte or pair, or a code point without a form.
constexpr std::uint16_t kNone = 0xFFFF;

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;
constexpr std::size_t kTrailCount = kLastTrail - kFirstTrail + 1;
// Lead bytes 0x81..0x9F and 0xE0..0xFC.
constexpr std::size_t kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr std::size_t kBasicPlane = 0x10000;

inline bool is_lead(unsigned byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
inline bool is_trail(unsigned byte) {
    return byte >= kFirstTrail && byte <= kLastTrail && byte != 0x7F;
}
// Row of a lead byte in kPairs.
inline std::size_t lead_row(unsigned lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

// Code point of each single byte; kNone also for the lead bytes.
extern const std::uint16_t kSingleByte[256];
// Code point of each pair, kTrailCount per lead byte in lead_row order.
extern const std::uint16_t kPairs[kLeadCount * kTrailCount];
// Code page 932 form of each code point of the basic plane: a byte below
// 0x100, or lead << 8 | trail.
extern const std::uint16_t kEncoded[kBasicPlane];

} // namespace wtn::cp932
