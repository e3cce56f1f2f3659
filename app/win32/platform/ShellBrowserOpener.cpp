#include "ShellBrowserOpener.h"

#include "SystemLibrary.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <limits>
#include <string>

namespace norvil {

std::int32_t ShellBrowserOpener::Open(std::u16string_view url)
{
    const std::wstring file(url.begin(), url.end());

    // The shell may hand the URL to a COM handler, which needs an apartment on this thread.
    // Qt's GUI thread already has one; then this call only counts it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // The shell is loaded only when the page is to be opened: a check that opens nothing, the
    // usual one, does without it.
    INT_PTR result = SE_ERR_DLLNOTFOUND;
    using Execute = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    if (auto execute = FunctionOf<Execute>(LoadSystemLibrary(L"shell32.dll"), "ShellExecuteW"))
        result = reinterpret_cast<INT_PTR>(execute(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (SUCCEEDED(com))
        CoUninitialize();

    // The result is an HINSTANCE only for historical reasons: a small number either way.
    if (result > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(result);
}

} // namespace norvil
