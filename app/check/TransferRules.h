#pragma once

// The rules that every transfer follows, whatever carries the request: which addresses are
// fetched, which redirects are followed, which answers are read as the update file and which
// are transfer errors, and the limits of time and size.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvil::transfer {

// The whole request, body included, must be done within this time: a stalled server must not
// keep the program alive.
constexpr int kRequestTimeoutSeconds = 60;
// A body larger than this is refused, declared or not.
constexpr std::int64_t kMaxBodyBytes = 16 * 1024 * 1024;
// More redirects than this in a row are a loop.
constexpr int kMaxRedirects = 50;

// The reasons the rules give for a transfer error.
enum class Failure : std::uint8_t {
    Refused,          // the address is not http or https
    TimedOut,         // the whole request took longer than kRequestTimeoutSeconds
    TooLarge,         // the body is larger than kMaxBodyBytes
    NotDecoded,       // the body is in a coding the transfer did not decode
    NoFinalResponse,  // only an informational (1xx) answer came
    RedirectRefused,  // a redirect to anything but http or https, or from https to http
    TooManyRedirects, // more than kMaxRedirects
};

// The update file lives on a web server: only http and https addresses are fetched. Anything
// else (a local file, which may even be a pipe that never answers, data: addresses, a bare
// path) is refused without touching it.
bool IsWebAddress(std::u16string_view url);

// A redirect is followed only to http or https, and never from https down to plain http.
bool MayRedirect(std::u16string_view from, std::u16string_view to);

// A finished answer, as the transfer received it.
struct Answer {
    int Status = 0;              // the final HTTP status; below 200 when only 1xx came
    std::string ContentEncoding; // the header as sent; empty when there is none
};

// Whether the answer is read as the update file: any final status counts (a 404 page that holds
// the name is searched like any other), but its body must be plain text or in a coding that
// the transfer decoded (decoded: the codings it decodes, lower case). A coded body is never
// read as text. No value: the answer is read.
std::optional<Failure> Judge(const Answer& answer, const std::vector<std::string>& decoded);

// The words that ResponseInfo gives for a failure the rules found. detail: the refused
// address, the seconds waited, the redirect's target, the status and reason of a lone 1xx
// answer, the coding; why: for a coding, what the transfer's decoder said of it, when it had one.
std::u16string Words(Failure failure, std::u16string_view detail = {}, std::u16string_view why = {});

} // namespace norvil::transfer
