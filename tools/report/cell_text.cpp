#include "tools/report/cell_text.h"

#include "core/cp1251.h"

namespace squadlens::report {
std::string shownText(std::string_view cp1251Text)
{
    std::string out;
    out.reserve(cp1251Text.size() * 2);
    for (const char byte : cp1251Text) {
        const char32_t c = cp1251ToUnicode(static_cast<unsigned char>(byte));
        if (c < 0x20)
            appendUtf8(out, 0x2400 + c);
        else if (c == 0x7F)
            appendUtf8(out, 0x2421);
        else if (c >= 0x80 && c < 0xA0)
            appendUtf8(out, 0xFFFD);
        else
            appendUtf8(out, c);
    }
    return out;
}

std::size_t displayWidth(std::string_view utf8Text)
{
    std::size_t width = 0;
    for (const char byte : utf8Text)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++width;
    return width;
}

std::string cssColour(Rgb colour)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "#";
    for (const std::uint8_t v : {colour.r, colour.g, colour.b}) {
        out += kHex[v >> 4];
        out += kHex[v & 0xF];
    }
    return out;
}

} // namespace squadlens::report
