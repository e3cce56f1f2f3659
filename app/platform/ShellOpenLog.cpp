#include "ShellOpenLog.h"

#include "TextUtil.h"

namespace norvil {

std::vector<std::u16string> ShellOpenLogLines(std::int32_t result)
{
    std::vector<std::u16string> lines{u"ShellExecute() = " + ToDecimal(result)};
    if (result > 32)
        return lines;
    switch (result) {
    case 2:
        lines.emplace_back(u"指定されたファイルが見つかりませんでした。");
        break;
    case 3:
        lines.emplace_back(u"指定されたURLが見つかりませんでした。");
        break;
    default:
        lines.emplace_back(u"ブラウザを開くことができませんでした。");
        break;
    }
    return lines;
}

} // namespace norvil
