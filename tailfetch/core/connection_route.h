#pragma once

#include <cstdint>

// How one request reaches the server: straight, over TLS, as an absolute
// request to an http proxy, or through a proxy's tunnel.
namespace tailfetch {

enum class ProxyKind { None, Http, Socks };

struct ConnectionRoute {
    bool tls = false; // the socket speaks TLS to the server
    // The socket connects to the proxy and asks it for the absolute URL
    // (plain http through an http proxy); no tunnel then.
    bool absoluteTarget = false;
    // The socket itself is handed the proxy (a CONNECT tunnel or SOCKS).
    bool socketThroughProxy = false;
};

ConnectionRoute RouteFor(bool secure, ProxyKind proxy);

// The port of a proxy written without one: that of its scheme.
std::uint16_t ProxyPortOr(ProxyKind proxy, int port);

} // namespace tailfetch
