// The real window against a real HTTP server on 127.0.0.1, under Qt's offscreen platform. One
// table of runs: the words and the served file in; out the page with its texts, buttons and
// focus, whether the window was shown or ended once the user acted, what it opened, and the end
// of the log. Then what a run cannot show: the window at start, the marquee, the log box, the
// start timer.

#include "Inet.h"
#include "LogTextBox.h"
#include "TestHttpServer.h"
#include "WindowRun.h"

#include <QAccessible>
#include <QScreen>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>

namespace {

const QString kUpdate = QStringLiteral("update");
const QString kLatest = QStringLiteral("latest");
const QString kFailure = QStringLiteral("failure");
const QString kUrl2 = QStringLiteral("http://example.invalid/get?a=1&b=日本");
const QByteArray kRefused; // no server: a transfer error

// What the user does once the outcome shows.
enum class Act { Nothing, Return, Escape, KeypadEnterInLog, ClickOK };

QString Words(const QString& name, const QString& ver, const QString& switches = {})
{
    return QStringList{name, ver, QStringLiteral("{url1}"), QStringLiteral("{url2}"), switches}.join(QLatin1Char(' ')).trimmed();
}

// The log's lines from the received file on; text's lines are separated by line feeds.
QStringList Received(const QString& text, const QStringList& after)
{
    return QStringList{QStringLiteral("--- Received File ---")} + text.split(QLatin1Char('\n'))
         + QStringList{QStringLiteral("--- File End ---"), QString()} + after;
}

} // namespace

Q_DECLARE_METATYPE(Act)

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void windowAtStart_data();
    void windowAtStart();
    void marqueeTrack();
    void addLogAppendsWhateverTheSelection();
    void tabOrder();
    void startTimer();

private:
    TestHttpServer m_server;
};

