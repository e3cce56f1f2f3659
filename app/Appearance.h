#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

namespace norvil {

// F1, the face of the pages' texts, at 11.25 points (15 px at 96 dpi), and F2, the log's, at
// 9.75 points (13 px), for the language the window speaks ("ja" or a translation's name).
// Japanese keeps its Gothic faces; every other language gets faces that have its letters and
// draw them in its own forms (Chinese characters differ from their Japanese forms).
QFont PageFont(const QString& language, int pixelSize = 15);
QFont LogFont(const QString& language, int pixelSize = 13);

// The window icon: a 16 x 16 image whose middle 8 x 8 square is an orange ring around a
// yellow fill; everything else is transparent.
QImage RingImage();
QIcon RingIcon();

} // namespace norvil
