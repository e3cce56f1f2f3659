#include "LogMenu.h"

#include "Texts.h"

namespace norvil {

std::u16string LogMenuText(LogMenuEntry entry)
{
    switch (entry) {
    case LogMenuEntry::Undo:
        return Tr("LogTextBox", "元に戻す(&U)");
    case LogMenuEntry::Redo:
        return Tr("LogTextBox", "やり直し(&R)");
    case LogMenuEntry::Cut:
        return Tr("LogTextBox", "切り取り(&T)");
    case LogMenuEntry::Copy:
        return Tr("LogTextBox", "コピー(&C)");
    case LogMenuEntry::Paste:
        return Tr("LogTextBox", "貼り付け(&P)");
    case LogMenuEntry::Delete:
        return Tr("LogTextBox", "削除(&D)");
    case LogMenuEntry::SelectAll:
        return Tr("LogTextBox", "すべて選択(&A)");
    }
    return {};
}

} // namespace norvil
