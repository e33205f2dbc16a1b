// The reply reading without the network: a 64 MiB ranged reply fed in
// arrivals of typical socket sizes, its body handed to a sink that only
// counts, framed by Content-Length and by chunked coding.
#include "tailfetch/core/http_reply.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr std::int64_t kBody = 64ll << 20;

std::string lengthReply()
{
    std::string reply = "HTTP/1.1 206 Partial Content\r\nServer: nginx\r\nContent-Length: " +
                        std::to_string(kBody) + "\r\nContent-Range: bytes 0-" +
                        std::to_string(kBody - 1) + "/" + std::to_string(kBody) + "\r\n\r\n";
    reply.append(static_cast<std::size_t>(kBody), 'x');
    return reply;
}

// Chunks of 16 KiB, as servers that stream often send them.
std::string chunkedReply()
{
    std::string reply = "HTTP/1.1 206 Partial Content\r\nTransfer-Encoding: chunked\r\n\r\n";
    const std::string chunk = "4000\r\n" + std::string(16 << 10, 'x') + "\r\n";
    for (std::int64_t left = kBody; left > 0; left -= 16 << 10)
        reply += chunk;
    return reply + "0\r\n\r\n";
}

void Feed(benchmark::State& state, const std::string& reply)
{
    const auto arrival = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        tailfetch::ReplyParser parser;
        std::int64_t kept = 0;
        auto sink = [&kept](std::string_view run) {
            kept += static_cast<std::int64_t>(run.size());
            return true;
        };
        for (std::size_t at = 0; at < reply.size(); at += arrival)
            parser.feed(std::string_view(reply).substr(at, arrival), sink);
        benchmark::DoNotOptimize(kept);
        if (parser.state() != tailfetch::ReplyParser::State::Complete || kept != kBody)
            state.SkipWithError("reply did not complete");
    }
    state.SetBytesProcessed(state.iterations() * kBody);
}

void FeedLengthReply(benchmark::State& state)
{
    static const std::string reply = lengthReply();
    Feed(state, reply);
}
BENCHMARK(FeedLengthReply)->Arg(1460)->Arg(64 << 10)->Arg(256 << 10)->Unit(benchmark::kMillisecond);

void FeedChunkedReply(benchmark::State& state)
{
    static const std::string reply = chunkedReply();
    Feed(state, reply);
}
BENCHMARK(FeedChunkedReply)
    ->Arg(1460)
    ->Arg(64 << 10)
    ->Arg(256 << 10)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
