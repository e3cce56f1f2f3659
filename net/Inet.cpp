#include "Inet.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkRequest>
#include <QUrl>

namespace {

constexpr int kProxyWarmUpDelayMs = 200;

// Errors that Qt raises for an HTTP status: the response itself arrived in full, so it counts
// as completed and its body is read like any other.
bool IsHttpStatusError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentConflictError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return true;
    default:
        return false;
    }
}

} // namespace

Inet::Inet(QObject* parent, int requestTimeoutSeconds)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_requestTimeoutSeconds(requestTimeoutSeconds)
{
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    // The first look at the system's proxy settings loads the desktop's proxy library (tens of
    // milliseconds). Do it while the program waits for its start timer, after the window has
    // been painted, rather than when the request is due.
    QTimer::singleShot(kProxyWarmUpDelayMs, this, [] {
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(QUrl(QStringLiteral("http://127.0.0.1/"))));
    });
    // A stalled server must not keep the program alive: the whole request, body included, has
    // to finish within the time-out.
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        Fail(kTimedOutCode,
             QStringLiteral("The request timed out after %1 seconds").arg(m_requestTimeoutSeconds));
    });
}

Inet::~Inet()
{
    Cancel();
}

void Inet::Execute(const QString& url, const QString& operation)
{
    Cancel();
    m_body.clear();
    m_readPos = 0;
    m_responseCode = 0;
    m_responseInfo.clear();

    QNetworkRequest request{QUrl(url)};
    // Follow redirects, but never from https to plain http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);

    const QByteArray verb = operation.toLatin1();
    m_reply = verb == "GET" ? m_manager->get(request) : m_manager->sendCustomRequest(request, verb);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &Inet::OnMetaDataChanged);
    connect(m_reply, &QNetworkReply::readyRead, this, &Inet::OnReadyRead);
    // Queued, so that even a request refused at once is reported after Execute has returned.
    connect(m_reply, &QNetworkReply::finished, this, &Inet::OnFinished, Qt::QueuedConnection);
    m_deadline.start(m_requestTimeoutSeconds * 1000);
}

void Inet::OnMetaDataChanged()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kMaxBodyBytes)
        FailTooLarge();
}

void Inet::OnReadyRead()
{
    if (m_reply->bytesAvailable() + m_body.size() > kMaxBodyBytes) {
        FailTooLarge();
        return;
    }
    m_body.append(m_reply->readAll());
    emit StateChanged(icReceivingResponse);
}

void Inet::OnFinished()
{
    QNetworkReply* reply = qobject_cast<QNetworkReply*>(sender());
    if (reply != m_reply || reply == nullptr)
        return; // a request that was cancelled or already failed

    if (reply->bytesAvailable() > 0)
        OnReadyRead();
    if (m_reply == nullptr)
        return;

    const QNetworkReply::NetworkError error = reply->error();
    const bool hasStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (error == QNetworkReply::NoError || (hasStatus && IsHttpStatusError(error))) {
        Finish(icResponseCompleted);
        return;
    }
    Fail(error, reply->errorString());
}

void Inet::Fail(std::int32_t code, const QString& info)
{
    m_responseCode = code;
    m_responseInfo = info;
    m_body.clear();
    Finish(icError);
}

void Inet::FailTooLarge()
{
    Fail(kTooLargeCode, QStringLiteral("The response is larger than the limit of 16 MiB"));
}

void Inet::Finish(State state)
{
    Cancel(); // done with the reply: nothing more may arrive from it
    emit StateChanged(state);
}

QByteArray Inet::GetChunk(std::int16_t size, std::int32_t dataType)
{
    Q_UNUSED(dataType); // only byte arrays are handed out
    const qsizetype n = std::min<qsizetype>(std::max<std::int16_t>(size, 0), m_body.size() - m_readPos);
    QByteArray piece = m_body.mid(m_readPos, n);
    m_readPos += n;
    if (m_readPos >= m_body.size()) {
        m_body.clear();
        m_readPos = 0;
    }
    return piece;
}

void Inet::Cancel()
{
    m_deadline.stop();
    if (m_reply == nullptr)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
