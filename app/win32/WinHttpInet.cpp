#include "WinHttpInet.h"

#include "LocationUrl.h"
#include "TextUtil.h"

#include <versionhelpers.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <optional>

#ifndef WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY
#define WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY 4
#endif
#ifndef WINHTTP_OPTION_DECOMPRESSION
#define WINHTTP_OPTION_DECOMPRESSION 118
#endif

using norvil::transfer::Failure;

namespace {

constexpr DWORD kReadSize = 256 * 1024;
constexpr UINT_PTR kDeadlineTimer = 1;
constexpr wchar_t kWindowClass[] = L"NorvilWinHttpInet";

// What the worker tells the window: wParam the request's number.
enum : UINT {
    kProgress = WM_APP + 1, // body bytes have come
    kDone,                  // the request has ended: its outcome is the window's now
    kStartWorker,           // the program waits for its start timer: time to start the worker
    kFailLater,             // a failure found inside Execute, reported once it has returned
};

const wchar_t* W(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::u16string U(const wchar_t* text, std::size_t length)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

// The nearest of WinHTTP's own numbers for a failure that the rules found.
DWORD CodeFor(Failure failure)
{
    switch (failure) {
    case Failure::Refused: return ERROR_WINHTTP_UNRECOGNIZED_SCHEME;
    case Failure::TimedOut: return ERROR_WINHTTP_TIMEOUT;
    case Failure::TooLarge: return ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW;
    case Failure::NotDecoded:
    case Failure::NoFinalResponse: return ERROR_WINHTTP_INVALID_SERVER_RESPONSE;
    case Failure::RedirectRefused:
    case Failure::TooManyRedirects: return ERROR_WINHTTP_REDIRECT_FAILED;
    }
    return ERROR_WINHTTP_INTERNAL_ERROR;
}

// WinHTTP on Windows 7 and 8 offers SSL 3 and TLS 1.0 alone by default (8.1 adds 1.1 and 1.2),
// and most servers now require TLS 1.2: where it is missing, the session asks for it, with 1.1
// and, where WinHTTP knows it, 1.3, beside whatever Windows offers, never less. Not every WinHTTP
// tells what it offers; then Windows' documented default for its version stands for it. Windows
// 10 and later keep their own choice.
void OfferTls12(HINTERNET session)
{
    if (IsWindows10OrGreater())
        return;
    DWORD offered = 0;
    DWORD size = sizeof offered;
    if (!WinHttpQueryOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &offered, &size) || offered == 0)
        offered = WINHTTP_FLAG_SECURE_PROTOCOL_SSL3 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1
                | (IsWindows8Point1OrGreater() ? WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_1 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 : 0);
    if ((offered & WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2) != 0)
        return;
    for (const DWORD newer : {WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_1 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3,
                              WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_1 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2}) {
        DWORD wanted = offered | newer;
        if (WinHttpSetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &wanted, sizeof wanted))
            return;
    }
}

