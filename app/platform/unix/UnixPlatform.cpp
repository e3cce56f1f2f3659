#include "UnixPlatform.h"

#include "ArgumentText.h"

#include <QString>

#include <vector>

namespace norvil {

ProgramVersion OwnProgramVersion()
{
    return {NORVIL_VERSION_MAJOR, NORVIL_VERSION_MINOR};
}

std::u16string ArgumentTextFrom(int argc, const char* const* argv)
{
    std::vector<std::u16string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(QString::fromLocal8Bit(argv[i]).toStdU16String());
    return JoinArguments(words);
}

Platform UnixPlatform::Services(int argc, const char* const* argv)
{
    return {&Browser, &Raiser, &AnsiCodePage, OwnProgramVersion(), ArgumentTextFrom(argc, argv)};
}

} // namespace norvil
