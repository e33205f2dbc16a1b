#pragma once

#include "tailfetch/core/http_reply.h"
#include "tailfetch/job/request_route.h"
#include "tailfetch/job/web_address.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QUrl>

#include <optional>

class QTcpSocket;
class QTimer;

namespace tailfetch {

// One GET of a small file (a list of sums) over the connections the job
// itself makes: straight, TLS, an absolute request to an http proxy or a
// tunnel through it, redirects judged as the job judges them. Built on the
// sockets alone rather than QNetworkAccessManager, which starts a thread of
// its own and loads the TLS library even for plain http.
class SmallFetch : public QObject {
    Q_OBJECT

public:
    struct Options {
        QList<QSslCertificate> extraAuthorities; // trusted besides the system's store
        int silenceMs = 30000; // a connection or reply this long silent has failed
        qint64 limit = 1 << 20; // a larger body is not what was looked for
        int maxRedirects = 10;
        bool plainLoginAllowed = false; // a login in an http:// URL may be sent
    };

    explicit SmallFetch(Options options, QObject* parent = nullptr);
    ~SmallFetch() override;

    // Asks for `url`; `finished` follows from the event loop, once.
    void get(const QUrl& url);

signals:
    // `ok` only for a whole 200 reply within the limit; `body` is its body.
    void finished(bool ok, const QByteArray& body);

private:
    void connectNow();
    void sendRequest();
    void onReadyRead();
    void onClosed();
    void settle();
    void redirect();
    void end(bool ok);
    void dropConnection();

    Options options_;
    std::optional<WebAddress> address_;
    QTcpSocket* socket_ = nullptr;
    QTimer* silence_ = nullptr;
    std::optional<ReplyParser> parser_;
    QByteArray body_;
    RequestRoute route_;
    int redirects_ = 0;
    bool ended_ = false;
};

} // namespace tailfetch
