#pragma once

// Stand-ins for a face, a transfer and the platform, so that the check runs exactly as in the
// program and every property it sets can be read back. The faces' own tests use them too.

#include "Face.h"
#include "Inet.h"
#include "Platform.h"
#include "TextUtil.h"
#include "Texts.h"
#include "frmMain.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Records what the check asks of its window.
struct FakeFace final : norvil::Face {
    struct Shown {
        std::u16string Caption;
        bool Visible = true;
        int FontHeight = 0; // twips; 0 while the designed one
        std::u16string Description;
    };

    void Create(const norvil::FormDesign& made, frmMain&) override
    {
        Design = made;
        for (const norvil::ControlDesign& control : made.Controls)
            At(control.Id).Caption = control.Caption;
        At(norvil::Ctl::frmMain) = {made.Caption, false, 0, {}};
    }
    void SetCaption(norvil::Ctl control, const std::u16string& text) override { At(control).Caption = text; }
    void SetVisible(norvil::Ctl control, bool visible) override
    {
        At(control).Visible = visible;
        if (control == norvil::Ctl::frmMain && visible)
            ++ShownCount;
    }
    void SetFontSize(norvil::Ctl control, int twips) override { At(control).FontHeight = twips; }
    void SetDefault(norvil::Ctl button) override { Default = button; }
    void SetCancel(norvil::Ctl button) override { Cancel = button; }
    void SetFocus(norvil::Ctl control) override { Focus = control; }
    void SetDescription(norvil::Ctl control, const std::u16string& text) override { At(control).Description = text; }
    void SetHeight(int) override {}
    void AppendToLog(norvil::LogLine line) override { Log += *line + u"\r\n"; }
    void SetTimer(norvil::TimerId timer, bool enabled, int intervalMs) override
    {
        Timers[static_cast<std::size_t>(timer)] = enabled ? intervalMs : 0;
    }
    void BringToTop() override { ++Raised; }
    void Unload() override { ++UnloadedCount; }

    Shown& At(norvil::Ctl control) { return Controls[static_cast<std::size_t>(control)]; }

    norvil::FormDesign Design;
    std::array<Shown, static_cast<std::size_t>(norvil::Ctl::None)> Controls;
    norvil::Ctl Default = norvil::Ctl::None;
    norvil::Ctl Cancel = norvil::Ctl::None;
    norvil::Ctl Focus = norvil::Ctl::None;
    std::u16string Log;
    std::array<int, 2> Timers{}; // the interval while enabled, 0 while not
    int ShownCount = 0;
    int Raised = 0;
    int UnloadedCount = 0;
};

// A transfer whose outcome the test hands over.
struct FakeInet final : norvil::Inet {
    void SetUserAgent(const std::u16string& agent) override { UserAgent = agent; }
    void Execute(const std::u16string& url, const std::u16string& operation) override
    {
        Requests.push_back(operation + u' ' + url);
    }
    std::int32_t ResponseCode() const override { return Code; }
    std::u16string ResponseInfo() const override { return Info; }
    std::string GetChunk(std::int16_t size, std::int32_t) override
    {
        const std::string piece = Body.substr(std::min(Read, Body.size()), static_cast<std::size_t>(size));
        Read += piece.size();
        return piece;
    }
    std::size_t BytesLeft() const override { return Body.size() - std::min(Read, Body.size()); }
    void Cancel() override { ++Cancels; }

    void Complete(std::string body)
    {
        Body = std::move(body);
        Notify(icResponseCompleted);
    }
    void Fail(std::int32_t code, std::u16string info)
    {
        Code = code;
        Info = std::move(info);
        Notify(icError);
    }

    std::u16string UserAgent;
    std::vector<std::u16string> Requests; // "GET url"
    std::string Body;
    std::size_t Read = 0;
    std::int32_t Code = 0;
    std::u16string Info;
    int Cancels = 0;
};

// The update file read as UTF-8, each piece it is given kept, and a browser that answers as told.
struct FakePlatform final : norvil::BrowserOpener, norvil::CodePage {
    std::int32_t Open(std::u16string_view url) override
    {
        Opened.emplace_back(url);
        return Result;
    }
    void AppendText(std::string_view bytes, std::u16string& text) const override
    {
        Decoded.emplace_back(bytes);
        text += norvil::FromUtf8(bytes);
    }

    norvil::Platform Services(std::u16string words, std::u16string language = u"ja")
    {
        return {this, this, {1, 0}, std::move(words), std::move(language), {}};
    }

    std::int32_t Result = 42;
    std::vector<std::u16string> Opened;
    mutable std::vector<std::string> Decoded;
};

inline clsVersion VersionOf(std::u16string_view text)
{
    clsVersion version;
    version.Import(text);
    return version;
}

// Every page a translation must show whole, each face's language suite walks them in order: the
// progress page, the three results and the failure page with each of its reasons.
inline std::vector<std::pair<const char*, std::function<void()>>> EveryPage(frmMain& form)
{
    return {
        {"progress", [] {}},
        {"update", [&form] { form.ShowUpdatePage(VersionOf(u"2.10.3")); }},
        {"latest", [&form] { form.ShowLatestPage(); }},
        {"transfer failure", [&form] { form.OnRequestError(); }},
        {"version unreadable", [&form] { form.ParseCurrentVersion(u"99999999999"); }},
        {"version not found", [&form] { form.FindServerVersion(u"", u"App"); }},
    };
}

// One run of the check, started with these words, in this language.
struct CheckRun {
    explicit CheckRun(std::u16string words, std::u16string language = u"ja")
        : form(std::make_unique<frmMain>(platform.Services(std::move(words), std::move(language)), face, inet))
    {
        form->Load();
    }

    // The page shown: "none" (still the progress page), "update", "latest" or "failure".
    std::string Page()
    {
        if (!face.At(norvil::Ctl::fraPage1).Visible)
            return "none";
        if (face.At(norvil::Ctl::cmdOK).Visible)
            return "update";
        return face.At(norvil::Ctl::lblMsg2).Caption == norvil::Tr("frmMain", "最新バージョンはありません。") ? "latest" : "failure";
    }

    std::vector<std::u16string> LogLines() const
    {
        std::vector<std::u16string> lines;
        std::u16string_view rest = face.Log;
        for (std::size_t end; (end = rest.find(u"\r\n")) != std::u16string_view::npos; rest = rest.substr(end + 2))
            lines.emplace_back(rest.substr(0, end));
        return lines;
    }

    FakePlatform platform;
    FakeFace face;
    FakeInet inet;
    std::unique_ptr<frmMain> form;
};
