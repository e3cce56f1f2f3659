#pragma once

#include <QFont>
#include <QIcon>
#include <QImage>

namespace norvil {

// F1: the proportional Japanese Gothic face of the pages, at 11.25 points (15 px at 96 dpi).
QFont ProportionalGothic(int pixelSize = 15);
// F2: the fixed-pitch Japanese Gothic face of the log, at 9.75 points (13 px at 96 dpi).
QFont FixedGothic(int pixelSize = 13);

// The window icon: a 16 x 16 image whose middle 8 x 8 square is an orange ring around a
// yellow fill; everything else is transparent.
QImage RingImage();
QIcon RingIcon();

} // namespace norvil
