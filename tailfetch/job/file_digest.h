#pragma once

#include "tailfetch/core/checksums.h"

#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tailfetch {

// One stretch of a file; several make the whole file when its start lies in
// the incomplete file and its rest in the new one.
struct DigestSegment {
    QString path;
    qint64 offset = 0;
    qint64 length = -1; // -1: to the file's end
};

struct DigestResult {
    std::optional<std::string> hex; // lower case; nothing on failure
    QString error;
};

// What computes the sum: OpenSSL's libcrypto, which uses the processor's SHA
// instructions, when it can be loaded, else Qt's own code; or Qt's alone.
enum class DigestEngine { Fastest, Qt };

// Hashes the segments one after another in large blocks. `progress` gets the
// bytes hashed so far and the total; `cancel` stops it early (no result).
// Runs on whatever thread calls it.
DigestResult HashSegments(DigestKind kind, const std::vector<DigestSegment>& segments,
                          const std::function<void(qint64, qint64)>& progress = {},
                          const std::atomic_bool* cancel = nullptr,
                          DigestEngine engine = DigestEngine::Fastest);

} // namespace tailfetch
