#include "csv_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace wtn {
namespace {

// Feeds bytes through a memory stream, as the readers see a file.
struct MemoryFile {
    explicit MemoryFile(const std::string& bytes)
        : data(bytes), file(fmemopen(data.data(), data.size(), "rb")) {}
    ~MemoryFile() { std::fclose(file); }
    std::string data;
    std::FILE* file;
};

struct SplitCase {
    const char* line;
    std::vector<std::string> fields;
    std::vector<std::string> texts;
};

TEST(ReadCsvLine, SplitsFieldsAndQuotedStrings) {
    const SplitCase cases[] = {
        {"gyonm,\"ABC\"", {"gyonm"}, {"ABC"}},
        {"etcjo,\"a,b\",1.5,2.0", {"etcjo", "1.5", "2.0"}, {"a,b"}},
        {"gyonm,\"A\"\"B\"", {"gyonm"}, {"A\"B"}},
        {"tyait,1,2,,4", {"tyait", "1", "2", "", "4"}, {}},
        {"", {""}, {}},
        {" #x,1", {" #x", "1"}, {}},
        {"joken, 1.5 ,2", {"joken", " 1.5 ", "2"}, {}},
        // Long numbers are read whole.
        {"neire, 1.23456789012345E-05,-123456.789012345",
         {"neire", " 1.23456789012345E-05", "-123456.789012345"},
         {}},
        // Marker line beginning with a string: nothing is written outside the fields.
        {"\"YAITA\",1", {"1"}, {"YAITA"}},
        // ... also when a double-byte character follows the string there.
        {"\"YAITA\"\x95\x5C,1", {"1"}, {"YAITA"}},
        {"k,1,\"t1\",\"t2\",5", {"k", "1", "5"}, {"t1", "t2"}},
        // Shift-JIS: 0x95 0x5C is one character whose trail byte is a backslash;
        // 0x83 0x5C likewise; 0x81 0x43 is the full-width comma.
        {"gyonm,\"\x95\x5C\x83\x5C\"", {"gyonm"}, {"\x95\x5C\x83\x5C"}},
        {"x,\x95\x5C,\x81\x43", {"x", "\x95\x5C", "\x81\x43"}, {}},
        // A double-byte character whose trail byte is a quote cannot occur
        // (0x22 is no trail byte), but a trail byte of 0x2C is no comma either.
    };
    for (const auto& c : cases) {
        CsvLine line;
        split_csv_line(c.line, line);
        EXPECT_EQ(line.fields, c.fields) << c.line;
        EXPECT_EQ(line.texts, c.texts) << c.line;
    }
}

TEST(ReadCsvLine, ReadsCommentsCrLfAndALastLineWithoutLineEnd) {
    MemoryFile mem("#comment\r\ngyonm,\"T\"\r\n\r\nsdatu,1.5,2\nlast,9");
    LineReader reader(mem.file);
    CsvLine line;
    EXPECT_EQ(read_csv_line(reader, line), kCsvComment);
    EXPECT_EQ(read_csv_line(reader, line), kCsvData);
    EXPECT_EQ(line.field(0), "gyonm");
    EXPECT_EQ(line.text(0), "T");
    EXPECT_EQ(read_csv_line(reader, line), kCsvData);
    EXPECT_EQ(line.field(0), "");
    EXPECT_EQ(read_csv_line(reader, line), kCsvData);
    EXPECT_EQ(line.field(2), "2");
    EXPECT_EQ(read_csv_line(reader, line), kCsvData);
    EXPECT_EQ(line.field(0), "last");
    EXPECT_EQ(line.integer(1), 9);
    EXPECT_EQ(read_csv_line(reader, line), kCsvEndOfFile);
}

TEST(ReadCsvLine, NoCarriageReturnReachesAFieldOrAString) {
    MemoryFile mem("k,\"name\"\r\nk,1.25\r\n");
    LineReader reader(mem.file);
    CsvLine line;
    read_csv_line(reader, line);
    EXPECT_EQ(line.text(0), "name");
    read_csv_line(reader, line);
    EXPECT_EQ(line.field(1), "1.25");
}

TEST(ReadCsvLine, NumbersFollowTheCLibraryRules) {
    CsvLine line;
    split_csv_line("k, 1.5 ,.5,-2.7e1,abc,,12x", line);
    EXPECT_DOUBLE_EQ(line.real(1), 1.5);
    EXPECT_DOUBLE_EQ(line.real(2), 0.5);
    EXPECT_DOUBLE_EQ(line.real(3), -27.0);
    EXPECT_DOUBLE_EQ(line.real(4), 0.0);
    EXPECT_DOUBLE_EQ(line.real(5), 0.0);
    EXPECT_EQ(line.integer(6), 12);
    EXPECT_DOUBLE_EQ(line.real(40), 0.0);
}

// A text written with quoted_csv_text comes back whole, with the items after
// it in their places, whatever quotes and commas it holds.
TEST(QuotedCsvText, ReadsBackWholeBeforeTheNextItems) {
    const std::string texts[] = {"",       "USR-1",           "a\"b", "\"\"", "\"-inf \"",
                                 "x,\",y", "\x8C\x9A\x8E\xC0"};
    for (const std::string& text : texts) {
        CsvLine line;
        split_csv_line("k," + quoted_csv_text(text) + ",2.5", line);
        ASSERT_EQ(line.texts.size(), 1u) << text;
        EXPECT_EQ(line.text(0), text);
        EXPECT_DOUBLE_EQ(line.real(1), 2.5) << text;
    }
}

} // namespace
} // namespace wtn
