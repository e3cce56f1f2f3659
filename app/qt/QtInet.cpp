#include "QtInet.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkRequest>
#include <QUrl>

using norvil::transfer::Failure;

namespace {

constexpr int kProxyWarmUpDelayMs = 200;

QString Q(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

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

// True when Qt delivered the answer whole. An error status counts: its body is read like any
// other. Qt reports a body it could not decode with the same error number as some statuses, so
// only its own wording for a status error passes; anything it does not recognise is taken as a
// failure, never as a body.
bool ArrivedWhole(const QNetworkReply& reply)
{
    if (reply.error() == QNetworkReply::NoError)
        return true;
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 400 && reply.error() == ErrorForStatus(status) && IsStatusErrorText(reply);
}

// The nearest of Qt's numbers for each failure the rules find.
std::int32_t CodeFor(Failure failure)
{
    switch (failure) {
    case Failure::Refused: return QNetworkReply::ProtocolUnknownError;
    case Failure::TimedOut: return QNetworkReply::TimeoutError;
    case Failure::TooLarge: return QNetworkReply::UnknownContentError;
    case Failure::NotDecoded: return QNetworkReply::UnknownContentError;
    case Failure::NoFinalResponse: return QNetworkReply::ProtocolFailure;
    case Failure::RedirectRefused: return QNetworkReply::InsecureRedirectError;
    case Failure::TooManyRedirects: return QNetworkReply::TooManyRedirectsError;
    }
    return QNetworkReply::UnknownNetworkError;
}

} // namespace

QtInet::QtInet(QObject* parent, int requestTimeoutSeconds)
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
    m_deadline.setSingleShot(true);
    m_refusalTimer.setSingleShot(true);
    connect(&m_refusalTimer, &QTimer::timeout, this, [this] { Fail(Failure::Refused, m_refused); });
    connect(&m_deadline, &QTimer::timeout, this, [this] { Fail(Failure::TimedOut, QString::number(m_requestTimeoutSeconds)); });
}

QtInet::~QtInet()
{
    Cancel();
}

const std::vector<std::string>& QtInet::DecodedCodings()
{
    static const std::vector<std::string> codings = {"gzip", "deflate",
#if QT_CONFIG(brotli)
                                                     "br",
#endif
#if QT_CONFIG(zstd)
                                                     "zstd",
#endif
    };
    return codings;
}

void QtInet::Execute(const std::u16string& url, const std::u16string& operation)
{
    Cancel();
    m_body.Clear();
    m_responseCode = 0;
    m_responseInfo.clear();

    // Reported like any failure, once Execute has returned.
    if (!norvil::transfer::IsWebAddress(url)) {
        m_refused = Q(url);
        m_refusalTimer.start(0);
        return;
    }

    m_current = QUrl(Q(url));
    QNetworkRequest request{m_current};
    // Qt's own policy is the rules' (only http and https, never from https down to http); a
    // redirect it refuses is reported in the rules' words (OnFinished), and only so many in a row.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(norvil::transfer::kMaxRedirects);
    if (!m_userAgent.isEmpty())
        request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);

    const QByteArray verb = Q(operation).toLatin1();
    m_reply = verb == "GET" ? m_manager->get(request) : m_manager->sendCustomRequest(request, verb);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &QtInet::OnMetaDataChanged);
    connect(m_reply, &QNetworkReply::readyRead, this, &QtInet::OnReadyRead);
    connect(m_reply, &QNetworkReply::redirected, this, &QtInet::RefusesRedirect);
    // Queued, so that even a request refused at once is reported after Execute has returned.
    connect(m_reply, &QNetworkReply::finished, this, &QtInet::OnFinished, Qt::QueuedConnection);
    m_deadline.start(m_requestTimeoutSeconds * 1000);
}

bool QtInet::RefusesRedirect(const QUrl& target)
{
    const QUrl next = m_current.resolved(target);
    if (norvil::transfer::MayRedirect(m_current.toString().toStdU16String(), next.toString().toStdU16String())) {
        m_current = next;
        return false;
    }
    Fail(Failure::RedirectRefused, next.toString());
    return true;
}

void QtInet::OnMetaDataChanged()
{
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > norvil::transfer::kMaxBodyBytes)
        Fail(Failure::TooLarge);
}

void QtInet::OnReadyRead()
{
    if (m_reply->bytesAvailable() + static_cast<qint64>(m_body.Bytes()) > norvil::transfer::kMaxBodyBytes) {
        Fail(Failure::TooLarge);
        return;
    }
    m_body.Add(m_reply->readAll());
    Notify(icReceivingResponse);
}

void QtInet::OnFinished()
{
    QNetworkReply* reply = qobject_cast<QNetworkReply*>(sender());
    if (reply != m_reply || reply == nullptr)
        return; // a request that was cancelled or already failed

    if (reply->bytesAvailable() > 0)
        OnReadyRead();
    if (m_reply == nullptr)
        return;

    // A redirect that Qt refused itself: said in the rules' words.
    const QUrl redirect = QUrl::fromEncoded(reply->rawHeader("Location"));
    if (reply->error() != QNetworkReply::NoError && !redirect.isEmpty() && RefusesRedirect(redirect))
        return;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QByteArray coding = reply->rawHeader("Content-Encoding");
    if (status.isValid() && ArrivedWhole(*reply)) {
        const norvil::transfer::Answer answer{status.toInt(), coding.toStdString()};
        if (const auto failure = norvil::transfer::Judge(answer, DecodedCodings())) {
            const QString detail = *failure == Failure::NoFinalResponse
                                       ? QStringLiteral("%1 %2").arg(status.toInt()).arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                                       : QString::fromLatin1(coding);
            Fail(*failure, detail);
            return;
        }
        Finish(icResponseCompleted);
        return;
    }
    // Qt stops a body it cannot decode with an error of its own; say which coding it was.
    QString info = reply->errorString();
    if (status.isValid() && !coding.isEmpty() && !IsStatusErrorText(*reply))
        info = Q(norvil::transfer::Words(Failure::NotDecoded, QString::fromLatin1(coding).toStdU16String(), info.toStdU16String()));
    Fail(reply->error() == QNetworkReply::NoError ? QNetworkReply::ProtocolFailure : reply->error(), info);
}

void QtInet::Fail(std::int32_t code, const QString& info)
{
    m_responseCode = code;
    m_responseInfo = info;
    m_body.Clear();
    Finish(icError);
}

void QtInet::Fail(Failure failure, const QString& detail)
{
    Fail(CodeFor(failure), Q(norvil::transfer::Words(failure, detail.toStdU16String())));
}

void QtInet::Finish(State state)
{
    Cancel(); // done with the reply: nothing more may arrive from it
    Notify(state);
}

std::string QtInet::GetChunk(std::int16_t size, std::int32_t dataType)
{
    Q_UNUSED(dataType); // only byte arrays are handed out
    return m_body.Take(static_cast<std::size_t>(std::max<std::int16_t>(size, 0)));
}

void QtInet::Cancel()
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
