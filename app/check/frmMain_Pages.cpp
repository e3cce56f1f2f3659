// The three result pages and the two buttons.

#include "frmMain.h"

#include "TextUtil.h"
#include "Texts.h"

using norvil::Ctl;

namespace {

constexpr int kFailureDetailHeight = 180; // 9 points, in twips

} // namespace

void frmMain::ShowResultTexts(const std::u16string& headline, const std::u16string& detail)
{
    fraPage[0].SetVisible(false);
    fraPage[1].SetVisible(true);
    lblMsg2.SetCaption(headline);
    lblMsg3.SetCaption(detail);
    // A screen reader that follows the focus speaks the outcome with the button that takes it,
    // as it would the text of a message box.
    const std::u16string outcome = headline + u' ' + detail;
    cmdOK.SetDescription(outcome);
    cmdClose.SetDescription(outcome);
}

void frmMain::SetButtonRoles(Ctl defaultButton, Ctl cancelButton)
{
    m_cancel = cancelButton;
    m_face.SetDefault(defaultButton);
    m_face.SetCancel(cancelButton);
}

void frmMain::OfferCloseOnly()
{
    // The cancel role is left as it was: these pages do not give it to any button.
    SetButtonRoles(Ctl::cmdClose, m_cancel);
    cmdOK.SetVisible(false);
    cmdClose.SetVisible(true);
    cmdClose.SetCaption(norvil::Tr("frmMain", "閉じる(&C)"));
    if (Me.Visible()) // a hidden window takes no focus
        cmdClose.SetFocus();
}

void frmMain::ShowUpdatePage(const clsVersion& version)
{
    ShowResultTexts(FillIn(norvil::Tr("frmMain", "最新バージョン「%1」が公開されています。"), version.GetText()),
                    norvil::Tr("frmMain", "ダウンロードページを表示しますか？"));
    SetButtonRoles(Ctl::cmdOK, Ctl::cmdClose);
    cmdOK.SetVisible(true);
    cmdClose.SetVisible(true);
    cmdClose.SetCaption(norvil::Tr("frmMain", "今は何もしない(&C)"));
    if (Me.Visible())
        cmdOK.SetFocus();
}

void frmMain::ShowLatestPage()
{
    ShowResultTexts(norvil::Tr("frmMain", "最新バージョンはありません。"), norvil::Tr("frmMain", "現在使っているバージョンが最新です。"));
    OfferCloseOnly();
}

void frmMain::ShowFailurePage(const std::u16string& message)
{
    ShowResultTexts(norvil::Tr("frmMain", "バージョン情報の取得に失敗しました。"), message);
    lblMsg3.SetFontSize(kFailureDetailHeight);
    OfferCloseOnly();
}

void frmMain::cmdOK_Click()
{
    const std::int32_t r = m_platform.Browser->Open(m_cmd.Url2());
    AddLog(u"ShellExecute() = " + norvil::ToDecimal(r));
    if (r <= 32) { // the shell's codes: 2 a missing file, 3 a missing path, the rest its own
        AddLog(r == 2   ? norvil::Tr("frmMain", "指定されたファイルが見つかりませんでした。")
               : r == 3 ? norvil::Tr("frmMain", "指定されたURLが見つかりませんでした。")
                        : norvil::Tr("frmMain", "ブラウザを開くことができませんでした。"));
    }
    if (!m_cmd.IsDebug())
        Unload();
}

void frmMain::cmdClose_Click()
{
    Unload();
}
