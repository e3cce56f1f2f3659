// The three result pages, the two buttons and the keys that press them.

#include "frmMain.h"

#include "Appearance.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

void frmMain::ShowResultTexts(const QString& headline, const QString& detail)
{
    fraPage[0]->setVisible(false);
    fraPage[1]->setVisible(true);
    lblMsg2->setText(headline);
    lblMsg3->setText(detail);
    // A screen reader that follows the focus speaks the outcome with the button that takes it,
    // as it would the text of a message box.
    const QString outcome = headline + QLatin1Char(' ') + detail;
    cmdOK->setAccessibleDescription(outcome);
    cmdClose->setAccessibleDescription(outcome);
}

void frmMain::SetButtonRoles(QPushButton* defaultButton, QPushButton* cancelButton)
{
    m_defaultButton = defaultButton;
    m_cancelButton = cancelButton;
    cmdOK->setDefault(defaultButton == cmdOK);
    cmdClose->setDefault(defaultButton == cmdClose);
}

void frmMain::OfferCloseOnly()
{
    // The cancel role is left as it was: these pages do not give it to any button.
    SetButtonRoles(cmdClose, m_cancelButton);
    cmdOK->setVisible(false);
    cmdClose->setVisible(true);
    cmdClose->setText(tr("閉じる(&C)"));
    if (isVisible()) // a hidden window takes no focus
        cmdClose->setFocus();
}

void frmMain::ShowUpdatePage(const clsVersion& version)
{
    ShowResultTexts(FillIn(tr("最新バージョン「%1」が公開されています。"), QString::fromStdU16String(version.GetText())),
                    tr("ダウンロードページを表示しますか？"));
    SetButtonRoles(cmdOK, cmdClose);
    cmdOK->setVisible(true);
    cmdClose->setVisible(true);
    cmdClose->setText(tr("今は何もしない(&C)"));
    if (isVisible())
        cmdOK->setFocus();
}

void frmMain::ShowLatestPage()
{
    ShowResultTexts(tr("最新バージョンはありません。"), tr("現在使っているバージョンが最新です。"));
    OfferCloseOnly();
}

void frmMain::ShowFailurePage(const QString& message)
{
    ShowResultTexts(tr("バージョン情報の取得に失敗しました。"), message);
    lblMsg3->setFont(norvil::PageFont(m_language, 12)); // 9 points
    OfferCloseOnly();
}

void frmMain::cmdOK_Click()
{
    const std::int32_t r = m_platform.Browser->Open(m_cmd.Url2());
    AddLog(QStringLiteral("ShellExecute() = ") + QString::number(r));
    if (r <= 32) { // the shell's codes: 2 a missing file, 3 a missing path, the rest its own
        AddLog(r == 2 ? tr("指定されたファイルが見つかりませんでした。")
               : r == 3 ? tr("指定されたURLが見つかりませんでした。")
                        : tr("ブラウザを開くことができませんでした。"));
    }
    if (!m_cmd.IsDebug())
        Unload();
}

void frmMain::cmdClose_Click()
{
    Unload();
}

bool frmMain::HandleDialogKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A focused button answers Enter itself; otherwise the page's default button does.
        QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
        if (button == nullptr || !button->isVisible())
            button = m_defaultButton;
        if (button == nullptr || !button->isVisible() || !fraPage[1]->isVisible())
            return false;
        button->click();
        return true;
    }
    case Qt::Key_Escape:
        // Escape presses the cancel button where there is one, and never closes the window.
        if (m_cancelButton && m_cancelButton->isVisible() && fraPage[1]->isVisible())
            m_cancelButton->click();
        return true;
    default:
        return false;
    }
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(*event))
        QWidget::keyPressEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleDialogKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}
