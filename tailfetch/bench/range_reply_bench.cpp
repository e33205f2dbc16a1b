// The download path without the network: a ranged reply of 64 MiB fed in
// arrivals of typical socket sizes, its body handed to a sink that only
// counts, and the same reply spooled to a real file.
#include "core/files.h"
#include "core/http_range.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr std::int64_t kBody = 64ll << 20;

std::string header()
{
    return "HTTP/1.1 206 Partial Content\r\nServer: nginx\r\nContent-Length: " + std::to_string(kBody)
           + "\r\nContent-Range: bytes 0-" + std::to_string(kBody - 1) + "/" + std::to_string(kBody) + "\r\n\r\n";
}

void FeedRangeReply(benchmark::State& state)
{
    const std::string head = header();
    const std::string arrival(static_cast<std::size_t>(state.range(0)), 'x');
    for (auto _ : state) {
        tailfetch::RangeReply reply(1, kBody);
        std::int64_t kept = 0;
        auto sink = [&kept](std::string_view run) {
            kept += static_cast<std::int64_t>(run.size());
            return true;
        };
        reply.feed(head, sink);
        std::int64_t left = kBody;
        while (left > 0) {
            const auto size = std::min<std::int64_t>(left, state.range(0));
            reply.feed(std::string_view(arrival).substr(0, static_cast<std::size_t>(size)), sink);
            left -= size;
        }
        benchmark::DoNotOptimize(kept);
        if (reply.state() != tailfetch::RangeReply::State::Complete)
            state.SkipWithError("reply did not complete");
    }
    state.SetBytesProcessed(state.iterations() * kBody);
}
BENCHMARK(FeedRangeReply)->Arg(1460)->Arg(16 << 10)->Arg(64 << 10)->Unit(benchmark::kMillisecond);

void SpoolRangeReply(benchmark::State& state)
{
    const std::string head = header();
    const std::string arrival(64 << 10, 'x');
    const auto destination = std::filesystem::temp_directory_path() / "tailfetch-bench.bin";
    for (auto _ : state) {
        tailfetch::Spool spool;
        spool.open(destination, nullptr);
        tailfetch::RangeReply reply(1, kBody);
        auto sink = [&spool](std::string_view run) { return spool.write(run); };
        reply.feed(head, sink);
        for (std::int64_t left = kBody; left > 0; left -= static_cast<std::int64_t>(arrival.size()))
            reply.feed(arrival, sink);
        if (!spool.moveOver(destination, nullptr))
            state.SkipWithError("spool could not be moved");
    }
    std::filesystem::remove(destination);
    state.SetBytesProcessed(state.iterations() * kBody);
}
BENCHMARK(SpoolRangeReply)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
