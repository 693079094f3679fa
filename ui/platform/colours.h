#pragma once
// The core's colours as Qt colours.

#include "core/paint_rules.h"

#include <QColor>

namespace squadlens::platform {

inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

} // namespace squadlens::platform
