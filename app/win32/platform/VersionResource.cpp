#include "VersionResource.h"

#include <windows.h>

#include <vector>

namespace norvil {

std::optional<ProgramVersion> ReadFileVersion(const std::wstring& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return std::nullopt;

    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    if (info->dwSignature != VS_FFI_SIGNATURE)
        return std::nullopt;
    return ProgramVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS)};
}

std::wstring OwnProgramPath()
{
    // A long path can exceed MAX_PATH: grow the buffer until the whole path fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

ProgramVersion OwnProgramVersion()
{
    const std::wstring path = OwnProgramPath();
    if (!path.empty()) {
        if (const std::optional<ProgramVersion> version = ReadFileVersion(path))
            return *version;
    }
    return {NORVIL_VERSION_MAJOR, NORVIL_VERSION_MINOR};
}

} // namespace norvil
