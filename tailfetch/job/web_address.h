#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

namespace tailfetch {

// Where a typed URL leads and what the request line and Host field say. The
// text is read as browsers read an address bar: spaces and characters beyond
// ASCII are percent-encoded (UTF-8), host names beyond ASCII go out in their
// ASCII form.
struct WebAddress {
    QUrl url;
    bool secure = false; // https
    QString host; // to connect to; IPv6 without brackets
    quint16 port = 80;
    QByteArray target; // origin form: path and query, "/" at least
    QByteArray hostField; // the Host field: host, and the port when not the scheme's own
    QByteArray login; // "user:password" decoded from the URL, empty when none

    // Only http and https URLs with a host; nothing for any other text.
    static std::optional<WebAddress> fromText(const QString& text);
    static std::optional<WebAddress> fromUrl(const QUrl& url);

    // The absolute form a proxy takes, without the login and the fragment.
    QByteArray absoluteTarget() const;
};

} // namespace tailfetch
