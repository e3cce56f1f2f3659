#pragma once

// What the check asks of a window toolkit: the window's controls and the properties the check
// sets on them. A face is a thin adapter from these to its widgets. It calls the check's
// handlers back (frmMain::cmdOK_Click, cTimer1_Timer, ...) as the user and the timers act.

#include "Design.h"

#include <memory>
#include <string>

class frmMain;

namespace norvil {

enum class TimerId : std::uint8_t { cTimer1, cTimer2 };

// One line of the log, shared: a whole received file goes into the log without a copy.
using LogLine = std::shared_ptr<const std::u16string>;

class Face {
public:
    virtual ~Face() = default;

    // Builds the window and every control as designed, hidden; form is whose handlers it calls.
    virtual void Create(const FormDesign& design, ::frmMain& form) = 0;

    // frmMain: the window's title; a label: its caption; a button: its caption, with "&"
    // before its access key.
    virtual void SetCaption(Ctl control, const std::u16string& text) = 0;
    // frmMain: shows the window (centred the first time) or hides it; a frame: with everything on it.
    virtual void SetVisible(Ctl control, bool visible) = 0;
    virtual void SetFontSize(Ctl control, int twips) = 0;
    // The button that Enter presses, and the one that Escape presses; Ctl::None for none.
    virtual void SetDefault(Ctl button) = 0;
    virtual void SetCancel(Ctl button) = 0;
    virtual void SetFocus(Ctl control) = 0;
    // What a screen reader says of the control besides its name.
    virtual void SetDescription(Ctl control, const std::u16string& text) = 0;
    // The window's outer height as designed, in twips (see kFrameHeight).
    virtual void SetHeight(int twips) = 0;
    // Appends the line and CR LF at the very end of txtLog, whatever the user has selected there
    // or wherever the caret stands; the caret ends at the end.
    virtual void AppendToLog(LogLine line) = 0;
    // The timer ticks every intervalMs while enabled; cTimer1's tick comes to the millisecond.
    virtual void SetTimer(TimerId timer, bool enabled, int intervalMs) = 0;
    // To the top of the window order, place and size unchanged.
    virtual void BringToTop() = 0;
    // The window goes for good; the program ends once the handler that asked for it returns.
    virtual void Unload() = 0;
};

} // namespace norvil
