#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <deque>

class QNetworkAccessManager;

// The transfer component: one asynchronous HTTP GET at a time, reported through StateChanged.
//
// A completed response (whatever its HTTP status) is reported as icResponseCompleted and its
// body is then drained with GetChunk. Anything that keeps a whole, decoded body from arriving
// (an address that is not http or https, no connection, TLS failure, a cut-off or undecodable
// body, no final response, a redirect loop or downgrade, the time-out, the size limit) is
// reported as icError with ResponseCode and ResponseInfo saying why.
class Inet : public QObject {
    Q_OBJECT
public:
    enum State : std::int16_t {
        icNone = 0,
        icResolvingHost = 1,
        icHostResolved = 2,
        icConnecting = 3,
        icConnected = 4,
        icRequesting = 5,
        icRequestSent = 6,
        icReceivingResponse = 7,
        icResponseReceived = 8,
        icDisconnecting = 9,
        icDisconnected = 10,
        icError = 11,
        icResponseCompleted = 12,
    };
    enum DataType : std::int32_t { icString = 0, icByteArray = 1 };

    // ResponseCode is Qt's QNetworkReply::NetworkError number of the failure; the time-out and
    // the size limit, which are ours, use the nearest of them.
    static constexpr std::int32_t kTimedOutCode = QNetworkReply::TimeoutError;
    static constexpr std::int32_t kTooLargeCode = QNetworkReply::UnknownContentError;
    static constexpr std::int32_t kRefusedCode = QNetworkReply::ProtocolUnknownError;
    static constexpr std::int32_t kNoFinalResponseCode = QNetworkReply::ProtocolFailure;
    static constexpr qint64 kMaxBodyBytes = 16 * 1024 * 1024;

    explicit Inet(QObject* parent = nullptr, int requestTimeoutSeconds = 60);
    ~Inet() override;

    // Starts the request (operation is the HTTP verb, "GET") and returns at once.
    void Execute(const QString& url, const QString& operation);

    std::int32_t ResponseCode() const { return m_responseCode; }
    QString ResponseInfo() const { return m_responseInfo; }

    // The next bytes of the completed body, at most size; an empty array once it is exhausted.
    QByteArray GetChunk(std::int16_t size, std::int32_t dataType);

    // Stops a running request; no notification follows. Does nothing when none is running.
    void Cancel();

    bool StillExecuting() const { return m_reply != nullptr; }

signals:
    void StateChanged(std::int16_t State);

private:
    void OnMetaDataChanged();
    void OnReadyRead();
    void OnFinished();
    void Fail(std::int32_t code, const QString& info);
    void FailTooLarge();
    void Finish(State state);

    QNetworkAccessManager* m_manager;
    QNetworkReply* m_reply = nullptr;
    QTimer m_deadline;
    QTimer m_refusalTimer;
    QString m_refusal;
    int m_requestTimeoutSeconds;
    std::deque<QByteArray> m_body; // as received; the front piece is read from m_readPos on
    qsizetype m_bodyBytes = 0;
    qsizetype m_readPos = 0;
    std::int32_t m_responseCode = 0;
    QString m_responseInfo;
};
