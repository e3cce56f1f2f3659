// The Qt window as the user meets it, under Qt's offscreen platform: the window at start, the
// keys on each page, what a screen reader gets, the focus order, the log box and the start
// timer. Which page shows and what it says is the check's, tested in tests/check.

#include "WindowRun.h"

#include <QAccessible>
#include <QScreen>
#include <QTextCursor>
#include <QtTest>

using norvil::Ctl;

// What the user does on the page.
enum class Key { Return, Escape, KeypadEnterInLog };
Q_DECLARE_METATYPE(Key)

class tst_FormWindow : public QObject {
    Q_OBJECT

private slots:
    void windowAtStart_data();
    void windowAtStart();
    void keys_data();
    void keys();
    void screenReader();
    void tabOrder();
    void addLogAppendsWhateverTheSelection();
    void startTimerAndClose();
};

void tst_FormWindow::windowAtStart_data()
{
    QTest::addColumn<QString>("switches");
    QTest::addColumn<int>("height");
    QTest::newRow("normal") << "" << 128;
    QTest::newRow("/d") << "/d" << 384;
}

void tst_FormWindow::windowAtStart()
{
    QFETCH(QString, switches);
    QFETCH(int, height);

    WindowRun run(QStringLiteral("App[*] 1.0 u1 u2 ") + switches);
    FormWindow& window = run.window;
    // Centred when first shown, give or take the frame that the platform adds then.
    const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
    const QSize frame = window.frameGeometry().size() - window.size();
    QVERIFY(offCentre.manhattanLength() <= frame.width() + frame.height() + 2);
    // Fixed in size; a close button, but neither minimize nor maximize; the title shows the
    // name as given, "[*]" included; the desktop entry names the window's icon and name.
    QCOMPARE(window.minimumSize(), QSize(460, height));
    QCOMPARE(window.maximumSize(), QSize(460, height));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window.windowHandle()->title(), QStringLiteral("App[*] 最新バージョンの確認"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("norvil"));
    QVERIFY(!window.windowIcon().isNull());
    // The log area starts below the normal height; in debug mode its header shows whole.
    QVERIFY(window.Widget(Ctl::Label1)->geometry().top() >= 128);
    QVERIFY(window.Widget(Ctl::txtLog)->geometry().bottom() < 384);
    if (height == 384)
        QVERIFY(window.Label(Ctl::Label1)->width() >= window.Label(Ctl::Label1)->sizeHint().width());
}

void tst_FormWindow::keys_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<Key>("key");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("ended");
    QTest::newRow("update page, Return opens the page") << QByteArray("MyApp=2.0>") << "" << Key::Return << true << true;
    QTest::newRow("update page, Escape closes") << QByteArray("MyApp=2.0>") << "" << Key::Escape << false << true;
    // The log box would take Enter for a line break.
    QTest::newRow("update page, keypad Enter in the log opens the page") << QByteArray("MyApp=2.0>") << "/d" << Key::KeypadEnterInLog << true << false;
    QTest::newRow("latest page, Escape does nothing") << QByteArray("MyApp=1.0>") << "" << Key::Escape << false << false;
}

void tst_FormWindow::keys()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, switches);
    QFETCH(Key, key);
    QFETCH(bool, opened);
    QFETCH(bool, ended);

    WindowRun run(QStringLiteral("MyApp 1.0 u1 u2 ") + switches);
    // On the progress page, neither key does anything.
    QTest::keyClick(&run.window, Qt::Key_Return);
    QTest::keyClick(&run.window, Qt::Key_Escape);
    QVERIFY(!run.form->IsUnloaded());
    run.Receive(body.constData());
    if (key == Key::KeypadEnterInLog) {
        run.window.Log()->setFocus();
        QTest::keyClick(run.window.Log(), Qt::Key_Enter, Qt::KeypadModifier);
    } else {
        QTest::keyClick(run.window.focusWidget(), key == Key::Escape ? Qt::Key_Escape : Qt::Key_Return);
    }
    QCOMPARE(run.platform.Opened.size(), opened ? 1U : 0U);
    QCOMPARE(run.unloadedCount, ended ? 1 : 0);
    QCOMPARE(run.window.isVisible(), !ended);
}

void tst_FormWindow::screenReader()
{
    // A dialog named after its title; the focused button tells the outcome.
    WindowRun run(QStringLiteral("MyApp 1.0 u1 u2"));
    run.Receive("MyApp=1.0>");
    QCOMPARE(QAccessible::queryAccessibleInterface(&run.window)->role(), QAccessible::Dialog);
    QCOMPARE(QAccessible::queryAccessibleInterface(run.window.focusWidget())->text(QAccessible::Description),
             run.window.Label(Ctl::lblMsg2)->text() + ' ' + run.window.Label(Ctl::lblMsg3)->text());
}

void tst_FormWindow::tabOrder()
{
    WindowRun run(QStringLiteral("MyApp 1.0 u1 u2 /d"));
    run.Receive("MyApp=2.0>");
    QCOMPARE(run.window.focusWidget(), run.window.Widget(Ctl::cmdOK));
    for (Ctl next : {Ctl::cmdClose, Ctl::txtLog, Ctl::cmdOK}) {
        QTest::keyClick(run.window.focusWidget(), Qt::Key_Tab);
        QCOMPARE(run.window.focusWidget(), run.window.Widget(next));
    }
}

void tst_FormWindow::addLogAppendsWhateverTheSelection()
{
    WindowRun run(QStringLiteral("App 1.0 u1 u2 /d"));
    const QString before = run.window.LogText();

    // The user sees the log and selects "Name" in its second line.
    QVERIFY(QTest::qWaitForWindowExposed(&run.window));
    LogTextBox* log = run.window.Log();
    QTRY_VERIFY_WITH_TIMEOUT(!log->document()->isEmpty(), 5000);
    const QTextCursor selection = log->document()->find(QStringLiteral("Name"));
    QVERIFY(selection.hasSelection());
    log->setTextCursor(selection);

    run.form->AddLog(u"A");
    // CR LF, a lone CR and a lone LF are one line break each.
    run.form->AddLog(u"B\r\nC\rD\nE");
    QCOMPARE(run.window.LogText(), before + QStringLiteral("A\r\nB\r\nC\r\nD\r\nE\r\n"));
    QVERIFY(!log->textCursor().hasSelection());
    QVERIFY(log->textCursor().atEnd());
}

void tst_FormWindow::startTimerAndClose()
{
    // Left alone, the window makes its one request when the start timer ticks, a second after
    // load; closed, it goes once (what the check then cancels is tests/check's).
    WindowRun run(QStringLiteral("MyApp 1.0 http://127.0.0.1/u u2"));
    QVERIFY(QTest::qWaitFor([&] { return !run.inet.Requests.empty(); }, 5000));
    QVERIFY(!run.window.Timer(norvil::TimerId::cTimer1).isActive());
    QVERIFY(run.window.close());
    QCOMPARE(run.unloadedCount, 1);
}

QTEST_MAIN(tst_FormWindow)
#include "tst_FormWindow.moc"
