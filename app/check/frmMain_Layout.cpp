// The window as created, the log and the progress marquee.

#include "frmMain.h"

#include "Language.h"
#include "TextUtil.h"
#include "Texts.h"

#include <algorithm>

using norvil::Ctl;

namespace {

constexpr char16_t kWhiteSquare = u'\u25A1';
constexpr char16_t kBlackSquare = u'\u25A0';
constexpr int kTrackCells = 18;

} // namespace

frmMain::frmMain(const norvil::Platform& platform, norvil::Face& face, norvil::Inet& inet)
    : Me(face, Ctl::frmMain, false)
    , fraPage{norvil::Control(face, Ctl::fraPage0), norvil::Control(face, Ctl::fraPage1)}
    , lblMsg1(face, Ctl::lblMsg1)
    , lblProg(face, Ctl::lblProg)
    , lblMsg2(face, Ctl::lblMsg2)
    , lblMsg3(face, Ctl::lblMsg3)
    , cmdOK(face, Ctl::cmdOK)
    , cmdClose(face, Ctl::cmdClose)
    , Label1(face, Ctl::Label1)
    , txtLog(face, Ctl::txtLog)
    , cTimer1(face, norvil::TimerId::cTimer1, 1000)
    , cTimer2(face, norvil::TimerId::cTimer2, 500)
    , cInet(inet)
    , m_platform(platform)
    , m_face(face)
    , m_language(norvil::ChooseLanguage(platform.LanguageVariable, platform.UserLanguages, norvil::AvailableTranslations()))
{
    norvil::UseLanguage(m_language);
    const norvil::FormDesign design = norvil::Design();
    m_rightToLeft = design.RightToLeft;
    face.Create(design, *this);
    lblProg.Tag = u"0";

    cInet.StateChanged = [this](std::int16_t state) { cInet_StateChanged(state); };
    cTimer2.SetEnabled(true);
}

void frmMain::AddLog(std::u16string line)
{
    AddLog(std::make_shared<const std::u16string>(std::move(line)));
}

void frmMain::AddLog(norvil::LogLine line)
{
    m_face.AppendToLog(std::move(line));
}

void frmMain::cTimer2_Timer()
{
    int p = 0;
    for (const char16_t digit : lblProg.Tag)
        p = p * 10 + (digit - u'0');
    std::u16string track = std::u16string(static_cast<std::size_t>(p), kWhiteSquare) + kBlackSquare
                         + std::u16string(static_cast<std::size_t>(kTrackCells - 1 - p), kWhiteSquare);
    if (m_rightToLeft) // the square runs the way the window's language reads
        std::reverse(track.begin(), track.end());
    lblProg.SetCaption(track);
    p += 1;
    if (p == kTrackCells)
        p = 0;
    lblProg.Tag = norvil::ToDecimal(p);
}

std::u16string frmMain::FillIn(const std::u16string& sentence, const std::u16string& value) const
{
    // A name or version in Latin letters must not pull a right-to-left sentence's punctuation
    // about: it is isolated (FIRST STRONG ISOLATE ... POP DIRECTIONAL ISOLATE). Left-to-right
    // windows show the words exactly as given.
    const std::u16string filled = m_rightToLeft ? u'\u2068' + value + u'\u2069' : value;
    std::u16string text = sentence;
    for (std::size_t at = text.find(u"%1"); at != std::u16string::npos; at = text.find(u"%1", at + filled.size()))
        text.replace(at, 2, filled);
    return text;
}

void frmMain::ShowWindow()
{
    Me.SetVisible(true);
}
