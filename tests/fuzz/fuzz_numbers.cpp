// The number readers and writers: nothing throws but the readers' own error,
// and every written number keeps its shape.

#include "core/error.h"
#include "core/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace squadlens;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// d decimals after the one ",", digits and no-break spaces before it; or the
// exponent form; or INF, -INF, NAN.
void checkShape(const std::string &s, int decimals)
{
    if (s == "INF" || s == "-INF" || s == "NAN")
        return;
    const auto e = s.find('E');
    const auto comma = s.find(',');
    if (e != std::string::npos) {
        check(tryStrToFloat(s).has_value());
        return;
    }
    check(comma != std::string::npos);
    check(s.size() - comma - 1 == static_cast<std::size_t>(decimals));
    std::string plain;
    for (char c : s)
        if (c != '\xA0')
            plain += c;
    check(tryStrToFloat(plain).has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);

    if (const auto v = tryStrToInt(text))
        check(strToInt(std::to_string(*v)) == *v);
    try {
        strToInt(text);
    } catch (const Error &) {
    }

    if (const auto v = tryStrToFloat(text)) {
        const float f = static_cast<float>(*v);
        checkShape(formatGrowth(f), 1);
        checkShape(formatAverage(f), 2);
    }
    try {
        strToFloat(text);
    } catch (const Error &) {
    }

    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        checkShape(formatGrowth(f), 1);
        checkShape(formatAverage(f), 2);
        if (std::isfinite(f) && f != 0 && std::fabs(f) < 10 && std::fabs(f) >= 0.05f) {
            // Within the plain form, the text reads back within half a unit of its last decimal.
            const std::string s = formatGrowth(f);
            const long double back = strToFloat(s);
            check(std::fabs(back - f) <= 0.05L + 1e-6L);
        }
    }

    // AddDots only inserts one "." between groups of three.
    const std::string grouped = AddDots(text);
    const std::size_t body = text.size() - (!text.empty() && text[0] == '-' ? 1 : 0);
    const std::size_t dots = body > 0 ? (body - 1) / 3 : 0;
    check(grouped == text || grouped.size() == text.size() + dots);
    return 0;
}
