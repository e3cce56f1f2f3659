// The check from start to end with a stand-in window and transfer: one table of runs (the words
// and the outcome of the transfer in; out the page with its texts, buttons and focus, whether the
// window was shown or ended once the user acted, what it opened and the end of the log), then
// what a run cannot show: the window at start, the marquee, the start timer, the end.

#include "CheckFakes.h"
#include "CoreTest.h"

#include <optional>

using norvil::Ctl;

namespace {

const std::u16string kUrl2 = u"http://example.invalid/get?a=1&b=日本";

// What the user does once the outcome shows. Which key presses which button is the faces'
// (tests/qt, tests/win32); the roles they follow are the face's Default and Cancel.
enum class Act { Nothing, ClickOK, ClickClose };

std::u16string Words(const std::u16string& name, const std::u16string& ver, const std::u16string& switches = {})
{
    return name + u' ' + ver + u" http://127.0.0.1/update.txt " + kUrl2 + (switches.empty() ? u"" : u" " + switches);
}

// The log's lines from the received file on.
std::vector<std::u16string> Received(const std::vector<std::u16string>& file, const std::vector<std::u16string>& after)
{
    std::vector<std::u16string> lines = {u"--- Received File ---"};
    lines.insert(lines.end(), file.begin(), file.end());
    lines.insert(lines.end(), {u"--- File End ---", u""});
    lines.insert(lines.end(), after.begin(), after.end());
    return lines;
}

} // namespace

