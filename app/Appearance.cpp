#include "Appearance.h"

#include <QImage>
#include <QPixmap>

namespace norvil {
namespace {

QFont GothicFont(const QStringList& families, int pixelSize, QFont::StyleHint hint)
{
    QFont font;
    // The Windows faces first; a Linux desktop has the IPA or Noto faces instead.
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace

QFont ProportionalGothic(int pixelSize)
{
    return GothicFont({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                       QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                       QStringLiteral("Noto Sans CJK JP")},
                      pixelSize, QFont::SansSerif);
}

QFont FixedGothic(int pixelSize)
{
    return GothicFont({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                       QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")},
                      pixelSize, QFont::Monospace);
}

QImage RingImage()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb ring = qRgb(219, 137, 0);
    const QRgb fill = qRgb(250, 194, 30);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            image.setPixel(x, y, (x == 4 || x == 11 || y == 4 || y == 11) ? ring : fill);
    return image;
}

QIcon RingIcon()
{
    return QIcon(QPixmap::fromImage(RingImage()));
}

} // namespace norvil
