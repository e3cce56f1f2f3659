#include "AccessibleTexts.h"

#include <oleacc.h>

#include <algorithm>

namespace norvil {

AccessibleTexts::~AccessibleTexts()
{
    Clear();
    if (m_service != nullptr)
        m_service->Release();
    if (m_com)
        CoUninitialize();
}

HRESULT AccessibleTexts::SetName(HWND control, const std::u16string& text)
{
    return Set(control, false, text);
}

HRESULT AccessibleTexts::SetDescription(HWND control, const std::u16string& text)
{
    return Set(control, true, text);
}

HRESULT AccessibleTexts::Set(HWND control, bool description, const std::u16string& text)
{
    if (m_service == nullptr) {
        if (!m_com)
            m_com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        const HRESULT made = CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                              reinterpret_cast<void**>(&m_service));
        if (FAILED(made))
            return made;
    }
    const std::wstring value(text.begin(), text.end());
    const HRESULT set = m_service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                  description ? PROPID_ACC_DESCRIPTION : PROPID_ACC_NAME, value.c_str());
    if (SUCCEEDED(set) && std::find(m_annotated.begin(), m_annotated.end(), control) == m_annotated.end())
        m_annotated.push_back(control);
    return set;
}

void AccessibleTexts::Clear()
{
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND control : m_annotated)
        m_service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties, 2);
    m_annotated.clear();
}

} // namespace norvil
