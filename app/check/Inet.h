#pragma once

// The transfer control as the check uses it: one asynchronous HTTP GET, its outcome reported
// through StateChanged on the user-interface thread. Each face brings one (over Qt Network,
// over WinHTTP) that follows the rules of TransferRules.h.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace norvil {

class Inet {
public:
    enum State : std::int16_t {
        icNone = 0,
        icResolvingHost = 1,
        icHostResolved = 2,
        icConnecting = 3,
        icConnected = 4,
        icRequesting = 5,
        icRequestSent = 6,
        icReceivingResponse = 7,
        icResponseReceived = 8,
        icDisconnecting = 9,
        icDisconnected = 10,
        icError = 11,
        icResponseCompleted = 12,
    };
    enum DataType : std::int32_t { icString = 0, icByteArray = 1 };

    virtual ~Inet() = default;

    // What every request names itself (its User-Agent header). Set before the first Execute: a
    // transfer may prepare its session with it while the program waits for its start timer.
    virtual void SetUserAgent(const std::u16string& agent) = 0;
    // Starts the request (operation is the HTTP verb, "GET") and returns at once; even a URL
    // refused at once is reported later, through StateChanged.
    virtual void Execute(const std::u16string& url, const std::u16string& operation) = 0;
    // After icError: the transfer's own number for the failure, and its words.
    virtual std::int32_t ResponseCode() const = 0;
    virtual std::u16string ResponseInfo() const = 0;
    // After icResponseCompleted: the next bytes of the body, at most size; empty once drained.
    virtual std::string GetChunk(std::int16_t size, std::int32_t dataType) = 0;
    // After icResponseCompleted: how many bytes of the body GetChunk has still to hand out, so
    // that the reader can make room for them once rather than as they come.
    virtual std::size_t BytesLeft() const = 0;
    // Stops a running request; no notification follows. Does nothing when none is running.
    virtual void Cancel() = 0;

    // The StateChanged notification: icError or icResponseCompleted once the request has ended,
    // progress states before.
    std::function<void(std::int16_t State)> StateChanged;

protected:
    void Notify(std::int16_t state) const
    {
        if (StateChanged)
            StateChanged(state);
    }
};

} // namespace norvil
