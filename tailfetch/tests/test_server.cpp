#include "tailfetch/tests/test_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace tailfetch::testing {

QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    quint32 state = seed;
    for (int i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes[i] = static_cast<char>(state >> 24);
    }
    return bytes;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

namespace {
// nginx on the PATH; Debian puts it in /usr/sbin, which an ordinary user's
// PATH lacks, so that folder is tried after it.
QString nginxProgram()
{
    QString found = QStandardPaths::findExecutable(QStringLiteral("nginx"));
    if (found.isEmpty())
        found =
            QStandardPaths::findExecutable(QStringLiteral("nginx"), {QStringLiteral("/usr/sbin")});
    return found;
}
} // namespace

Nginx::Nginx()
{
    QDir(dir_.path()).mkpath(QStringLiteral("www/noranges"));
}

Nginx::~Nginx()
{
    stop();
}

QString Nginx::root() const
{
    return dir_.filePath(QStringLiteral("www"));
}

QString Nginx::url(const QString& file) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(file);
}

QString Nginx::tlsUrl(const QString& file) const
{
    return QStringLiteral("https://127.0.0.1:%1/%2").arg(tlsPort_).arg(file);
}

void Nginx::enableTls(const QString& certificate, const QString& key)
{
    certificate_ = certificate;
    key_ = key;
}

void Nginx::addFile(const QString& file, const QByteArray& bytes) const
{
    QFile out(QDir(root()).filePath(file));
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

QString Nginx::start()
{
    if (nginxProgram().isEmpty())
        return QStringLiteral(
            "nginx is not on the PATH: install the Debian package nginx (./test.sh does)");
    // The free port may be taken by someone else before nginx binds it; then
    // nginx stops at once and another port is tried.
    QString why;
    for (int attempt = 0; attempt < 3; ++attempt) {
        why = startOnce();
        if (why.isEmpty() || process_.state() == QProcess::Running)
            break;
    }
    return why;
}

QString Nginx::startOnce()
{
    port_ = freePort();
    tlsPort_ = certificate_.isEmpty() ? 0 : freePort();
    const QString tmp = dir_.path();
    const QString locations = QStringLiteral(R"(
        root %1/www;
        location /noranges/ { max_ranges 0; }
        location /moved/ { rewrite ^/moved/(.*)$ /$1 permanent; }
        location = /loop { return 302 /loop; }
        location /tohttps/ { rewrite ^/tohttps/(.*)$ https://127.0.0.1:%2/$1 redirect; }
        location /tohttp/ { rewrite ^/tohttp/(.*)$ http://127.0.0.1:%3/$1 redirect; }
)")
                                  .arg(tmp)
                                  .arg(tlsPort_)
                                  .arg(port_);
    QString config = QStringLiteral(R"(pid %1/nginx.pid;
error_log %1/error.log;
events { worker_connections 64; }
http {
    access_log %1/access.log;
    client_body_temp_path %1/client_body;
    proxy_temp_path %1/proxy;
    fastcgi_temp_path %1/fastcgi;
    uwsgi_temp_path %1/uwsgi;
    scgi_temp_path %1/scgi;
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:%2;
        %3
    }
)")
                         .arg(tmp)
                         .arg(port_)
                         .arg(locations);
    if (tlsPort_ != 0)
        config += QStringLiteral(R"(    server {
        listen 127.0.0.1:%1 ssl;
        ssl_certificate %2;
        ssl_certificate_key %3;
        %4
    }
)")
                      .arg(tlsPort_)
                      .arg(certificate_, key_, locations);
    config += QStringLiteral("}\n");
    QFile file(dir_.filePath(QStringLiteral("nginx.conf")));
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the nginx configuration");
    file.write(config.toUtf8());
    file.close();

    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(nginxProgram(),
                   {QStringLiteral("-p"), tmp, QStringLiteral("-e"),
                    tmp + QStringLiteral("/error.log"), QStringLiteral("-c"), file.fileName(),
                    QStringLiteral("-g"), QStringLiteral("daemon off; master_process off;")});
    if (!process_.waitForStarted(10000))
        return QStringLiteral("nginx did not start: ") + process_.errorString();

    // Ready once the port takes connections.
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running) {
            QFile log(dir_.filePath(QStringLiteral("error.log")));
            log.open(QIODevice::ReadOnly);
            return QStringLiteral("nginx stopped: ") +
                   QString::fromLocal8Bit(process_.readAll() + log.readAll());
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(200))
            return {};
        QTest::qWait(20);
    }
    return QStringLiteral("nginx did not accept connections on port %1").arg(port_);
}

void Nginx::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

