#include "tailfetch/job/file_digest.h"

#include <QFile>
#include <QFileInfo>

#include <openssl/evp.h>

#include <memory>

namespace tailfetch {
namespace {

const EVP_MD* algorithm(DigestKind kind)
{
    switch (kind) {
    case DigestKind::Md5: return EVP_md5();
    case DigestKind::Sha1: return EVP_sha1();
    case DigestKind::Sha256: return EVP_sha256();
    }
    return nullptr;
}

// Large enough that the system call costs nothing beside the hash, small
// enough to stay in the cache.
constexpr qint64 kBlock = 1 << 20;

} // namespace

DigestResult HashSegments(DigestKind kind, const std::vector<DigestSegment>& segments,
                          const std::function<void(qint64, qint64)>& progress,
                          const std::atomic_bool* cancel)
{
    DigestResult result;
    qint64 total = 0;
    for (const DigestSegment& segment : segments) {
        const qint64 size = QFileInfo(segment.path).size();
        total += segment.length < 0 ? std::max<qint64>(size - segment.offset, 0) : segment.length;
    }
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), algorithm(kind), nullptr) != 1) {
        result.error = QStringLiteral("OpenSSL");
        return result;
    }
    std::unique_ptr<char[]> block(new char[kBlock]);
    qint64 done = 0;
    for (const DigestSegment& segment : segments) {
        QFile file(segment.path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !file.seek(segment.offset)) {
            result.error = file.errorString();
            return result;
        }
        qint64 left = segment.length < 0 ? file.size() - segment.offset : segment.length;
        while (left > 0) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return result;
            const qint64 n = file.read(block.get(), std::min(left, kBlock));
            if (n <= 0) {
                result.error = n < 0 ? file.errorString() : QStringLiteral("fim inesperado");
                return result;
            }
            EVP_DigestUpdate(context.get(), block.get(), static_cast<std::size_t>(n));
            left -= n;
            done += n;
            if (progress)
                progress(done, total);
        }
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_DigestFinal_ex(context.get(), digest, &size);
    result.hex = ToHex(std::string_view(reinterpret_cast<const char*>(digest), size));
    return result;
}

} // namespace tailfetch
