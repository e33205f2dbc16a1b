#include "tailfetch/job/file_digest.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tailfetch {
namespace {

TEST(FileDigestTest, HashesStretchesOfFilesAsOneWholeFile)
{
    QTemporaryDir dir;
    const QString start = dir.filePath(QStringLiteral("start"));
    const QString rest = dir.filePath(QStringLiteral("rest"));
    for (const auto& [name, bytes] : {std::pair{start, QByteArray("xabZZ")}, {rest, "c"}}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // "abc" as bytes 1-2 of one file and the whole of the other.
    const std::vector<DigestSegment> abc{{start, 1, 2}, {rest, 0, -1}};
    // OpenSSL's, and Qt's where libcrypto cannot be loaded: the same sums.
    for (const DigestEngine engine : {DigestEngine::Fastest, DigestEngine::Qt}) {
        SCOPED_TRACE(engine == DigestEngine::Qt ? "Qt" : "OpenSSL");
        EXPECT_EQ(HashSegments(DigestKind::Md5, abc, {}, nullptr, engine).hex,
                  "900150983cd24fb0d6963f7d28e17f72");
        EXPECT_EQ(HashSegments(DigestKind::Sha1, abc, {}, nullptr, engine).hex,
                  "a9993e364706816aba3e25717850c26c9cd0d89d");
        qint64 last = 0;
        qint64 total = 0;
        const auto sha256 = HashSegments(
            DigestKind::Sha256, abc,
            [&](qint64 done, qint64 all) {
                last = done;
                total = all;
            },
            nullptr, engine);
        EXPECT_EQ(sha256.hex, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
        EXPECT_EQ(last, 3);
        EXPECT_EQ(total, 3);
    }

    const auto missing =
        HashSegments(DigestKind::Sha256, {{dir.filePath(QStringLiteral("gone")), 0, -1}});
    EXPECT_FALSE(missing.hex);
    EXPECT_FALSE(missing.error.isEmpty());
}

} // namespace
} // namespace tailfetch
