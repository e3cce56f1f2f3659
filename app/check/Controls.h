#pragma once

#include "Face.h"

#include <string>

namespace norvil {

// A control of the window as the check sees it: the properties the check sets, handed to the
// face as they change; what the check reads back (its visibility, its Tag) kept here.
class Control {
public:
    Control(Face& face, Ctl id, bool visible = true) : m_face(&face), m_id(id), m_visible(visible) {}

    void SetCaption(const std::u16string& text) { m_face->SetCaption(m_id, text); }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible)
    {
        m_visible = visible;
        m_face->SetVisible(m_id, visible);
    }
    void SetFontSize(int twips) { m_face->SetFontSize(m_id, twips); }
    void SetFocus() { m_face->SetFocus(m_id); }
    void SetDescription(const std::u16string& text) { m_face->SetDescription(m_id, text); }

    // A free text value for the program's own use, with no effect on display.
    std::u16string Tag;

private:
    Face* m_face;
    Ctl m_id;
    bool m_visible;
};

// A timer whose ticks arrive as events on the user-interface thread while it is enabled.
class Timer {
public:
    Timer(Face& face, TimerId id, int intervalMs) : m_face(&face), m_id(id), m_interval(intervalMs) {}

    void SetEnabled(bool enabled) { m_face->SetTimer(m_id, enabled, m_interval); }

private:
    Face* m_face;
    TimerId m_id;
    int m_interval;
};

} // namespace norvil