// Where a system has no message for the number (wine has none for WinHTTP's), its name.
const char16_t* ErrorName(DWORD code)
{
    switch (code) {
    case ERROR_WINHTTP_TIMEOUT: return u"ERROR_WINHTTP_TIMEOUT: the operation timed out";
    case ERROR_WINHTTP_INTERNAL_ERROR: return u"ERROR_WINHTTP_INTERNAL_ERROR: an internal error occurred";
    case ERROR_WINHTTP_INVALID_URL: return u"ERROR_WINHTTP_INVALID_URL: the URL is invalid";
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: return u"ERROR_WINHTTP_UNRECOGNIZED_SCHEME: the URL's scheme is not recognized";
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: return u"ERROR_WINHTTP_NAME_NOT_RESOLVED: the server name could not be resolved";
    case ERROR_WINHTTP_CANNOT_CONNECT: return u"ERROR_WINHTTP_CANNOT_CONNECT: a connection with the server could not be established";
    case ERROR_WINHTTP_CONNECTION_ERROR: return u"ERROR_WINHTTP_CONNECTION_ERROR: the connection with the server was terminated abnormally";
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE: return u"ERROR_WINHTTP_INVALID_SERVER_RESPONSE: the server response could not be parsed";
    case ERROR_WINHTTP_REDIRECT_FAILED: return u"ERROR_WINHTTP_REDIRECT_FAILED: the redirection failed";
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR: return u"ERROR_WINHTTP_SECURE_CHANNEL_ERROR: an error occurred in the secure channel support";
    case ERROR_WINHTTP_SECURE_FAILURE: return u"ERROR_WINHTTP_SECURE_FAILURE: the server's SSL certificate is invalid or was rejected";
    case ERROR_WINHTTP_SECURE_INVALID_CA: return u"ERROR_WINHTTP_SECURE_INVALID_CA: the certificate was issued by an untrusted authority";
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID: return u"ERROR_WINHTTP_SECURE_CERT_DATE_INVALID: the certificate has expired or is not yet valid";
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID: return u"ERROR_WINHTTP_SECURE_CERT_CN_INVALID: the certificate's name does not match the server";
    case ERROR_WINHTTP_SECURE_INVALID_CERT: return u"ERROR_WINHTTP_SECURE_INVALID_CERT: the certificate is invalid";
    case ERROR_WINHTTP_SECURE_CERT_REVOKED: return u"ERROR_WINHTTP_SECURE_CERT_REVOKED: the certificate has been revoked";
    case ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW: return u"ERROR_WINHTTP_RESPONSE_DRAIN_OVERFLOW: the response exceeds a size limit";
    case ERROR_WINHTTP_HEADER_SIZE_OVERFLOW: return u"ERROR_WINHTTP_HEADER_SIZE_OVERFLOW: the response's headers are too large";
    case ERROR_WINHTTP_LOGIN_FAILURE: return u"ERROR_WINHTTP_LOGIN_FAILURE: the login attempt failed";
    case ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED: return u"ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED: the server requires a client certificate";
    default: return nullptr;
    }
}

// The system's words for a WinHTTP error, in English where the system has them.
std::u16string ErrorText(DWORD code)
{
    const HMODULE winhttp = GetModuleHandleW(L"winhttp.dll");
    for (const LANGID language : {LANGID{MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)}, LANGID{0}}) {
        wchar_t* text = nullptr;
        const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE
                                                | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                            winhttp, code, language, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length == 0)
            continue;
        std::u16string words = U(text, length);
        LocalFree(text);
        words.erase(words.find_last_not_of(u" \r\n") + 1);
        if (!words.empty())
            return words;
    }
    const char16_t* name = ErrorName(code);
    return name != nullptr ? name : u"WinHTTP error " + norvil::ToDecimal(code);
}

