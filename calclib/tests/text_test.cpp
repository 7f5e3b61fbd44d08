#include "cp932_codec.h"
#include "file_io.h"
#include "format_values.h"
#include "number_field.h"
#include "text_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <random>

namespace wtn {
namespace {

TEST(Cp932Codec, RoundTripsJapaneseAndTheWindowsExtensions) {
    // "土圧" and the circled digit 1 (a Windows extension missing from plain Shift-JIS).
    const std::string utf8 = "\xE5\x9C\x9F\xE5\x9C\xA7\xE2\x91\xA0";
    const std::string cp932 = utf8_to_cp932(utf8);
    EXPECT_EQ(cp932, "\x93\x79\x88\xB3\x87\x40");
    EXPECT_EQ(cp932_to_utf8(cp932), utf8);
    // 0x5C is the backslash in code page 932, not the yen sign.
    EXPECT_EQ(cp932_to_utf8("\\"), "\\");
}

TEST(Cp932Codec, InvalidBytesAreRefusedOrReplaced) {
    EXPECT_THROW(cp932_to_utf8("\x81"), CodecError);
    EXPECT_EQ(cp932_to_utf8_lossy("A\x81"), "A\xEF\xBF\xBD");
}

TEST(Cp932Codec, FitNeverSplitsADoubleByteCharacter) {
    const std::string text = "A\x93\x79\x88\xB3"; // "A土圧"
    EXPECT_EQ(cp932_fit(text, 2), 1u);
    EXPECT_EQ(cp932_fit(text, 3), 3u);
    EXPECT_EQ(cp932_fit(text, 10), 5u);
}

TEST(ValueFormatting, LinesOfAnyLengthComeOutWhole) {
    // Around the size of the formatting buffer, and far beyond it.
    for (int width : {1, 510, 511, 512, 513, 4000}) {
        const std::string text = format_text("%*d|%s", width, 7, "end");
        ASSERT_EQ(text.size(), static_cast<std::size_t>(width) + 4) << width;
        EXPECT_EQ(text.substr(static_cast<std::size_t>(width) - 1), "7|end") << width;
    }
    EXPECT_EQ(format_text("%s", ""), "");
}

// The value formatter writes the common conversions itself; each must match the
// C library byte for byte, since the result files are compared whole.
TEST(ValueFormatting, CommonConversionsMatchTheCLibrary) {
    const char* const real_formats[] = {"%8.3lf",  "%16.2lf", "%10.0lf", "%lf",     "%6.2f",
                                        "%+7.2lf", "%+1.2f",  "%-8.3f",  "%08.3f",  "%+08.2f",
                                        "% 7.2f",  "%.0f",    "%1.0lf",  "%16.9lf", "%.6f"};
    const double reals[] = {0.0,    -0.0,     0.125,        0.375,     2.5,      3.5,  -0.001,
                            -0.005, 1.005,    12.345,       -123.4567, 1e-300,   1e22, -4.4e15,
                            1e300,  0.049999, 99999999.995, 2.675,     1.0 / 3.0};
    for (const char* format : real_formats) {
        for (double value : reals) {
            char expected[1024];
            std::snprintf(expected, sizeof expected, format, value);
            EXPECT_EQ(format_text(format, value), expected) << format << " " << value;
        }
    }
    // Reals of every magnitude and many digits, from a fixed seed.
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-8, 12);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, power(random));
        const char* format = real_formats[static_cast<std::size_t>(i) % std::size(real_formats)];
        char expected[1024];
        std::snprintf(expected, sizeof expected, format, value);
        ASSERT_EQ(format_text(format, value), expected) << format << " " << value;
    }

    struct Case {
        std::string text;
        std::string expected;
    };
    char long_min[32];
    std::snprintf(long_min, sizeof long_min, "%ld", -9223372036854775807L - 1);
    const Case cases[] = {
        {format_text("%d|%3d|%-4d|%04d|%+d|% d|%2d", 7, -7, 7, -7, 0, 5, 12345),
         "7| -7|7   |-007|+0| 5|12345"},
        {format_text("%ld", -9223372036854775807L - 1), long_min},
        {format_text("[%s][%6s][%-6s][%.2s][%c][%3c]", "ab", "ab", "ab", "abc", 'x', 'y'),
         "[ab][    ab][ab    ][ab][x][  y]"},
        {format_text("%*d|%-*d|%.*f", 4, 1, 4, 2, 1, 0.25), "   1|2   |0.2"},
        {format_text("100%% %s", "done"), "100% done"},
        // Kinds left to the C library, mixed with common ones.
        {format_text("%5.1f %g %02X %zu %e", 1.25, 0.5, 10, std::size_t{3}, 1.5),
         "  1.2 0.5 0A 3 1.500000e+00"},
        {format_text("%.3d", 5), "005"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.expected);
    // A real that is no number is never formatted: nothing of it may reach
    // a file.
    EXPECT_THROW(format_text("%.2f", std::nan("")), NonFiniteValue);
    EXPECT_THROW(format_text("%d %f", 1, -INFINITY), NonFiniteValue);
}

TEST(NumberFields, AWholeIntegerFieldHoldsOneIntegerAndNothingElse) {
    struct Case {
        const char* field;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"7", 7},
        {" 12 ", 12},
        {"+3", 3},
        {"-4", -4},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"3.0", std::nullopt},
        {"3a", std::nullopt},
        {"+-5", std::nullopt},
        {"1 2", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483648", -2147483647 - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(whole_integer_field(c.field), c.value) << '"' << c.field << '"';
    // Tabs pad a field only where the caller says so.
    EXPECT_EQ(whole_integer_field("\t1\t"), std::nullopt);
    EXPECT_EQ(whole_integer_field("\t1\t", kBlanksAndTabs), 1);
}

TEST(LineWriter, EndsEveryLineWithCrLf) {
    char buffer[64] = {};
    std::FILE* file = fmemopen(buffer, sizeof buffer, "wb");
    write_crlf_line(file, "a");
    write_crlf_line(file, "");
    std::fclose(file);
    EXPECT_STREQ(buffer, "a\r\n\r\n");
}

} // namespace
} // namespace wtn
