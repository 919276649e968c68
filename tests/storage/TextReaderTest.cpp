#include "TextReader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct IntCase
{
    const char* name;
    std::string text;
    std::optional<int> expected; // nothing: no integer can be read
};

class TextReaderReadInt : public ::testing::TestWithParam<IntCase>
{
};

TEST_P(TextReaderReadInt, ReadsOnlyWholeDecimalIntegers)
{
    TextReader reader(GetParam().text);
    int value = -12345;
    const bool read = reader.ReadInt(value);
    ASSERT_EQ(read, GetParam().expected.has_value());
    if (read) {
        EXPECT_EQ(value, *GetParam().expected);
    } else {
        EXPECT_EQ(value, -12345) << "a failed read must not change the value";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, TextReaderReadInt,
    ::testing::Values(IntCase{"Plain", "1\r\n", 1}, IntCase{"Negative", "-7\n", -7},
                      IntCase{"PlusSign", "+3", 3}, IntCase{"BlanksBefore", " \r\n\t 12\n", 12},
                      IntCase{"NoLineEnd", "0", 0}, IntCase{"Largest", "2147483647", 2147483647},
                      IntCase{"Smallest", "-2147483648", -2147483647 - 1},
                      IntCase{"TooLarge", "2147483648", std::nullopt},
                      IntCase{"ManyDigits", std::string(400, '9'), std::nullopt},
                      IntCase{"Word", "one\n", std::nullopt},
                      IntCase{"DigitsThenJunk", "1x\n", std::nullopt},
                      IntCase{"SignOnly", "-\n", std::nullopt}, IntCase{"Empty", "", std::nullopt},
                      IntCase{"OnlyWhiteSpace", " \r\n", std::nullopt},
                      IntCase{"Nul", std::string("\0", 1), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextReader, LinesEndInLfOrCrLfAndTheLastMayHaveNoEnd)
{
    TextReader reader(std::string("a\r\nb\n\r\nc \r\rd"));
    std::vector<std::string> lines;
    while (!reader.AtEnd()) {
        lines.push_back(reader.ReadLine());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "c \r\rd"}));
    EXPECT_EQ(reader.ReadLine(), "");
}

TEST(TextReader, ReadIntSkipsTheWhiteSpaceAfterTheNumber)
{
    TextReader reader(std::string("5\r\n\r\n   Name\r\n"));
    int value = 0;
    ASSERT_TRUE(reader.ReadInt(value));
    EXPECT_EQ(reader.ReadLine(), "Name");
    EXPECT_TRUE(reader.AtEnd());
}

} // namespace
