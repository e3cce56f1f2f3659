#pragma once

// What a screen reader says of a control: its name where no label beside it gives one, and
// a description besides.

#include <windows.h>

#include <string>
#include <vector>

struct IAccPropServices;

namespace norvil {

// Texts given to controls through Active Accessibility's dynamic annotation
// (IAccPropServices): the standard accessible object of the control's window then answers
// them, to screen readers through MSAA and through UI Automation's bridge alike.
class AccessibleTexts {
public:
    AccessibleTexts() = default;
    AccessibleTexts(const AccessibleTexts&) = delete;
    AccessibleTexts& operator=(const AccessibleTexts&) = delete;
    ~AccessibleTexts();

    // What the annotation service answered: S_OK, or its failure.
    HRESULT SetName(HWND control, const std::u16string& text);
    HRESULT SetDescription(HWND control, const std::u16string& text);
    // Takes every text back; done before the windows go.
    void Clear();

private:
    HRESULT Set(HWND control, bool description, const std::u16string& text);

    bool m_com = false;
    IAccPropServices* m_service = nullptr;
    std::vector<HWND> m_annotated;
};

} // namespace norvil
