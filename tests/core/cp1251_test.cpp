#include "core/cp1251.h"

#include <gtest/gtest.h>

#include <iconv.h>

using namespace squadlens;

namespace {

// glibc's CP1251 agrees with the WHATWG table on every byte but 0x98, which it
// refuses and WHATWG maps to U+0098.
TEST(Cp1251, AgreesWithIconvOnEveryByteButOneAndMaps0x98ToU0098)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98)
            continue;
        char in[1] = {static_cast<char>(b)};
        char out[8] = {};
        char *ip = in, *op = out;
        std::size_t il = 1, ol = sizeof out;
        ASSERT_NE(iconv(cd, &ip, &il, &op, &ol), static_cast<std::size_t>(-1)) << b;
        EXPECT_EQ(toUtf8(std::string(1, static_cast<char>(b))), std::string(out, op)) << b;
    }
    iconv_close(cd);
    EXPECT_EQ(toUtf8("\x98"), "\xC2\x98");
}

TEST(Cp1251, RoundTripsEveryByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toCp1251(toUtf8(all)), all);
    EXPECT_EQ(toCp1251("Ё ё №"), "\xA8 \xB8 \xB9");
    EXPECT_EQ(toCp1251("日"), "?"); // outside the code page
}

} // namespace
