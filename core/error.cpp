#include "core/error.h"

#include "core/cp1251.h"

namespace squadlens {

std::string quoteField(std::string_view cp1251Text)
{
    constexpr std::size_t kMaxQuoted = 200;
    if (cp1251Text.size() <= kMaxQuoted)
        return toUtf8(cp1251Text);
    return toUtf8(cp1251Text.substr(0, kMaxQuoted)) + "...";
}

void throwNotInteger(std::string_view cp1251Text)
{
    throw Error("'" + quoteField(cp1251Text) + "' is not a valid integer value");
}

void throwNotFloat(std::string_view cp1251Text)
{
    throw Error("'" + quoteField(cp1251Text) + "' is not a valid floating point value");
}

void throwNotDate(std::string_view cp1251Text)
{
    throw Error("'" + quoteField(cp1251Text) + "' is not a valid date and time");
}

} // namespace squadlens
