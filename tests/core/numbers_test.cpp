#include "core/numbers.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

using namespace squadlens;

namespace {

struct RoundCase {
    float value;
    int precision, decimals;
    const char *text;
};

// Every example of the format, plus carries, grouping and the exponent form.
const RoundCase kRoundCases[] = {
    {1.25f, 2, 1, "1,3"},        {12.34f, 2, 1, "12,0"},     {0.25f, 2, 1, "0,3"},
    {-0.5f, 2, 1, "-0,5"},       {0.04f, 2, 1, "0,0"},       {-0.04f, 2, 1, "0,0"},
    {7.0f, 2, 1, "7,0"},         {150.0f, 2, 1, "1,5E2"},    {55.366665f, 5, 2, "55,37"},
    {0.5f, 5, 2, "0,50"},        {-0.42f, 5, 2, "-0,42"},    {0.004f, 5, 2, "0,00"},
    {0.006f, 5, 2, "0,01"},      {0.0f, 2, 1, "0,0"},        {-0.0f, 5, 2, "0,00"},
    {9.96f, 2, 1, "10,0"},       {99.96f, 2, 1, "1E2"},      {-150.0f, 2, 1, "-1,5E2"},
    {1.0f, 2, 1, "1,0"},         {0.95f, 2, 1, "0,9"},       {-0.05f, 2, 1, "-0,1"},
    {1234.5f, 5, 2, "1\xA0" "234,5" "0"}, {56789.0f, 5, 2, "56\xA0" "789,00"},
    {123456.0f, 5, 2, "1,2346E5"}, {54.35f, 5, 2, "54,35"},  {0.1f, 2, 1, "0,1"},
    {std::numeric_limits<float>::infinity(), 2, 1, "INF"},
    {-std::numeric_limits<float>::infinity(), 5, 2, "-INF"},
    {std::numeric_limits<float>::quiet_NaN(), 2, 1, "NAN"},
};

TEST(FormatRounded, WritesEveryCaseExactly)
{
    for (const auto &c : kRoundCases)
        EXPECT_EQ(formatRounded(c.value, c.precision, c.decimals), c.text)
            << c.value << " p=" << c.precision << " d=" << c.decimals;
}

TEST(FormatRounded, IgnoresTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8") && !std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma here";
    EXPECT_EQ(formatAverage(55.366665f), "55,37");
    EXPECT_EQ(strToFloat("54,35"), strToFloat("5435e-2"));
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(AddDots, GroupsByThreeFromTheRight)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", ""},         {"7", "7"},           {"123", "123"},         {"1234", "1.234"},
        {"123456", "123.456"}, {"1234567890", "1.234.567.890"}, {"-500", "-500"},
        {"-1500", "-1.500"}, {"-123456", "-123.456"}, {"-", "-"}, {"abcd", "a.bcd"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(AddDots(in), out) << in;
}

TEST(StrToInt, AcceptsSignAndDigitsWithinThirtyTwoBits)
{
    const std::pair<const char *, std::int32_t> good[] = {
        {"0", 0}, {"-0", 0}, {"+5", 5}, {"007", 7}, {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN}, {"+2147483647", 2147483647},
    };
    for (const auto &[text, v] : good)
        EXPECT_EQ(strToInt(text), v) << text;

    for (const char *bad : {"", "-", "+", " 1", "1 ", "2147483648", "-2147483649", "1,5", "+-1",
                            "$1F", "0x10", "99999999999999999999", "1e3"})
        EXPECT_FALSE(tryStrToInt(bad).has_value()) << bad;
}

TEST(StrToInt, ErrorQuotesTheTextAndCutsALongOne)
{
    try {
        strToInt("abc");
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    try {
        strToInt(std::string(100000, '7') + "x");
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()), "'" + std::string(200, '7') + "...' is not a valid integer value");
    }
    try {
        strToInt("\xC8\xE2\xE0\xED"); // Windows-1251 text is quoted as UTF-8
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'Иван' is not a valid integer value");
    }
}

TEST(StrToFloat, ReadsRatingsWithADecimalComma)
{
    const std::pair<const char *, long double> good[] = {
        {"54,35", 54.35L}, {"  -0,5 ", -0.5L}, {"+7", 7.0L}, {",5", 0.5L}, {"5,", 5.0L},
        {"1E2", 100.0L},   {"1,5e-1", 0.15L},  {"2E+3", 2000.0L},
    };
    for (const auto &[text, v] : good)
        EXPECT_EQ(strToFloat(text), v) << text;
    EXPECT_GT(strToFloat("1E4000"), 1e4000L / 10); // fine in extended precision

    for (const char *bad : {"", " ", ",", "54.35", "1,2,3", "1E", "E5", "--1", "1 2", "n/a", "INF",
                            "\xED\xEE\xE2\xE8\xF7\xEE\xEA"})
        EXPECT_FALSE(tryStrToFloat(bad).has_value()) << bad;
    try {
        strToFloat("54.35");
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "'54.35' is not a valid floating point value");
    }
}

} // namespace

namespace {

// The quick exact reading and strtold must agree to the last bit.
TEST(StrToFloat, QuickReadingAgreesWithTheFullReader)
{
    std::uint64_t x = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::string digits = std::to_string(x % 100000000000000000ull);
        const std::size_t comma = x % (digits.size() + 1);
        std::string text = digits;
        text.insert(comma, ",");
        std::string c = digits;
        c.insert(comma, ".");
        const long double expected = std::strtold(("0" + c).c_str(), nullptr);
        EXPECT_EQ(strToFloat(text), expected) << text;
        EXPECT_EQ(strToFloat("-" + text), -expected) << text;
    }
    EXPECT_EQ(strToFloat("0,1"), 0.1L);
    EXPECT_EQ(strToFloat("12345678901234567890,5"), 12345678901234567890.5L);
    EXPECT_TRUE(std::signbit(strToFloat("-0")));
}

} // namespace
