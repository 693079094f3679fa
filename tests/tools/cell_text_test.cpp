#include "tools/report/cell_text.h"

#include <gtest/gtest.h>

using namespace squadlens;
using namespace squadlens::report;

namespace {

struct ShownCase {
    std::string cp1251, shown;
    friend std::ostream &operator<<(std::ostream &o, const ShownCase &c)
    {
        return o << testing::PrintToString(c.cp1251);
    }
};

class ShownText : public testing::TestWithParam<ShownCase> {};

TEST_P(ShownText, IsUtf8WithControlCharactersMadeVisible)
{
    EXPECT_EQ(shownText(GetParam().cp1251), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShownText,
    testing::Values(ShownCase{"", ""}, ShownCase{"GK 59,20", "GK 59,20"},
                    ShownCase{"\xC8\xE2\xE0\xED \xB8\xA8", "Иван ёЁ"},
                    ShownCase{"\x80\x88\xB9\xA0", "Ђ€№\u00A0"},
                    ShownCase{"a\tb\r\n", "a␉b␍␊"}, ShownCase{std::string("\0\x1B\x7F", 3), "␀␛␡"},
                    // 0x98 is U+0098, a C1 control: shown as the replacement character.
                    ShownCase{"\x98", "\uFFFD"}));

TEST(CellText, WidthCountsCharactersAndColoursAreHex)
{
    EXPECT_EQ(displayWidth(""), 0u);
    EXPECT_EQ(displayWidth("n/a"), 3u);
    EXPECT_EQ(displayWidth("покинул клуб"), 12u);
    EXPECT_EQ(displayWidth("a␉b€"), 4u);
    EXPECT_EQ(cssColour(PaleGreen), "#baf0b3");
    EXPECT_EQ(cssColour(PaleRed), "#ffb0b0");
    EXPECT_EQ(cssColour(clGreen), "#008000");
    EXPECT_EQ(cssColour(Rgb{1, 2, 255}), "#0102ff");
}

} // namespace
