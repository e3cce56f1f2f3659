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

#include <tuple>

namespace {

using After = TestHttpServer::After;

// The transfer's time-out in these tests; the program's own stays 60 s.
constexpr int kTimeoutSeconds = 5; // above the ~3 s that Qt takes to give up a redirect loop

const QString kTransferError = QStringLiteral("transfer error");
const QString kUpdate = QStringLiteral("update");
const QString kNotFound = QStringLiteral("name not found");
const QString kUnreadable = QStringLiteral("version unreadable");

QByteArray Response(const QByteArray& headers, const QByteArray& body)
{
    return "HTTP/1.1 " + headers + "\r\n\r\n" + body;
}

QByteArray Chunked(const QByteArray& data, qsizetype chunkSize, bool terminate)
{
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += chunkSize) {
        const QByteArray piece = data.mid(at, chunkSize);
        out += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
    }
    return terminate ? out + "0\r\n\r\n" : out;
}

// The page, and for a failure its reason.
QString Outcome(const frmMain& form)
{
    if (PageOf(form) != QStringLiteral("failure"))
        return PageOf(form);
    if (form.lblMsg3->text() == frmMain::tr("インターネットに接続されていないか、サーバーが停止している可能性があります。"))
        return kTransferError;
    if (form.lblMsg3->text() == frmMain::tr("バージョン情報が見つかりませんでした。"))
        return kNotFound;
    if (form.lblMsg3->text() == frmMain::tr("バージョン番号の解析に失敗しました。"))
        return kUnreadable;
    return form.lblMsg3->text();
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
    void closeAfterTheResult();

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
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("infoPart"); // in the logged failure information
    QTest::addColumn<QString>("logPart");  // in the received text

    const QByteArray file = "<MyApp:2.0>";
    auto route = [this](TestHttpServer& server, const QByteArray& path, const QByteArray& raw, After after = After::Close) {
        server.Route(path, raw, after);
        return server.Url(path);
    };

    QTest::newRow("connection refused") << TestHttpServer::RefusedUrl() << kTransferError << QStringLiteral("refused") << QString();
    QTest::newRow("unresolvable host") << QUrl(QStringLiteral("http://norvil-test-host.invalid/update.txt"))
                                       << kTransferError << QStringLiteral("not found") << QString();
    QTest::newRow("accepts and never answers") << route(m_http, "/silent", "", After::Stall)
                                               << kTransferError << QStringLiteral("timed out") << QString();
    QTest::newRow("headers, then stalls") << route(m_http, "/stall", Response("200 OK\r\nContent-Length: 100", "<MyApp"), After::Stall)
                                          << kTransferError << QStringLiteral("timed out") << QString();
    QTest::newRow("reset mid-body") << route(m_http, "/reset", Response("200 OK\r\nContent-Length: 100", file), After::Reset)
                                    << kTransferError << QString() << QString();
    QTest::newRow("truncated chunked body")
        << route(m_http, "/chunked-cut", Response("200 OK\r\nTransfer-Encoding: chunked", Chunked(file, 4, false)))
        << kTransferError << QString() << QString();
    QTest::newRow("complete chunked body")
        << route(m_http, "/chunked", Response("200 OK\r\nTransfer-Encoding: chunked", Chunked(file, 4, true)))
        << kUpdate << QString() << QString::fromLatin1(file);
    QTest::newRow("404 with the name in its body")
        << route(m_http, "/missing", Response("404 Not Found\r\nContent-Length: 11\r\nConnection: close", file))
        << kUpdate << QString() << QString::fromLatin1(file);
    QTest::newRow("451 with the name in its body")
        << route(m_http, "/legal", Response("451 Unavailable For Legal Reasons\r\nContent-Length: 11\r\nConnection: close", file))
        << kUpdate << QString() << QString::fromLatin1(file);
    QTest::newRow("gzip-encoded body")
        << route(m_http, "/gzip", Response("200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 31\r\nConnection: close",
                                           QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xb3\xf1\xad\x74\x2c\x28\xb0\x32"
                                                      "\xd2\x33\xb0\x03\x00\x8f\x5e\x89\xe1\x0b\x00\x00\x00", 31)))
        << kUpdate << QString() << QString::fromLatin1(file);

    // Bodies that do not decode, whatever their status: never read, even in part.
    const QByteArray gzipHeader("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03", 10);
    for (const auto& [tag, status, encoding, body] : {
             std::tuple{"gzip that is not gzip", "200 OK", "gzip", QByteArray("<MyApp:2.0>")},
             std::tuple{"gzip broken at once, the name in the raw tail", "200 OK", "gzip", gzipHeader + "\x07<MyApp:9.9>"},
             std::tuple{"deflate that is not deflate, 404", "404 Not Found", "deflate", QByteArray("\xff\xff<MyApp:9.9>")},
             std::tuple{"brotli that is not brotli", "200 OK", "br", QByteArray("\xff\xff\xff<MyApp:9.9>")},
             std::tuple{"an encoding nobody decodes", "200 OK", "compress", QByteArray("<MyApp:9.9>")},
         }) {
        const QByteArray path = "/undecodable/" + QByteArray(encoding) + QByteArray::number(qHash(body));
        QTest::newRow(tag) << route(m_http, path, Response(QByteArray(status) + "\r\nContent-Encoding: " + encoding
                                                               + "\r\nContent-Length: " + QByteArray::number(body.size())
                                                               + "\r\nConnection: close", body))
                           << kTransferError << QStringLiteral("could not be decoded") << QString();
    }
    QTest::newRow("103 Early Hints taken as the final answer")
        << route(m_http, "/early", "HTTP/1.1 103 Early Hints\r\nLink: </a.css>; rel=preload\r\n\r\n"
                                   + Response("200 OK\r\nContent-Length: 11\r\nConnection: close", file))
        << kTransferError << QStringLiteral("no final response") << QString();

    // Url1 names a file on a web server; nothing else is read, not even a local pipe.
    QTest::newRow("file: URL") << QUrl::fromLocalFile(m_localFile) << kTransferError << QStringLiteral("refused: file:") << QString();
    QTest::newRow("relative path") << QUrl(QStringLiteral("update.txt")) << kTransferError << QStringLiteral("refused: update.txt") << QString();

    m_http.RouteBody("/file", file);
    const QByteArray redirect = "302 Found\r\nContent-Length: 0\r\nConnection: close\r\nLocation: ";
    route(m_http, "/hop2", Response(redirect + "/file", {}));
    route(m_http, "/hop1", Response(redirect + m_http.Url("/hop2").toEncoded(), {}));
    QTest::newRow("redirect chain to the file") << route(m_http, "/hop0", Response(redirect + "/hop1", {}))
                                                << kUpdate << QString() << QString::fromLatin1(file);
    QTest::newRow("redirect to a local file")
        << route(m_http, "/to-file", Response(redirect + QUrl::fromLocalFile(m_localFile).toEncoded(), {}))
        << kTransferError << QString() << QString();
    QTest::newRow("redirect loop") << route(m_http, "/loop", Response("302 Found\r\nContent-Length: 0\r\nLocation: /loop", {}),
                                            After::KeepAlive)
                                   << kTransferError << QStringLiteral("redirect") << QString();

    m_https.RouteBody("/file", file);
    QTest::newRow("https with a trusted certificate") << m_https.Url("/file") << kUpdate << QString() << QString::fromLatin1(file);
    QTest::newRow("https to http redirect")
        << route(m_https, "/down", Response(redirect + m_http.Url("/file").toEncoded(), {}))
        << kTransferError << QStringLiteral("redirect") << QString();
    m_selfSigned.RouteBody("/file", file);
    QTest::newRow("https with a self-signed certificate") << m_selfSigned.Url("/file") << kTransferError
                                                          << QStringLiteral("SSL") << QString();

    const QByteArray big(16 * 1024 * 1024 + 1, 'x');
    QTest::newRow("declared body over 16 MiB")
        << route(m_http, "/huge-declared", Response("200 OK\r\nContent-Length: 16777217", "<MyApp:2.0>"), After::Stall)
        << kTransferError << QStringLiteral("16 MiB") << QString();
    QTest::newRow("undeclared chunked body over 16 MiB")
        << route(m_http, "/huge-chunked", Response("200 OK\r\nTransfer-Encoding: chunked", Chunked(big, 65536, true)))
        << kTransferError << QStringLiteral("16 MiB") << QString();

    QTest::newRow("bytes invalid in the code page")
        << route(m_http, "/invalid", Response("200 OK\r\nContent-Length: 14\r\nConnection: close", "\xFF\xFE<MyApp:2.0>\x80"))
        << kUpdate << QString() << QStringLiteral("\uFFFD\uFFFD<MyApp:2.0>\uFFFD");
    QTest::newRow("NUL bytes")
        << route(m_http, "/nul", Response("200 OK\r\nContent-Length: 15\r\nConnection: close", QByteArray("a\0b\0<MyApp:2.0>", 15)))
        << kUpdate << QString() << QString::fromUtf16(u"a\0b\0<MyApp:2.0>", 15);
    const QByteArray longLine = "MyApp=2.0" + QByteArray(5 * 1024 * 1024, '7');
    m_http.RouteBody("/long-line", longLine);
    QTest::newRow("5 MiB line without >") << m_http.Url("/long-line") << kUnreadable
                                          << QString() << QString();
}