void tst_frmMain::runs_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Act>("act");
    QTest::addColumn<int>("browser");      // what the browser opener answers
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("texts"); // headline and detail, when the row is about them
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QStringList>("log");   // the log's last lines, when the row is about them

    auto row = [](const char* tag, const QString& words, const QByteArray& body, Act act, const QString& page, const QStringList& texts,
                  bool shown, bool ended, bool opened, const QStringList& log = {}, int browser = 42) {
        QTest::newRow(tag) << words << body << act << browser << page << texts << shown << ended << opened << log;
    };
    const QString ask = QStringLiteral("ダウンロードページを表示しますか？");
    const QString failed = QStringLiteral("バージョン情報の取得に失敗しました。");
    const QString notFound = QStringLiteral("バージョン情報が見つかりませんでした");
    const QString unreadable = QStringLiteral("バージョン番号の解析に失敗しました");
    const QString error = QStringLiteral("--- Error ---");
    const QByteArray newer = "MyApp=2.0>", same = "MyApp=1.0>";
    const QString v1 = Words("MyApp", "1.0"), debug = Words("MyApp", "1.0", "/d"), silent = Words("MyApp", "1.0", "/h");
    const QStringList missing = {"ORG:1.0", error, notFound};
    auto padded = [](int size) { return QByteArray(size - 10, 'x') + "MyApp=2.0>"; };
    // Over 256 KiB in lines whose characters take three bytes, so that the 256 KiB mark falls
    // inside a character: the body is turned into text a run of whole lines at a time.
    QByteArray lines;
    while (lines.size() < 300000)
        lines += "xx日本語の行\n";
    lines += "MyApp=2.0>";

    // The pages: what the file and the installed version give.
    row("x<MyApp:1.2.0>y over 1.2.0", Words("MyApp", "1.2.0"), "x<MyApp:1.2.0>y", Act::Nothing, kLatest,
        {"最新バージョンはありません。", "現在使っているバージョンが最新です。"}, true, false, false);
    row("name missing", v1, "Other=9.0>", Act::Nothing, kFailure, {failed, notFound + "。"}, true, false, false, {error, notFound});
    row("installed version too big", Words("MyApp", "1.99999999999"), same, Act::Nothing, kFailure, {failed, unreadable + "。"}, true, false,
        false, Received("MyApp=1.0>", {error, unreadable}));
    row("published version too big", v1, "MyApp=1.&HFFFFFFFF>", Act::Nothing, kFailure, {}, true, false, false, {"NEW:1.&HFFFFFFFF", error, unreadable});
    row("BOM then the file", v1, "\xEF\xBB\xBFMyApp=2.0>", Act::Nothing, kUpdate, {}, true, false, false, Received("MyApp=2.0>", {"ORG:1.0", "NEW:2.0"}));
    // CR LF is one line break in the log; a lone CR or LF is one too.
    row("CR LF, CR and LF in the file", v1, "MyApp=2.0>\r\nb\rc\nd", Act::Nothing, kUpdate, {}, true, false, false,
        Received("MyApp=2.0>\nb\nc\nd", {"ORG:1.0", "NEW:2.0"}));

    // Bodies of every size, joined from their pieces in order.
    row("0 bytes", v1, "", Act::Nothing, kFailure, {}, true, false, false, Received("", missing));
    row("1024 bytes: a whole piece, then none", v1, padded(1024), Act::Nothing, kUpdate, {}, true, false, false,
        Received(QString::fromLatin1(padded(1024)), {"ORG:1.0", "NEW:2.0"}));
    row("300000 bytes in lines", v1, lines, Act::Nothing, kUpdate, {}, true, false, false, Received(QString::fromUtf8(lines), {"ORG:1.0", "NEW:2.0"}));

    // A whole debug run: every line of the log after the header.
    row("debug run", "MyApp 1.0.0 {url1} u2 /d", "MyApp=1.1.0>", Act::Nothing, kUpdate, {"最新バージョン「Ver 1.1.0」が公開されています。", ask},
        true, false, false, QStringList{"URL2:\tu2", "", "--- Start ---"} + Received("MyApp=1.1.0>", {"ORG:1.0.0", "NEW:1.1.0"}));

    // Keys: Enter presses the default button, Escape the cancel button where there is one.
    row("update page, Return opens the page", v1, newer, Act::Return, kUpdate, {}, true, true, true);
    row("update page, Escape closes", v1, newer, Act::Escape, kUpdate, {}, true, true, false);
    row("update page, keypad Enter in the log opens the page", debug, newer, Act::KeypadEnterInLog, kUpdate, {}, true, false, true,
        {"NEW:2.0", "ShellExecute() = 42"});
    row("latest page, Return closes", v1, same, Act::Return, kLatest, {}, true, true, false);
    row("latest page, Escape does nothing", v1, same, Act::Escape, kLatest, {}, true, false, false);

    // Silent mode: only a newer version shows the window; anything else ends unseen.
    row("/h newer: shown on the update page", silent, newer, Act::Nothing, kUpdate, {}, true, false, false);
    row("/h latest: never shown, ends", silent, same, Act::Nothing, kLatest, {}, false, true, false);
    row("/h transfer error: never shown, ends", silent, kRefused, Act::Nothing, kFailure, {}, false, true, false);
    row("/h /d latest: shown and stays", Words("MyApp", "1.0", "/h /d"), same, Act::Nothing, kLatest, {}, true, false, false);
    row("/d /h transfer error: shown and stays", Words("MyApp", "1.0", "/d /h"), kRefused, Act::Nothing, kFailure, {}, true, false, false);

    // The download button: what the shell answers goes to the log; outside debug mode it ends.
    const QString noBrowser = QStringLiteral("ブラウザを開くことができませんでした。");
    row("button, file not found", v1, newer, Act::ClickOK, kUpdate, {}, true, true, true, {"ShellExecute() = 2", "指定されたファイルが見つかりませんでした。"}, 2);
    row("button, path not found, debug", debug, newer, Act::ClickOK, kUpdate, {}, true, false, true, {"ShellExecute() = 3", "指定されたURLが見つかりませんでした。"}, 3);
    row("button, 32 is still a failure", v1, newer, Act::ClickOK, kUpdate, {}, true, true, true, {"ShellExecute() = 32", noBrowser}, 32);
    row("button, 33 is success, debug", debug, newer, Act::ClickOK, kUpdate, {}, true, false, true, {"NEW:2.0", "ShellExecute() = 33"}, 33);
}

