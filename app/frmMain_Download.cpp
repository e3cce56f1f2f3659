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
    ShowFailurePage(tr("インターネットに接続されていないか、サーバーが停止している可能性があります。"));
}

QString frmMain::ReadResponseText()
{
    // The body is turned into text while it is drained, a run of whole lines at a time, so the
    // bytes and the text are never both held whole. No code page uses a line feed inside a
    // character, so the text is the same as if the body were converted in one go.
    constexpr qsizetype kRunBytes = 256 * 1024;
    QString text;
    QByteArray buffer; // bytes not yet converted
    qsizetype lineEnd = -1; // the last line feed in buffer, or -1
    bool markChecked = false;
    auto convert = [&](qsizetype size) {
        std::string_view bytes(buffer.constData(), static_cast<std::size_t>(size));
        if (!markChecked) {
            // A byte-order mark is dropped; the rest is read in the ANSI code page, UTF-8 or not.
            bytes = norvil::SkipUtf8ByteOrderMark(bytes);
            markChecked = true;
        }
        m_platform.AnsiCodePage->Decode(bytes, [&text](std::u16string_view piece) {
            text.append(reinterpret_cast<const QChar*>(piece.data()), static_cast<qsizetype>(piece.size()));
        });
        buffer.remove(0, size);
        lineEnd = -1; // what is left comes after the last line feed
    };

    for (;;) {
        const QByteArray piece = cInet->GetChunk(1024, Inet::icByteArray);
        if (IsArrayEmpty(piece))
            break;
        // Only the new piece is searched: a body without line feeds stays linear.
        const qsizetype inPiece = piece.lastIndexOf('\n');
        if (inPiece >= 0)
            lineEnd = buffer.size() + inPiece;
        buffer.append(piece);
        if (buffer.size() >= kRunBytes && lineEnd >= 0)
            convert(lineEnd + 1);
    }
    convert(buffer.size());
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
