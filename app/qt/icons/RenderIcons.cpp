// Writes the window's ring icon as PNG files for the desktop's icon theme, one per size, each
// the 16 x 16 drawing scaled pixel for pixel, so every size shows exactly what the window shows.
// Usage: norvil_render_icons OUTPUT_FOLDER SIZE...

#include "Appearance.h"

#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QImage ring = norvil::RingImage();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size % 16 != 0) {
            std::fprintf(stderr, "%s: sizes are whole multiples of 16\n", argv[i]);
            return 2;
        }
        const QString path = QDir(folder).filePath(QStringLiteral("norvil-%1.png").arg(size));
        if (!ring.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
