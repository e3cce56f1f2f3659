#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSslCertificate>
#include <QTcpServer>
#include <QUrl>

#include <utility>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 for tests: each path answers with exact bytes that the test
// chooses, so that status lines, headers and bodies can be anything, broken ones included.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    enum class After {
        Close,      // close the connection once everything is sent
        KeepAlive,  // send it and wait for the next request on the same connection
        Stall,      // send it, then keep the connection open and say nothing more
        Reset,      // send it, then drop the connection at once
    };

    // tlsName: serve HTTPS with tls/<tlsName>.pem and .key; empty for plain HTTP.
    explicit TestHttpServer(const QString& tlsName = {});

    // raw: the whole response, status line and headers included.
    void Route(const QByteArray& path, const QByteArray& raw, After after = After::Close);
    // A 200 response with a Content-Length and this body.
    void RouteBody(const QByteArray& path, const QByteArray& body);

    QUrl Url(const QByteArray& path) const;
    // The test CA that signed tls/server.pem, for a client that is to trust it.
    static QSslCertificate TestCa();
    // A URL on a port where nothing listens.
    static QUrl RefusedUrl();

    const QList<QByteArray>& Requests() const { return m_requests; }

private:
    void OnReadable(QTcpSocket* socket);

    QTcpServer* m_server;
    QHash<QByteArray, std::pair<QByteArray, After>> m_routes;
    QList<QByteArray> m_requests;
};
