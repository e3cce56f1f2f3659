// The real window against a real HTTP server on 127.0.0.1, under Qt's offscreen platform.

#include "Inet.h"
#include "TestHttpServer.h"
#include "WindowRun.h"

#include <QAccessible>
#include <QLabel>
#include "LogTextBox.h"
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>

namespace {

const QString kUpdate = QStringLiteral("update");
const QString kLatest = QStringLiteral("latest");
const QString kFailure = QStringLiteral("failure");

QString Args(const QString& name, const QString& ver, const QUrl& url1, const QString& switches = {})
{
    QString text = name + ' ' + ver + ' ' + url1.toString() + QStringLiteral(" http://127.0.0.1/download");
    return switches.isEmpty() ? text : text + ' ' + switches;
}

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void bodySizes_data();
    void bodySizes();
    void debugRunLogsEveryStep();
    void keys_data();
    void keys();
    void accessKeys();
    void tabOrder();
    void hiddenMode_data();
    void hiddenMode();
    void startTimerMakesExactlyOneRequest();
    void windowShape_data();
    void windowShape();
    void marqueeTrack();
    void addLogAppendsWhateverTheSelection();
    void closeBeforeTheTick();
    void closeDuringTransfer();
    void downloadButton_data();
    void downloadButton();

private:
    TestHttpServer m_server;
};

void tst_frmMain::pages_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ver");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("msg2");
    QTest::addColumn<QString>("msg3");

    const QString notFound = QStringLiteral("バージョン情報が見つかりませんでした。");
    const QString badNumber = QStringLiteral("バージョン番号の解析に失敗しました。");
    const QString latest2 = QStringLiteral("最新バージョンはありません。");
    const QString latest3 = QStringLiteral("現在使っているバージョンが最新です。");
    const QString failure2 = QStringLiteral("バージョン情報の取得に失敗しました。");
    const QString ask = QStringLiteral("ダウンロードページを表示しますか？");

    QTest::newRow("x<MyApp:1.2.0>y over 1.1.9") << QByteArray("x<MyApp:1.2.0>y") << "MyApp" << "1.1.9" << kUpdate
        << QStringLiteral("最新バージョン「Ver 1.2.0」が公開されています。") << ask;
    QTest::newRow("x<MyApp:1.2.0>y over 1.2.0") << QByteArray("x<MyApp:1.2.0>y") << "MyApp" << "1.2.0" << kLatest << latest2 << latest3;
    QTest::newRow("name missing") << QByteArray("Other=9.0>") << "MyApp" << "1.0" << kFailure << failure2 << notFound;
    QTest::newRow("installed version too big") << QByteArray("MyApp=1.0>") << "MyApp" << "1.99999999999" << kFailure << failure2 << badNumber;
    QTest::newRow("published version too big") << QByteArray("MyApp=1.&HFFFFFFFF>") << "MyApp" << "1.0" << kFailure << failure2 << badNumber;
    QTest::newRow("BOM then the file") << QByteArray("\xEF\xBB\xBFMyApp=2.0>") << "MyApp" << "1.0" << kUpdate
        << QStringLiteral("最新バージョン「Ver 2.0」が公開されています。") << ask;
    QTest::newRow("Japanese name in UTF-8") << QByteArray("<アプリ:2.0>") << "アプリ" << "1.5" << kUpdate
        << QStringLiteral("最新バージョン「Ver 2.0」が公開されています。") << ask;
    QTest::newRow("rich text in the body stays plain") << QByteArray("MyApp=<b>2</b>") << "MyApp" << "1.0" << kLatest << latest2 << latest3;
}

