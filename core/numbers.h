#pragma once
// Number reading and writing for texts of the team files and result tables
// (Windows-1251, "," as the decimal separator).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace squadlens {

// An optional "+" or "-", then one or more ASCII digits, nothing else, within
// the 32-bit signed range.
std::optional<std::int32_t> tryStrToInt(std::string_view text);
// The same; "'<text>' is not a valid integer value" otherwise.
std::int32_t strToInt(std::string_view text);

// A rating: optional blanks around it, an optional sign, digits with at most
// one "," (digits on at least one side), an optional exponent (E or e, an
// optional sign, digits). Read into 80-bit extended precision.
std::optional<long double> tryStrToFloat(std::string_view text);
// The same; "'<text>' is not a valid floating point value" otherwise.
long double strToFloat(std::string_view text);

// The rounded decimal format: precision p (significant digits), d decimals.
// Growth is written with p = 2, d = 1, averages with p = 5, d = 2.
// "," separates decimals; averages of 1000 and more group their integer part
// with the no-break space (0xA0). A value not finite is "INF", "-INF", "NAN".
// The values are single precision, so a double holds them exactly and its
// 18 significant digits are those of the value itself.
std::string formatRounded(double value, int precision, int decimals);
inline std::string formatGrowth(float v) { return formatRounded(v, 2, 1); }
inline std::string formatAverage(float v) { return formatRounded(v, 5, 2); }

// Groups a whole-number text by three with "." counted from the right; a
// leading "-" is set aside. The characters are grouped as they stand. The two
// marker texts come back unchanged.
std::string AddDots(std::string_view text);

} // namespace squadlens
