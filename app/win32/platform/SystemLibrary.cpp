#include "SystemLibrary.h"

#include <string>

namespace norvil {
namespace {

bool g_system32Only = false;

} // namespace

bool SearchSystem32Only()
{
    // Looked up: Windows 7 has it only with KB2533623.
    const auto setDefault = FunctionOf<BOOL(WINAPI*)(DWORD)>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    g_system32Only = setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!g_system32Only)
        SetDllDirectoryW(L""); // the current folder out of the search, at least
    return g_system32Only;
}

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    if (g_system32Only)
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The manifest's DLLs (the common controls 6) come from the side-by-side store, which a load
    // by name reaches before any folder; loaded by its path, System32's copy would be the old one.
    ACTCTX_SECTION_KEYED_DATA redirected{};
    redirected.cbSize = sizeof redirected;
    if (FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name, &redirected))
        return LoadLibraryW(name);
    // By its full path; the DLLs it imports are then looked for in System32 before anywhere else.
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    path.resize(length);
    path += L'\\';
    path += name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace norvil
