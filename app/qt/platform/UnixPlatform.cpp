#include "UnixPlatform.h"

#include "ArgumentText.h"

#include <QString>

#include <cstdlib>

namespace norvil {
namespace {

std::u16string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? QString::fromLocal8Bit(value).toStdU16String() : std::u16string();
}

} // namespace

std::u16string ArgumentTextFrom(int argc, const char* const* argv)
{
    std::vector<std::u16string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(QString::fromLocal8Bit(argv[i]).toStdU16String());
    return JoinArguments(words);
}

std::vector<std::u16string> UserLanguages()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (std::u16string value = Environment(name); !value.empty())
            return {value};
    }
    return {};
}

Platform UnixPlatform::Services(int argc, const char* const* argv)
{
    return {&Browser, &AnsiCodePage, {NORVIL_VERSION_MAJOR, NORVIL_VERSION_MINOR}, ArgumentTextFrom(argc, argv),
            Environment("LANGUAGE"), UserLanguages()};
}

} // namespace norvil
