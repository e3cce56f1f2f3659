#include "VersionResource.h"

#include <windows.h>
#include <winver.h>

#include <cstring>

namespace norvil {

ProgramVersion OwnProgramVersion()
{
    // Read from the program's own image with the resource calls of kernel32: VERSION.dll, which
    // reads the file, is no KnownDLL, so a copy of it beside the program could be loaded instead.
    // The resource is a VS_VERSIONINFO block: its header, its key L"VS_VERSION_INFO" and, at
    // the next 32-bit boundary, VS_FIXEDFILEINFO.
    struct Header {
        WORD Length, ValueLength, Type;
        wchar_t Key[16];
    };
    constexpr std::size_t kFixedAt = (sizeof(Header) + 3) & ~std::size_t{3};
    const HMODULE self = GetModuleHandleW(nullptr);
    if (const HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION)) {
        const auto* block = static_cast<const unsigned char*>(LockResource(LoadResource(self, found)));
        Header header{};
        VS_FIXEDFILEINFO info{};
        if (block != nullptr && SizeofResource(self, found) >= kFixedAt + sizeof info) {
            std::memcpy(&header, block, sizeof header);
            std::memcpy(&info, block + kFixedAt, sizeof info);
            if (header.ValueLength >= sizeof info && info.dwSignature == VS_FFI_SIGNATURE)
                return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS)};
        }
    }
    return {NORVIL_VERSION_MAJOR, NORVIL_VERSION_MINOR};
}

} // namespace norvil
