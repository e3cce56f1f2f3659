#pragma once

#include "Design.h"

#include <QFont>
#include <QIcon>
#include <QImage>

namespace norvil {

// The designed font as Qt draws it: its faces in order, then whatever the desktop has, at its
// height in pixels (15 twips to the pixel).
QFont ToQFont(const FontDesign& design);

// The window icon: a 16 x 16 image whose middle 8 x 8 square is an orange ring around a
// yellow fill; everything else is transparent.
QImage RingImage();
QIcon RingIcon();

} // namespace norvil