void tst_frmMain::runs()
{
    QFETCH(QString, words);
    QFETCH(QByteArray, body);
    QFETCH(Act, act);
    QFETCH(int, browser);
    QFETCH(QString, page);
    QFETCH(QStringList, texts);
    QFETCH(bool, shown);
    QFETCH(bool, ended);
    QFETCH(bool, opened);
    QFETCH(QStringList, log);

    const QString url1 = (body.isNull() ? TestHttpServer::RefusedUrl() : m_server.Serve(TestHttpServer::Ok(body))).toString();
    WindowRun run(QString(words).replace(QLatin1String("{url1}"), url1).replace(QLatin1String("{url2}"), kUrl2));
    frmMain& form = *run.form;
    run.platform.Result = browser;
    // Silent mode keeps the window hidden from the start; debug mode shows it anyway.
    QCOMPARE(form.isVisible(), !words.contains(QLatin1String("/h")) || words.contains(QLatin1String("/d")));
    run.Tick();
    QVERIFY(run.WaitForOutcome());
    QCOMPARE(PageOf(form), page);
    QCOMPARE(form.fraPage[0]->isVisibleTo(&form), page == QLatin1String("none")); // one page at a time
    if (!texts.isEmpty()) {
        QCOMPARE(form.lblMsg2->text(), texts.at(0));
        QCOMPARE(form.lblMsg3->text(), texts.at(1));
    }

    if (form.isVisible()) { // the page's buttons, their roles and the focus, as the user meets them
        const bool update = page == kUpdate;
        QCOMPARE(form.DefaultButton(), update ? form.cmdOK : form.cmdClose);
        QCOMPARE(form.CancelButton(), update ? form.cmdClose : nullptr);
        QCOMPARE(form.cmdOK->isVisibleTo(&form), update);
        QCOMPARE(form.cmdClose->text(), update ? QStringLiteral("今は何もしない(&C)") : QStringLiteral("閉じる(&C)"));
        QCOMPARE(form.focusWidget(), update ? form.cmdOK : form.cmdClose);
        QCOMPARE(form.lblMsg3->font().pixelSize(), page == kFailure ? 12 : 15); // 9 points on the failure page
        // To a screen reader: a dialog named after its title, its focused button telling the outcome.
        const QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
        QCOMPARE(window->role(), QAccessible::Dialog);
        QCOMPARE(QAccessible::queryAccessibleInterface(form.focusWidget())->text(QAccessible::Description),
                 form.lblMsg2->text() + ' ' + form.lblMsg3->text());
        // Brought to the top when the evaluation shows it; a transfer error leaves it where it is.
        QCOMPARE(run.platform.Raised, body.isNull() ? 0 : 1);
        QCOMPARE(run.platform.RaisedHandle, body.isNull() ? 0 : static_cast<std::uintptr_t>(form.winId()));
    } else { // filled while hidden: no button took the focus
        QCOMPARE(form.focusWidget(), nullptr);
    }

    switch (act) {
    case Act::Nothing:
        break;
    case Act::Return:
    case Act::Escape:
        QTest::keyClick(form.focusWidget(), act == Act::Escape ? Qt::Key_Escape : Qt::Key_Return);
        break;
    case Act::KeypadEnterInLog: // the log box would take Enter for a line break
        form.txtLog->setFocus();
        QTest::keyClick(form.txtLog, Qt::Key_Enter, Qt::KeypadModifier);
        break;
    case Act::ClickOK:
        form.cmdOK->click();
        break;
    }
    QCOMPARE(run.shownCount > 0, shown);
    QCOMPARE(form.IsUnloaded(), ended);
    QCOMPARE(run.unloadedCount, ended ? 1 : 0);
    QCOMPARE(run.platform.Opened, opened ? QStringList{kUrl2} : QStringList{});
    if (!log.isEmpty())
        QCOMPARE(run.LogLines().mid(run.LogLines().size() - log.size()), log);
}

void tst_frmMain::windowAtStart_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<int>("height");
    QTest::newRow("normal") << "" << 128;
    QTest::newRow("/d") << "/d" << 384;
}