std::optional<std::u16string> QueryHeader(HINTERNET request, DWORD level)
{
    DWORD bytes = 0;
    WinHttpQueryHeaders(request, level, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &bytes, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (!WinHttpQueryHeaders(request, level, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &bytes, WINHTTP_NO_HEADER_INDEX))
        return std::nullopt;
    return U(value.data(), bytes / sizeof(wchar_t));
}

// A Content-Length of digits alone; none (or one that is not a number) is -1.
std::int64_t ParseLength(const std::optional<std::u16string>& header)
{
    if (!header || header->empty())
        return -1;
    std::int64_t value = 0;
    for (const char16_t c : *header) {
        if (c < u'0' || c > u'9')
            return -1;
        value = std::min<std::int64_t>(value * 10 + (c - u'0'), INT64_MAX / 10);
    }
    return value;
}

bool IsRedirect(DWORD status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

DWORD StatusOf(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                        WINHTTP_NO_HEADER_INDEX);
    return status;
}

// WinHTTP takes host names in ASCII: one in another script (http://例え.jp/) goes as IDNA writes
// it (xn--r8jz45g.jp), as a browser sends it. Nothing when it cannot be written so.
std::optional<std::wstring> AsciiHost(const std::wstring& host)
{
    if (std::all_of(host.begin(), host.end(), [](wchar_t c) { return c < 0x80; }))
        return host;
    const int length = IdnToAscii(0, host.data(), static_cast<int>(host.size()), nullptr, 0);
    std::wstring ascii(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    if (length <= 0 || IdnToAscii(0, host.data(), static_cast<int>(host.size()), ascii.data(), length) != length)
        return std::nullopt;
    return ascii;
}

} // namespace

// One request, from Execute to its end. The window makes it and hands it to the worker; the
// worker fills in the outcome and posts kDone, after which it is the window's to read. A request
// the window has given up on (Cancel, the deadline) is Abandoned: the worker stops at its next
// step and posts nothing more.
struct WinHttpInet::Request {
    HWND Window = nullptr;
    WPARAM Number = 0;
    std::u16string Url;
    std::u16string Operation;
    std::atomic<bool> Abandoned{false};

    // The outcome, once kDone has been posted.
    bool Completed = false;
    DWORD Code = 0;
    std::u16string Info;
    norvil::ReceivedBody<std::string> Body;
};

// The worker: one thread with a WinHTTP session of its own, made while the program waits for its
// start timer (a thread made when the request is due costs tens of milliseconds under wine).
// It runs each request through synchronously; the window never waits for it.
struct WinHttpInet::Worker {
    explicit Worker(int timeoutSeconds) : TimeoutSeconds(timeoutSeconds) {}
    ~Worker()
    {
        if (Wake != nullptr)
            CloseHandle(Wake);
        if (Ready != nullptr)
            CloseHandle(Ready);
    }

    const int TimeoutSeconds;
    std::u16string Agent; // given before the thread starts, then only read by it
    HANDLE Wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // a request, or the end
    HANDLE Ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // the session is open
    SRWLOCK Lock = SRWLOCK_INIT;
    std::shared_ptr<Request> Next; // under Lock
    bool Quit = false;             // under Lock
    bool Working = false;          // under Lock: opening the session, or running a request

    // Written before Ready is set, then only read.
    HINTERNET Session = nullptr;
    DWORD SessionError = 0;
    std::vector<std::string> Decoded;

    void Run();
    void OpenSession();
    void Fetch(Request& request);
    bool Hop(Request& request, std::u16string& url, int& redirects);
    bool Exchange(Request& request, HINTERNET handle);
    void ReadBody(Request& request, HINTERNET handle, std::int64_t declaredLength);
    void Post(const Request& request, UINT message) const { PostMessageW(request.Window, message, request.Number, 0); }
};

namespace {

DWORD WINAPI WorkerThread(void* context)
{
    // The thread holds the worker as long as it runs, whenever the transfer lets it go.
    const std::unique_ptr<std::shared_ptr<WinHttpInet::Worker>> held(static_cast<std::shared_ptr<WinHttpInet::Worker>*>(context));
    (*held)->Run();
    return 0;
}

// Where WinHTTP's call failed: its error, as the worker reports it.
void FailWith(WinHttpInet::Request& request, DWORD code)
{
    request.Code = code;
    request.Info = ErrorText(code);
}

void FailWith(WinHttpInet::Request& request, Failure failure, std::u16string_view detail = {})
{
    request.Code = CodeFor(failure);
    request.Info = norvil::transfer::Words(failure, detail);
}

} // namespace

void WinHttpInet::Worker::Run()
{
    OpenSession();
    SetEvent(Ready);
    for (;;) {
        AcquireSRWLockExclusive(&Lock);
        Working = false;
        ReleaseSRWLockExclusive(&Lock);
        WaitForSingleObject(Wake, INFINITE);
        AcquireSRWLockExclusive(&Lock);
        std::shared_ptr<Request> request = std::move(Next);
        const bool quit = Quit;
        Working = request != nullptr && !quit;
        ReleaseSRWLockExclusive(&Lock);
        if (quit)
            break;
        if (request != nullptr && !request->Abandoned) {
            Fetch(*request);
            if (!request->Abandoned)
                Post(*request, kDone);
        }
    }
    if (Session != nullptr)
        WinHttpCloseHandle(Session);
}

void WinHttpInet::Worker::OpenSession()
{
    // The system's proxy settings as Windows 8.1 on read them (the automatic script included);
    // older systems know only the static ones.
    const wchar_t* agent = Agent.empty() ? nullptr : W(Agent);
    Session = WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (Session == nullptr)
        Session = WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (Session == nullptr) {
        SessionError = GetLastError();
        return;
    }
    // The request's own deadline ends it (on the window's clock); WinHTTP's time-outs are only
    // a little longer, so that none of them ends it first, and the worker is free soon after.
    const int waitMs = TimeoutSeconds < INT_MAX / 1000 - 10 ? (TimeoutSeconds + 10) * 1000 : INT_MAX;
    WinHttpSetTimeouts(Session, waitMs, waitMs, waitMs, waitMs);
    DWORD responseWait = static_cast<DWORD>(waitMs);
    WinHttpSetOption(Session, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &responseWait, sizeof responseWait);

    DWORD decompression = WINHTTP_DECOMPRESSION_FLAG_GZIP | WINHTTP_DECOMPRESSION_FLAG_DEFLATE;
    if (WinHttpSetOption(Session, WINHTTP_OPTION_DECOMPRESSION, &decompression, sizeof decompression))
        Decoded = {"gzip", "deflate"};
    OfferTls12(Session);
}

void WinHttpInet::Worker::Fetch(Request& request)
{
    if (Session == nullptr) {
        FailWith(request, SessionError);
        return;
    }
    std::u16string url = request.Url;
    int redirects = 0;
    while (!request.Abandoned && Hop(request, url, redirects)) {
    }
}

// One hop of the request: true when it led to a redirect that is to be followed (url is then
// its target), false once the request has its outcome.
bool WinHttpInet::Worker::Hop(Request& request, std::u16string& url, int& redirects)
{
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(W(url), 0, 0, &parts)) {
        FailWith(request, GetLastError());
        return false;
    }
    const std::optional<std::wstring> host = AsciiHost(std::wstring(parts.lpszHostName, parts.dwHostNameLength));
    if (!host) {
        request.Code = ERROR_WINHTTP_INVALID_URL;
        request.Info = ErrorText(ERROR_WINHTTP_INVALID_URL) + u" (its host name has no ASCII form: " + url + u')';
        return false;
    }
    std::wstring object = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) + std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    object.erase(std::min(object.find(L'#'), object.size()));
    if (object.empty())
        object = L"/";

    const HINTERNET connection = WinHttpConnect(Session, host->c_str(), parts.nPort, 0);
    const HINTERNET handle = connection == nullptr
        ? nullptr
        : WinHttpOpenRequest(connection, W(request.Operation), object.c_str(), nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                             parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0);
    // Redirects are followed here, by the rules: WinHTTP's own, under wine, would follow one to
    // a file: address as a path on the same server.
    DWORD noRedirects = WINHTTP_DISABLE_REDIRECTS;
    const bool prepared = handle != nullptr
        && WinHttpSetOption(handle, WINHTTP_OPTION_DISABLE_FEATURE, &noRedirects, sizeof noRedirects)
        // Where WinHTTP does not decode, the server is asked for no coding at all.
        && (!Decoded.empty() || WinHttpAddRequestHeaders(handle, L"Accept-Encoding: identity", DWORD(-1), WINHTTP_ADDREQ_FLAG_ADD));
    if (!prepared)
        FailWith(request, GetLastError());
    bool follow = false;
    if (prepared && Exchange(request, handle) && !request.Abandoned) {
        const DWORD status = StatusOf(handle);
        const std::optional<std::u16string> location = IsRedirect(status) ? QueryHeader(handle, WINHTTP_QUERY_LOCATION) : std::nullopt;
        norvil::transfer::Answer answer;
        answer.Status = static_cast<int>(status);
        for (const char16_t c : QueryHeader(handle, WINHTTP_QUERY_CONTENT_ENCODING).value_or(u""))
            answer.ContentEncoding += c < 0x80 ? static_cast<char>(c) : '?';
        const std::int64_t declared = status != 204 && status != 304 ? ParseLength(QueryHeader(handle, WINHTTP_QUERY_CONTENT_LENGTH)) : -1;
        if (location) {
            const std::u16string target = norvil::ResolveLocation(url, *location);
            if (!norvil::transfer::MayRedirect(url, target))
                FailWith(request, Failure::RedirectRefused, target);
            else if (++redirects > norvil::transfer::kMaxRedirects)
                FailWith(request, Failure::TooManyRedirects);
            else
                follow = true;
            url = target;
        } else if (const auto failure = norvil::transfer::Judge(answer, {})) {
            // WinHTTP takes the Content-Encoding and Content-Length headers away from a body that
            // it decodes: a coding still named here is one it did not decode, whatever it was asked.
            std::u16string detail = norvil::FromUtf8(answer.ContentEncoding);
            if (*failure == Failure::NoFinalResponse)
                detail = norvil::ToDecimal(status) + u' ' + QueryHeader(handle, WINHTTP_QUERY_STATUS_TEXT).value_or(u"");
            FailWith(request, *failure, detail);
        } else if (declared > norvil::transfer::kMaxBodyBytes) {
            FailWith(request, Failure::TooLarge);
        } else {
            ReadBody(request, handle, declared);
        }
    }
    if (handle != nullptr)
        WinHttpCloseHandle(handle);
    if (connection != nullptr)
        WinHttpCloseHandle(connection);
    return follow;
}

