#include "Language.h"

#include "TextUtil.h"

#include <algorithm>

namespace norvil {
namespace {

// The script each language is usually written in, for the languages that have translations
// (and Japanese). A language missing here keeps an empty script.
struct UsualScript {
    const char16_t* language;
    const char16_t* script;
};
constexpr UsualScript kUsualScripts[] = {
    {u"af", u"Latn"}, {u"ar", u"Arab"}, {u"be", u"Cyrl"}, {u"bg", u"Cyrl"}, {u"bs", u"Latn"}, {u"ca", u"Latn"},
    {u"co", u"Latn"}, {u"cs", u"Latn"}, {u"da", u"Latn"}, {u"de", u"Latn"}, {u"el", u"Grek"}, {u"en", u"Latn"},
    {u"es", u"Latn"}, {u"et", u"Latn"}, {u"eu", u"Latn"}, {u"fa", u"Arab"}, {u"fi", u"Latn"}, {u"fr", u"Latn"},
    {u"fy", u"Latn"}, {u"ga", u"Latn"}, {u"gl", u"Latn"}, {u"he", u"Hebr"}, {u"hi", u"Deva"}, {u"hr", u"Latn"},
    {u"hu", u"Latn"}, {u"hy", u"Armn"}, {u"id", u"Latn"}, {u"is", u"Latn"}, {u"it", u"Latn"}, {u"ja", u"Jpan"},
    {u"ka", u"Geor"}, {u"kk", u"Cyrl"}, {u"ko", u"Kore"}, {u"lt", u"Latn"}, {u"lv", u"Latn"}, {u"ms", u"Latn"},
    {u"nb", u"Latn"}, {u"nl", u"Latn"}, {u"nn", u"Latn"}, {u"pl", u"Latn"}, {u"pt", u"Latn"}, {u"ro", u"Latn"},
    {u"ru", u"Cyrl"}, {u"sk", u"Latn"}, {u"sl", u"Latn"}, {u"sr", u"Cyrl"}, {u"sv", u"Latn"}, {u"th", u"Thai"},
    {u"tr", u"Latn"}, {u"ug", u"Arab"}, {u"uk", u"Cyrl"}, {u"uz", u"Latn"}, {u"vi", u"Latn"}, {u"zh", u"Hans"},
};

// Older names that systems still give for some languages.
constexpr UsualScript kOldNames[] = {{u"no", u"nb"}, {u"iw", u"he"}, {u"in", u"id"}};

std::u16string Cased(std::u16string_view text, bool upperFirst, bool upperRest)
{
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const bool upper = i == 0 ? upperFirst : upperRest;
        char16_t& c = out[i];
        if (upper && c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        else if (!upper && c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return out;
}

bool IsLetters(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
}

std::u16string UsualScriptOf(const Locale& locale)
{
    if (locale.Language == u"zh")
        return locale.Territory == u"TW" || locale.Territory == u"HK" || locale.Territory == u"MO" ? u"Hant" : u"Hans";
    for (const UsualScript& entry : kUsualScripts) {
        if (locale.Language == entry.language)
            return entry.script;
    }
    return {};
}

} // namespace

Locale ParseLocale(std::u16string_view name)
{
    Locale locale;
    const std::size_t at = name.find(u'@');
    const std::u16string_view modifier = at == std::u16string_view::npos ? std::u16string_view() : name.substr(at + 1);
    name = name.substr(0, std::min(name.find(u'.'), at));

    std::size_t start = 0;
    for (std::size_t part = 0; start <= name.size(); ++part) {
        const std::size_t end = std::min(name.find_first_of(u"_-", start), name.size());
        const std::u16string_view tag = name.substr(start, end - start);
        if (part == 0)
            locale.Language = tag == u"C" || tag == u"POSIX" ? std::u16string(tag) : Cased(tag, false, false);
        else if (tag.size() == 4 && IsLetters(tag) && locale.Script.empty() && locale.Territory.empty())
            locale.Script = Cased(tag, true, false);
        else if ((tag.size() == 2 || tag.size() == 3) && locale.Territory.empty())
            locale.Territory = Cased(tag, true, true);
        start = end + 1;
    }
    for (const UsualScript& old : kOldNames) {
        if (locale.Language == old.language)
            locale.Language = old.script;
    }
    if (modifier == u"latin")
        locale.Script = u"Latn";
    else if (modifier == u"cyrillic")
        locale.Script = u"Cyrl";
    if (locale.Script.empty())
        locale.Script = UsualScriptOf(locale);
    return locale;
}

std::u16string ChooseLanguage(std::u16string_view languageVariable, const std::vector<std::u16string>& userLanguages,
                              const std::vector<std::u16string>& available)
{
    std::vector<std::u16string> wanted;
    for (const std::u16string_view entry : SplitFirst(languageVariable, u':', languageVariable.size() + 1)) {
        if (!entry.empty())
            wanted.emplace_back(entry);
    }
    wanted.insert(wanted.end(), userLanguages.begin(), userLanguages.end());

    for (const std::u16string& entry : wanted) {
        const Locale want = ParseLocale(entry);
        if (want.Language == u"C" || want.Language == u"POSIX" || want.Language == u"ja")
            return u"ja";
        std::u16string chosen;
        for (const std::u16string& name : available) {
            const Locale offered = ParseLocale(name);
            if (offered.Language != want.Language || offered.Script != want.Script)
                continue;
            if (chosen.empty() || (!want.Territory.empty() && offered.Territory == want.Territory))
                chosen = name;
        }
        if (!chosen.empty())
            return chosen;
    }
    return wanted.empty() ? u"ja" : u"en";
}

} // namespace norvil
