// The version resource and the icon, read back from real executables.

#include "CoreTest.h"
#include "VersionResource.h"
#include "WindowsTestSupport.h"

namespace {

std::optional<std::pair<int, int>> VersionOf(const wintest::fs::path& file)
{
    const std::optional<norvil::ProgramVersion> version = norvil::ReadFileVersion(file.wstring());
    return version ? std::optional{std::pair{version->Major, version->Minor}} : std::nullopt;
}

} // namespace

TEST_CASE("VersionReadFromTheResource")
{
    // This test program carries the program's own resource; the echo helper one of its own.
    CHECK(VersionOf(norvil::OwnProgramPath()) == std::pair{1, 0});
    CHECK(VersionOf(wintest::EchoProgram()) == std::pair{2, 7});
    const wintest::ScratchFolder folder(L"norvil version test");
    const wintest::fs::path text = folder.Path() / L"plain.txt";
    std::ofstream(text) << "no resource here";
    CHECK(VersionOf(text) == std::nullopt);
    CHECK(VersionOf(folder.Path() / L"missing.exe") == std::nullopt);
}

TEST_CASE("IconIsInTheResource")
{
    // Its pixels are the drawn ring: the icon file itself is compared with the drawing elsewhere.
    const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, 16, 16, 0));
    CHECK(icon != nullptr);
    DestroyIcon(icon);
}
