#include "Appearance.h"

#include <QPixmap>

namespace norvil {

QFont ToQFont(const FontDesign& design)
{
    QStringList families;
    for (const std::u16string& face : design.Faces)
        families.append(QString::fromStdU16String(face));
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(design.FixedPitch ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(design.Height / 15);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
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
