#include "TestHttpServer.h"

#include <QTcpSocket>

TestHttpServer::TestHttpServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::OnConnection);
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        qFatal("test server cannot listen on 127.0.0.1");
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
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(QString::fromLatin1(path)));
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
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
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

    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray path = requestLine.value(1);
    const Answer answer = m_routes.value(path, {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", After::Close});

    socket->write(answer.raw);
    switch (answer.after) {
    case After::Close:
        socket->disconnectFromHost();
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
