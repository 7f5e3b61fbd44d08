#include "cp932_codec.h"
#include "file_io.h"
#include "format_values.h"
#include "text_lines.h"

#include <gtest/gtest.h>

#include <cstring>

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
