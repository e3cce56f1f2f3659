#pragma once

// Where a control goes on screen: its designed place in twips, at the window's own DPI.

#include "Design.h"

#include <windows.h>

namespace norvil {

inline int TwipsToPixels(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// The control's rectangle in its container's client coordinates. A mirrored container
// (WS_EX_LAYOUTRTL) counts x from its right edge, so a place that the design has mirrored
// already is mirrored back here: the two mirrorings give the designed picture once.
inline RECT PlaceInContainer(const FormDesign& design, const ControlDesign& control, UINT dpi)
{
    const Twips place = design.RightToLeft ? Mirrored(control.Place, ContainerWidth(design, control)) : control.Place;
    RECT r;
    r.left = TwipsToPixels(place.Left, dpi);
    r.top = TwipsToPixels(place.Top, dpi);
    r.right = r.left + TwipsToPixels(place.Width, dpi);
    r.bottom = r.top + TwipsToPixels(place.Height, dpi);
    return r;
}

} // namespace norvil
