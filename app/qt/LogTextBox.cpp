#include "LogTextBox.h"

#include "LogMenu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

namespace {

// Appends the line with every CR LF, lone CR and lone LF as one '\n', then a '\n'.
void AppendWithLineFeeds(QString& out, const std::u16string& line)
{
    const char16_t* c = line.data();
    const char16_t* end = c + line.size();
    while (c < end) {
        const char16_t* run = c;
        while (c < end && *c != u'\r')
            ++c;
        out.append(reinterpret_cast<const QChar*>(run), c - run);
        if (c < end) { // a CR, alone or before its LF
            out.append(QLatin1Char('\n'));
            ++c;
            if (c < end && *c == u'\n')
                ++c;
        }
    }
    out.append(QLatin1Char('\n'));
}

} // namespace

LogTextBox::LogTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

void LogTextBox::AppendLine(norvil::LogLine line)
{
    if (!m_materialized) {
        m_pending.push_back(std::move(line)); // shares the text: a whole body is not copied here
        return;
    }
    QString text;
    AppendWithLineFeeds(text, *line);
    InsertAtEnd(text);
}

QString LogTextBox::PendingText() const
{
    qsizetype size = 0;
    for (const norvil::LogLine& line : m_pending)
        size += static_cast<qsizetype>(line->size()) + 1;
    QString text;
    text.reserve(size);
    for (const norvil::LogLine& line : m_pending)
        AppendWithLineFeeds(text, *line);
    return text;
}

void LogTextBox::InsertAtEnd(const QString& text)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    setTextCursor(end);
}

QString LogTextBox::Text() const
{
    QString text = m_materialized ? document()->toRawText() : PendingText();
    text.replace(m_materialized ? QChar(QChar::ParagraphSeparator) : QChar(QLatin1Char('\n')), QLatin1String("\r\n"));
    return text;
}

void LogTextBox::Materialize()
{
    if (m_materialized)
        return;
    m_materialized = true;
    const QString text = PendingText();
    m_pending.clear();
    InsertAtEnd(text);
}

QMenu* LogTextBox::CreateContextMenu()
{
    // Qt's translations are never loaded (its network messages must stay in English, the
    // transfer reads them), so the menu's entries, which Qt names, are given the program's words.
    using norvil::LogMenuEntry;
    static const struct {
        const char* name;
        LogMenuEntry entry;
    } kEntries[] = {
        {"edit-undo", LogMenuEntry::Undo},   {"edit-redo", LogMenuEntry::Redo},
        {"edit-cut", LogMenuEntry::Cut},     {"edit-copy", LogMenuEntry::Copy},
        {"edit-paste", LogMenuEntry::Paste}, {"edit-delete", LogMenuEntry::Delete},
        {"select-all", LogMenuEntry::SelectAll},
    };
    QMenu* menu = createStandardContextMenu();
    // The log reads left to right; its menu, in the window's language, goes the window's way.
    menu->setLayoutDirection(window()->layoutDirection());
    for (QAction* action : menu->actions()) {
        for (const auto& entry : kEntries) {
            if (action->objectName() == QLatin1String(entry.name)) {
                const QString shortcut = action->text().section(QLatin1Char('\t'), 1);
                action->setText(QString::fromStdU16String(norvil::LogMenuText(entry.entry))
                                + (shortcut.isEmpty() ? QString() : QLatin1Char('\t') + shortcut));
            }
        }
    }
    return menu;
}

void LogTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void LogTextBox::paintEvent(QPaintEvent* event)
{
    Materialize();
    QPlainTextEdit::paintEvent(event);
}

void LogTextBox::keyPressEvent(QKeyEvent* event)
{
    Materialize(); // typed into while out of sight, below a short window
    QPlainTextEdit::keyPressEvent(event);
}

void LogTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    Materialize();
    QPlainTextEdit::inputMethodEvent(event);
}
