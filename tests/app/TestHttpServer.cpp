#include "TestHttpServer.h"

#include <QFile>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>

namespace {

QByteArray ReadTlsFile(const QString& name)
{
    QFile file(QStringLiteral(NORVIL_TLS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test TLS file %s", qPrintable(name));
    return file.readAll();
}

} // namespace

TestHttpServer::TestHttpServer(const QString& tlsName)
    : m_server(tlsName.isEmpty() ? new QTcpServer(this) : new QSslServer(this))
{
    if (auto* tls = qobject_cast<QSslServer*>(m_server)) {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(QSslCertificate(ReadTlsFile(tlsName + ".pem")));
        config.setPrivateKey(QSslKey(ReadTlsFile(tlsName + ".key"), QSsl::Rsa));
        tls->setSslConfiguration(config);
    }
    // Every socket belongs to the server, so a stalled one is closed with it at the end.
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("test server cannot listen on 127.0.0.1");
}

QSslCertificate TestHttpServer::TestCa()
{
    return QSslCertificate(ReadTlsFile(QStringLiteral("ca.pem")));
}

void TestHttpServer::Route(const QByteArray& path, const QByteArray& raw, After after)
{
    m_routes.insert(path, {raw, after});
}

QUrl TestHttpServer::Serve(const QByteArray& raw, After after)
{
    const QByteArray path = "/" + QByteArray::number(m_routes.size());
    Route(path, raw, after);
    return Url(path);
}

QByteArray TestHttpServer::Ok(const QByteArray& body, const QByteArray& headers)
{
    return "HTTP/1.1 200 OK\r\n" + headers + "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QUrl TestHttpServer::Url(const QByteArray& path) const
{
    const char* scheme = qobject_cast<QSslServer*>(m_server) ? "https" : "http";
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(QLatin1String(scheme)).arg(m_server->serverPort()).arg(QLatin1String(path)));
}

QUrl TestHttpServer::RefusedUrl()
{
    // Bind a port, then free it: nothing listens there for the moment.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return QUrl(QStringLiteral("http://127.0.0.1:%1/none").arg(probe.serverPort()));
}

void TestHttpServer::OnReadable(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    m_requests.append(request);
    socket->setProperty("request", QByteArray());

    const QByteArray path = request.left(request.indexOf("\r\n")).split(' ').value(1);
    const auto [raw, after] = m_routes.value(path, {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", After::Close});
    socket->write(raw);
    if (after == After::Close)
        socket->disconnectFromHost();
    else if (after == After::Reset) {
        socket->flush();
        socket->abort();
    }
}