ScriptedServer::ScriptedServer(QList<Reply> script, int pauseMs, const QHostAddress& address)
    : script_(std::move(script)), pauseMs_(pauseMs)
{
    server_.listen(address, 0);
    connect(&server_, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

QString ScriptedServer::url(const QString& file) const
{
    return QStringLiteral("http://%1:%2/%3")
        .arg(server_.serverAddress().toString())
        .arg(port())
        .arg(file);
}

void ScriptedServer::accept()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
            if (request->endsWith("\r\n\r\n"))
                return; // one request per connection
            *request += socket->readAll();
            if (!request->contains("\r\n\r\n"))
                return;
            requests.append(*request);
            if (script_.isEmpty())
                return socket->disconnectFromHost();
            sendNext(socket, script_.takeFirst(), 0);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void ScriptedServer::sendNext(QTcpSocket* socket, Reply reply, int index)
{
    if (index >= reply.pieces.size()) {
        if (reply.closeAfter)
            socket->disconnectFromHost();
        return;
    }
    socket->write(reply.pieces[index]);
    socket->flush();
    ++piecesSent;
    QPointer<QTcpSocket> alive(socket);
    QTimer::singleShot(pauseMs_, this, [this, alive, reply, index] {
        if (alive)
            sendNext(alive, reply, index + 1);
    });
}

QString makeTestAuthority(const QString& folder, TestAuthority* out)
{
    const QDir dir(folder);
    out->authority = dir.filePath(QStringLiteral("ca.pem"));
    out->certificate = dir.filePath(QStringLiteral("server.pem"));
    out->key = dir.filePath(QStringLiteral("server.key"));
    QFile extensions(dir.filePath(QStringLiteral("server.ext")));
    if (!extensions.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the certificate extensions");
    extensions.write("subjectAltName = IP:127.0.0.1, DNS:localhost, DNS:files.tailfetch.invalid\n"
                     "basicConstraints = CA:FALSE\n");
    extensions.close();
    const QString caKey = dir.filePath(QStringLiteral("ca.key"));
    const QString request = dir.filePath(QStringLiteral("server.csr"));
    const QList<QStringList> steps = {
        {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", caKey, "-out", out->authority,
         "-days", "2", "-subj", "/CN=Tailfetch test authority"},
        {"req", "-newkey", "rsa:2048", "-nodes", "-keyout", out->key, "-out", request, "-subj",
         "/CN=127.0.0.1"},
        {"x509", "-req", "-in", request, "-CA", out->authority, "-CAkey", caKey, "-CAcreateserial",
         "-out", out->certificate, "-days", "2", "-extfile", extensions.fileName()},
    };
    for (const QStringList& arguments : steps) {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"), arguments);
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
            return QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAll()) +
                   openssl.errorString();
    }
    return {};
}

ServerProcess::~ServerProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString ServerProcess::start(const QString& program, const QStringList& arguments, quint16 port)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(program, arguments);
    if (!process_.waitForStarted(10000))
        return program + QStringLiteral(" did not start: ") + process_.errorString();
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running)
            return program + QStringLiteral(" stopped: ") +
                   QString::fromLocal8Bit(process_.readAll());
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(200))
            return {};
        QTest::qWait(20);
    }
    return program + QStringLiteral(" did not accept connections");
}

CuttingProxy::CuttingProxy(quint16 target, qint64 cutAfter, int cuts)
    : target_(target), cutAfter_(cutAfter), cuts_(cuts)
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &CuttingProxy::accept);
}

QString CuttingProxy::url(const QString& file) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port()).arg(file);
}

void CuttingProxy::accept()
{
    while (QTcpSocket* client = server_.nextPendingConnection()) {
        auto* upstream = new QTcpSocket(client);
        auto passed = std::make_shared<qint64>(0);
        auto cutting = std::make_shared<bool>(false);
        connect(client, &QTcpSocket::readyRead, upstream, [this, client, upstream, cutting] {
            const QByteArray bytes = client->readAll();
            if (bytes.contains("\r\nRange: ") && !bytes.contains("bytes=0-0") && cutsDone < cuts_) {
                *cutting = true;
                ++cutsDone;
            }
            upstream->write(bytes);
        });
        connect(upstream, &QTcpSocket::readyRead, client,
                [this, client, upstream, passed, cutting] {
                    QByteArray bytes = upstream->readAll();
                    if (*cutting && *passed + bytes.size() >= cutAfter_) {
                        client->write(bytes.left(cutAfter_ - *passed));
                        client->flush();
                        client->abort();
                        client->deleteLater();
                        return;
                    }
                    *passed += bytes.size();
                    client->write(bytes);
                });
        connect(upstream, &QTcpSocket::disconnected, client,
                [client] { client->disconnectFromHost(); });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        upstream->connectToHost(QHostAddress::LocalHost, target_);
    }
}

TunnelProxy::TunnelProxy(quint16 target) : target_(target)
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &TunnelProxy::accept);
}

void TunnelProxy::accept()
{
    while (QTcpSocket* client = server_.nextPendingConnection()) {
        auto* upstream = new QTcpSocket(client);
        auto head = std::make_shared<QByteArray>();
        auto tunnelled = std::make_shared<bool>(false);
        connect(client, &QTcpSocket::readyRead, this, [this, client, upstream, head, tunnelled] {
            if (*tunnelled) {
                upstream->write(client->readAll());
                return;
            }
            *head += client->readAll();
            const qsizetype end = head->indexOf("\r\n\r\n");
            if (end < 0 || upstream->state() != QAbstractSocket::UnconnectedState)
                return;
            requests.append(head->left(end + 4));
            if (!head->startsWith("CONNECT ")) {
                client->write("HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\nConnection: "
                              "close\r\n\r\n");
                client->disconnectFromHost();
                return;
            }
            // Whatever followed the head belongs to the tunnel.
            *head = head->mid(end + 4);
            upstream->connectToHost(QHostAddress::LocalHost, target_);
        });
        connect(upstream, &QTcpSocket::connected, client, [client, upstream, head, tunnelled] {
            *tunnelled = true;
            client->write("HTTP/1.1 200 Connection established\r\n\r\n");
            upstream->write(*head + client->readAll());
        });
        connect(upstream, &QTcpSocket::readyRead, client,
                [client, upstream] { client->write(upstream->readAll()); });
        connect(upstream, &QTcpSocket::disconnected, client,
                [client] { client->disconnectFromHost(); });
        connect(upstream, &QTcpSocket::errorOccurred, client,
                [client](QAbstractSocket::SocketError error) {
                    if (error != QAbstractSocket::RemoteHostClosedError)
                        client->disconnectFromHost();
                });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
    }
}

} // namespace tailfetch::testing
