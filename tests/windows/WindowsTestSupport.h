#pragma once

// Helpers for the Windows tests: scratch folders, the echo helper, bounded waits.

#include "VersionResource.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

namespace wintest {

namespace fs = std::filesystem;

// The folder of the running test program; the echo helper is built beside it.
inline fs::path ProgramFolder()
{
    return fs::path(norvil::OwnProgramPath()).parent_path();
}

inline fs::path EchoProgram()
{
    return ProgramFolder() / L"argument_echo.exe";
}

// A new folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name)
        : m_path(fs::temp_directory_path() / (name + L" " + std::to_wstring(GetCurrentProcessId())))
    {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const { return m_path; }

    // A copy of the echo helper in this folder.
    fs::path CopyOfEcho(const std::wstring& name = L"argument_echo.exe") const
    {
        const fs::path copy = m_path / name;
        fs::copy_file(EchoProgram(), copy, fs::copy_options::overwrite_existing);
        return copy;
    }

private:
    fs::path m_path;
};

// Tells every program started from now on where to write its echo.
inline void SetEchoFile(const fs::path& file)
{
    SetEnvironmentVariableW(L"NORVIL_ECHO_FILE", file.c_str());
}

// The echo written to file, waiting for it at most timeout; none if it never came.
inline std::optional<std::u16string> WaitForEcho(const fs::path& file, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return text;
}

inline std::wstring Wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

} // namespace wintest
