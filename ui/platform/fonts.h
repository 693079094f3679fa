#pragma once
// Fonts of the window's design. The design names "MS Sans Serif" and
// "Georgia", which a Linux desktop does not have; DejaVu Sans and DejaVu Serif
// (fonts-dejavu-core) stand in for them, with Cyrillic.
//
// Two adjustments keep the design's tables readable with DejaVu Sans:
// - MS Sans Serif is a narrow bitmap font; DejaVu Sans drawn at 80 % of its
//   width takes about the same room, so "новичок клуба" still fits a column
//   of 79 pixels at 11 pixels high.
// - That bitmap font has no face smaller than 11 pixels, so the design's 7
//   and 9 pixel heights never drew smaller on screen; a vector font at 7
//   pixels does, and Cyrillic becomes hard to read. Sans text is therefore
//   drawn at least kSmallestSansPixels high.

#include <QFont>

namespace squadlens::platform {

enum class Face { Sans, Serif };

inline constexpr int kSmallestSansPixels = 9;
inline constexpr int kSansStretch = 80; // percent of the normal width

// `pixels` is the design's character height.
QFont designFont(int pixels, Face face = Face::Sans, bool bold = false);

} // namespace squadlens::platform
