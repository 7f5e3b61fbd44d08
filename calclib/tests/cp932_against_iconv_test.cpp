// The codec's own tables against the C library's CP932 converter: every
// byte, every pair, every code point of the basic plane, and random texts.
#include "cp932_codec.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iconv.h>
#include <optional>
#include <random>

namespace wtn {
namespace {

// The converter's answer; nullopt where it refuses the text. With a
// replacement, an invalid byte is replaced and conversion goes on after it.
std::optional<std::string> iconv_convert(const char* to, const char* from, std::string_view in,
                                         const char* replacement = nullptr) {
    // One descriptor per direction for the whole test; reset before each text.
    static const iconv_t to_utf8 = iconv_open("UTF-8", "CP932");
    static const iconv_t to_cp932 = iconv_open("CP932", "UTF-8");
    iconv_t cd = std::string_view(to) == "UTF-8" ? to_utf8 : to_cp932;
    if (cd == reinterpret_cast<iconv_t>(-1) || std::string_view(from) == to) return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buffer[256];
    bool refused = false;
    while (src_left > 0 && !refused) {
        char* dst = buffer;
        std::size_t dst_left = sizeof buffer;
        std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        if (replacement == nullptr) {
            refused = true;
        } else {
            out += replacement;
            ++src;
            --src_left;
        }
    }
    if (refused) return std::nullopt;
    return out;
}

std::optional<std::string> ours(std::string (*convert)(std::string_view), std::string_view in) {
    try {
        return convert(in);
    } catch (const CodecError&) {
        return std::nullopt;
    }
}

std::string hex(std::string_view bytes) {
    std::string text;
    char part[4];
    for (char c : bytes) {
        std::snprintf(part, sizeof part, "%02X ", static_cast<unsigned char>(c));
        text += part;
    }
    return text;
}

TEST(Cp932AgainstIconv, EveryByteAndEveryPairDecodesAlike) {
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        ASSERT_EQ(ours(cp932_to_utf8, one), iconv_convert("UTF-8", "CP932", one)) << hex(one);
        for (int second = 0; second < 256; ++second) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(ours(cp932_to_utf8, two), iconv_convert("UTF-8", "CP932", two)) << hex(two);
            ASSERT_EQ(cp932_to_utf8_lossy(two),
                      iconv_convert("UTF-8", "CP932", two, "\xEF\xBF\xBD").value())
                << hex(two);
        }
    }
}

TEST(Cp932AgainstIconv, EveryCodePointEncodesAlike) {
    for (std::uint32_t cp = 0; cp < 0x110000; cp += (cp < 0x10000 ? 1 : 0x1001)) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf8;
        if (cp < 0x80) {
            utf8 = std::string(1, static_cast<char>(cp));
        } else if (cp < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        } else if (cp < 0x10000) {
            utf8 = {static_cast<char>(0xE0 | (cp >> 12)),
                    static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (cp & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xF0 | (cp >> 18)),
                    static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                    static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (cp & 0x3F))};
        }
        ASSERT_EQ(ours(utf8_to_cp932, utf8), iconv_convert("CP932", "UTF-8", utf8)) << cp;
    }
}

TEST(Cp932AgainstIconv, MalformedUtf8IsRefusedAlike) {
    const std::string samples[] = {
        "\x80",         "\xC0\xAF",          "\xC1\xBF",         "\xE0\x80\xAF",
        "\xED\xA0\x80", "\xF4\x90\x80\x80",  "\xF5\x80\x80\x80", "\xFE",
        "\xE3\x81",     "A\xE3\x81\x82\xE3",
    };
    for (const std::string& sample : samples) {
        EXPECT_EQ(ours(utf8_to_cp932, sample), iconv_convert("CP932", "UTF-8", sample))
            << hex(sample);
    }
}

TEST(Cp932AgainstIconv, RandomTextsConvertAlike) {
    std::mt19937 random(932);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 40);
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        ASSERT_EQ(ours(cp932_to_utf8, text), iconv_convert("UTF-8", "CP932", text)) << hex(text);
        ASSERT_EQ(cp932_to_utf8_lossy(text),
                  iconv_convert("UTF-8", "CP932", text, "\xEF\xBF\xBD").value())
            << hex(text);
        // Whatever decodes must come back through the encoder as iconv has it.
        if (auto utf8 = iconv_convert("UTF-8", "CP932", text)) {
            ASSERT_EQ(ours(utf8_to_cp932, *utf8), iconv_convert("CP932", "UTF-8", *utf8))
                << hex(text);
        }
    }
}

} // namespace
} // namespace wtn
