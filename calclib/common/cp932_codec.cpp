#include "cp932_codec.h"

#include "cp932_tables.h"

namespace wtn {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

void append_utf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6U)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3FU)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12U)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3FU)));
    }
}

// Decodes code page 932; an invalid byte either fails or becomes the
// replacement character, and decoding goes on at the next byte.
std::string decode(std::string_view in, bool replace) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    std::size_t i = 0;
    while (i < in.size()) {
        const auto byte = static_cast<unsigned char>(in[i]);
        std::uint16_t cp = cp932::kNone;
        std::size_t step = 1;
        if (cp932::is_lead(byte)) {
            if (i + 1 < in.size()) {
                const auto trail = static_cast<unsigned char>(in[i + 1]);
                if (trail >= cp932::kFirstTrail && trail <= cp932::kLastTrail) {
                    cp = cp932::kPairs[cp932::lead_row(byte) * cp932::kTrailCount +
                                       (trail - cp932::kFirstTrail)];
                    step = 2;
                }
            }
        } else {
            cp = cp932::kSingleByte[byte];
        }
        if (cp == cp932::kNone) {
            if (!replace) throw CodecError("text is not valid CP932 or has no UTF-8 form");
            out += kReplacement;
            ++i;
            continue;
        }
        append_utf8(out, cp);
        i += step;
    }
    return out;
}

[[noreturn]] void refuse_utf8() {
    throw CodecError("text is not valid UTF-8 or has no CP932 form");
}

bool is_continuation(std::string_view in, std::size_t i) {
    return i < in.size() && (static_cast<unsigned char>(in[i]) & 0xC0U) == 0x80U;
}

// The next code point of strict UTF-8 (no overlong forms, no surrogates);
// advances i past it.
std::uint32_t next_code_point(std::string_view in, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(in[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    std::uint32_t cp = 0;
    std::uint32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1FU, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0FU, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07U, lowest = 0x10000;
    } else {
        refuse_utf8();
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!is_continuation(in, i + k)) refuse_utf8();
        cp = (cp << 6U) | (static_cast<unsigned char>(in[i + k]) & 0x3FU);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) refuse_utf8();
    i += length;
    return cp;
}

} // namespace

std::string cp932_to_utf8(std::string_view cp932) {
    return decode(cp932, false);
}

std::string cp932_to_utf8_lossy(std::string_view cp932) {
    return decode(cp932, true);
}

std::string utf8_to_cp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::uint32_t cp = next_code_point(utf8, i);
        if (cp >= cp932::kBasicPlane) refuse_utf8();
        const std::uint16_t code = cp932::kEncoded[cp];
        if (code == cp932::kNone) refuse_utf8();
        if (code > 0xFF) out.push_back(static_cast<char>(code >> 8U));
        out.push_back(static_cast<char>(code & 0xFFU));
    }
    return out;
}

bool is_cp932_double_byte(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && cp932::is_lead(static_cast<unsigned char>(text[i])) &&
           cp932::is_trail(static_cast<unsigned char>(text[i + 1]));
}

std::size_t cp932_fit(std::string_view text, std::size_t max_bytes) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t step = is_cp932_double_byte(text, i) ? 2 : 1;
        if (i + step > max_bytes) break;
        i += step;
    }
    return i;
}

} // namespace wtn
