#pragma once

#include "Controls.h"
#include "Inet.h"
#include "Platform.h"
#include "clsCommandLine.h"
#include "clsVersion.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The program's only window, as the check sees it: start-up, the download one second later,
// the evaluation of the received file, the result pages and the log. Its handlers keep the names
// of the events they answer (Form_Load, cTimer1_Timer, cmdOK_Click, ...); a face shows its
// controls and calls the handlers as the user and the timers act. No toolkit is named here.
class frmMain {
public:
    // Chooses the language the window speaks and has the face create the window, hidden.
    frmMain(const norvil::Platform& platform, norvil::Face& face, norvil::Inet& inet);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Runs Form_Load, then shows the window unless it was hidden or unloaded while loading.
    void Load();
    bool IsUnloaded() const { return m_unloaded; }
    // Ends the window: Form_Unload, then the face lets it go. Called again, does nothing.
    void Unload();

    // The language the window speaks: "ja" or a translation's name.
    const std::u16string& Language() const { return m_language; }

    // The window itself (caption, visibility), then its controls and components.
    norvil::Control Me;
    std::array<norvil::Control, 2> fraPage;
    norvil::Control lblMsg1, lblProg, lblMsg2, lblMsg3, cmdOK, cmdClose, Label1, txtLog;
    norvil::Timer cTimer1, cTimer2;
    norvil::Inet& cInet;

    // The check, in the order it runs.
    // Start-up (frmMain_Startup.cpp)
    void Form_Load();

    // Download (frmMain_Download.cpp)
    void cTimer1_Timer();
    void OnRequestError();
    std::u16string ReadResponseText();
    static bool IsArrayEmpty(const std::string& bytes);

    // Evaluation (frmMain_Evaluation.cpp)
    void cInet_StateChanged(std::int16_t State);
    void OnResponseCompleted();
    std::optional<clsVersion> ParseCurrentVersion(const std::u16string& strVer);
    std::optional<clsVersion> FindServerVersion(const std::u16string& text, const std::u16string& name);

    // Result pages and buttons (frmMain_Pages.cpp)
    void ShowUpdatePage(const clsVersion& version);
    void ShowLatestPage();
    void ShowFailurePage(const std::u16string& message);
    void cmdOK_Click();
    void cmdClose_Click();

    // The end (frmMain_Download.cpp: it cancels a transfer still running)
    void Form_Unload(std::int16_t& Cancel);
    void Form_Terminate() {}

    // Log and marquee (frmMain_Layout.cpp)
    void AddLog(std::u16string line);
    void AddLog(norvil::LogLine line);
    void cTimer2_Timer();

    // The window's outer height, in twips: the pages whole and nothing of the log area below
    // them, or, in debug mode, the whole client area.
    static constexpr int kNormalHeight = 2400;
    static constexpr int kDebugHeight = 6240;

private:
    // The sentence with its %1 filled in, kept whole in a right-to-left language.
    std::u16string FillIn(const std::u16string& sentence, const std::u16string& value) const;
    void ShowWindow();
    void ShowResultTexts(const std::u16string& headline, const std::u16string& detail);
    void SetButtonRoles(norvil::Ctl defaultButton, norvil::Ctl cancelButton);
    void OfferCloseOnly();
    void ReportEvaluationFailure(const std::u16string& logLine, const std::u16string& sentence);
    // Silent mode: only a newer version shows the window; every other outcome ends unseen.
    bool IsSilent() const { return m_cmd.IsHide() && !m_cmd.IsDebug(); }

    norvil::Platform m_platform;
    norvil::Face& m_face;
    std::u16string m_language;
    bool m_rightToLeft = false;
    clsCommandLine m_cmd;
    norvil::Ctl m_cancel = norvil::Ctl::None; // the cancel role, which the close-only pages keep
    bool m_unloaded = false;
};
