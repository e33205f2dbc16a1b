#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

#include <cstdio>

namespace tailfetch {

// One line on a terminal, rewritten in place at most a few times a second:
// how far the file is, the speed and the time left, then the hashing.
class TerminalProgress {
public:
    explicit TerminalProgress(std::FILE* stream);
    void transfer(qint64 have, qint64 total);
    void verifying(qint64 done, qint64 total);
    // Leaves the line, so that what follows starts on a new one.
    void end();

private:
    bool due();
    void show(const QByteArray& line);

    std::FILE* stream_;
    QElapsedTimer clock_;
    qint64 lastShownMs_ = -1000;
    qint64 firstHave_ = -1;
    bool shown_ = false;
};

} // namespace tailfetch
