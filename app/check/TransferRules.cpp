#include "TransferRules.h"

#include "TextUtil.h"

#include <algorithm>

namespace norvil::transfer {
namespace {

// The address's scheme, in lower case: the letters before the first ":", when they form one.
std::u16string SchemeOf(std::u16string_view url)
{
    const std::size_t colon = url.find(u':');
    if (colon == std::u16string_view::npos || colon == 0)
        return {};
    std::u16string scheme;
    for (const char16_t c : url.substr(0, colon)) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        if (!letter && !(scheme.size() > 0 && ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.')))
            return {};
        scheme += c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return scheme;
}

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    std::string out(text.substr(first, text.find_last_not_of(" \t") - first + 1));
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

} // namespace

bool IsWebAddress(std::u16string_view url)
{
    const std::u16string scheme = SchemeOf(url);
    return scheme == u"http" || scheme == u"https";
}

bool MayRedirect(std::u16string_view from, std::u16string_view to)
{
    return IsWebAddress(to) && !(SchemeOf(from) == u"https" && SchemeOf(to) == u"http");
}

std::optional<Failure> Judge(const Answer& answer, const std::vector<std::string>& decoded)
{
    if (answer.Status < 200)
        return Failure::NoFinalResponse;
    const std::string coding = Trimmed(answer.ContentEncoding);
    if (!coding.empty() && coding != "identity" && std::find(decoded.begin(), decoded.end(), coding) == decoded.end())
        return Failure::NotDecoded;
    return std::nullopt;
}

std::u16string Words(Failure failure, std::u16string_view detail, std::u16string_view why)
{
    const std::u16string what(detail);
    switch (failure) {
    case Failure::Refused:
        return u"Only http and https addresses are fetched; refused: " + what;
    case Failure::TimedOut:
        return u"The request timed out after " + what + u" seconds";
    case Failure::TooLarge:
        return u"The response is larger than the limit of 16 MiB";
    case Failure::NotDecoded:
        return u"The body could not be decoded (Content-Encoding: " + what + u"): " + (why.empty() ? u"no decoder for it" : std::u16string(why));
    case Failure::NoFinalResponse:
        return u"The server gave no final response, only " + what;
    case Failure::RedirectRefused:
        return u"The redirect to " + what + u" was refused: only http and https, never from https to http";
    case Failure::TooManyRedirects:
        return u"More than " + ToDecimal(kMaxRedirects) + u" redirects in a row";
    }
    return {};
}

} // namespace norvil::transfer
