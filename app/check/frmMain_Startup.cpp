// Start-up: read the command line, write the log header and wait for the start timer.

#include "frmMain.h"

#include "TextUtil.h"
#include "Texts.h"
#include "UserAgent.h"

void frmMain::Load()
{
    Form_Load();
    // Silent mode stays invisible until the evaluation decides to show the window.
    if (!m_unloaded && !IsSilent())
        ShowWindow();
}

void frmMain::Form_Load()
{
    if (!m_cmd.Import(m_platform.ArgumentText)) {
        Unload();
        return;
    }

    AddLog(u"Norvil Ver" + norvil::ToDecimal(m_platform.Version.Major) + u'.' + norvil::ToDecimal(m_platform.Version.Minor));
    AddLog(u"Name:\t" + m_cmd.Name());
    AddLog(u"Ver:\t" + m_cmd.Ver());
    AddLog(u"URL1:\t" + m_cmd.Url1());
    AddLog(u"URL2:\t" + m_cmd.Url2());
    AddLog(std::u16string());

    fraPage[0].SetVisible(true);
    fraPage[1].SetVisible(false);
    lblProg.SetCaption(std::u16string(18, u'\u25A1')); // the marquee's empty track
    Me.SetCaption(FillIn(norvil::Tr("frmMain", "%1 最新バージョンの確認"), m_cmd.Name()));

    cInet.SetUserAgent(norvil::UserAgent(m_cmd.Name(), m_cmd.Ver(), m_platform.Version));

    m_face.SetHeight(kNormalHeight);
    if (m_cmd.IsDebug())
        m_face.SetHeight(kDebugHeight);

    cTimer1.SetEnabled(true);
}

void frmMain::Unload()
{
    if (m_unloaded)
        return;
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    m_unloaded = true;
    cTimer1.SetEnabled(false);
    cTimer2.SetEnabled(false);
    m_face.Unload();
    Form_Terminate();
}
