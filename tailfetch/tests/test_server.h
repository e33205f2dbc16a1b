#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tailfetch::testing {

// Runs the event loop until `done` holds or `timeoutMs` passes; true when it
// holds. Network tests wait with this, never with fixed sleeps.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// A port on loopback that nothing listens on right now.
quint16 freePort();

// A real nginx on 127.0.0.1, found on the PATH with everything it
// writes inside a temporary folder. It serves the folder root(): files under
// "noranges/" are served with ranges switched off.
class Nginx {
public:
    Nginx();
    ~Nginx();

    // Empty when the server runs, else why it does not.
    QString start();
    void stop();

    quint16 port() const { return port_; }
    QString root() const;
    QString url(const QString& file) const;
    void addFile(const QString& file, const QByteArray& bytes) const;

private:
    QString startOnce();

    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
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

    explicit ScriptedServer(QList<Reply> script, int pauseMs = 30);

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

} // namespace tailfetch::testing
