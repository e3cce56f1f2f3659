// The built program as a separate process: it must end by itself whenever nobody will see it.

#include "TestHttpServer.h"

#include <QProcess>
#include <QtTest>

class tst_Binary : public QObject {
    Q_OBJECT

private slots:
    void endsByItself_data();
    void endsByItself();
    void staysOpenWhenShown();

private:
    QProcess* Start(const QStringList& arguments);
    TestHttpServer m_server;
};

QProcess* tst_Binary::Start(const QStringList& arguments)
{
    auto* process = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(NORVIL_BINARY), arguments);
    return process;
}

void tst_Binary::endsByItself_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString latest = m_server.Url("/latest").toString();
    m_server.RouteBody("/latest", "MyApp=1.0>");
    QTest::newRow("no arguments") << QStringList{};
    QTest::newRow("three words") << QStringList{"MyApp", "1.0", latest};
    QTest::newRow("/h latest") << QStringList{"MyApp", "1.0", latest, "u2", "/h"};
    QTest::newRow("/h name missing") << QStringList{"Other", "1.0", latest, "u2", "/h"};
    QTest::newRow("/h transfer error") << QStringList{"MyApp", "1.0", TestHttpServer::RefusedUrl().toString(), "u2", "/h"};
    QTest::newRow("/h unparseable URL") << QStringList{"MyApp", "1.0", "::not a url::", "u2", "/h"};
}

void tst_Binary::endsByItself()
{
    QFETCH(QStringList, arguments);
    QProcess* process = Start(arguments);
    QVERIFY(process->waitForStarted(10000));
    // The server runs in this process, so wait with the event loop turning.
    QVERIFY(QTest::qWaitFor([&] { return process->state() == QProcess::NotRunning; }, 20000));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), 0);
}

void tst_Binary::staysOpenWhenShown()
{
    m_server.RouteBody("/newer", "MyApp=2.0>");
    QProcess* process = Start({"MyApp", "1.0", m_server.Url("/newer").toString(), "u2", "/h"});
    QVERIFY(process->waitForStarted(10000));
    QVERIFY(QTest::qWaitFor([&] { return m_server.RequestCount() > 0; }, 10000));
    QTest::qWait(1000);
    QCOMPARE(process->state(), QProcess::Running); // the update page waits for the user
    process->kill();
    QVERIFY(process->waitForFinished(10000));
}

QTEST_GUILESS_MAIN(tst_Binary)
#include "tst_Binary.moc"
