// The version resource and the icon, read back from real executables.

#include "CoreTest.h"
#include "VersionResource.h"
#include "WindowsTestSupport.h"

#include <vector>

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

TEST_CASE("IconIsTheRing")
{
    const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, 16, 16, 0));
    CHECK(icon != nullptr);
    if (icon == nullptr)
        return;
    ICONINFO info{};
    CHECK(GetIconInfo(icon, &info));

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = 16;
    format.bmiHeader.biHeight = -16; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(16 * 16);
    HDC screen = GetDC(nullptr);
    CHECK_EQ(GetDIBits(screen, info.hbmColor, 0, 16, pixels.data(), &format, DIB_RGB_COLORS), 16);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);

    // 0xAARRGGBB: transparent outside, an orange ring, a yellow fill.
    CHECK_EQ(pixels[0 * 16 + 0] >> 24, 0u);
    CHECK_EQ(pixels[4 * 16 + 4], 0xFFDB8900u);
    CHECK_EQ(pixels[11 * 16 + 7], 0xFFDB8900u);
    CHECK_EQ(pixels[8 * 16 + 8], 0xFFFAC21Eu);
    CHECK_EQ(pixels[12 * 16 + 12] >> 24, 0u);
}