// Sends the request until its answer's headers are in hand, answering what WinHTTP leaves to the
// program as its documentation asks: a server that asks for a client certificate is sent the
// request once more without one; a proxy that asks for a logon (407) is given the signed-in
// user's own once, and only by Windows' logon (Negotiate or NTLM): the user is never asked, and
// no password goes to a proxy in the clear. False once the request has failed.
bool WinHttpInet::Worker::Exchange(Request& request, HINTERNET handle)
{
    bool withoutCertificate = false;
    bool loggedOn = false;
    while (!request.Abandoned) {
        if (!WinHttpSendRequest(handle, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)
            || !WinHttpReceiveResponse(handle, nullptr)) {
            const DWORD error = GetLastError();
            if (error == ERROR_WINHTTP_RESEND_REQUEST) // a step of the logon: WinHTTP asks for it
                continue;
            if (error == ERROR_WINHTTP_CLIENT_AUTH_CERT_NEEDED && !withoutCertificate) {
                withoutCertificate = true;
                if (WinHttpSetOption(handle, WINHTTP_OPTION_CLIENT_CERT_CONTEXT, WINHTTP_NO_CLIENT_CERT_CONTEXT, 0))
                    continue;
            }
            FailWith(request, error);
            return false;
        }
        if (StatusOf(handle) != HTTP_STATUS_PROXY_AUTH_REQ)
            return true;
        DWORD schemes = 0;
        DWORD first = 0;
        DWORD target = 0;
        const DWORD windowsLogon = WINHTTP_AUTH_SCHEME_NEGOTIATE | WINHTTP_AUTH_SCHEME_NTLM;
        if (loggedOn || !WinHttpQueryAuthSchemes(handle, &schemes, &first, &target) || (schemes & windowsLogon) == 0) {
            // The proxy's page is never the update file.
            request.Code = ERROR_WINHTTP_LOGIN_FAILURE;
            request.Info = ErrorText(ERROR_WINHTTP_LOGIN_FAILURE)
                         + (loggedOn ? u" (the proxy refused the signed-in user's Windows logon: 407)"
                                     : u" (the proxy asks for a logon other than Windows' own, which is not given: 407)");
            return false;
        }
        // Read what came with the 407 before the request goes again on the same handle. No user
        // name: Windows logs on as the signed-in user, as far as its logon policy allows.
        char sink[4096];
        for (DWORD read = 0; WinHttpReadData(handle, sink, sizeof sink, &read) && read > 0 && !request.Abandoned;) {
        }
        loggedOn = true;
        if (!WinHttpSetCredentials(handle, WINHTTP_AUTH_TARGET_PROXY, (schemes & WINHTTP_AUTH_SCHEME_NEGOTIATE) != 0
                                       ? WINHTTP_AUTH_SCHEME_NEGOTIATE : WINHTTP_AUTH_SCHEME_NTLM, nullptr, nullptr, nullptr)) {
            FailWith(request, GetLastError());
            return false;
        }
    }
    return false;
}

