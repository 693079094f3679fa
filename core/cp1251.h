#pragma once
// Windows-1251 <-> UTF-8. File text stays Windows-1251 inside the core; it
// becomes UTF-8 only where it is shown or written out. The table is the
// complete WHATWG mapping, so every byte has a character (0x98 is U+0098).

#include <string>
#include <string_view>

namespace squadlens {

char32_t cp1251ToUnicode(unsigned char byte);
// Appends one character of the Basic Multilingual Plane as UTF-8.
void appendUtf8(std::string &out, char32_t c);
std::string toUtf8(std::string_view cp1251Text);

// The reverse, for the program's own Russian texts that are compared with or
// stored beside file text. A character outside the code page becomes "?".
std::string toCp1251(std::string_view utf8Text);

} // namespace squadlens
