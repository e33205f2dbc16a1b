#include "tailfetch/job/file_digest.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <openssl/md5.h>
#include <openssl/opensslv.h>
#include <openssl/sha.h>

#include <memory>
#include <optional>

namespace tailfetch {
namespace {

// libcrypto is loaded the first time a file is hashed, not with the program:
// a completion with no sum to check never maps it. Its one-algorithm
// functions (SHA256_Update...) run the same code as its EVP interface, SHA
// instructions included, without starting OpenSSL 3's providers, which
// would double what the library takes in memory.
class Crypto {
public:
    Crypto()
    {
        // The library this was built against: its major version names the
        // file (libcrypto.so.3); Windows names it libcrypto-3-x64.dll.
#ifdef Q_OS_WIN
        library_.setFileName(QStringLiteral("libcrypto-%1-x64").arg(OPENSSL_VERSION_MAJOR));
#else
        library_.setFileNameAndVersion(QStringLiteral("crypto"), OPENSSL_VERSION_MAJOR);
#endif
        library_.load();
    }

    // The three functions of one algorithm, or nothing when the library or
    // one of them is missing.
    template <typename Context>
    struct Functions {
        int (*init)(Context*) = nullptr;
        int (*update)(Context*, const void*, std::size_t) = nullptr;
        int (*final)(unsigned char*, Context*) = nullptr;
    };
    template <typename Context>
    std::optional<Functions<Context>> functions(const char* prefix)
    {
        if (!library_.isLoaded())
            return std::nullopt;
        const QByteArray name(prefix);
        Functions<Context> f;
        f.init = reinterpret_cast<decltype(f.init)>(library_.resolve(name + "_Init"));
        f.update = reinterpret_cast<decltype(f.update)>(library_.resolve(name + "_Update"));
        f.final = reinterpret_cast<decltype(f.final)>(library_.resolve(name + "_Final"));
        if (!f.init || !f.update || !f.final)
            return std::nullopt;
        return f;
    }

private:
    QLibrary library_;
};

Crypto& crypto()
{
    static Crypto instance;
    return instance;
}

// One running hash: bytes in, the raw sum out.
class Hasher {
public:
    virtual ~Hasher() = default;
    virtual void add(const char* bytes, std::size_t size) = 0;
    virtual std::string finish() = 0;
};

template <typename Context, int Size>
class OpenSslHasher : public Hasher {
public:
    explicit OpenSslHasher(const Crypto::Functions<Context>& functions) : f_(functions)
    {
        f_.init(&context_);
    }

    void add(const char* bytes, std::size_t size) override { f_.update(&context_, bytes, size); }
    std::string finish() override
    {
        unsigned char digest[Size];
        f_.final(digest, &context_);
        return std::string(reinterpret_cast<const char*>(digest), Size);
    }

private:
    Crypto::Functions<Context> f_;
    Context context_{};
};

template <typename Context, int Size>
std::unique_ptr<Hasher> openSslHasher(const char* prefix)
{
    const auto functions = crypto().functions<Context>(prefix);
    if (!functions)
        return nullptr;
    return std::make_unique<OpenSslHasher<Context, Size>>(*functions);
}

std::unique_ptr<Hasher> openSslHasher(DigestKind kind)
{
    switch (kind) {
    case DigestKind::Md5: return openSslHasher<MD5_CTX, MD5_DIGEST_LENGTH>("MD5");
    case DigestKind::Sha1: return openSslHasher<SHA_CTX, SHA_DIGEST_LENGTH>("SHA1");
    case DigestKind::Sha256: return openSslHasher<SHA256_CTX, SHA256_DIGEST_LENGTH>("SHA256");
    }
    return nullptr;
}

class QtHasher : public Hasher {
public:
    explicit QtHasher(QCryptographicHash::Algorithm algorithm) : hash_(algorithm) {}

    void add(const char* bytes, std::size_t size) override
    {
        hash_.addData(QByteArrayView(bytes, static_cast<qsizetype>(size)));
    }
    std::string finish() override { return hash_.result().toStdString(); }

private:
    QCryptographicHash hash_;
};

std::unique_ptr<Hasher> qtHasher(DigestKind kind)
{
    switch (kind) {
    case DigestKind::Md5: return std::make_unique<QtHasher>(QCryptographicHash::Md5);
    case DigestKind::Sha1: return std::make_unique<QtHasher>(QCryptographicHash::Sha1);
    case DigestKind::Sha256: return std::make_unique<QtHasher>(QCryptographicHash::Sha256);
    }
    return nullptr;
}

// Large enough that the system call costs little beside the hash (a read
// of 64 KiB from the page cache against hashing it), small enough to stay
// in the cache and out of the program's peak memory.
constexpr qint64 kBlock = 64 * 1024;

} // namespace

DigestResult HashSegments(DigestKind kind, const std::vector<DigestSegment>& segments,
                          const std::function<void(qint64, qint64)>& progress,
                          const std::atomic_bool* cancel, DigestEngine engine)
{
    DigestResult result;
    qint64 total = 0;
    for (const DigestSegment& segment : segments) {
        const qint64 size = QFileInfo(segment.path).size();
        total += segment.length < 0 ? std::max<qint64>(size - segment.offset, 0) : segment.length;
    }
    std::unique_ptr<Hasher> hasher =
        engine == DigestEngine::Fastest ? openSslHasher(kind) : nullptr;
    if (!hasher)
        hasher = qtHasher(kind);
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
            hasher->add(block.get(), static_cast<std::size_t>(n));
            left -= n;
            done += n;
            if (progress)
                progress(done, total);
        }
    }
    result.hex = ToHex(hasher->finish());
    return result;
}

} // namespace tailfetch
