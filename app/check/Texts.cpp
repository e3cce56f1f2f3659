#include "Texts.h"

#include "Catalog.h"
#include "TextUtil.h"

#include <cstring>

namespace norvil {
namespace {

struct Spoken {
    std::u16string name = u"ja";
    const catalog::Language* translation = nullptr; // none for Japanese
};

Spoken& Now()
{
    static Spoken spoken;
    return spoken;
}

} // namespace

std::u16string Tr(const char* context, const char* source, const char* /*comment*/)
{
    if (const catalog::Language* translation = Now().translation) {
        for (std::size_t i = 0; i < catalog::kMessageCount; ++i) {
            const catalog::Message& message = catalog::kMessages[i];
            if (std::strcmp(message.source, source) == 0 && std::strcmp(message.context, context) == 0) {
                if (const char16_t* text = translation->translations[i])
                    return text;
                break;
            }
        }
    }
    return FromUtf8(source);
}

void UseLanguage(std::u16string_view language)
{
    Now() = Spoken();
    for (std::size_t i = 0; i < catalog::kLanguageCount; ++i) {
        if (catalog::kLanguages[i].name == language)
            Now() = {std::u16string(language), &catalog::kLanguages[i]};
    }
}

const std::u16string& CurrentLanguage()
{
    return Now().name;
}

std::vector<std::u16string> AvailableTranslations()
{
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < catalog::kLanguageCount; ++i)
        names.emplace_back(catalog::kLanguages[i].name);
    return names;
}

} // namespace norvil