void WinHttpInet::Worker::ReadBody(Request& request, HINTERNET handle, std::int64_t declaredLength)
{
    // The first read takes what has come, so that the first bytes are told at once; the rest a
    // whole buffer at a time (wine's WinHttpReadData waits until it has filled it).
    DWORD wanted = 0;
    if (!WinHttpQueryDataAvailable(handle, &wanted)) {
        FailWith(request, GetLastError());
        return;
    }
    std::int64_t received = 0;
    ULONGLONG progressPosted = 0;
    std::string piece;
    for (; wanted > 0; wanted = kReadSize) {
        piece.resize(std::min(wanted, kReadSize));
        DWORD read = 0;
        if (!WinHttpReadData(handle, piece.data(), static_cast<DWORD>(piece.size()), &read)) {
            FailWith(request, GetLastError());
            return;
        }
        if (read == 0)
            break;
        received += read;
        if (received > norvil::transfer::kMaxBodyBytes) {
            FailWith(request, Failure::TooLarge);
            return;
        }
        if (request.Abandoned)
            return;
        piece.resize(read);
        request.Body.Add(std::move(piece));
        piece = std::string();
        // The first bytes at once, then a word a tenth of a second at most.
        const ULONGLONG now = GetTickCount64();
        if (progressPosted == 0 || now - progressPosted >= 100) {
            progressPosted = now;
            Post(request, kProgress);
        }
    }
    // WinHTTP (wine's at least) ends a body that the server cut short as if it were whole; the
    // declared length tells. A body WinHTTP decoded has no declared length left.
    if (declaredLength >= 0 && received < declaredLength) {
        request.Code = ERROR_WINHTTP_CONNECTION_ERROR;
        request.Info = ErrorText(ERROR_WINHTTP_CONNECTION_ERROR) + u" (the body ended after " + norvil::ToDecimal(received) + u" of "
                     + norvil::ToDecimal(declaredLength) + u" bytes)";
        return;
    }
    request.Completed = true;
}

