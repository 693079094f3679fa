#include "core/numbers.h"

#include "core/error.h"
#include "core/texts.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace squadlens {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// strtold under the C locale, whatever locale the process runs in.
long double strtoldC(const char *text)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtold_l(text, nullptr, c);
}

} // namespace

std::optional<std::int32_t> tryStrToInt(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > std::int64_t{1} << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t strToInt(std::string_view text)
{
    if (const auto v = tryStrToInt(text))
        return *v;
    throwNotInteger(text);
}

std::optional<long double> tryStrToFloat(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;

    // Checked by hand; read exactly when the digits fit 64 bits and the
    // power of ten is small, else handed to strtold with "." for ",".
    std::string plain;
    plain.reserve(e - b);
    std::size_t i = b;
    bool negative = false;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        plain += text[i++];
    }
    std::uint64_t mantissa = 0;
    int significant = 0;
    std::size_t intDigits = 0, fracDigits = 0;
    const auto digit = [&](char c) {
        plain += c;
        if (significant > 0 || c != '0') {
            ++significant;
            if (significant <= 19)
                mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        }
    };
    while (i < e && isDigit(text[i])) {
        digit(text[i++]);
        ++intDigits;
    }
    if (i < e && text[i] == ',') {
        plain += '.';
        ++i;
        while (i < e && isDigit(text[i])) {
            digit(text[i++]);
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0)
        return std::nullopt;
    bool hasExponent = false;
    if (i < e && (text[i] == 'E' || text[i] == 'e')) {
        hasExponent = true;
        plain += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        std::size_t expDigits = 0;
        while (i < e && isDigit(text[i])) {
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != e)
        return std::nullopt;

    // Both operands exact and one correctly rounded division: the same value
    // strtold gives.
    static constexpr long double kPow10[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                             1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                             1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                             1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
    if (!hasExponent && significant <= 19 && fracDigits <= 27) {
        const long double v = static_cast<long double>(mantissa) / kPow10[fracDigits];
        return negative ? -v : v;
    }
    return strtoldC(plain.c_str());
}

long double strToFloat(std::string_view text)
{
    if (const auto v = tryStrToFloat(text))
        return *v;
    throwNotFloat(text);
}

std::string formatRounded(double value, int precision, int decimals)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // 18 significant digits: d.ddddddddddddddddde±x, so 0.D1D2... times 10^(x+1).
    std::string digits;
    int e = 0;
    if (magnitude != 0) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, magnitude,
                                       std::chars_format::scientific, 17);
        const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
        const auto ePos = s.find('e');
        for (char c : s.substr(0, ePos))
            if (isDigit(c))
                digits += c;
        e = std::atoi(std::string(s.substr(ePos + 1)).c_str()) + 1;
    }

    const auto zero = [&] { return "0," + std::string(static_cast<std::size_t>(decimals), '0'); };
    if (digits.empty() || e + decimals < 0)
        return zero();

    const int keep = std::min(precision, e + decimals);
    const bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int k = keep - 1;
        while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9') {
            digits[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++digits[static_cast<std::size_t>(k)];
        } else {
            digits = "1";
            ++e;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return zero();

    std::string out;
    if (negative)
        out += '-';

    if (e > precision) {
        out += digits[0];
        if (digits.size() > 1) {
            out += ',';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(e - 1);
        return out;
    }

    if (e <= 0) {
        out += '0';
    } else {
        std::string intPart = digits.substr(0, std::min<std::size_t>(digits.size(), e));
        intPart.resize(static_cast<std::size_t>(e), '0');
        for (std::size_t k = 0; k < intPart.size(); ++k) {
            if (k > 0 && (intPart.size() - k) % 3 == 0)
                out += texts::kThousandsSeparator;
            out += intPart[k];
        }
    }
    out += ',';
    std::string frac;
    if (e < 0)
        frac.assign(static_cast<std::size_t>(-e), '0');
    if (static_cast<int>(digits.size()) > std::max(e, 0))
        frac.append(digits, static_cast<std::size_t>(std::max(e, 0)));
    frac.resize(static_cast<std::size_t>(decimals), '0');
    out += frac;
    return out;
}

std::string AddDots(std::string_view text)
{
    if (text == texts::newcomer() || text == texts::leaver())
        return std::string(text);
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    const std::size_t groups = digits.empty() ? 0 : (digits.size() + 2) / 3;
    std::string out((negative ? 1 : 0) + digits.size() + (groups > 0 ? groups - 1 : 0), '.');
    char *p = out.data();
    if (negative)
        *p++ = '-';
    // The leftmost group holds one to three characters, every other three.
    std::size_t take = digits.size() - 3 * (groups > 0 ? groups - 1 : 0);
    for (std::size_t i = 0; i < digits.size(); take = 3) {
        std::memcpy(p, digits.data() + i, take);
        p += take + 1;
        i += take;
    }
    return out;
}

} // namespace squadlens
