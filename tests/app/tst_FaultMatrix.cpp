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

    // A row whose server answers with exactly these bytes at a path of the row's own.
    auto row = [](const char* tag, const QUrl& url, const QString& outcome, const QString& infoPart = {}, const QString& logPart = {}) {
        QTest::newRow(tag) << url << outcome << infoPart << logPart;
    };
    auto raw = [this](const QByteArray& bytes, After after = After::Close, TestHttpServer* server = nullptr) {
        TestHttpServer& on = server ? *server : m_http;
        const QByteArray path = "/" + QByteArray::number(qHash(bytes));
        on.Route(path, bytes, after);
        return on.Url(path);
    };
    auto ok = [](const QByteArray& headers, const QByteArray& body) {
        return Response("200 OK\r\n" + headers + "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close", body);
    };
    const QByteArray file = "<MyApp:2.0>";
    const QString text = QString::fromLatin1(file);

    row("connection refused", TestHttpServer::RefusedUrl(), kTransferError, "refused");
    row("unresolvable host", QUrl("http://norvil-test-host.invalid/update.txt"), kTransferError, "not found");
    row("accepts and never answers", raw("", After::Stall), kTransferError, "timed out");
    row("headers, then stalls", raw(Response("200 OK\r\nContent-Length: 100", "<MyApp"), After::Stall), kTransferError, "timed out");
    row("reset mid-body", raw(Response("200 OK\r\nContent-Length: 100", file), After::Reset), kTransferError);
    row("truncated chunked body", raw(Response("200 OK\r\nTransfer-Encoding: chunked", Chunked(file, 4, false))), kTransferError);
    row("complete chunked body", raw(Response("200 OK\r\nTransfer-Encoding: chunked", Chunked(file, 4, true))), kUpdate, {}, text);
    row("404 with the name in its body", raw(Response("404 Not Found\r\nContent-Length: 11\r\nConnection: close", file)), kUpdate, {}, text);
    row("451 with the name in its body", raw(Response("451 Unavailable For Legal Reasons\r\nContent-Length: 11\r\nConnection: close", file)),
        kUpdate, {}, text);
    row("gzip-encoded body", raw(ok("Content-Encoding: gzip\r\n", QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xb3\xf1\xad\x74\x2c"
        "\x28\xb0\x32\xd2\x33\xb0\x03\x00\x8f\x5e\x89\xe1\x0b\x00\x00\x00", 31))), kUpdate, {}, text);

    // Bodies that do not decode, whatever their status: never read, even in part.
    const QString undecodable = QStringLiteral("could not be decoded");
    row("gzip that is not gzip", raw(ok("Content-Encoding: gzip\r\n", file)), kTransferError, undecodable);
    row("gzip broken at once, the name in the raw tail", raw(ok("Content-Encoding: gzip\r\n",
        QByteArray("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\x07<MyApp:9.9>", 22))), kTransferError, undecodable);
    row("deflate that is not deflate, 404", raw(Response("404 Not Found\r\nContent-Encoding: deflate\r\nContent-Length: 13\r\n"
        "Connection: close", "\xff\xff<MyApp:9.9>")), kTransferError, undecodable);
    row("brotli that is not brotli", raw(ok("Content-Encoding: br\r\n", "\xff\xff\xff<MyApp:9.9>")), kTransferError, undecodable);
    row("an encoding nobody decodes", raw(ok("Content-Encoding: compress\r\n", "<MyApp:9.9>")), kTransferError, undecodable);
    row("103 Early Hints taken as the final answer", raw("HTTP/1.1 103 Early Hints\r\nLink: </a.css>; rel=preload\r\n\r\n" + ok({}, file)),
        kTransferError, "no final response");

    // Url1 names a file on a web server; nothing else is read, not even a local pipe.
    row("file: URL", QUrl::fromLocalFile(m_localFile), kTransferError, "refused: file:");
    row("relative path", QUrl("update.txt"), kTransferError, "refused: update.txt");

    const QByteArray redirect = "302 Found\r\nContent-Length: 0\r\nConnection: close\r\nLocation: ";
    const QUrl theFile = raw(ok({}, file));
    row("redirect chain to the file", raw(Response(redirect + raw(Response(redirect + theFile.path().toLatin1(), {})).toEncoded(), {})),
        kUpdate, {}, text);
    row("redirect to a local file", raw(Response(redirect + QUrl::fromLocalFile(m_localFile).toEncoded(), {})), kTransferError);
    row("redirect loop", m_http.Url("/loop"), kTransferError, "redirect");
    m_http.Route("/loop", Response("302 Found\r\nContent-Length: 0\r\nLocation: /loop", {}), After::KeepAlive);

    row("https with a trusted certificate", raw(ok({}, file), After::Close, &m_https), kUpdate, {}, text);
    row("https to http redirect", raw(Response(redirect + theFile.toEncoded(), {}), After::Close, &m_https), kTransferError, "redirect");
    row("https with a self-signed certificate", raw(ok({}, file), After::Close, &m_selfSigned), kTransferError, "SSL");

    row("declared body over 16 MiB", raw(Response("200 OK\r\nContent-Length: 16777217", file), After::Stall), kTransferError, "16 MiB");
    row("undeclared chunked body over 16 MiB", raw(Response("200 OK\r\nTransfer-Encoding: chunked",
        Chunked(QByteArray(16 * 1024 * 1024 + 1, 'x'), 65536, true))), kTransferError, "16 MiB");

    row("bytes invalid in the code page", raw(ok({}, "\xFF\xFE<MyApp:2.0>\x80")), kUpdate, {}, "\uFFFD\uFFFD<MyApp:2.0>\uFFFD");
    row("NUL bytes", raw(ok({}, QByteArray("a\0b\0<MyApp:2.0>", 15))), kUpdate, {}, QString::fromUtf16(u"a\0b\0<MyApp:2.0>", 15));
    row("5 MiB line without >", raw(ok({}, "MyApp=2.0" + QByteArray(5 * 1024 * 1024, '7'))), kUnreadable);
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
        QCOMPARE(run.platform.Raised, 0);
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
