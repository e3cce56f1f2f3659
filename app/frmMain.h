#pragma once

#include "PlatformServices.h"
#include "clsCommandLine.h"
#include "clsVersion.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class Inet;
class QFrame;
class QLabel;
class LogTextBox;
class QPushButton;
class QTimer;

// The program's only window. It runs the whole check: start-up, the download one second later,
// the evaluation of the received file and the result pages. Its handlers keep the names of the
// events they answer (Form_Load, cTimer1_Timer, cmdOK_Click, ...).
class frmMain : public QWidget {
    Q_OBJECT
public:
    // requestTimeoutSeconds: the transfer's time-out; only tests shorten it.
    explicit frmMain(const norvil::Platform& platform, QWidget* parent = nullptr, int requestTimeoutSeconds = 60);
    ~frmMain() override;

    // Runs Form_Load, then shows the window unless it was hidden or unloaded while loading.
    void Load();
    bool IsUnloaded() const { return m_unloaded; }
    // Ends the window: Form_Unload, then Unloaded. Nothing touches the window afterwards.
    void Unload();

    // The log as the user would copy it: every line ended by CR LF.
    QString LogText() const;
    // The language the window speaks: "ja" or a translation's name.
    const QString& Language() const { return m_language; }
    QPushButton* DefaultButton() const { return m_defaultButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

    // Controls, laid out in the constructor (frmMain_Layout.cpp).
    std::array<QFrame*, 2> fraPage{};
    QLabel* lblMsg1 = nullptr;
    QLabel* lblProg = nullptr;
    QLabel* lblMsg2 = nullptr;
    QLabel* lblMsg3 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* Label1 = nullptr;
    LogTextBox* txtLog = nullptr;
    QTimer* cTimer1 = nullptr;
    QTimer* cTimer2 = nullptr;
    Inet* cInet = nullptr;

    // The check, in the order it runs.
    // Start-up (frmMain_Startup.cpp)
    void Form_Load();

    // Download (frmMain_Download.cpp)
    void cTimer1_Timer();
    void OnRequestError();
    QString ReadResponseText();
    static bool IsArrayEmpty(const QByteArray& bytes);

    // Evaluation (frmMain_Evaluation.cpp)
    void cInet_StateChanged(std::int16_t State);
    void OnResponseCompleted();
    std::optional<clsVersion> ParseCurrentVersion(const QString& strVer);
    std::optional<clsVersion> FindServerVersion(const QString& text, const QString& name);

    // Result pages and buttons (frmMain_Pages.cpp)
    void ShowUpdatePage(const clsVersion& version);
    void ShowLatestPage();
    void ShowFailurePage(const QString& message);
    void cmdOK_Click();
    void cmdClose_Click();

    // The end (frmMain_Download.cpp: it cancels a transfer still running)
    void Form_Unload(std::int16_t& Cancel);
    void Form_Terminate() {}

    // Layout, log and marquee (frmMain_Layout.cpp)
    void AddLog(const QString& line);
    void cTimer2_Timer();

    // Client-area sizes in pixels: 6900 twips wide; 1920 twips high, or 5760 in debug mode.
    static constexpr int kClientWidth = 460;
    static constexpr int kNormalClientHeight = 128;
    static constexpr int kDebugClientHeight = 384;

signals:
    void Unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls(int requestTimeoutSeconds);
    void SetClientHeight(int height);
    void FitLogHeader();
    // The sentence with its %1 filled in, kept whole in a right-to-left language.
    QString FillIn(const QString& sentence, const QString& value) const;
    void ShowWindow();
    void ShowResultTexts(const QString& headline, const QString& detail);
    void SetButtonRoles(QPushButton* defaultButton, QPushButton* cancelButton);
    void OfferCloseOnly();
    bool HandleDialogKey(const QKeyEvent& event);
    void ReportEvaluationFailure(const QString& logLine, const QString& sentence);
    static QString EmptyMarqueeTrack();
    // Silent mode: only a newer version shows the window; every other outcome ends unseen.
    bool IsSilent() const { return m_cmd.IsHide() && !m_cmd.IsDebug(); }

    norvil::Platform m_platform;
    QString m_language; // "ja", the program's own, or the translation the user gets
    clsCommandLine m_cmd;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_placed = false;
    bool m_unloaded = false;
};
