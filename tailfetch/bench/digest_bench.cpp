// The check after a completion: the whole file hashed as the job hashes it,
// a 1 GiB file read from the page cache (the job hashes a file it has just
// written, so that is where its bytes are).
#include "tailfetch/job/file_digest.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

void BM_HashOneGiB(benchmark::State& state)
{
    const auto kind = static_cast<tailfetch::DigestKind>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.bin"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the file");
            return;
        }
        QByteArray block(1 << 20, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = static_cast<char>(i * 2654435761u >> 24);
        for (int i = 0; i < 1024; ++i)
            file.write(block);
    }
    for (auto _ : state) {
        const auto result = tailfetch::HashSegments(kind, {{path, 0, -1}});
        if (!result.hex)
            state.SkipWithError("hash failed");
    }
    state.SetBytesProcessed(state.iterations() * (qint64{1} << 30));
}
BENCHMARK(BM_HashOneGiB)
    ->Arg(static_cast<int>(tailfetch::DigestKind::Sha256))
    ->Arg(static_cast<int>(tailfetch::DigestKind::Sha1))
    ->Arg(static_cast<int>(tailfetch::DigestKind::Md5))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
BENCHMARK_MAIN();
