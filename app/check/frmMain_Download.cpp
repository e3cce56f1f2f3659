// The download of the update-information file: one GET a second after start-up.

#include "frmMain.h"

#include "ByteOrderMark.h"
#include "TextUtil.h"
#include "Texts.h"

void frmMain::cTimer1_Timer()
{
    AddLog(u"--- Start ---");
    cInet.Execute(m_cmd.Url1(), u"GET");
    cTimer1.SetEnabled(false);
}

void frmMain::OnRequestError()
{
    AddLog(u"--- Error ---");
    const std::u16string code = norvil::ToDecimal(cInet.ResponseCode());
    const std::u16string info = cInet.ResponseInfo();
    AddLog(code + u':' + info);
    AddLog(std::u16string());
    ShowFailurePage(norvil::Tr("frmMain", "インターネットに接続されていないか、サーバーが停止している可能性があります。"));
}

std::u16string frmMain::ReadResponseText()
{
    // The body is turned into text while it is drained, a run of whole lines at a time, so the
    // bytes and the text are never both held whole. No code page uses a line feed inside a
    // character, so the text is the same as if the body were converted in one go.
    constexpr std::size_t kRunBytes = 256 * 1024;
    std::u16string text;
    // Room for the whole text at once: a code page never gives more characters than bytes, and
    // growing as it comes would copy the text at each step.
    text.reserve(cInet.BytesLeft());
    std::string buffer; // bytes not yet converted
    std::size_t lineEnd = std::string::npos; // the last line feed in buffer
    bool markChecked = false;
    auto convert = [&](std::size_t size) {
        std::string_view bytes(buffer.data(), size);
        if (!markChecked) {
            // A byte-order mark is dropped; the rest is read in the ANSI code page, UTF-8 or not.
            bytes = norvil::SkipUtf8ByteOrderMark(bytes);
            markChecked = true;
        }
        m_platform.AnsiCodePage->AppendText(bytes, text);
        buffer.erase(0, size);
        lineEnd = std::string::npos; // what is left comes after the last line feed
    };

    for (;;) {
        const std::string piece = cInet.GetChunk(1024, norvil::Inet::icByteArray);
        if (IsArrayEmpty(piece))
            break;
        // Only the new piece is searched: a body without line feeds stays linear.
        const std::size_t inPiece = piece.rfind('\n');
        if (inPiece != std::string::npos)
            lineEnd = buffer.size() + inPiece;
        buffer += piece;
        if (buffer.size() >= kRunBytes && lineEnd != std::string::npos)
            convert(lineEnd + 1);
    }
    convert(buffer.size());
    return text;
}

bool frmMain::IsArrayEmpty(const std::string& bytes)
{
    return bytes.empty();
}

void frmMain::Form_Unload(std::int16_t& Cancel)
{
    static_cast<void>(Cancel); // the unload always goes ahead
    cInet.Cancel();
}
