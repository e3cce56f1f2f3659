#pragma once

// The transfer over WinHTTP. The request runs on a worker thread of its own, so that the window
// stays live while it runs, and Cancel lets it go at once: nothing of it is notified after.
// Every notification comes on the thread that made the transfer (through a message-only
// window).

#include "Inet.h"
#include "ReceivedBody.h"
#include "TransferRules.h"

#include <windows.h>
#include <winhttp.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class WinHttpInet final : public norvil::Inet {
public:
    explicit WinHttpInet(int timeoutSeconds = norvil::transfer::kRequestTimeoutSeconds);
    ~WinHttpInet() override;
    WinHttpInet(const WinHttpInet&) = delete;
    WinHttpInet& operator=(const WinHttpInet&) = delete;

    // The session is opened with it when the worker starts, so it is given before then.
    void SetUserAgent(const std::u16string& agent) override;
    void Execute(const std::u16string& url, const std::u16string& operation) override;
    // WinHTTP's own error number (12002, 12029, 12175, ...); for a failure of the rules the
    // nearest of its numbers (see WinHttpInet.cpp).
    std::int32_t ResponseCode() const override { return m_responseCode; }
    std::u16string ResponseInfo() const override { return m_responseInfo; }
    std::string GetChunk(std::int16_t size, std::int32_t dataType) override;
    std::size_t BytesLeft() const override { return m_body.Bytes(); }
    void Cancel() override;

    // The content codings that WinHTTP decodes here ("gzip", "deflate"); empty where it refuses
    // to (Windows before 8.1, wine).
    const std::vector<std::string>& DecodedCodings();

    // Whether the worker may be inside WinHTTP: opening its session, or running a request (one
    // already given up on, or handed over and not yet begun, included).
    bool InsideWinHttp() const;

    struct Request; // one request: shared with the worker until it has its outcome
    struct Worker;  // the thread that runs the requests, and its session

private:
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void StartWorker();
    void OnWorker(UINT message, WPARAM number);
    void OnDeadline();
    void OnFailLater(WPARAM number);
    void Fail(DWORD code, std::u16string info);
    void End();

    int m_timeoutSeconds;
    HWND m_window = nullptr;
    std::shared_ptr<Worker> m_worker;
    bool m_workerStarted = false;

    bool m_running = false;
    WPARAM m_number = 0;                // of the latest request: a late word for an older one is ignored
    std::shared_ptr<Request> m_request; // the one running, while it runs
    ULONGLONG m_deadline = 0;           // GetTickCount64's, for the whole request
    DWORD m_pendingCode = 0;            // a failure found inside Execute
    std::u16string m_pendingInfo;

    norvil::ReceivedBody<std::string> m_body;
    std::int32_t m_responseCode = 0;
    std::u16string m_responseInfo;
};
