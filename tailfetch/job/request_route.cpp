#include "tailfetch/job/request_route.h"

#include <QNetworkProxyFactory>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

namespace tailfetch {

QNetworkProxy systemProxyFor(const QUrl& url)
{
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    if (proxies.isEmpty() || proxies.first().type() == QNetworkProxy::DefaultProxy)
        return QNetworkProxy(QNetworkProxy::NoProxy);
    QNetworkProxy proxy = proxies.first();
    // A proxy written without a port ("http://proxy.example") comes back with
    // port 0, where nothing answers; it means the port of its scheme.
    proxy.setPort(ProxyPortOr(proxyKindOf(proxy), proxy.port()));
    return proxy;
}

ProxyKind proxyKindOf(const QNetworkProxy& proxy)
{
    switch (proxy.type()) {
    case QNetworkProxy::HttpProxy: return ProxyKind::Http;
    case QNetworkProxy::Socks5Proxy: return ProxyKind::Socks;
    default: return ProxyKind::None;
    }
}

RequestRoute requestRouteFor(const WebAddress& address)
{
    RequestRoute r;
    r.proxy = systemProxyFor(address.url);
    r.route = RouteFor(address.secure, proxyKindOf(r.proxy));
    if (r.viaHttpProxy() && !r.proxy.user().isEmpty())
        r.proxyLogin = r.proxy.user().toUtf8() + ':' + r.proxy.password().toUtf8();
    return r;
}

QTcpSocket* makeSocket(const RequestRoute& route, QObject* owner)
{
    if (route.route.tls)
        return new QSslSocket(owner);
    return new QTcpSocket(owner);
}

void connectAlong(QTcpSocket* socket, const RequestRoute& route, const WebAddress& address,
                  const QList<QSslCertificate>& authorities, QObject* context,
                  const std::function<void()>& ready)
{
    const QNetworkProxy direct(QNetworkProxy::NoProxy);
    if (route.viaHttpProxy()) {
        // Plain http goes to the proxy as a request for the absolute URL;
        // only https needs a tunnel through it.
        socket->setProxy(direct);
        QObject::connect(socket, &QTcpSocket::connected, context, ready);
        socket->connectToHost(route.proxy.hostName(), route.proxy.port());
        return;
    }
    socket->setProxy(route.route.socketThroughProxy ? route.proxy : direct);
    if (auto* tls = qobject_cast<QSslSocket*>(socket)) {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        if (!authorities.isEmpty())
            configuration.addCaCertificates(authorities);
        tls->setSslConfiguration(configuration);
        QObject::connect(tls, &QSslSocket::encrypted, context, ready);
        tls->connectToHostEncrypted(address.host, address.port);
        return;
    }
    QObject::connect(socket, &QTcpSocket::connected, context, ready);
    socket->connectToHost(address.host, address.port);
}

QByteArray requestTarget(const WebAddress& address, const RequestRoute& route)
{
    return route.viaHttpProxy() ? address.absoluteTarget() : address.target;
}

std::vector<std::pair<std::string, std::string>> commonFields(const WebAddress& address,
                                                              const RequestRoute& route)
{
    std::vector<std::pair<std::string, std::string>> fields;
    fields.emplace_back("User-Agent", "Tailfetch/2.0");
    fields.emplace_back("Accept-Encoding", "identity");
    if (!address.login.isEmpty())
        fields.emplace_back("Authorization", "Basic " + address.login.toBase64().toStdString());
    if (!route.proxyLogin.isEmpty())
        fields.emplace_back("Proxy-Authorization",
                            "Basic " + route.proxyLogin.toBase64().toStdString());
    return fields;
}

RedirectTarget redirectTarget(const WebAddress& from, const ReplyHeader& reply)
{
    RedirectTarget target;
    if (const auto location = reply.field("Location")) {
        target.location =
            QString::fromLatin1(location->data(), static_cast<qsizetype>(location->size()));
        target.url = from.url.resolved(QUrl(target.location, QUrl::TolerantMode));
    }
    target.address = WebAddress::fromUrl(target.url);
    return target;
}

RedirectFacts redirectFacts(const WebAddress& from, const std::optional<WebAddress>& to)
{
    RedirectFacts facts;
    facts.targetUsable = to.has_value();
    facts.fromSecure = from.secure;
    facts.toSecure = to && to->secure;
    facts.sameOrigin = to && to->host == from.host && to->port == from.port;
    facts.targetHasLogin = to && !to->login.isEmpty();
    return facts;
}

} // namespace tailfetch