void tst_frmMain::pages()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, name);
    QFETCH(QString, ver);
    QFETCH(QString, page);
    QFETCH(QString, msg2);
    QFETCH(QString, msg3);

    const QByteArray path = "/pages/" + QByteArray::number(QTest::currentDataTag() ? qHash(QByteArray(QTest::currentDataTag())) : 0);
    m_server.RouteBody(path, body);
    WindowRun run(Args(name, ver, m_server.Url(path)));
    run.Tick();
    QVERIFY(run.WaitForOutcome());

    QCOMPARE(PageOf(*run.form), page);
    QCOMPARE(run.form->lblMsg2->text(), msg2);
    QCOMPARE(run.form->lblMsg3->text(), msg3);
    QCOMPARE(run.form->lblMsg2->textFormat(), Qt::PlainText);
    QVERIFY(!run.form->fraPage[0]->isVisibleTo(run.form.get()));
    QVERIFY(!run.form->IsUnloaded());
    QCOMPARE(run.platform.Raiser.Calls, 1);

    // The page's buttons, captions and roles.
    QCOMPARE(run.form->cmdClose->isVisibleTo(run.form.get()), true);
    if (page == kUpdate) {
        QCOMPARE(run.form->DefaultButton(), run.form->cmdOK);
        QCOMPARE(run.form->CancelButton(), run.form->cmdClose);
        QCOMPARE(run.form->cmdClose->text(), QStringLiteral("今は何もしない(&C)"));
        QCOMPARE(run.form->focusWidget(), run.form->cmdOK);
    } else {
        QCOMPARE(run.form->DefaultButton(), run.form->cmdClose);
        QCOMPARE(run.form->CancelButton(), nullptr);
        QCOMPARE(run.form->cmdClose->text(), QStringLiteral("閉じる(&C)"));
        QCOMPARE(run.form->focusWidget(), run.form->cmdClose);
    }
    // 9 points on the failure page only.
    QCOMPARE(run.form->lblMsg3->font().pixelSize(), page == kFailure ? 12 : 15);

    // To a screen reader the window is a dialog named after its title, and the button that
    // takes the focus carries the outcome.
    const QAccessibleInterface* window = QAccessible::queryAccessibleInterface(run.form.get());
    QCOMPARE(window->role(), QAccessible::Dialog);
    QCOMPARE(window->text(QAccessible::Name), name + QStringLiteral(" 最新バージョンの確認"));
    const QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(run.form->focusWidget());
    QCOMPARE(focused->text(QAccessible::Description), msg2 + ' ' + msg3);
}

void tst_frmMain::bodySizes_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("text");

    auto padded = [](int size) {
        const QByteArray tail = "MyApp=2.0>";
        return QByteArray(size - tail.size(), 'x') + tail;
    };
    QTest::newRow("0 bytes") << QByteArray() << kFailure << QString();
    QTest::newRow("3 bytes, BOM only") << QByteArray("\xEF\xBB\xBF") << kFailure << QString();
    QTest::newRow("2 bytes, half a BOM: one cut-off sequence") << QByteArray("\xEF\xBB") << kFailure << QStringLiteral("\uFFFD");
    QTest::newRow("BOM and 3 letters") << QByteArray("\xEF\xBB\xBF" "abc") << kFailure << QStringLiteral("abc");
    QTest::newRow("BOM not at the start") << QByteArray("a\xEF\xBB\xBF") << kFailure << QStringLiteral("a\uFEFF");
    QTest::newRow("1024 bytes") << padded(1024) << kUpdate << QString::fromLatin1(padded(1024));
    QTest::newRow("1025 bytes") << padded(1025) << kUpdate << QString::fromLatin1(padded(1025));
    QTest::newRow("20000 bytes") << padded(20000) << kUpdate << QString::fromLatin1(padded(20000));
}

void tst_frmMain::bodySizes()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, page);
    QFETCH(QString, text);

    const QByteArray path = "/size/" + QByteArray::number(qHash(body));
    m_server.RouteBody(path, body);
    WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url(path), QStringLiteral("/d")));
    run.Tick();
    QVERIFY(run.WaitForOutcome());
    QCOMPARE(PageOf(*run.form), page);

    // The text between the markers is the whole body, joined from its pieces in order.
    const QStringList lines = run.LogLines();
    const qsizetype received = lines.indexOf(QStringLiteral("--- Received File ---"));
    QVERIFY(received >= 0);
    QCOMPARE(lines.value(received + 2), QStringLiteral("--- File End ---"));
    QCOMPARE(lines.value(received + 1), text);
}