void tst_FaultMatrix::matrix()
{
    QFETCH(QUrl, url);
    QFETCH(QString, outcome);
    QFETCH(QString, infoPart);
    QFETCH(QString, logPart);

    if (url.scheme() == QLatin1String("https") && UnderWine())
        QSKIP("wine's Schannel cannot serve TLS to the in-process server; the end-to-end suite runs "
              "norvil.exe over https against a server outside wine");
    const QString words = QStringLiteral("MyApp 1.0 %1 http://127.0.0.1/download").arg(url.toString());

    WindowRun run(words, kTimeoutSeconds);
    run.Tick();
    QVERIFY(run.WaitForOutcome(30000));
    QCOMPARE(Outcome(*run.form), outcome);
    QVERIFY(!run.form->cInet->StillExecuting());
    const QStringList lines = run.LogLines();
    if (outcome == kTransferError) {
        QCOMPARE(lines.mid(lines.size() - 3, 1), QStringList{QStringLiteral("--- Error ---")});
        const QString failure = lines.at(lines.size() - 2);
        QCOMPARE(failure, QString::number(run.form->cInet->ResponseCode()) + ':' + run.form->cInet->ResponseInfo());
        QVERIFY(run.form->cInet->ResponseCode() != 0);
        QVERIFY2(failure.contains(infoPart, Qt::CaseInsensitive), qPrintable(failure));
        QCOMPARE(lines.last(), QString());
        QVERIFY(!lines.contains(QStringLiteral("--- Received File ---"))); // never a half body
        // A transfer error neither raises nor closes the window the user already sees.
        QCOMPARE(run.platform.Raiser.Calls, 0);
        QVERIFY(run.form->isVisible());
    } else {
        const qsizetype received = lines.indexOf(QStringLiteral("--- Received File ---"));
        QVERIFY(received >= 0);
        if (!logPart.isEmpty())
            QCOMPARE(lines.value(received + 1), logPart);
    }
}

void tst_FaultMatrix::closeAfterTheResult()
{
    m_http.RouteBody("/after", "<MyApp:1.0>");
    WindowRun run(QStringLiteral("MyApp 1.0 %1 u2").arg(m_http.Url("/after").toString()), kTimeoutSeconds);
    run.Tick();
    QVERIFY(run.WaitForOutcome());
    const QString log = run.form->LogText();
    run.form->close();
    QVERIFY(run.form->IsUnloaded());
    QVERIFY(!run.form->cInet->StillExecuting());
    // Proving that nothing arrives late takes waiting past the time-out.
    QTest::qWait(kTimeoutSeconds * 1000 + 500);
    QCOMPARE(run.form->LogText(), log);
    QCOMPARE(run.unloadedCount, 1);
}

QTEST_MAIN(tst_FaultMatrix)
#include "tst_FaultMatrix.moc"
