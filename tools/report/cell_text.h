#pragma once
// Table text for people to read (the text and HTML reports): Windows-1251
// turned into UTF-8, with control characters made visible so that a team
// file can neither break the layout nor send terminal escapes.

#include "core/paint_rules.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace squadlens::report {

// toUtf8, except that C0 controls and DEL become their control pictures
// (TAB is U+2409 "␉") and the one C1 control of the code page, byte 0x98,
// becomes U+FFFD.
std::string shownText(std::string_view cp1251Text);

// Columns a UTF-8 text takes in a terminal: one per code point. That holds
// for everything shownText gives and for the program's own Russian texts,
// none of which holds a wide or combining character.
std::size_t displayWidth(std::string_view utf8Text);

// "#rrggbb".
std::string cssColour(Rgb colour);

} // namespace squadlens::report
