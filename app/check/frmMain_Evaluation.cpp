// The evaluation: find the published version in the received file, compare, show the outcome.

#include "frmMain.h"

#include "Texts.h"
#include "VersionLocator.h"

#include <algorithm>
#include <memory>

void frmMain::cInet_StateChanged(std::int16_t State)
{
    switch (State) {
    case norvil::Inet::icError:
        OnRequestError();
        // Hidden mode ends quietly after every failure, a transfer error included: a hidden
        // window that nobody will ever see must not keep the program alive.
        if (IsSilent())
            Unload();
        break;
    case norvil::Inet::icResponseCompleted:
        OnResponseCompleted();
        break;
    default:
        break;
    }
}

void frmMain::OnResponseCompleted()
{
    // Shared with the log, which shows the whole file: a large body is held once.
    const auto text = std::make_shared<const std::u16string>(ReadResponseText());
    AddLog(u"--- Received File ---");
    AddLog(text);
    AddLog(u"--- File End ---");
    AddLog(std::u16string());

    bool isNewer = false;
    if (const auto current = ParseCurrentVersion(m_cmd.Ver())) {
        if (const auto published = FindServerVersion(*text, m_cmd.Name())) {
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
        m_face.BringToTop();
    } else {
        Unload();
    }
}

void frmMain::ReportEvaluationFailure(const std::u16string& logLine, const std::u16string& sentence)
{
    // The log gets the reason in short; the page gets it as a sentence.
    AddLog(u"--- Error ---");
    AddLog(logLine);
    ShowFailurePage(sentence);
}

std::optional<clsVersion> frmMain::ParseCurrentVersion(const std::u16string& strVer)
{
    clsVersion version;
    if (version.Import(strVer)) {
        AddLog(u"ORG:" + strVer);
        return version;
    }
    ReportEvaluationFailure(norvil::Tr("frmMain", "バージョン番号の解析に失敗しました"), norvil::Tr("frmMain", "バージョン番号の解析に失敗しました。"));
    return std::nullopt;
}

std::optional<clsVersion> frmMain::FindServerVersion(const std::u16string& text, const std::u16string& name)
{
    const auto versionText = norvil::FindVersionText(text, name);
    if (!versionText) {
        ReportEvaluationFailure(norvil::Tr("frmMain", "バージョン情報が見つかりませんでした"), norvil::Tr("frmMain", "バージョン情報が見つかりませんでした。"));
        return std::nullopt;
    }

    AddLog(u"NEW:" + std::u16string(*versionText));
    // A text without a single digit is no version, though it would read as 0.0.0: a server's
    // "not found" page that repeats the address holds the name, and must not tell the user that
    // they have the latest version.
    const bool hasDigit = std::any_of(versionText->begin(), versionText->end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    clsVersion version;
    if (hasDigit && version.Import(*versionText))
        return version;
    ReportEvaluationFailure(norvil::Tr("frmMain", "バージョン番号の解析に失敗しました"), norvil::Tr("frmMain", "バージョン番号の解析に失敗しました。"));
    return std::nullopt;
}
