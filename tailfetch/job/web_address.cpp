#include "tailfetch/job/web_address.h"

namespace tailfetch {

std::optional<WebAddress> WebAddress::fromText(const QString& text)
{
    return fromUrl(QUrl(text.trimmed(), QUrl::TolerantMode));
}

std::optional<WebAddress> WebAddress::fromUrl(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    WebAddress address;
    address.url = url;
    const QString scheme = url.scheme().toLower();
    if (scheme == QStringLiteral("https"))
        address.secure = true;
    else if (scheme != QStringLiteral("http"))
        return std::nullopt;
    const int defaultPort = address.secure ? 443 : 80;
    const int port = url.port(defaultPort);
    if (port < 1 || port > 65535)
        return std::nullopt;
    address.port = static_cast<quint16>(port);
    address.host = url.host(QUrl::EncodeUnicode);

    address.target = url.path(QUrl::FullyEncoded).toLatin1();
    if (address.target.isEmpty())
        address.target = "/";
    if (url.hasQuery())
        address.target += '?' + url.query(QUrl::FullyEncoded).toLatin1();

    address.hostField = address.host.contains(QLatin1Char(':'))
                            ? '[' + address.host.toLatin1() + ']'
                            : address.host.toLatin1();
    if (port != defaultPort)
        address.hostField += ':' + QByteArray::number(port);

    if (!url.userName().isEmpty() || !url.password().isEmpty())
        address.login = url.userName(QUrl::FullyDecoded).toUtf8() + ':' +
                        url.password(QUrl::FullyDecoded).toUtf8();
    return address;
}

QByteArray WebAddress::absoluteTarget() const
{
    return url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment).toEncoded();
}

} // namespace tailfetch
