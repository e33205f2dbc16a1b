#pragma once

#include "tailfetch/core/checksums.h"
#include "tailfetch/core/connection_route.h"
#include "tailfetch/core/http_reply.h"
#include "tailfetch/core/origin_attributes.h"
#include "tailfetch/core/range_plan.h"
#include "tailfetch/job/request_route.h"
#include "tailfetch/job/web_address.h"

#include <QFile>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QSslCertificate>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class QTcpSocket;
class QThread;
class QTimer;

namespace tailfetch {

class SmallFetch;

// What one completion is asked to do.
struct JobRequest {
    QString url;
    // 1-based position in the whole file of the first byte to fetch. With an
    // incomplete file named in `source` and fetching from its length, the
    // first fetched byte is the file's last byte again.
    qint64 startByte = 1;
    // The incomplete file. In place, the bytes go straight after its end;
    // otherwise it is only read, to check the first fetched byte against it.
    QString source;
    bool inPlace = false;
    QString destination; // the new file, when not in place
    // An existing destination may be replaced by the finished file; a
    // fragment of a failed or stopped job never replaces anything.
    bool replaceAllowed = false;
    // The sum the file must have (MD5, SHA-1 or SHA-256 in hexadecimal);
    // when empty, the server's own is looked for.
    QString checksum;
    // A login written in an http:// URL travels readable by anyone between;
    // it is sent only when the user agreed to that.
    bool plainLoginAllowed = false;
};

// Knobs that only tests and the benchmark turn.
struct JobTuning {
    int silenceMs = 30000; // a connection or reply this long silent has failed
    QList<int> retryWaitsMs{2000, 5000, 10000}; // one wait per automatic retry
    int maxRedirects = 10;
    QList<QSslCertificate> extraAuthorities; // trusted besides the system's store
    qint64 checkWindow = kCheckWindow; // bytes held that are fetched again and compared
    bool lookForSumFiles = true; // FILE.sha256 and SHA256SUMS beside the URL
};

// How a job ended.
enum class JobOutcome {
    Running,
    Done, // complete (and verified when a sum was known)
    Failed, // the transfer failed; what arrived is kept
    Mismatch, // another version of the file, or a sum that does not match
};

// One download that completes a file: asks the length, fetches the missing
// bytes with a ranged request and writes them as they arrive. It owns the
// connection, the reply checks, redirects, retries and the writes, and only
// reports through its signals. Bytes written stay written: a broken
// connection is resumed from the new end, and "stop" keeps them.
class CompletionJob : public QObject {
    Q_OBJECT

public:
    CompletionJob(JobRequest request, JobTuning tuning = {}, QObject* parent = nullptr);
    ~CompletionJob() override;

    // Starts the exchange; the job reports from the event loop from now on.
    // A job that cannot begin (an address that is not http or https, an
    // output that cannot be opened) answers why, and nothing was sent.
    QString start();
    // Ends the job at once, keeping the bytes written so far. No signal follows.
    void stop();

    JobOutcome outcome() const { return outcome_; }
    // Where the new file went (beside "Destino:" when that name was taken).
    QString finalName() const { return finalName_; }
    // How far the whole file is: bytes of it on disk, and its length (-1
    // while unknown).
    qint64 fileHave() const;
    // The sum the file was checked against ("SHA-256 de SHA256SUMS"); empty
    // when none was known.
    QString checkedAgainst() const { return checkedAgainst_; }

    bool running() const { return running_; }
    // Body bytes received over all attempts, checked replies only.
    qint64 received() const { return received_; }
    qint64 remoteLength() const { return remoteLength_; }
    // Where the new-file mode collects the bytes until the file is whole.
    static QString partialName(const QString& destination);

signals:
    // A new step, worded for the status label.
    void statusChanged(const QString& status);
    void hostChanged(const QString& host);
    void progress(qint64 received);
    // The whole file is being hashed: bytes done of the total.
    void verifying(qint64 done, qint64 total);
    // The job ended on its own: `status` for the status label; `message`
    // explains a failure.
    void finished(bool ok, const QString& status, const QString& message);

private:
    enum class Step { Length, Range, Sums, Hash };

    void removeLeftovers();
    bool openOutput(QString* why);
    void connectNow();
    void sendRequest();
    void dropConnection();
    void onReadyRead();
    void onSocketError();
    void onDisconnected();
    void onSilence();
    void consume(const QByteArray& bytes);
    void lengthReplyArrived();
    void settle();
    // Whether the header of the range reply lets its body in; else a failure
    // or a redirect is left pending.
    bool acceptRangeHeader();
    bool takeBody(std::string_view run);
    bool compareHeld(std::string_view run, qint64 at);
    void bodyComplete();
    bool followRedirect();
    bool planRange();
    void transportFailed(const QString& status, const QString& message);
    void fail(const QString& status, const QString& message,
              JobOutcome outcome = JobOutcome::Failed);
    void transferDone();
    void lookForSums();
    void askNextSums();
    void sumsArrived(bool ok, const QByteArray& body, const QString& from);
    void verify();
    void hashDone(const QString& hex, const QString& error);
    void succeed();
    void rememberOrigin(const QString& file);
    std::string originUrl() const;
    void closeOutput(bool keepPartial);
    QString keptNote() const;
    QString statusWithoutVersion() const;

    JobRequest request_;
    JobTuning tuning_;
    JobOutcome outcome_ = JobOutcome::Running;
    std::optional<WebAddress> address_;
    bool running_ = false;
    QTcpSocket* socket_ = nullptr; // a QSslSocket for https
    RequestRoute route_; // that of the present connection
    QString sslProblem_;
    QByteArray buffer_;
    QByteArray heldBuffer_;
    // Decisions taken while the parser hands out bytes, acted on once it returns.
    std::optional<std::pair<QString, QString>> pendingFailure_;
    JobOutcome pendingOutcome_ = JobOutcome::Failed;
    bool pendingRedirect_ = false;
    QTimer* silence_ = nullptr;
    QTimer* retryTimer_ = nullptr;
    std::optional<ReplyParser> parser_;
    Step step_ = Step::Length;
    bool headRefused_ = false; // the server answers HEAD with 405 or 501
    bool replyChecked_ = false; // the reply's header has been accepted
    int redirects_ = 0;
    bool movedHost_ = false;
    int retries_ = 0;

    QFile output_;
    QFile source_; // the incomplete file, read for the comparison
    QFile outputReader_; // the output, read for the comparison after a retry
    QString outputName_; // the file the bytes go into now
    QString finalName_;
    qint64 sourceLength_ = 0;
    qint64 base_ = 0; // 0-based offset in the whole file of the output's first byte
    qint64 remoteLength_ = -1;
    FileOrigin stored_; // what the incomplete file says of its origin
    QByteArray validator_; // the version of the bytes held, for If-Range
    FileOrigin served_; // what the server says of the version it sends
    RangePlan plan_;
    qint64 bodyAt_ = 0; // whole-file offset of the next body byte
    qint64 asked_ = 0; // body bytes the first range request asked for
    qint64 received_ = 0;
    qint64 written_ = 0;

    std::optional<ExpectedDigest> expected_;
    QString expectedFrom_; // where the expected sum came from
    std::optional<ExpectedDigest> serverDigest_; // from a reply's header
    QString checkedAgainst_;
    QStringList sumsCandidates_;
    SmallFetch* sums_ = nullptr;
    QThread* hashThread_ = nullptr;
    std::shared_ptr<std::atomic_bool> hashCancel_;
};

} // namespace tailfetch
