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
        Close, // close the connection once everything is sent
        Stall, // send it, then keep the connection open and answer only what is asked again
        Reset, // send it, then drop the connection at once
    };

    // tlsName: serve HTTPS with tls/<tlsName>.pem and .key; empty for plain HTTP.
    explicit TestHttpServer(const QString& tlsName = {});

    // raw: the whole response, status line and headers included.
    void Route(const QByteArray& path, const QByteArray& raw, After after = After::Close);
    // The same at a path of its own, whose address is returned.
    QUrl Serve(const QByteArray& raw, After after = After::Close);
    // A 200 response with these extra header lines (each ended by CR LF), a Content-Length and
    // this body, after which the connection closes.
    static QByteArray Ok(const QByteArray& body, const QByteArray& headers = {});

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
