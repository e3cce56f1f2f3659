// The evaluation: find the published version in the received file, compare, show the outcome.

#include "frmMain.h"

#include "Inet.h"
#include "VersionLocator.h"

#include <string_view>

namespace {

std::u16string_view View(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

} // namespace

void frmMain::cInet_StateChanged(std::int16_t State)
{
    switch (State) {
    case Inet::icError:
        OnRequestError();
        // Hidden mode ends quietly after every failure, a transfer error included: a hidden
        // window that nobody will ever see must not keep the program alive.
        if (IsSilent())
            Unload();
        break;
    case Inet::icResponseCompleted:
        OnResponseCompleted();
        break;
    default:
        break;
    }
}

void frmMain::OnResponseCompleted()
{
    const QString text = ReadResponseText();
    AddLog(QStringLiteral("--- Received File ---"));
    AddLog(text);
    AddLog(QStringLiteral("--- File End ---"));
    AddLog(QString());

    bool isNewer = false;
    if (const auto current = ParseCurrentVersion(QString::fromStdU16String(m_cmd.Ver()))) {
        if (const auto published = FindServerVersion(text, QString::fromStdU16String(m_cmd.Name()))) {
            if (published->Compare(*current) == 1) {
                isNewer = true;
                ShowUpdatePage(*published);
            } else {
                ShowLatestPage();
            }
        }
    }

    if (!IsSilent() || isNewer) {
        ShowWindow();
        m_platform.Raiser->BringToTop(static_cast<std::uintptr_t>(winId()));
    } else {
        Unload();
    }
}

void frmMain::ReportEvaluationFailure(const QString& logLine, const QString& sentence)
{
    // The log gets the reason in short; the page gets it as a sentence.
    AddLog(QStringLiteral("--- Error ---"));
    AddLog(logLine);
    ShowFailurePage(sentence);
}

std::optional<clsVersion> frmMain::ParseCurrentVersion(const QString& strVer)
{
    clsVersion version;
    if (version.Import(View(strVer))) {
        AddLog(QStringLiteral("ORG:") + strVer);
        return version;
    }
    ReportEvaluationFailure(tr("バージョン番号の解析に失敗しました"), tr("バージョン番号の解析に失敗しました。"));
    return std::nullopt;
}

std::optional<clsVersion> frmMain::FindServerVersion(const QString& text, const QString& name)
{
    const auto versionText = norvil::FindVersionText(View(text), View(name));
    if (!versionText) {
        ReportEvaluationFailure(tr("バージョン情報が見つかりませんでした"), tr("バージョン情報が見つかりませんでした。"));
        return std::nullopt;
    }

    AddLog(QStringLiteral("NEW:") + QString::fromUtf16(versionText->data(), static_cast<qsizetype>(versionText->size())));
    clsVersion version;
    if (version.Import(*versionText))
        return version;
    ReportEvaluationFailure(tr("バージョン番号の解析に失敗しました"), tr("バージョン番号の解析に失敗しました。"));
    return std::nullopt;
}
