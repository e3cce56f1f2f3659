#include "Appearance.h"

#include <QImage>
#include <QLocale>
#include <QPixmap>

#include <initializer_list>

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

// Faces that have the letters of the language's script and draw them in its own forms (Chinese
// characters differ from their Japanese forms): Windows' own first, then those that Debian
// packages (fonts-ipafont-gothic for Japanese, fonts-wqy-microhei for Chinese and Korean,
// fonts-tlwg-loma-otf and fonts-tlwg-mono-otf for Thai, fonts-lohit-deva for Devanagari,
// fonts-dejavu-core for the rest, Greek, Cyrillic, Armenian, Georgian, Hebrew and Arabic
// included). The log's faces are fixed-pitch where a script has one that is common.
Faces FacesFor(const QString& language)
{
    auto faces = [](std::initializer_list<const char16_t*> names) {
        QStringList list;
        for (const char16_t* name : names)
            list.append(QString::fromUtf16(name));
        return list;
    };
    switch (QLocale(language).script()) {
    case QLocale::JapaneseScript:
        return {faces({u"ＭＳ Ｐゴシック", u"MS PGothic", u"IPAPGothic", u"IPAexGothic", u"Noto Sans CJK JP"}),
                faces({u"ＭＳ ゴシック", u"MS Gothic", u"IPAGothic", u"Noto Sans Mono CJK JP"})};
    case QLocale::SimplifiedHanScript:
        return {faces({u"Microsoft YaHei", u"Noto Sans CJK SC", u"WenQuanYi Micro Hei"}),
                faces({u"NSimSun", u"Noto Sans Mono CJK SC", u"WenQuanYi Micro Hei Mono"})};
    case QLocale::TraditionalHanScript:
        return {faces({u"Microsoft JhengHei", u"Noto Sans CJK TC", u"WenQuanYi Micro Hei"}),
                faces({u"MingLiU", u"Noto Sans Mono CJK TC", u"WenQuanYi Micro Hei Mono"})};
    case QLocale::KoreanScript:
        return {faces({u"Malgun Gothic", u"Noto Sans CJK KR", u"NanumGothic", u"WenQuanYi Micro Hei"}),
                faces({u"GulimChe", u"Noto Sans Mono CJK KR", u"NanumGothicCoding", u"WenQuanYi Micro Hei Mono"})};
    case QLocale::ArmenianScript:
        return {faces({u"Segoe UI", u"Noto Sans Armenian", u"DejaVu Sans"}), faces({u"Segoe UI", u"DejaVu Sans Mono"})};
    case QLocale::GeorgianScript:
        return {faces({u"Segoe UI", u"Noto Sans Georgian", u"DejaVu Sans"}), faces({u"Segoe UI", u"DejaVu Sans Mono"})};
    case QLocale::ThaiScript:
        return {faces({u"Leelawadee UI", u"Noto Sans Thai", u"Loma"}),
                faces({u"Leelawadee UI", u"Noto Sans Thai", u"Tlwg Mono"})};
    case QLocale::DevanagariScript:
        return {faces({u"Nirmala UI", u"Noto Sans Devanagari", u"Lohit Devanagari"}),
                faces({u"Nirmala UI", u"Noto Sans Devanagari", u"Lohit Devanagari"})};
    case QLocale::HebrewScript:
        return {faces({u"Segoe UI", u"Noto Sans Hebrew", u"DejaVu Sans"}), faces({u"Courier New", u"DejaVu Sans"})};
    case QLocale::ArabicScript:
        return {faces({u"Segoe UI", u"Noto Sans Arabic", u"DejaVu Sans"}), faces({u"Courier New", u"DejaVu Sans"})};
    default:
        return {faces({u"Segoe UI", u"Noto Sans", u"DejaVu Sans"}),
                faces({u"Consolas", u"Noto Sans Mono", u"DejaVu Sans Mono"})};
    }
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
