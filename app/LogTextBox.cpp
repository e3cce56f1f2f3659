#include "LogTextBox.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextCursor>

namespace {

// Appends the line with every CR LF, lone CR and lone LF as one '\n', then a '\n'.
void AppendWithLineFeeds(QString& out, const QString& line)
{
    const QChar* c = line.constData();
    const QChar* end = c + line.size();
    while (c < end) {
        const QChar* run = c;
        while (c < end && *c != QLatin1Char('\r'))
            ++c;
        out.append(run, c - run);
        if (c < end) { // a CR, alone or before its LF
            out.append(QLatin1Char('\n'));
            ++c;
            if (c < end && *c == QLatin1Char('\n'))
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

void LogTextBox::AppendLine(const QString& line)
{
    if (!m_materialized) {
        m_pending.append(line); // shares the text: a whole body is not copied here
        return;
    }
    QString text;
    AppendWithLineFeeds(text, line);
    InsertAtEnd(text);
}

QString LogTextBox::PendingText() const
{
    qsizetype size = 0;
    for (const QString& line : m_pending)
        size += line.size() + 1;
    QString text;
    text.reserve(size);
    for (const QString& line : m_pending)
        AppendWithLineFeeds(text, line);
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
    static const struct {
        const char* name;
        const char* text;
    } kEntries[] = {
        {"edit-undo", QT_TR_NOOP("元に戻す(&U)")},
        {"edit-redo", QT_TR_NOOP("やり直し(&R)")},
        {"edit-cut", QT_TR_NOOP("切り取り(&T)")},
        {"edit-copy", QT_TR_NOOP("コピー(&C)")},
        {"edit-paste", QT_TR_NOOP("貼り付け(&P)")},
        {"edit-delete", QT_TR_NOOP("削除(&D)")},
        {"select-all", QT_TR_NOOP("すべて選択(&A)")},
    };
    QMenu* menu = createStandardContextMenu();
    // The log reads left to right; its menu, in the window's language, goes the window's way.
    menu->setLayoutDirection(window()->layoutDirection());
    for (QAction* action : menu->actions()) {
        for (const auto& entry : kEntries) {
            if (action->objectName() == QLatin1String(entry.name)) {
                const QString shortcut = action->text().section(QLatin1Char('\t'), 1);
                action->setText(tr(entry.text) + (shortcut.isEmpty() ? QString() : QLatin1Char('\t') + shortcut));
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
