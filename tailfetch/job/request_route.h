#pragma once

#include "tailfetch/core/connection_route.h"
#include "tailfetch/core/http_reply.h"
#include "tailfetch/core/reply_policy.h"
#include "tailfetch/job/web_address.h"

#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QSslCertificate>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QObject;
class QTcpSocket;

namespace tailfetch {

// The system's proxy for `url` (none when it names none), with the port of
// its scheme where it was written without one.
QNetworkProxy systemProxyFor(const QUrl& url);
ProxyKind proxyKindOf(const QNetworkProxy& proxy);

// How every request of Tailfetch's, the completion's and the small fetches
// beside it, reaches its server under the system's proxy settings.
struct RequestRoute {
    QNetworkProxy proxy;
    ConnectionRoute route;
    QByteArray proxyLogin; // "user:password" for an http proxy that has one

    // Plain http through an http proxy: the socket talks to the proxy.
    bool viaHttpProxy() const { return route.absoluteTarget; }
};

RequestRoute requestRouteFor(const WebAddress& address);

// A socket for `route`, owned by `owner`: a QSslSocket for TLS, a plain one
// otherwise, so that plain http never loads the TLS library.
QTcpSocket* makeSocket(const RequestRoute& route, QObject* owner);

// Connects `socket` (made by makeSocket) to `address` along `route`,
// trusting `authorities` besides the system's store; `ready` runs in
// `context` once the request can be sent.
void connectAlong(QTcpSocket* socket, const RequestRoute& route, const WebAddress& address,
                  const QList<QSslCertificate>& authorities, QObject* context,
                  const std::function<void()>& ready);

// The request line's target, and the fields every request carries: who
// asks, no compression (a compressed body would not be the bytes of the
// file) and the logins.
QByteArray requestTarget(const WebAddress& address, const RequestRoute& route);
std::vector<std::pair<std::string, std::string>> commonFields(const WebAddress& address,
                                                              const RequestRoute& route);

// Where a redirect reply from `from` points: its Location field as sent
// (empty when it has none), resolved against `from`, and the address that
// is when it is a usable one.
struct RedirectTarget {
    QString location;
    QUrl url;
    std::optional<WebAddress> address;
};
RedirectTarget redirectTarget(const WebAddress& from, const ReplyHeader& reply);

// What JudgeRedirect weighs about a redirect from `from` to `to`; the caller
// adds its own login rule and count of redirects.
RedirectFacts redirectFacts(const WebAddress& from, const std::optional<WebAddress>& to);

} // namespace tailfetch
