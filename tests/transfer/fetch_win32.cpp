// norvil_fetch over WinHTTP: one GET by the transfer the Windows program uses, its outcome on
// stdout for the transfer table (transfer_test.py). --ca is for transfers that take trust
// in-process; this one trusts what Windows trusts.

#include "WinHttpInet.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

void Print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Utf8(const std::u16string& text)
{
    std::wstring wide(text.begin(), text.end());
    for (wchar_t& c : wide)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string Hex(const std::string& bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fputs("usage: norvil_fetch URL TIMEOUT_SECONDS [--cancel] [--ca PEMFILE]\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);
    const std::u16string url(argv[1], argv[1] + std::wcslen(argv[1]));
    const int seconds = _wtoi(argv[2]);
    bool cancelAtFirstData = false;
    for (int i = 3; i < argc; ++i)
        cancelAtFirstData = cancelAtFirstData || std::wcscmp(argv[i], L"--cancel") == 0;

    WinHttpInet inet(seconds);
    std::string decodes;
    for (const std::string& coding : inet.DecodedCodings())
        decodes += (decodes.empty() ? "" : ",") + coding;
    Print("decodes " + decodes);

    bool inExecute = false;
    bool done = false;
    ULONGLONG lateUntil = 0; // once cancelled: the end of the wait for late notifications
    inet.StateChanged = [&](std::int16_t state) {
        if (lateUntil != 0) {
            Print("late " + std::to_string(state));
        } else if (inExecute) {
            Print("error 0 notified from inside Execute");
            done = true;
        } else if (state == norvil::Inet::icReceivingResponse && cancelAtFirstData) {
            inet.Cancel();
            Print("cancelled");
            lateUntil = GetTickCount64() + static_cast<ULONGLONG>(seconds + 1) * 1000;
        } else if (state == norvil::Inet::icError) {
            Print("error " + std::to_string(inet.ResponseCode()) + ' ' + Utf8(inet.ResponseInfo()));
            done = true;
        } else if (state == norvil::Inet::icResponseCompleted) {
            std::string body;
            for (std::string piece; !(piece = inet.GetChunk(1024, norvil::Inet::icByteArray)).empty();)
                body += piece;
            Print("completed " + Hex(body));
            done = true;
        }
    };
    inExecute = true;
    inet.Execute(url, u"GET");
    inExecute = false;

    while (!done) {
        DWORD wait = INFINITE;
        if (lateUntil != 0) {
            const ULONGLONG now = GetTickCount64();
            if (now >= lateUntil)
                break;
            wait = static_cast<DWORD>(lateUntil - now);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return 0;
}
