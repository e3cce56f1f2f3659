#pragma once

#include "Inet.h"
#include "ReceivedBody.h"
#include "TransferRules.h"

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

class QNetworkAccessManager;

// The transfer over Qt Network: one asynchronous HTTP GET at a time, following the rules every
// transfer follows (TransferRules.h). A completed response (whatever its HTTP status) is
// reported as icResponseCompleted and its body is then drained with GetChunk; anything that
// keeps a whole, decoded body from arriving is reported as icError with ResponseCode (Qt's
// QNetworkReply::NetworkError number; the rules' own failures take the nearest of them) and
// ResponseInfo saying why.
class QtInet final : public QObject, public norvil::Inet {
    Q_OBJECT
public:
    explicit QtInet(QObject* parent = nullptr, int requestTimeoutSeconds = norvil::transfer::kRequestTimeoutSeconds);
    ~QtInet() override;

    void SetUserAgent(const std::u16string& agent) override { m_userAgent = QString::fromStdU16String(agent); }
    void Execute(const std::u16string& url, const std::u16string& operation) override;
    std::int32_t ResponseCode() const override { return m_responseCode; }
    std::u16string ResponseInfo() const override { return m_responseInfo.toStdU16String(); }
    std::string GetChunk(std::int16_t size, std::int32_t dataType) override;
    std::size_t BytesLeft() const override { return m_body.Bytes(); }
    void Cancel() override;

    // The codings whose bodies Qt decodes in this build.
    static const std::vector<std::string>& DecodedCodings();

private:
    void OnMetaDataChanged();
    void OnReadyRead();
    // Whether a redirect to target breaks the rules; if so, the request has failed.
    bool RefusesRedirect(const QUrl& target);
    void OnFinished();
    void Fail(std::int32_t code, const QString& info);
    void Fail(norvil::transfer::Failure failure, const QString& detail = {});
    void Finish(State state);

    QNetworkAccessManager* m_manager;
    QNetworkReply* m_reply = nullptr;
    QUrl m_current; // the address now asked, after any redirect
    QTimer m_deadline;
    QTimer m_refusalTimer;
    QString m_refused;
    QString m_userAgent; // none: Qt's own
    int m_requestTimeoutSeconds;
    norvil::ReceivedBody<QByteArray> m_body;
    std::int32_t m_responseCode = 0;
    QString m_responseInfo;
};