void tst_frmMain::windowAtStart()
{
    QFETCH(QString, switches);
    QFETCH(int, height);

    WindowRun run(QStringLiteral("App[*] 1.0 u1 u2 ") + switches);
    frmMain& form = *run.form;
    // Centred when first shown, give or take the frame that the platform adds then.
    const QPoint offCentre = form.frameGeometry().center() - form.screen()->availableGeometry().center();
    const QSize frame = form.frameGeometry().size() - form.size();
    QVERIFY(offCentre.manhattanLength() <= frame.width() + frame.height() + 2);
    // Fixed in size; a close button, but neither minimize nor maximize; the title shows the
    // name as given, "[*]" included; the desktop entry names the window's icon and name.
    QCOMPARE(form.minimumSize(), QSize(460, height));
    QCOMPARE(form.maximumSize(), QSize(460, height));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    form.winId();
    QCOMPARE(form.windowHandle()->title(), QStringLiteral("App[*] 最新バージョンの確認"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("norvil"));
    QVERIFY(!form.windowIcon().isNull());

    // The progress page with the empty track; the log area starts below the normal height.
    QVERIFY(form.fraPage[0]->isVisibleTo(&form));
    QVERIFY(!form.fraPage[1]->isVisibleTo(&form));
    QCOMPARE(form.lblProg->text(), QString(18, QChar(0x25A1)));
    QVERIFY(form.Label1->geometry().top() >= 128);
    QVERIFY(form.txtLog->geometry().bottom() < 384);
    // The log's header, whatever the mode.
    QCOMPARE(run.LogLines(), (QStringList{"Norvil Ver1.0", "Name:\tApp[*]", "Ver:\t1.0", "URL1:\tu1", "URL2:\tu2", ""}));
}

void tst_frmMain::marqueeTrack()
{
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /h"));
    frmMain& form = *run.form;
    QVERIFY(form.cTimer2->isActive()); // also while the window is hidden

    const QChar white(0x25A1), black(0x25A0);
    for (int tick = 1; tick <= 40; ++tick) {
        form.cTimer2_Timer();
        const int cell = (tick - 1) % 18;
        QCOMPARE(form.lblProg->text(), QString(cell, white) + black + QString(17 - cell, white));
    }

    // Once the result page replaces it, the hidden marquee keeps advancing.
    form.ShowLatestPage();
    QVERIFY(form.cTimer2->isActive());
}

void tst_frmMain::addLogAppendsWhateverTheSelection()
{
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /d"));
    frmMain& form = *run.form;
    const QString before = form.LogText();

    // The user sees the log and selects "Name" in its second line.
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY_WITH_TIMEOUT(!form.txtLog->document()->isEmpty(), 5000);
    const QTextCursor selection = form.txtLog->document()->find(QStringLiteral("Name"));
    QVERIFY(selection.hasSelection());
    form.txtLog->setTextCursor(selection);

    form.AddLog(QStringLiteral("A"));
    form.AddLog(QString());
    form.AddLog(QStringLiteral("B"));
    QCOMPARE(form.LogText(), before + QStringLiteral("A\r\n\r\nB\r\n"));
    QVERIFY(!form.txtLog->textCursor().hasSelection());
    QVERIFY(form.txtLog->textCursor().atEnd());
}

void tst_frmMain::tabOrder()
{
    WindowRun run(QStringLiteral("MyApp 1.0 u1 u2 /d"));
    run.form->ShowUpdatePage(clsVersion());
    QCOMPARE(run.form->focusWidget(), run.form->cmdOK);
    for (QWidget* next : {static_cast<QWidget*>(run.form->cmdClose), static_cast<QWidget*>(run.form->txtLog),
                          static_cast<QWidget*>(run.form->cmdOK)}) {
        QTest::keyClick(run.form->focusWidget(), Qt::Key_Tab);
        QCOMPARE(run.form->focusWidget(), next);
    }
}

void tst_frmMain::startTimer()
{
    // Closed before its tick, the window makes no request; left alone, it makes exactly one,
    // a second after start, with no body.
    TestHttpServer server;
    const QUrl once = server.Serve(TestHttpServer::Ok("MyApp=1.0>"));
    WindowRun closed(QStringLiteral("MyApp 1.0 %1 u2").arg(server.Url("/never").toString()));
    WindowRun run(QStringLiteral("MyApp 1.0 %1 u2").arg(once.toString()));
    QVERIFY(closed.form->close());
    QVERIFY(closed.form->IsUnloaded());
    QCOMPARE(closed.unloadedCount, 1);
    QVERIFY(run.WaitForOutcome(5000)); // the real tick, a second after start
    QVERIFY(!run.form->cTimer1->isActive());
    QTest::qWait(300); // a short window in which a second request, or the closed window's, would show up
    QCOMPARE(server.Requests().size(), 1);
    QVERIFY(server.Requests().first().startsWith("GET " + once.path().toLatin1() + " HTTP/1.1\r\n"));
    QVERIFY(server.Requests().first().endsWith("\r\n\r\n"));
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
