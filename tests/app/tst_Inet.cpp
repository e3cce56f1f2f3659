// The transfer adapter on its own, against a real server on 127.0.0.1.

#include "Inet.h"
#include "TestHttpServer.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

struct Transfer {
    explicit Transfer(int timeoutSeconds = 60) : inet(nullptr, timeoutSeconds), spy(&inet, &Inet::StateChanged) {}

    // Waits for the final notification, 11 or 12, within a bound.
    std::int16_t Run(const QUrl& url)
    {
        inet.Execute(url.toString(), QStringLiteral("GET"));
        if (!QTest::qWaitFor([this] { return Final() != 0; }, 15000))
            return 0;
        return Final();
    }

    std::int16_t Final() const
    {
        for (const QList<QVariant>& args : spy) {
            const auto state = args.at(0).value<std::int16_t>();
            if (state == Inet::icError || state == Inet::icResponseCompleted)
                return state;
        }
        return 0;
    }

    QList<QByteArray> Drain()
    {
        QList<QByteArray> pieces;
        for (QByteArray piece; !(piece = inet.GetChunk(1024, Inet::icByteArray)).isEmpty();)
            pieces.append(piece);
        return pieces;
    }

    Inet inet;
    QSignalSpy spy;
};

} // namespace

class tst_Inet : public QObject {
    Q_OBJECT

private slots:
    void storedSettings();
    void bodyArrivesInPiecesOfAtMost1024_data();
    void bodyArrivesInPiecesOfAtMost1024();
    void failures_data();
    void failures();
    void redirects_data();
    void redirects();
    void timeOutEndsAStalledRequest();
    void cancelStopsWithoutNotification();
    void cancelWithNothingRunning();

private:
    TestHttpServer m_server;
};

void tst_Inet::storedSettings()
{
    Inet inet;
    QCOMPARE(inet.protocol(), Inet::icHTTP);
    QCOMPARE(inet.RemotePort(), 80);
    QCOMPARE(inet.URL(), QStringLiteral("http://"));
    QCOMPARE(inet.RequestTimeout(), 60);
}

void tst_Inet::bodyArrivesInPiecesOfAtMost1024_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("pieces");
    QTest::newRow("200, 0 bytes") << QByteArray("200 OK") << 0 << QList<int>{};
    QTest::newRow("200, 1024 bytes") << QByteArray("200 OK") << 1024 << QList<int>{1024};
    QTest::newRow("200, 1025 bytes") << QByteArray("200 OK") << 1025 << QList<int>{1024, 1};
    QTest::newRow("200, 3000 bytes") << QByteArray("200 OK") << 3000 << QList<int>{1024, 1024, 952};
    QTest::newRow("404 with a body is completed") << QByteArray("404 Not Found") << 10 << QList<int>{10};
    QTest::newRow("500 with a body is completed") << QByteArray("500 Internal Server Error") << 5 << QList<int>{5};
}

void tst_Inet::bodyArrivesInPiecesOfAtMost1024()
{
    QFETCH(QByteArray, status);
    QFETCH(int, size);
    QFETCH(QList<int>, pieces);

    QByteArray body(size, '\0');
    for (int i = 0; i < size; ++i)
        body[i] = static_cast<char>('a' + i % 26);
    const QByteArray path = "/body/" + status.left(3) + '/' + QByteArray::number(size);
    m_server.RouteBody(path, body, status);

    Transfer t;
    QCOMPARE(t.Run(m_server.Url(path)), std::int16_t(Inet::icResponseCompleted));
    const QList<QByteArray> got = t.Drain();
    QList<int> sizes;
    for (const QByteArray& piece : got)
        sizes.append(static_cast<int>(piece.size()));
    QCOMPARE(sizes, pieces);
    QCOMPARE(got.join(), body);
    QVERIFY(t.inet.GetChunk(1024, Inet::icByteArray).isEmpty()); // stays exhausted
}

