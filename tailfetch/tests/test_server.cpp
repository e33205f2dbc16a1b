#include "tests/test_server.h"

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

Nginx::Nginx() { QDir(dir_.path()).mkpath(QStringLiteral("www/noranges")); }

Nginx::~Nginx() { stop(); }

QString Nginx::root() const { return dir_.filePath(QStringLiteral("www")); }

QString Nginx::url(const QString& file) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(file);
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
        return QStringLiteral("nginx is not on the PATH: install the Debian package nginx (./test.sh does)");
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
    const QString tmp = dir_.path();
    const QString config = QStringLiteral(R"(pid %1/nginx.pid;
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
        root %1/www;
        location /noranges/ { max_ranges 0; }
    }
}
)")
                               .arg(tmp)
                               .arg(port_);
    QFile file(dir_.filePath(QStringLiteral("nginx.conf")));
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the nginx configuration");
    file.write(config.toUtf8());
    file.close();

    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(nginxProgram(), {QStringLiteral("-p"), tmp, QStringLiteral("-e"), tmp + QStringLiteral("/error.log"),
                            QStringLiteral("-c"), file.fileName(), QStringLiteral("-g"),
                            QStringLiteral("daemon off; master_process off;")});
    if (!process_.waitForStarted(10000))
        return QStringLiteral("nginx did not start: ") + process_.errorString();

    // Ready once the port takes connections.
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running) {
            QFile log(dir_.filePath(QStringLiteral("error.log")));
            log.open(QIODevice::ReadOnly);
            return QStringLiteral("nginx stopped: ") + QString::fromLocal8Bit(process_.readAll() + log.readAll());
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

ScriptedServer::ScriptedServer(QList<Reply> script, int pauseMs)
    : script_(std::move(script)), pauseMs_(pauseMs)
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

QString ScriptedServer::url(const QString& file) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port()).arg(file);
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

} // namespace tailfetch::testing
