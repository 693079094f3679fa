#include "core/cp1251.h"

#include <array>

namespace squadlens {
namespace {

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
constexpr std::array<char16_t, 64> kUpper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

int unicodeToCp1251(char32_t c)
{
    if (c < 0x80)
        return static_cast<int>(c);
    if (c >= 0x0410 && c <= 0x044F)
        return static_cast<int>(c - 0x0410 + 0xC0);
    for (std::size_t i = 0; i < kUpper.size(); ++i)
        if (kUpper[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t cp1251ToUnicode(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return 0x0410 + (byte - 0xC0);
    return kUpper[byte - 0x80];
}

std::string toUtf8(std::string_view cp1251Text)
{
    std::string out;
    out.reserve(cp1251Text.size() * 2);
    for (unsigned char b : cp1251Text) {
        if (b < 0x80)
            out += static_cast<char>(b);
        else
            appendUtf8(out, cp1251ToUnicode(b));
    }
    return out;
}

std::string toCp1251(std::string_view utf8Text)
{
    std::string out;
    out.reserve(utf8Text.size());
    for (std::size_t i = 0; i < utf8Text.size();) {
        const auto b = static_cast<unsigned char>(utf8Text[i]);
        char32_t c = b;
        std::size_t len = 1;
        if (b >= 0xF0) {
            len = 4;
        } else if (b >= 0xE0) {
            c = b & 0x0F;
            len = 3;
        } else if (b >= 0xC0) {
            c = b & 0x1F;
            len = 2;
        }
        if (len == 4 || i + len > utf8Text.size()) {
            out += '?';
            i += len;
            continue;
        }
        for (std::size_t k = 1; k < len; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8Text[i + k]) & 0x3F);
        const int byte = unicodeToCp1251(c);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += len;
    }
    return out;
}

} // namespace squadlens
