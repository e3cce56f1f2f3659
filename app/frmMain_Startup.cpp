// Start-up: read the command line, write the log header and wait for the start timer.

#include "frmMain.h"

#include <QLabel>
#include <QFrame>
#include <QTimer>

namespace {

QString Q(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

// Qt reads "[*]" in a title as the place of its "modified" mark and drops it; doubled, it shows
// as written. So the title shows whatever the name holds.
QString LiteralTitle(QString title)
{
    return title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

} // namespace

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

    AddLog(QStringLiteral("Norvil Ver%1.%2").arg(m_platform.Version.Major).arg(m_platform.Version.Minor));
    AddLog(QStringLiteral("Name:\t") + Q(m_cmd.Name()));
    AddLog(QStringLiteral("Ver:\t") + Q(m_cmd.Ver()));
    AddLog(QStringLiteral("URL1:\t") + Q(m_cmd.Url1()));
    AddLog(QStringLiteral("URL2:\t") + Q(m_cmd.Url2()));
    AddLog(QString());

    fraPage[0]->setVisible(true);
    fraPage[1]->setVisible(false);
    lblProg->setText(EmptyMarqueeTrack());
    setWindowTitle(LiteralTitle(FillIn(tr("%1 最新バージョンの確認"), Q(m_cmd.Name()))));

    SetClientHeight(kNormalClientHeight);
    if (m_cmd.IsDebug()) {
        SetClientHeight(kDebugClientHeight);
        // The log's header, now in sight, in the desktop's own face, which may be wider than
        // Windows' was: the whole text shows.
        FitLogHeader();
    }

    cTimer1->start();
}

void frmMain::Unload()
{
    if (m_unloaded)
        return;
    std::int16_t cancel = 0;
    Form_Unload(cancel);
    m_unloaded = true;
    cTimer1->stop();
    cTimer2->stop();
    hide();
    Form_Terminate();
    emit Unloaded();
}
