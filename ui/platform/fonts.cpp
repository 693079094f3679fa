#include "ui/platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace squadlens::platform {

QFont designFont(int pixels, Face face, bool bold)
{
    if (face == Face::Serif) {
        QFont font(QStringLiteral("DejaVu Serif"));
        // Without the serif face the titles fall back to the bold sans.
        if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Serif"))) {
            font.setFamily(QStringLiteral("DejaVu Sans"));
            bold = true;
        }
        font.setStyleHint(QFont::Serif);
        font.setPixelSize(pixels);
        font.setBold(bold);
        return font;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(pixels, kSmallestSansPixels));
    font.setStretch(kSansStretch);
    font.setBold(bold);
    return font;
}

} // namespace squadlens::platform
