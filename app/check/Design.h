#pragma once

// The window as it is created: every control with its kind, container, place, text and font,
// for the language the window speaks. A face builds its widgets from this and nothing else.

#include <cstdint>
#include <string>
#include <vector>

namespace norvil {

// The window and its controls, by the names the check gives them.
enum class Ctl : std::uint8_t { frmMain, fraPage0, fraPage1, lblMsg1, lblProg, lblMsg2, lblMsg3, cmdOK, cmdClose, Label1, txtLog, None };

enum class ControlKind : std::uint8_t { Frame, Label, CommandButton, TextBox };
enum class FontRole : std::uint8_t { Default, F1, F2 }; // Default: the toolkit's user-interface font
enum class Align : std::uint8_t { Left, Center, Right };

// A place in twips (1440 to the inch, 15 to a pixel at 96 dots per inch), measured from the top
// left of the container's client area.
struct Twips {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const Twips&) const = default;
};

struct FontDesign {
    std::vector<std::u16string> Faces; // the first one the system has is used, then the next
    int Height = 0;                    // in twips, 20 to the point
    int Charset = 1;                   // 128 (Shift-JIS) for the Japanese faces, 1 (default) for others
    bool FixedPitch = false;
};

struct ControlDesign {
    Ctl Id = Ctl::None;
    ControlKind Kind = ControlKind::Label;
    Ctl Container = Ctl::frmMain;
    Twips Place;        // mirrored already in a right-to-left window
    int TabIndex = 0;
    std::u16string Caption;
    FontRole Font = FontRole::Default;
    Align Alignment = Align::Left;
    bool RightToLeft = false; // which way its text reads
};

struct FormDesign {
    std::u16string Caption;
    int ClientWidth = 0;  // twips; the client height is the window's height less kFrameHeight
    bool RightToLeft = false;
    FontDesign F1;        // the pages' texts
    FontDesign F2;        // the log
    std::uint32_t ProgressColor = 0; // lblProg's text, 0xRRGGBB
    std::vector<ControlDesign> Controls; // containers before what they hold
};

// The window's frame as designed: 435 twips above the client area and 45 below it. A face
// whose frame differs keeps the client height that a window height leaves inside this one.
constexpr int kFrameHeight = 480;

// The design for the language the window speaks now (Tr's). Right to left, every control takes
// the mirror image of its place in its container and labels align right; the log box keeps
// reading left to right, its lines being addresses and fixed English words.
FormDesign Design();

const ControlDesign& DesignOf(const FormDesign& design, Ctl id);

// The width of the control's container, in twips: the window's client area or its page.
int ContainerWidth(const FormDesign& design, const ControlDesign& control);

// A place's mirror image in a container this wide. Mirroring twice gives the place back.
constexpr Twips Mirrored(const Twips& place, int containerWidth)
{
    return {containerWidth - place.Left - place.Width, place.Top, place.Width, place.Height};
}

// The faces that have the letters of the language and draw them in its own forms (Chinese
// characters differ from their Japanese forms): Windows' own first, then those Debian packages.
// Japanese keeps its Gothic faces with the Shift-JIS character set.
FontDesign PageFont(const std::u16string& language);
FontDesign LogFont(const std::u16string& language);

} // namespace norvil