void tst_frmMain::debugRunLogsEveryStep()
{
    m_server.RouteBody("/debug", "MyApp=1.1.0>");
    const QString url1 = m_server.Url("/debug").toString();
    WindowRun run(QStringLiteral("MyApp 1.0.0 %1 u2 /d").arg(url1));
    QVERIFY(run.form->isVisible());
    run.Tick();
    QVERIFY(run.WaitForOutcome());

    const QStringList expected = {
        QStringLiteral("Norvil Ver1.0"),
        QStringLiteral("Name:\tMyApp"),
        QStringLiteral("Ver:\t1.0.0"),
        QStringLiteral("URL1:\t") + url1,
        QStringLiteral("URL2:\tu2"),
        QString(),
        QStringLiteral("--- Start ---"),
        QStringLiteral("--- Received File ---"),
        QStringLiteral("MyApp=1.1.0>"),
        QStringLiteral("--- File End ---"),
        QString(),
        QStringLiteral("ORG:1.0.0"),
        QStringLiteral("NEW:1.1.0"),
    };
    QCOMPARE(run.LogLines(), expected);
    QCOMPARE(run.form->lblMsg2->text(), QStringLiteral("最新バージョン「Ver 1.1.0」が公開されています。"));
    QCOMPARE(run.platform.Raiser.Calls, 1);
    QCOMPARE(run.platform.Raiser.LastHandle, static_cast<std::uintptr_t>(run.form->winId()));
    QVERIFY(run.form->isVisible());
    QVERIFY(!run.form->IsUnloaded());
}

void tst_frmMain::keys_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<bool>("focusLog");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("unloaded");

    const QByteArray newer = "MyApp=2.0>";
    const QByteArray same = "MyApp=1.0>";
    const QByteArray missing = "nothing";
    QTest::newRow("update page, Enter opens the page") << newer << "" << false << int(Qt::Key_Return) << true << true;
    QTest::newRow("update page, keypad Enter opens the page") << newer << "" << false << int(Qt::Key_Enter) << true << true;
    QTest::newRow("update page, Escape closes") << newer << "" << false << int(Qt::Key_Escape) << false << true;
    QTest::newRow("update page, Enter in the log opens the page") << newer << "/d" << true << int(Qt::Key_Return) << true << false;
    QTest::newRow("latest page, Enter closes") << same << "" << false << int(Qt::Key_Return) << false << true;
    QTest::newRow("latest page, Escape does nothing") << same << "" << false << int(Qt::Key_Escape) << false << false;
    QTest::newRow("failure page, Enter closes") << missing << "" << false << int(Qt::Key_Return) << false << true;
    QTest::newRow("failure page, Escape does nothing") << missing << "" << false << int(Qt::Key_Escape) << false << false;
    QTest::newRow("failure page, Escape in the log does nothing") << missing << "/d" << true << int(Qt::Key_Escape) << false << false;
}

void tst_frmMain::keys()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, switches);
    QFETCH(bool, focusLog);
    QFETCH(int, key);
    QFETCH(bool, opened);
    QFETCH(bool, unloaded);

    m_server.RouteBody("/keys", body);
    WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url("/keys"), switches));
    run.Tick();
    QVERIFY(run.WaitForOutcome());
    QWidget* target = focusLog ? static_cast<QWidget*>(run.form->txtLog) : run.form->focusWidget();
    QVERIFY(target);
    if (focusLog)
        target->setFocus();

    QTest::keyClick(target, static_cast<Qt::Key>(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(!run.platform.Browser.Opened.isEmpty(), opened);
    QCOMPARE(run.form->IsUnloaded(), unloaded);
    if (focusLog) // Enter pressed the button instead of breaking a line in the log
        QVERIFY(run.form->LogText().endsWith(QStringLiteral("ShellExecute() = 42\r\n")) || !opened);
}

void tst_frmMain::accessKeys()
{
    m_server.RouteBody("/access", "MyApp=2.0>");
    for (const auto& [key, opened] : {std::pair{Qt::Key_O, true}, std::pair{Qt::Key_C, false}}) {
        WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url("/access")));
        run.Tick();
        QVERIFY(run.WaitForOutcome());
        run.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.form.get()));
        QTest::keyClick(run.form->focusWidget(), key, Qt::AltModifier);
        // An access key presses its button with a short animated click.
        QTRY_VERIFY_WITH_TIMEOUT(run.form->IsUnloaded(), 5000);
        QCOMPARE(!run.platform.Browser.Opened.isEmpty(), opened);
    }
}

void tst_frmMain::tabOrder()
{
    m_server.RouteBody("/tab", "MyApp=2.0>");
    WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url("/tab"), QStringLiteral("/d")));
    run.Tick();
    QVERIFY(run.WaitForOutcome());
    QCOMPARE(run.form->focusWidget(), run.form->cmdOK);
    for (QWidget* next : {static_cast<QWidget*>(run.form->cmdClose), static_cast<QWidget*>(run.form->txtLog),
                          static_cast<QWidget*>(run.form->cmdOK)}) {
        QTest::keyClick(run.form->focusWidget(), Qt::Key_Tab);
        QCOMPARE(run.form->focusWidget(), next);
    }
}

