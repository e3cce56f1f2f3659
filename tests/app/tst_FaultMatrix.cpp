// Every outcome of the transfer, as the window shows and logs it: each row runs the real window
// against real sockets on 127.0.0.1, within a bound.

#include "Inet.h"
#include "TestHttpServer.h"
#include "WindowRun.h"

#include <QLabel>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

using After = TestHttpServer::After;

// The transfer's time-out in these tests; the program's own stays 60 s.
constexpr int kTimeoutSeconds = 5; // above the ~3 s that Qt takes to give up a redirect loop

// The page each row ends on, and for a failure the reason it gives (its Japanese source).
const QString kUpdate = QStringLiteral("update");
const QString kFailure = QStringLiteral("failure");
const char* const kTransferError = "インターネットに接続されていないか、サーバーが停止している可能性があります。";
const char* const kUnreadable = "バージョン番号の解析に失敗しました。";

QByteArray Response(const QByteArray& headers, const QByteArray& body)
{
    return "HTTP/1.1 " + headers + "\r\n\r\n" + body;
}

QByteArray Chunked(const QByteArray& data, qsizetype chunkSize)
{
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += chunkSize) {
        const QByteArray piece = data.mid(at, chunkSize);
        out += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
    }
    return out + "0\r\n\r\n";
}

bool UnderWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace

class tst_FaultMatrix : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void matrix_data();
    void matrix();
    void closing_data();
    void closing();

private:
    TestHttpServer m_http;
    TestHttpServer m_https{QStringLiteral("server")};
    TestHttpServer m_selfSigned{QStringLiteral("selfsigned")};
    QTemporaryDir m_dir;
    // A local update file the program must not read: on Linux a named pipe that nobody writes
    // to, which would block for ever; on Windows a plain file naming a newer version.
    QString m_localFile;
};

void tst_FaultMatrix::initTestCase()
{
    // Trust the test CA, as a system would trust a real one; the self-signed server stays untrusted.
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificate(TestHttpServer::TestCa());
    QSslConfiguration::setDefaultConfiguration(config);

    m_localFile = m_dir.filePath(QStringLiteral("update.txt"));
#ifdef Q_OS_WIN
    QFile file(m_localFile);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("<MyApp:2.0>") == 11);
#else
    QCOMPARE(::mkfifo(QFile::encodeName(m_localFile).constData(), 0600), 0);
#endif
}

void tst_FaultMatrix::matrix_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("reason");   // a failure's detail line, as its Japanese source
    QTest::addColumn<QString>("infoPart"); // in the logged failure information
    QTest::addColumn<QString>("logPart");  // the received text

    auto failure = [](const char* tag, const QUrl& url, const QString& infoPart = {}) {
        QTest::newRow(tag) << url << kFailure << QString::fromUtf8(kTransferError) << infoPart << QString();
    };
    auto update = [](const char* tag, const QUrl& url, const QString& logPart) {
        QTest::newRow(tag) << url << kUpdate << QString() << QString() << logPart;
    };
    using Server = TestHttpServer;
    const QByteArray file = "<MyApp:2.0>";
    const QString text = QString::fromLatin1(file);
    const QByteArray closed = "\r\nConnection: close";

    failure("connection refused", Server::RefusedUrl(), "refused");
    failure("headers, then stalls", m_http.Serve(Response("200 OK\r\nContent-Length: 100", "<MyApp"), After::Stall), "timed out");
    failure("reset mid-body", m_http.Serve(Response("200 OK\r\nContent-Length: 100", file), After::Reset));
    update("404 with the name in its body", m_http.Serve(Response("404 Not Found\r\nContent-Length: 11" + closed, file)), text);
    update("451 with the name in its body", m_http.Serve(Response("451 Unavailable For Legal Reasons\r\nContent-Length: 11" + closed, file)), text);
    update("503 with the name in its body", m_http.Serve(Response("503 Service Unavailable\r\nContent-Length: 11" + closed, file)), text);
    update("gzip-encoded body", m_http.Serve(Server::Ok(QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xb3\xf1\xad\x74\x2c"
        "\x28\xb0\x32\xd2\x33\xb0\x03\x00\x8f\x5e\x89\xe1\x0b\x00\x00\x00", 31), "Content-Encoding: gzip\r\n")), text);

    // Bodies that do not decode, whatever their status: never read, even in part.
    const QString undecodable = QStringLiteral("could not be decoded");
    failure("deflate that is not deflate, 451", m_http.Serve(Response("451 Unavailable For Legal Reasons\r\nContent-Encoding: deflate\r\nContent-Length: 13"
        + closed, "\xff\xff<MyApp:9.9>")), undecodable);
    failure("brotli that is not brotli", m_http.Serve(Server::Ok("\xff\xff\xff<MyApp:9.9>", "Content-Encoding: br\r\n")), undecodable);
    failure("an encoding nobody decodes", m_http.Serve(Server::Ok("<MyApp:9.9>", "Content-Encoding: compress\r\n")), undecodable);
    failure("103 Early Hints taken as the final answer", m_http.Serve("HTTP/1.1 103 Early Hints\r\nLink: </a.css>; rel=preload\r\n\r\n"
        + Server::Ok(file)), "no final response");

    // Url1 names a file on a web server; nothing else is read, not even a local pipe.
    failure("file: URL", QUrl::fromLocalFile(m_localFile), "refused: file:");

    const QByteArray redirect = "302 Found\r\nContent-Length: 0\r\nConnection: close\r\nLocation: ";
    const QUrl theFile = m_http.Serve(Server::Ok(file));
    update("redirect chain to the file", m_http.Serve(Response(redirect + m_http.Serve(Response(redirect + theFile.path().toLatin1(), {}))
        .toEncoded(), {})), text);
    m_http.Route("/loop", Response("302 Found\r\nContent-Length: 0\r\nLocation: /loop", {}), After::Stall);
    failure("redirect loop", m_http.Url("/loop"), "redirect");

    update("https with a trusted certificate", m_https.Serve(Server::Ok(file)), text);
    failure("https to http redirect", m_https.Serve(Response(redirect + theFile.toEncoded(), {})), "redirect");
    failure("https with a self-signed certificate", m_selfSigned.Serve(Server::Ok(file)), "SSL");

    failure("declared body over 16 MiB", m_http.Serve(Response("200 OK\r\nContent-Length: 16777217", file), After::Stall), "16 MiB");
    failure("undeclared chunked body over 16 MiB", m_http.Serve(Response("200 OK\r\nTransfer-Encoding: chunked",
        Chunked(QByteArray(16 * 1024 * 1024 + 1, 'x'), 65536))), "16 MiB");

    update("NUL bytes", m_http.Serve(Server::Ok(QByteArray("a\0b\0<MyApp:2.0>", 15))), QString::fromUtf16(u"a\0b\0<MyApp:2.0>", 15));
    QTest::newRow("5 MiB line without >") << m_http.Serve(Server::Ok("MyApp=2.0" + QByteArray(5 * 1024 * 1024, '7'))) << kFailure
                                           << QString::fromUtf8(kUnreadable) << QString() << QString();
}