void tst_Inet::failures_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("infoPart");

    QTest::newRow("reset mid-body") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nMyApp=1.0>")
                                    << int(TestHttpServer::After::Reset) << int(QNetworkReply::RemoteHostClosedError) << QString();
    QTest::newRow("Content-Length larger than the body")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nMyApp=1.0>")
        << int(TestHttpServer::After::Close) << int(QNetworkReply::RemoteHostClosedError) << QString();
    QTest::newRow("declared body over 16 MiB")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 16777217\r\n\r\nabc") << int(TestHttpServer::After::Stall)
        << int(Inet::kTooLargeCode) << QStringLiteral("16 MiB");
}

void tst_Inet::failures()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, after);
    QFETCH(int, code);
    QFETCH(QString, infoPart);

    const QByteArray path = "/fail/" + QByteArray::number(qHash(raw));
    m_server.Route(path, raw, static_cast<TestHttpServer::After>(after));
    Transfer t;
    QCOMPARE(t.Run(m_server.Url(path)), std::int16_t(Inet::icError));
    QCOMPARE(t.inet.ResponseCode(), code);
    QVERIFY(!t.inet.ResponseInfo().isEmpty());
    QVERIFY2(t.inet.ResponseInfo().contains(infoPart), qPrintable(t.inet.ResponseInfo()));
    QVERIFY(t.Drain().isEmpty()); // never a half body
}

void tst_Inet::redirects_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("code");

    auto redirect = [](const QByteArray& status, const QByteArray& to) {
        return "HTTP/1.1 " + status + "\r\nLocation: " + to + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    };
    m_server.Route("/r1", redirect("302 Found", "/r2"));
    m_server.Route("/r2", redirect("301 Moved Permanently", "/r3"));
    m_server.Route("/r3", redirect("307 Temporary Redirect", "/target"));
    m_server.RouteBody("/target", "MyApp=1.0>");
    m_server.Route("/loop", redirect("302 Found", "/loop"));

    QTest::newRow("chain of three to the file") << QByteArray("/r1") << int(Inet::icResponseCompleted) << 0;
    QTest::newRow("loop") << QByteArray("/loop") << int(Inet::icError) << int(QNetworkReply::TooManyRedirectsError);
}

void tst_Inet::redirects()
{
    QFETCH(QByteArray, start);
    QFETCH(int, state);
    QFETCH(int, code);

    Transfer t;
    QCOMPARE(int(t.Run(m_server.Url(start))), state);
    QCOMPARE(t.inet.ResponseCode(), code);
    if (state == Inet::icResponseCompleted)
        QCOMPARE(t.Drain().join(), QByteArray("MyApp=1.0>"));
}

void tst_Inet::timeOutEndsAStalledRequest()
{
    m_server.Route("/stall", "", TestHttpServer::After::Stall);
    Transfer t(1);
    QCOMPARE(t.Run(m_server.Url("/stall")), std::int16_t(Inet::icError));
    QCOMPARE(t.inet.ResponseCode(), Inet::kTimedOutCode);
    QVERIFY2(t.inet.ResponseInfo().contains(QStringLiteral("timed out")), qPrintable(t.inet.ResponseInfo()));
    QVERIFY(!t.inet.StillExecuting());
}

void tst_Inet::cancelStopsWithoutNotification()
{
    m_server.Route("/slow", "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\nMyApp", TestHttpServer::After::Stall);
    Transfer t;
    t.inet.Execute(m_server.Url("/slow").toString(), QStringLiteral("GET"));
    QVERIFY(QTest::qWaitFor([&] { return m_server.RequestCount() > 0; }, 5000));
    t.inet.Cancel();
    QVERIFY(!t.inet.StillExecuting());
    QTest::qWait(300);
    QCOMPARE(t.Final(), std::int16_t(0));
}

void tst_Inet::cancelWithNothingRunning()
{
    Transfer t;
    t.inet.Cancel();
    QVERIFY(!t.inet.StillExecuting());
    m_server.RouteBody("/done", "x");
    QCOMPARE(t.Run(m_server.Url("/done")), std::int16_t(Inet::icResponseCompleted));
    t.inet.Cancel(); // after the end: no effect
    QCOMPARE(t.Drain(), QList<QByteArray>{QByteArray("x")});
}

QTEST_GUILESS_MAIN(tst_Inet)
#include "tst_Inet.moc"
