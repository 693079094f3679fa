#pragma once
// The one error type that leaves the core: a conversion, file or archive
// failure, carrying the exact text the user is shown (UTF-8).

#include <stdexcept>
#include <string>
#include <string_view>

namespace squadlens {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string &text) : std::runtime_error(text) {}
};

// A field quoted in a message: Windows-1251 file text shown as UTF-8, cut to
// its first 200 characters and "..." so a huge field makes no huge message.
std::string quoteField(std::string_view cp1251Text);

// "'%s' is not a valid integer value" and its siblings, with the field quoted.
[[noreturn]] void throwNotInteger(std::string_view cp1251Text);
[[noreturn]] void throwNotFloat(std::string_view cp1251Text);
[[noreturn]] void throwNotDate(std::string_view cp1251Text);

} // namespace squadlens
