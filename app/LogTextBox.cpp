#include "LogTextBox.h"

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