void tst_frmMain::hiddenMode_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("page");

    QTest::newRow("/h newer: shown on the update page") << "/h" << QByteArray("MyApp=2.0>") << false << true << kUpdate;
    QTest::newRow("/h latest: never shown, ends") << "/h" << QByteArray("MyApp=1.0>") << false << false << kLatest;
    QTest::newRow("/h name missing: never shown, ends") << "/h" << QByteArray("none") << false << false << kFailure;
    QTest::newRow("/h bad installed version: never shown, ends") << "/h" << QByteArray("MyApp=1.0>") << false << false << kFailure;
    QTest::newRow("/h transfer error: never shown, ends") << "/h" << QByteArray() << true << false << kFailure;
    QTest::newRow("/h /d latest: shown and stays") << "/h /d" << QByteArray("MyApp=1.0>") << false << true << kLatest;
    QTest::newRow("/d /h transfer error: shown and stays") << "/d /h" << QByteArray() << true << true << kFailure;
}

void tst_frmMain::hiddenMode()
{
    QFETCH(QString, switches);
    QFETCH(QByteArray, body);
    QFETCH(bool, refused);
    QFETCH(bool, shown);
    QFETCH(QString, page);

    m_server.RouteBody("/hidden", body);
    const QUrl url = refused ? TestHttpServer::RefusedUrl() : m_server.Url("/hidden");
    const QString ver = QString::fromLatin1(QTest::currentDataTag()).contains("bad installed")
        ? QStringLiteral("99999999999") : QStringLiteral("1.0");
    WindowRun run(Args(QStringLiteral("MyApp"), ver, url, switches));
    const bool debug = switches.contains("/d");
    QCOMPARE(run.form->isVisible(), debug);
    run.Tick();
    QVERIFY(run.WaitForOutcome());

    QCOMPARE(PageOf(*run.form), page);
    QCOMPARE(run.shownCount > 0, shown);
    QCOMPARE(run.form->IsUnloaded(), !shown);
    QCOMPARE(run.unloadedCount, shown ? 0 : 1);
    if (page == kUpdate) {
        QVERIFY(run.form->isVisible());
        QCOMPARE(run.platform.Raiser.Calls, 1);
    }
    if (!shown) // the page was filled while the window was hidden: it gave no focus
        QCOMPARE(run.form->focusWidget(), nullptr);
}

void tst_frmMain::startTimerMakesExactlyOneRequest()
{
    m_server.RouteBody("/once", "MyApp=1.0>");
    const qsizetype before = m_server.RequestCount();
    WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url("/once")));
    QCOMPARE(run.form->cTimer1->interval(), 1000);
    QVERIFY(run.form->cTimer1->isActive());
    QVERIFY(run.WaitForOutcome(5000)); // the real tick, a second after start
    QVERIFY(!run.form->cTimer1->isActive());
    QTest::qWait(100); // a short window in which a second request would show up
    QCOMPARE(m_server.RequestCount(), before + 1);
    const QByteArray request = m_server.Requests().last();
    QVERIFY(request.startsWith("GET /once HTTP/1.1\r\n"));
    QVERIFY(request.endsWith("\r\n\r\n")); // no request body
}

void tst_frmMain::windowShape_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("visible");
    QTest::newRow("normal") << "" << 128 << true;
    QTest::newRow("/d") << "/d" << 384 << true;
    QTest::newRow("/h") << "/h" << 128 << false;
    QTest::newRow("/h /d") << "/h /d" << 384 << true;
}

void tst_frmMain::windowShape()
{
    QFETCH(QString, switches);
    QFETCH(int, height);
    QFETCH(bool, visible);

    WindowRun run(QStringLiteral("App[*] 1.0 u1 u2 ") + switches);
    frmMain& form = *run.form;
    QCOMPARE(form.isVisible(), visible);
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
    QCOMPARE(form.fraPage[0]->geometry(), QRect(4, 4, 449, 117));
    QVERIFY(form.Label1->geometry().top() >= 128);
    QVERIFY(form.txtLog->geometry().bottom() < 384);
}