WinHttpInet::WinHttpInet(int timeoutSeconds)
    : m_timeoutSeconds(timeoutSeconds)
    , m_worker(std::make_shared<Worker>(timeoutSeconds))
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly when an earlier transfer registered it
    m_window = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    // The worker starts once the program waits for its start timer, or when the request is
    // made, whichever comes first.
    PostMessageW(m_window, kStartWorker, 0, 0);
}

WinHttpInet::~WinHttpInet()
{
    Cancel();
    if (m_workerStarted) {
        // Told to end; not waited for: it may be in a call that ends only with WinHTTP's time-out.
        AcquireSRWLockExclusive(&m_worker->Lock);
        m_worker->Quit = true;
        ReleaseSRWLockExclusive(&m_worker->Lock);
        SetEvent(m_worker->Wake);
    }
    if (m_window != nullptr)
        DestroyWindow(m_window);
}

void WinHttpInet::SetUserAgent(const std::u16string& agent)
{
    if (!m_workerStarted)
        m_worker->Agent = agent;
}

void WinHttpInet::StartWorker()
{
    if (m_workerStarted)
        return;
    m_workerStarted = true;
    m_worker->Working = true; // no other thread yet
    auto* held = new std::shared_ptr<Worker>(m_worker);
    HANDLE thread = CreateThread(nullptr, 256 * 1024, WorkerThread, held, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) {
        m_worker->Working = false;
        delete held;
        m_worker->SessionError = GetLastError();
        SetEvent(m_worker->Ready);
        return;
    }
    CloseHandle(thread);
}