void tst_FaultMatrix::matrix()
{
    QFETCH(QUrl, url);
    QFETCH(QString, page);
    QFETCH(QString, reason);
    QFETCH(QString, infoPart);
    QFETCH(QString, logPart);

    if (url.scheme() == QLatin1String("https") && UnderWine())
        QSKIP("wine's Schannel cannot serve TLS to the in-process server; the end-to-end suite runs "
              "norvil.exe over https against a server outside wine");
    const QString words = QStringLiteral("MyApp 1.0 %1 http://127.0.0.1/download").arg(url.toString());

    WindowRun run(words, kTimeoutSeconds);
    run.Tick();
    QVERIFY(run.WaitForOutcome(30000));
    QCOMPARE(PageOf(*run.form), page);
    if (!reason.isEmpty())
        QCOMPARE(run.form->lblMsg3->text(), frmMain::tr(reason.toUtf8().constData()));
    QVERIFY(!run.form->cInet->StillExecuting());
    const QStringList lines = run.LogLines();
    if (reason == QString::fromUtf8(kTransferError)) {
        QCOMPARE(lines.mid(lines.size() - 3, 1), QStringList{QStringLiteral("--- Error ---")});
        const QString failure = lines.at(lines.size() - 2);
        QCOMPARE(failure, QString::number(run.form->cInet->ResponseCode()) + ':' + run.form->cInet->ResponseInfo());
        QVERIFY(run.form->cInet->ResponseCode() != 0);
        QVERIFY2(failure.contains(infoPart, Qt::CaseInsensitive), qPrintable(failure));
        QCOMPARE(lines.last(), QString());
        QVERIFY(!lines.contains(QStringLiteral("--- Received File ---"))); // never a half body
        // A transfer error neither raises nor closes the window the user already sees.
        QCOMPARE(run.platform.Raised, 0);
        QVERIFY(run.form->isVisible());
    } else {
        const qsizetype received = lines.indexOf(QStringLiteral("--- Received File ---"));
        QVERIFY(received >= 0);
        if (!logPart.isEmpty())
            QCOMPARE(lines.value(received + 1), logPart);
    }
}

void tst_FaultMatrix::closing_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("result"); // closed once the result shows, or while the body comes
    QTest::newRow("while the body comes") << m_http.Serve("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nMyApp=", After::Stall) << false;
    QTest::newRow("after the result") << m_http.Serve(TestHttpServer::Ok("<MyApp:1.0>")) << true;
}

void tst_FaultMatrix::closing()
{
    QFETCH(QUrl, url);
    QFETCH(bool, result);
    WindowRun run(QStringLiteral("MyApp 1.0 %1 u2").arg(url.toString()), kTimeoutSeconds);
    run.Tick();
    QVERIFY(QTest::qWaitFor([&] { return result ? PageOf(*run.form) != QLatin1String("none") : run.form->cInet->StillExecuting(); }, 10000));
    QTest::qWait(100); // the body's first bytes
    const QString log = run.form->LogText();
    run.form->close();
    QVERIFY(run.form->IsUnloaded());
    QVERIFY(!run.form->cInet->StillExecuting()); // cancelled by the unload
    // Proving that nothing arrives late, not even the time-out, takes waiting past it.
    QTest::qWait(kTimeoutSeconds * 1000 + 500);
    QCOMPARE(run.form->LogText(), log);
    QCOMPARE(run.unloadedCount, 1);
}

QTEST_MAIN(tst_FaultMatrix)
#include "tst_FaultMatrix.moc"