void tst_frmMain::marqueeTrack()
{
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /h"));
    frmMain& form = *run.form;
    QCOMPARE(form.cTimer2->interval(), 500);
    QVERIFY(form.cTimer2->isActive()); // also while the window is hidden
    form.cTimer2->stop();               // the test drives the ticks itself

    const QChar white(0x25A1), black(0x25A0);
    for (int tick = 1; tick <= 40; ++tick) {
        form.cTimer2_Timer();
        const int cell = (tick - 1) % 18;
        const QString expected = QString(cell, white) + black + QString(17 - cell, white);
        QCOMPARE(form.lblProg->text(), expected);
        QCOMPARE(form.lblProg->property("Tag").toString(), QString::number(tick % 18));
    }

    // Once the result page replaces it, the hidden marquee keeps advancing.
    form.ShowLatestPage();
    const QString tag = form.lblProg->property("Tag").toString();
    form.cTimer2_Timer();
    QVERIFY(form.lblProg->property("Tag").toString() != tag);
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
    QCOMPARE(form.txtLog->document()->toPlainText(), QString(before + QStringLiteral("A\r\n\r\nB\r\n")).replace("\r\n", "\n"));
    QVERIFY(!form.txtLog->textCursor().hasSelection());
    QVERIFY(form.txtLog->textCursor().atEnd());
}

void tst_frmMain::closeBeforeTheTick()
{
    const qsizetype before = m_server.RequestCount();
    WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url("/never")));
    QVERIFY(run.form->close());
    QVERIFY(run.form->IsUnloaded());
    QCOMPARE(run.unloadedCount, 1);
    QVERIFY(!run.form->cTimer1->isActive());
    QVERIFY(!run.form->cTimer2->isActive());
    QTest::qWait(1300); // proving nothing: past the start timer's second, no request is made
    QCOMPARE(m_server.RequestCount(), before);
}

void tst_frmMain::closeDuringTransfer()
{
    m_server.Route("/stall", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nMyApp=", TestHttpServer::After::Stall);
    WindowRun run(Args(QStringLiteral("MyApp"), QStringLiteral("1.0"), m_server.Url("/stall")));
    run.Tick();
    QVERIFY(QTest::qWaitFor([&] { return m_server.Requests().size() > 0 && run.form->cInet->StillExecuting(); }, 5000));

    run.form->close();
    QVERIFY(run.form->IsUnloaded());
    QVERIFY(!run.form->cInet->StillExecuting()); // cancelled by the unload
    QTest::qWait(200); // a short window in which a late notification would arrive
    QCOMPARE(PageOf(*run.form), QStringLiteral("none"));
    QCOMPARE(run.unloadedCount, 1);
}

void tst_frmMain::downloadButton_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QString>("message");

    QTest::newRow("opened") << 42 << "" << QString();
    QTest::newRow("file not found") << 2 << "" << QStringLiteral("指定されたファイルが見つかりませんでした。");
    QTest::newRow("path not found, debug") << 3 << "/d" << QStringLiteral("指定されたURLが見つかりませんでした。");
    QTest::newRow("no association") << 31 << "" << QStringLiteral("ブラウザを開くことができませんでした。");
    QTest::newRow("out of resources, debug") << 0 << "/d" << QStringLiteral("ブラウザを開くことができませんでした。");
    QTest::newRow("32 is still a failure") << 32 << "" << QStringLiteral("ブラウザを開くことができませんでした。");
    QTest::newRow("33 is success, debug") << 33 << "/d" << QString();
}

void tst_frmMain::downloadButton()
{
    QFETCH(int, result);
    QFETCH(QString, switches);
    QFETCH(QString, message);

    m_server.RouteBody("/button", "MyApp=2.0>");
    WindowRun run(QStringLiteral("MyApp 1.0 %1 http://example.invalid/get?a=1&b=日本 %2")
                      .arg(m_server.Url("/button").toString(), switches));
    run.platform.Browser.Result = result;
    run.Tick();
    QVERIFY(run.WaitForOutcome());
    const qsizetype linesBefore = run.LogLines().size();

    run.form->cmdOK->click();
    QCOMPARE(run.platform.Browser.Opened, QStringList{QStringLiteral("http://example.invalid/get?a=1&b=日本")});
    QStringList expected{QStringLiteral("ShellExecute() = %1").arg(result)};
    if (!message.isEmpty())
        expected << message;
    QCOMPARE(run.LogLines().mid(linesBefore), expected);
    QCOMPARE(run.form->IsUnloaded(), switches.isEmpty());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
