#include "TestHttpServer.h"

#include <QFile>
#include <QSslKey>
#include <QSslSocket>
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

// Accepts plain connections, or TLS ones when a certificate is set.
class TestHttpServer::Listener : public QTcpServer {
public:
    QSslConfiguration tls;
    bool useTls = false;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (!useTls) {
            QTcpServer::incomingConnection(descriptor);
            return;
        }
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setSslConfiguration(tls);
        socket->startServerEncryption();
        addPendingConnection(socket);
    }
};

TestHttpServer::TestHttpServer(const QString& tlsName)
    : m_server(new Listener)
{
    m_server->setParent(this);
    if (!tlsName.isEmpty()) {
        m_tls = true;
        m_server->useTls = true;
        m_server->tls = QSslConfiguration::defaultConfiguration();
        m_server->tls.setLocalCertificate(QSslCertificate(ReadTlsFile(tlsName + ".pem")));
        m_server->tls.setPrivateKey(QSslKey(ReadTlsFile(tlsName + ".key"), QSsl::Rsa));
    }
    connect(m_server, &QTcpServer::newConnection, this, &TestHttpServer::OnConnection);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("test server cannot listen on 127.0.0.1");
}

QSslCertificate TestHttpServer::TestCa()
{
    return QSslCertificate(ReadTlsFile(QStringLiteral("ca.pem")));
}

TestHttpServer::~TestHttpServer()
{
    for (const QPointer<QTcpSocket>& socket : m_stalled) {
        if (socket)
            socket->abort();
    }
}

void TestHttpServer::Route(const QByteArray& path, const QByteArray& raw, After after)
{
    m_routes.insert(path, {raw, after});
}

void TestHttpServer::RouteBody(const QByteArray& path, const QByteArray& body, const QByteArray& status)
{
    Route(path, "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                    + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
}

QUrl TestHttpServer::Url(const QByteArray& path) const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(m_tls ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(m_server->serverPort())
                    .arg(QString::fromLatin1(path)));
}

QUrl TestHttpServer::RefusedUrl()
{
    // Bind a port, then free it: nothing listens there for the moment.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/none").arg(port));
}

void TestHttpServer::OnConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TestHttpServer::OnReadable(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    m_requests.append(request);
    socket->setProperty("request", QByteArray());

    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.value(1);
    const Answer answer = m_routes.value(path, {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", After::Close});

    socket->write(answer.raw);
    switch (answer.after) {
    case After::Close:
        socket->disconnectFromHost();
        break;
    case After::KeepAlive:
        break;
    case After::Stall:
        m_stalled.append(socket);
        break;
    case After::Reset:
        socket->flush();
        socket->abort();
        break;
    }
}
