#include "Appearance.h"

#include <QImage>
#include <QPixmap>

namespace norvil {
namespace {

QFont Face(const QStringList& families, int pixelSize, QFont::StyleHint hint)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

struct Faces {
    QStringList page;
    QStringList log;
};

// Windows' own faces first, then those a Linux desktop has (Debian: fonts-ipafont-gothic for
// Japanese, fonts-wqy-microhei for Chinese and Korean, fonts-dejavu-core for the rest).
Faces FacesFor(const QString& language)
{
    if (language == QLatin1String("ja"))
        return {{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                 QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP")},
                {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                 QStringLiteral("Noto Sans Mono CJK JP")}};
    if (language.startsWith(QLatin1String("zh")))
        return {{QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")},
                {QStringLiteral("NSimSun"), QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Micro Hei Mono")}};
    if (language == QLatin1String("ko"))
        return {{QStringLiteral("Malgun Gothic"), QStringLiteral("Noto Sans CJK KR"), QStringLiteral("NanumGothic"),
                 QStringLiteral("WenQuanYi Micro Hei")},
                {QStringLiteral("GulimChe"), QStringLiteral("Noto Sans Mono CJK KR"), QStringLiteral("NanumGothicCoding"),
                 QStringLiteral("WenQuanYi Micro Hei Mono")}};
    return {{QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")},
            {QStringLiteral("Consolas"), QStringLiteral("Noto Sans Mono"), QStringLiteral("DejaVu Sans Mono")}};
}

} // namespace

QFont PageFont(const QString& language, int pixelSize)
{
    return Face(FacesFor(language).page, pixelSize, QFont::SansSerif);
}

QFont LogFont(const QString& language, int pixelSize)
{
    return Face(FacesFor(language).log, pixelSize, QFont::Monospace);
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
