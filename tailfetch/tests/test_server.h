#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tailfetch::testing {

// Runs the event loop until `done` holds or `timeoutMs` passes; true when it
// holds. Network tests wait with this, never with fixed sleeps.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// `size` bytes that look random, the same for the same `seed` (xorshift):
// file contents where any misplaced byte shows.
QByteArray noise(int size, quint32 seed);

// A port on loopback that nothing listens on right now.
quint16 freePort();

// A real nginx on 127.0.0.1, found on the PATH with everything it
// writes inside a temporary folder. It serves the folder root(): files under
// "noranges/" are served with ranges switched off.
class Nginx {
public:
    Nginx();
    ~Nginx();

    // Serves https too, on tlsPort(), with this certificate. Before start().
    void enableTls(const QString& certificate, const QString& key);

    // Empty when the server runs, else why it does not. Besides the files
    // it answers "/moved/<file>" with a 301 to "/<file>", "/loop" with a 302
    // to itself, "/tohttps/<file>" on http with a 302 to the https server and
    // "/tohttp/<file>" on https with a 302 back to the http one.
    QString start();
    void stop();

    quint16 port() const { return port_; }
    quint16 tlsPort() const { return tlsPort_; }
    QString root() const;
    QString url(const QString& file) const;
    QString tlsUrl(const QString& file) const;
    void addFile(const QString& file, const QByteArray& bytes) const;

private:
    QString startOnce();

    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
    quint16 tlsPort_ = 0;
    QString certificate_;
    QString key_;
};

// A certificate authority made for one test, and a certificate for
// 127.0.0.1, localhost and files.tailfetch.invalid (a name that resolves
// nowhere, for the way through a proxy) signed by it, as PEM files in `folder`. Empty when
// all went well, else why not.
struct TestAuthority {
    QString authority; // the authority's certificate
    QString certificate; // the server's
    QString key; // the server's key
};
QString makeTestAuthority(const QString& folder, TestAuthority* out);

// Another program serving files on loopback, started and stopped by a test.
class ServerProcess {
public:
    ~ServerProcess();
    // Starts `program` and waits until `port` takes connections; empty when
    // it does, else why not.
    QString start(const QString& program, const QStringList& arguments, quint16 port);

private:
    QProcess process_;
};

// Passes connections on to a server on loopback and cuts the first `cuts`
// replies to ranged requests after `cutAfter` bytes, as a broken link would.
class CuttingProxy : public QObject {
    Q_OBJECT

public:
    CuttingProxy(quint16 target, qint64 cutAfter, int cuts);
    quint16 port() const { return server_.serverPort(); }
    QString url(const QString& file) const;
    int cutsDone = 0;

private:
    void accept();

    QTcpServer server_;
    quint16 target_;
    qint64 cutAfter_;
    int cuts_;
};

// A scripted HTTP server for replies no real server gives: each connection
// reads one request (up to its empty line) and answers with the next reply
// of the script, piece by piece, with a pause between pieces so that they
// arrive apart.
class ScriptedServer : public QObject {
    Q_OBJECT

public:
    struct Reply {
        QList<QByteArray> pieces;
        bool closeAfter = true; // else the connection stays open
    };

    explicit ScriptedServer(QList<Reply> script, int pauseMs = 30,
                            const QHostAddress& address = QHostAddress::LocalHost);

    quint16 port() const { return server_.serverPort(); }
    QString url(const QString& file) const;
    // The requests received, in order, as they came.
    QList<QByteArray> requests;
    int piecesSent = 0;

private:
    void accept();
    void sendNext(QTcpSocket* socket, Reply reply, int index);

    QTcpServer server_;
    QList<Reply> script_;
    int pauseMs_;
};

// An https proxy on loopback: takes one CONNECT per connection and joins the
// client to the server on loopback port `target`, whatever host the request
// names, so that the job never has to look that name up itself. Anything
// other than CONNECT is refused.
class TunnelProxy : public QObject {
    Q_OBJECT

public:
    explicit TunnelProxy(quint16 target);
    quint16 port() const { return server_.serverPort(); }
    // The request heads received, in order, up to their empty line.
    QList<QByteArray> requests;

private:
    void accept();

    QTcpServer server_;
    quint16 target_;
};

} // namespace tailfetch::testing
