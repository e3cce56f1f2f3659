#include "Inet.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkRequest>
#include <QUrl>

namespace {

constexpr int kProxyWarmUpDelayMs = 200;

// The error Qt gives a response for its HTTP status alone (status 400 and above).
QNetworkReply::NetworkError ErrorForStatus(int status)
{
    switch (status) {
    case 401: return QNetworkReply::AuthenticationRequiredError;
    case 403: return QNetworkReply::ContentAccessDenied;
    case 404: return QNetworkReply::ContentNotFoundError;
    case 405: return QNetworkReply::ContentOperationNotPermittedError;
    case 407: return QNetworkReply::ProxyAuthenticationRequiredError;
    case 409: return QNetworkReply::ContentConflictError;
    case 410: return QNetworkReply::ContentGoneError;
    case 418: return QNetworkReply::ProtocolInvalidOperationError;
    case 500: return QNetworkReply::InternalServerError;
    case 501: return QNetworkReply::OperationNotImplementedError;
    case 503: return QNetworkReply::ServiceUnavailableError;
    default: return status < 500 ? QNetworkReply::UnknownContentError : QNetworkReply::UnknownServerError;
    }
}

// Qt's own wording for an error it raised for the status alone (no translations are loaded).
bool IsStatusErrorText(const QNetworkReply& reply)
{
    return reply.errorString().startsWith(QLatin1String("Error transferring "));
}

// True when the body is still in an encoding that Qt does not decode in this build (Qt for
// Windows has no brotli, say): Qt then hands the encoded bytes over as they came, and they
// are not the update file.
bool IsLeftEncoded(const QNetworkReply& reply)
{
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    static const QByteArrayList decoded = {"", "identity", "gzip", "deflate",
#if QT_CONFIG(brotli)
                                           "br",
#endif
#if QT_CONFIG(zstd)
                                           "zstd",
#endif
    };
    return !decoded.contains(encoding);
}

// True when the reply is a final response that arrived whole and decoded. An error status
// counts: its body is read like any other. Qt reports a body it could not decode with the same
// error number as some statuses, so only its own wording for a status error passes; anything
// it does not recognise is taken as a failure, never as a body.
bool ArrivedWhole(const QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || status.toInt() < 200)
        return false;
    if (reply.error() == QNetworkReply::NoError)
        return true;
    return status.toInt() >= 400 && reply.error() == ErrorForStatus(status.toInt()) && IsStatusErrorText(reply);
}

// Why a reply that did not arrive whole failed, in the words ResponseInfo gives.
QString FailureInfo(const QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply.error() == QNetworkReply::NoError) // a 1xx that Qt took for the final answer
        return QStringLiteral("The server gave no final response, only %1 %2")
            .arg(status.toInt())
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    const QByteArray encoding = reply.rawHeader("Content-Encoding");
    if (status.isValid() && !encoding.isEmpty() && !IsStatusErrorText(reply))
        return QStringLiteral("The body could not be decoded (Content-Encoding: %1): %2")
            .arg(QString::fromLatin1(encoding), reply.errorString());
    return reply.errorString();
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
    m_refusalTimer.setSingleShot(true);
    connect(&m_refusalTimer, &QTimer::timeout, this, [this] { Fail(kRefusedCode, m_refusal); });
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
    m_bodyBytes = 0;
    m_readPos = 0;
    m_responseCode = 0;
    m_responseInfo.clear();

    // The update file lives on a web server. Anything else (a local file, which may even be a
    // pipe that never answers, data: or qrc: addresses, a bare path) is refused, reported like
    // any failure once Execute has returned.
    const QUrl target(url);
    if (target.scheme() != QLatin1String("http") && target.scheme() != QLatin1String("https")) {
        m_refusal = QStringLiteral("Only http and https addresses are fetched; refused: %1").arg(url);
        m_refusalTimer.start(0);
        return;
    }

    QNetworkRequest request{target};
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
    if (m_reply->bytesAvailable() + m_bodyBytes > kMaxBodyBytes) {
        FailTooLarge();
        return;
    }
    QByteArray piece = m_reply->readAll();
    m_bodyBytes += piece.size();
    m_body.push_back(std::move(piece));
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

    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 200 && IsLeftEncoded(*reply)) {
        Fail(reply->error() == QNetworkReply::NoError ? QNetworkReply::UnknownContentError : reply->error(),
             QStringLiteral("The body could not be decoded (Content-Encoding: %1): no decoder for it")
                 .arg(QString::fromLatin1(reply->rawHeader("Content-Encoding"))));
        return;
    }
    if (ArrivedWhole(*reply)) {
        Finish(icResponseCompleted);
        return;
    }
    Fail(reply->error() == QNetworkReply::NoError ? kNoFinalResponseCode : reply->error(), FailureInfo(*reply));
}

void Inet::Fail(std::int32_t code, const QString& info)
{
    m_responseCode = code;
    m_responseInfo = info;
    m_body.clear();
    m_bodyBytes = 0;
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
    QByteArray chunk;
    qsizetype wanted = std::max<std::int16_t>(size, 0);
    // The body is kept as it arrived, in pieces; each is let go once it has been handed out,
    // so draining it never holds the body twice.
    while (wanted > 0 && !m_body.empty()) {
        const QByteArray& front = m_body.front();
        const qsizetype n = std::min(wanted, front.size() - m_readPos);
        chunk.append(front.constData() + m_readPos, n);
        m_readPos += n;
        wanted -= n;
        if (m_readPos == front.size()) {
            m_body.pop_front();
            m_readPos = 0;
        }
    }
    m_bodyBytes -= chunk.size();
    return chunk;
}

void Inet::Cancel()
{
    m_deadline.stop();
    m_refusalTimer.stop();
    if (m_reply == nullptr)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}