TEST_CASE("Runs")
{
    struct Row {
        const char* name;
        std::u16string words;
        std::optional<std::string> body; // none: a transfer error
        Act act;
        std::string page;
        std::vector<std::u16string> texts; // headline and detail, when the row is about them
        bool shown, ended, opened;
        std::vector<std::u16string> log = {}; // the log's last lines, when the row is about them
        std::int32_t browser = 42;       // what the browser opener answers
    };
    const std::u16string failed = u"バージョン情報の取得に失敗しました。";
    const std::u16string notFound = u"バージョン情報が見つかりませんでした";
    const std::u16string unreadable = u"バージョン番号の解析に失敗しました";
    const std::u16string v1 = Words(u"MyApp", u"1.0"), debug = Words(u"MyApp", u"1.0", u"/d"), silent = Words(u"MyApp", u"1.0", u"/h");
    const std::string newer = "MyApp=2.0>", same = "MyApp=1.0>";
    const std::nullopt_t transferError = std::nullopt;

    const std::vector<Row> rows = {
        // The pages: what the file and the installed version give.
        {"x<MyApp:1.2.0>y over 1.2.0", Words(u"MyApp", u"1.2.0"), "x<MyApp:1.2.0>y", Act::Nothing, "latest",
         {u"最新バージョンはありません。", u"現在使っているバージョンが最新です。"}, true, false, false},
        {"name missing", v1, "Other=9.0>", Act::Nothing, "failure", {failed, notFound + u"。"}, true, false, false, {u"--- Error ---", notFound}},
        {"installed version too big", Words(u"MyApp", u"1.99999999999"), same, Act::Nothing, "failure", {failed, unreadable + u"。"}, true, false, false,
         Received({u"MyApp=1.0>"}, {u"--- Error ---", unreadable})},
        {"published version too big", v1, "MyApp=1.&HFFFFFFFF>", Act::Nothing, "failure", {}, true, false, false,
         {u"NEW:1.&HFFFFFFFF", u"--- Error ---", unreadable}},
        {"a server's page without a digit after the name", v1, "<p>The requested URL /MyApp/update.txt was not found on this server.</p>",
         Act::Nothing, "failure", {failed, unreadable + u"。"}, true, false, false,
         {u"ORG:1.0", u"NEW:update.txt was not found on this server.</p", u"--- Error ---", unreadable}},
        {"0 bytes", v1, "", Act::Nothing, "failure", {}, true, false, false, Received({u""}, {u"ORG:1.0", u"--- Error ---", notFound})},
        {"transfer error", v1, transferError, Act::Nothing, "failure",
         {failed, u"インターネットに接続されていないか、サーバーが停止している可能性があります。"}, true, false, false,
         {u"--- Start ---", u"--- Error ---", u"12029:no connection", u""}},

        // A whole debug run: every line of the log after the header.
        {"debug run", u"MyApp 1.0.0 u1 u2 /d", "MyApp=1.1.0>", Act::Nothing, "update", {u"最新バージョン「Ver 1.1.0」が公開されています。", u"ダウンロードページを表示しますか？"},
         true, false, false, [] {
             std::vector<std::u16string> log = {u"Norvil Ver1.0", u"Name:\tMyApp", u"Ver:\t1.0.0", u"URL1:\tu1", u"URL2:\tu2", u"", u"--- Start ---"};
             for (const std::u16string& line : Received({u"MyApp=1.1.0>"}, {u"ORG:1.0.0", u"NEW:1.1.0"}))
                 log.push_back(line);
             return log;
         }()},

        // The close button ends, whatever the page.
        {"update page, the close button ends", v1, newer, Act::ClickClose, "update", {}, true, true, false},

        // Silent mode: only a newer version shows the window; anything else ends unseen.
        {"/h newer: shown on the update page", silent, newer, Act::Nothing, "update", {}, true, false, false},
        {"/h latest: never shown, ends", silent, same, Act::Nothing, "latest", {}, false, true, false},
        {"/h transfer error: never shown, ends", silent, transferError, Act::Nothing, "failure", {}, false, true, false},
        {"/h /d latest: shown and stays", Words(u"MyApp", u"1.0", u"/h /d"), same, Act::Nothing, "latest", {}, true, false, false},
        {"/d /h transfer error: shown and stays", Words(u"MyApp", u"1.0", u"/d /h"), transferError, Act::Nothing, "failure", {}, true, false, false},

        // The download button: what the shell answers goes to the log; outside debug mode it ends.
        {"button, file not found", v1, newer, Act::ClickOK, "update", {}, true, true, true, {u"ShellExecute() = 2", u"指定されたファイルが見つかりませんでした。"}, 2},
        {"button, path not found, debug", debug, newer, Act::ClickOK, "update", {}, true, false, true, {u"ShellExecute() = 3", u"指定されたURLが見つかりませんでした。"}, 3},
        {"button, 32 is still a failure", v1, newer, Act::ClickOK, "update", {}, true, true, true, {u"ShellExecute() = 32", u"ブラウザを開くことができませんでした。"}, 32},
        {"button, 33 is success, debug", debug, newer, Act::ClickOK, "update", {}, true, false, true, {u"NEW:2.0", u"ShellExecute() = 33"}, 33},
    };

    for (const Row& row : rows) {
        INFO(row.name);
        CheckRun run(row.words);
        run.platform.Result = row.browser;
        // Silent mode keeps the window hidden from the start; debug mode shows it anyway.
        const bool silentMode = row.words.find(u"/h") != std::u16string::npos && row.words.find(u"/d") == std::u16string::npos;
        CHECK_EQ(run.face.At(Ctl::frmMain).Visible, !silentMode);
        run.form->cTimer1_Timer();
        if (row.body)
            run.inet.Complete(*row.body);
        else
            run.inet.Fail(12029, u"no connection");

        CHECK_EQ(run.Page(), row.page);
        CHECK_EQ(run.face.At(Ctl::fraPage0).Visible, false); // one page at a time
        if (!row.texts.empty()) {
            CHECK_EQ(run.face.At(Ctl::lblMsg2).Caption, row.texts.at(0));
            CHECK_EQ(run.face.At(Ctl::lblMsg3).Caption, row.texts.at(1));
        }
        const bool update = row.page == "update";
        CHECK_EQ(run.face.Default, update ? Ctl::cmdOK : Ctl::cmdClose);
        CHECK_EQ(run.face.Cancel, update ? Ctl::cmdClose : Ctl::None);
        CHECK_EQ(run.face.At(Ctl::cmdClose).Caption, update ? u"今は何もしない(&C)" : u"閉じる(&C)");
        CHECK_EQ(run.face.At(Ctl::lblMsg3).FontHeight, row.page == "failure" ? 180 : 0); // 9 points on the failure page
        // A screen reader hears the outcome with either button.
        for (const Ctl button : {Ctl::cmdOK, Ctl::cmdClose})
            CHECK_EQ(run.face.At(button).Description, run.face.At(Ctl::lblMsg2).Caption + u' ' + run.face.At(Ctl::lblMsg3).Caption);
        // A page filled while the window is hidden gives no button the focus, even if it shows then.
        CHECK_EQ(run.face.Focus, silentMode ? Ctl::None : update ? Ctl::cmdOK : Ctl::cmdClose);
        // Brought to the top when the evaluation shows it; a transfer error leaves it where it is.
        CHECK_EQ(run.face.Raised, row.body && run.face.At(Ctl::frmMain).Visible ? 1 : 0);

        if (row.act == Act::ClickOK)
            run.form->cmdOK_Click();
        else if (row.act == Act::ClickClose)
            run.form->cmdClose_Click();
        CHECK_EQ(run.face.ShownCount > 0, row.shown);
        CHECK_EQ(run.face.UnloadedCount, row.ended ? 1 : 0);
        CHECK_EQ(run.platform.Opened, row.opened ? std::vector<std::u16string>{kUrl2} : std::vector<std::u16string>{});
        if (!row.log.empty()) {
            const std::vector<std::u16string> lines = run.LogLines();
            REQUIRE(lines.size() >= row.log.size());
            CHECK_EQ(std::vector<std::u16string>(lines.end() - static_cast<std::ptrdiff_t>(row.log.size()), lines.end()), row.log);
        }
    }
}

