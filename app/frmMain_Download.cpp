// The download of the update-information file: one GET a second after start-up.

#include "frmMain.h"

#include "ByteOrderMark.h"
#include "Inet.h"

#include <QTimer>

void frmMain::cTimer1_Timer()
{
    AddLog(QStringLiteral("--- Start ---"));
    cInet->Execute(QString::fromStdU16String(m_cmd.Url1()), QStringLiteral("GET"));
    cTimer1->stop();
}

void frmMain::OnRequestError()
{
    AddLog(QStringLiteral("--- Error ---"));
    const QString code = QString::number(cInet->ResponseCode());
    const QString info = cInet->ResponseInfo();
    AddLog(code + QLatin1Char(':') + info);
    AddLog(QString());
    ShowFailurePage(QStringLiteral("インターネットに接続されていないか、サーバーが停止している可能性があります。"));
}

QString frmMain::ReadResponseText()
{
    QByteArray buffer;
    for (;;) {
        const QByteArray piece = cInet->GetChunk(1024, Inet::icByteArray);
        if (IsArrayEmpty(piece))
            break;
        buffer.append(piece); // grows geometrically: linear in the body's size
    }

    // A byte-order mark is dropped; the rest is read in the ANSI code page, UTF-8 or not.
    const std::string_view body = norvil::SkipUtf8ByteOrderMark(
        std::string_view(buffer.constData(), static_cast<std::size_t>(buffer.size())));
    QString text;
    text.reserve(static_cast<qsizetype>(body.size())); // enough for UTF-8 and single-byte sets
    m_platform.AnsiCodePage->Decode(body, [&text](std::u16string_view piece) {
        text.append(reinterpret_cast<const QChar*>(piece.data()), static_cast<qsizetype>(piece.size()));
    });
    return text;
}

bool frmMain::IsArrayEmpty(const QByteArray& bytes)
{
    return bytes.isEmpty();
}

void frmMain::Form_Unload(std::int16_t& Cancel)
{
    Q_UNUSED(Cancel); // the unload always goes ahead
    cInet->Cancel();
}