bool WinHttpInet::InsideWinHttp() const
{
    AcquireSRWLockExclusive(&m_worker->Lock);
    const bool inside = m_worker->Working || m_worker->Next != nullptr;
    ReleaseSRWLockExclusive(&m_worker->Lock);
    return inside;
}

const std::vector<std::string>& WinHttpInet::DecodedCodings()
{
    StartWorker();
    WaitForSingleObject(m_worker->Ready, INFINITE);
    return m_worker->Decoded;
}

LRESULT CALLBACK WinHttpInet::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<WinHttpInet*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case kStartWorker: self->StartWorker(); return 0;
    case kProgress:
    case kDone: self->OnWorker(message, wParam); return 0;
    case WM_TIMER: self->OnDeadline(); return 0;
    case kFailLater: self->OnFailLater(wParam); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void WinHttpInet::Execute(const std::u16string& url, const std::u16string& operation)
{
    Cancel();
    m_body.Clear();
    m_responseCode = 0;
    m_responseInfo.clear();
    m_running = true;
    m_deadline = GetTickCount64() + static_cast<ULONGLONG>(m_timeoutSeconds) * 1000;
    SetTimer(m_window, kDeadlineTimer, static_cast<UINT>(m_timeoutSeconds) * 1000, nullptr);

    // The update file lives on a web server: anything else is refused without being touched,
    // and, like every outcome, reported once Execute has returned.
    if (!norvil::transfer::IsWebAddress(url)) {
        m_pendingCode = CodeFor(Failure::Refused);
        m_pendingInfo = norvil::transfer::Words(Failure::Refused, url);
        PostMessageW(m_window, kFailLater, ++m_number, 0);
        return;
    }
    StartWorker();
    m_request = std::make_shared<Request>();
    m_request->Window = m_window;
    m_request->Number = ++m_number;
    m_request->Url = url;
    m_request->Operation = operation;
    AcquireSRWLockExclusive(&m_worker->Lock);
    m_worker->Next = m_request;
    ReleaseSRWLockExclusive(&m_worker->Lock);
    SetEvent(m_worker->Wake);
}

void WinHttpInet::OnFailLater(WPARAM number)
{
    if (m_running && number == m_number)
        Fail(m_pendingCode, std::move(m_pendingInfo));
}

void WinHttpInet::OnWorker(UINT message, WPARAM number)
{
    if (!m_running || m_request == nullptr || number != m_request->Number)
        return; // late, for a request given up on
    if (message == kProgress) {
        Notify(icReceivingResponse);
        return;
    }
    const std::shared_ptr<Request> request = std::move(m_request);
    if (!request->Completed) {
        Fail(request->Code, std::move(request->Info));
        return;
    }
    m_body = std::move(request->Body);
    End();
    Notify(icResponseCompleted);
}

void WinHttpInet::OnDeadline()
{
    if (!m_running)
        return;
    const ULONGLONG now = GetTickCount64();
    if (now < m_deadline) { // a tick left over from an earlier request
        SetTimer(m_window, kDeadlineTimer, static_cast<UINT>(m_deadline - now), nullptr);
        return;
    }
    Fail(CodeFor(Failure::TimedOut), norvil::transfer::Words(Failure::TimedOut, norvil::ToDecimal(m_timeoutSeconds)));
}

void WinHttpInet::Fail(DWORD code, std::u16string info)
{
    m_responseCode = static_cast<std::int32_t>(code);
    m_responseInfo = std::move(info);
    m_body.Clear();
    End();
    Notify(icError);
}

void WinHttpInet::End()
{
    KillTimer(m_window, kDeadlineTimer);
    m_running = false;
    if (m_request != nullptr) {
        m_request->Abandoned = true;
        m_request.reset();
    }
}

void WinHttpInet::Cancel()
{
    if (!m_running)
        return;
    m_body.Clear();
    End();
}

std::string WinHttpInet::GetChunk(std::int16_t size, std::int32_t dataType)
{
    static_cast<void>(dataType); // only byte arrays are handed out
    return m_body.Take(static_cast<std::size_t>(std::max<std::int16_t>(size, 0)));
}
