#include "UnixPlatform.h"

#include "ArgumentText.h"

#include <vector>

namespace norvil {

ProgramVersion OwnProgramVersion()
{
    return {NORVIL_VERSION_MAJOR, NORVIL_VERSION_MINOR};
}

std::u16string ArgumentTextFrom(const QStringList& arguments)
{
    std::vector<std::u16string> words;
    for (qsizetype i = 1; i < arguments.size(); ++i)
        words.push_back(arguments[i].toStdU16String());
    return JoinArguments(words);
}

Platform UnixPlatform::Services(const QStringList& arguments)
{
    return {&Browser, &Raiser, &AnsiCodePage, OwnProgramVersion(), ArgumentTextFrom(arguments)};
}

} // namespace norvil
