#include "tailfetch/core/connection_route.h"

namespace tailfetch {

ConnectionRoute RouteFor(bool secure, ProxyKind proxy)
{
    ConnectionRoute route;
    route.tls = secure;
    // Plain http goes to an http proxy as a request for the absolute URL;
    // only https needs a tunnel through it.
    route.absoluteTarget = proxy == ProxyKind::Http && !secure;
    route.socketThroughProxy = proxy != ProxyKind::None && !route.absoluteTarget;
    return route;
}

std::uint16_t ProxyPortOr(ProxyKind proxy, int port)
{
    if (port > 0 && port <= 65535)
        return static_cast<std::uint16_t>(port);
    switch (proxy) {
    case ProxyKind::Http: return 80;
    case ProxyKind::Socks: return 1080;
    case ProxyKind::None: break;
    }
    return 0;
}

} // namespace tailfetch