TEST_CASE("WindowAtStart")
{
    // The title shows the name as given; the log has its header outside debug mode too (the
    // debug run has it in debug mode; the window's height in each mode is the faces' to show).
    CheckRun run(u"App[*] 1.0 u1 u2");
    CHECK_EQ(run.face.At(Ctl::frmMain).Caption, u"App[*] 最新バージョンの確認");
    CHECK(run.face.At(Ctl::fraPage0).Visible);
    CHECK(!run.face.At(Ctl::fraPage1).Visible);
    CHECK_EQ(run.face.At(Ctl::lblProg).Caption, std::u16string(18, u'\u25A1'));
    CHECK_EQ(run.LogLines(), std::vector<std::u16string>{u"Norvil Ver1.0", u"Name:\tApp[*]", u"Ver:\t1.0", u"URL1:\tu1", u"URL2:\tu2", u""});
    // Too few words: nothing is shown and the window goes at once.
    CheckRun none(u"App 1.0 u1");
    CHECK_EQ(none.face.ShownCount, 0);
    CHECK(none.form->IsUnloaded());
    CHECK_EQ(none.face.Log, u"");
}

TEST_CASE("MarqueeTrack")
{
    CheckRun run(u"App 1.0 u1 u2 /h");
    CHECK_EQ(run.face.Timers[1], 500); // also while the window is hidden
    for (int tick = 1; tick <= 40; ++tick) {
        run.form->cTimer2_Timer();
        const std::size_t cell = static_cast<std::size_t>((tick - 1) % 18);
        CHECK_EQ(run.face.At(Ctl::lblProg).Caption, std::u16string(cell, u'\u25A1') + u'\u25A0' + std::u16string(17 - cell, u'\u25A1'));
    }
    // Once the result page replaces it, the hidden marquee keeps advancing.
    run.form->ShowLatestPage();
    CHECK_EQ(run.face.Timers[1], 500);
}

TEST_CASE("StartTimerAndEnd")
{
    // The start timer is armed at load for one tick a second later, which makes the one request
    // (that the tick stops it, the Qt suite sees on the real timer).
    CheckRun run(u"MyApp 1.0 http://127.0.0.1/u u2");
    CHECK_EQ(run.face.Timers[0], 1000);
    CHECK(run.inet.Requests.empty());
    run.form->cTimer1_Timer();
    CHECK_EQ(run.inet.Requests, std::vector<std::u16string>{u"GET http://127.0.0.1/u"});

    // Closed while the request runs, the window cancels it, stops its timers and goes once.
    run.form->Unload();
    run.form->Unload();
    CHECK_EQ(run.inet.Cancels, 1);
    CHECK_EQ(run.face.Timers, std::array<int, 2>{0, 0});
    CHECK_EQ(run.face.UnloadedCount, 1);
}
