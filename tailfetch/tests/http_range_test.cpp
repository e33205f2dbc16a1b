#include "core/http_range.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tailfetch {
namespace {

TEST(SplitHost, TakesTheTextBetweenTheSecondAndThirdSlash)
{
    EXPECT_EQ(SplitHost("http://example.org/file.zip"), "example.org");
    EXPECT_EQ(SplitHost("http://example.org/dir/file.zip"), "example.org");
    // The two slashes need not touch.
    EXPECT_EQ(SplitHost("a/b/c/d"), "c");
    EXPECT_EQ(SplitHost("http://host:8080/f"), "host:8080");
    EXPECT_EQ(SplitHost("http:///f"), "");
}

TEST(SplitHost, NeedsThreeSlashes)
{
    EXPECT_EQ(SplitHost(""), std::nullopt);
    EXPECT_EQ(SplitHost("http://example.org"), std::nullopt);
    EXPECT_EQ(SplitHost("example.org/file"), std::nullopt);
}

TEST(SplitHost, DropsLowerCaseWwwAndTheCharacterAfterIt)
{
    EXPECT_EQ(SplitHost("http://www.example.org/f"), "example.org");
    EXPECT_EQ(SplitHost("http://wwwxexample.org/f"), "example.org");
    EXPECT_EQ(SplitHost("http://www/f"), "");
    EXPECT_EQ(SplitHost("http://WWW.example.org/f"), "WWW.example.org");
    EXPECT_EQ(SplitHost("http://ww.example.org/f"), "ww.example.org");
}

TEST(ConnectEndpoint, UsesAPortWrittenAfterAColon)
{
    const Endpoint plain = ConnectEndpoint("example.org");
    EXPECT_EQ(plain.host, "example.org");
    EXPECT_EQ(plain.port, 80);

    const Endpoint withPort = ConnectEndpoint("127.0.0.1:8080");
    EXPECT_EQ(withPort.host, "127.0.0.1");
    EXPECT_EQ(withPort.port, 8080);

    const Endpoint emptyPort = ConnectEndpoint("example.org:");
    EXPECT_EQ(emptyPort.host, "example.org");
    EXPECT_EQ(emptyPort.port, 80);

    const Endpoint v6 = ConnectEndpoint("[::1]:8081");
    EXPECT_EQ(v6.host, "::1");
    EXPECT_EQ(v6.port, 8081);
    EXPECT_EQ(ConnectEndpoint("[::1]").port, 80);
    EXPECT_EQ(ConnectEndpoint("::1").host, "::1");
}

TEST(ConnectEndpoint, APortThatCannotBeOneIsZero)
{
    EXPECT_EQ(ConnectEndpoint("host:http").port, 0);
    EXPECT_EQ(ConnectEndpoint("host:70000").port, 0);
    EXPECT_EQ(ConnectEndpoint("host:0").port, 0);
    EXPECT_EQ(ConnectEndpoint("host:-1").port, 0);
}

TEST(Requests, AreExactlyTheseBytes)
{
    EXPECT_EQ(HeadRequest("http://example.org/a b.zip"), "HEAD http://example.org/a b.zip HTTP/1.0\r\n\r\n");
    EXPECT_EQ(GetRequest("http://example.org/f", 1001, 5000),
              "GET http://example.org/f HTTP/1.0\r\nRange: bytes=1000-4999\r\n\r\n");
    EXPECT_EQ(ExpectedBody(1001, 5000), 4000);
    EXPECT_EQ(GetRequest("u", 1, 10), "GET u HTTP/1.0\r\nRange: bytes=0-9\r\n\r\n");
    EXPECT_EQ(GetRequest("u", 0, 10), "GET u HTTP/1.0\r\nRange: bytes=-1-9\r\n\r\n");
    // Lengths past 2 GiB are written whole.
    EXPECT_EQ(GetRequest("u", 3'000'000'001, 5'000'000'000),
              "GET u HTTP/1.0\r\nRange: bytes=3000000000-4999999999\r\n\r\n");
}

TEST(GetHeaderLength, CountsUpToTheFirstEmptyLine)
{
    EXPECT_EQ(GetHeaderLength(""), 0);
    EXPECT_EQ(GetHeaderLength("\r\n\r"), 0);
    EXPECT_EQ(GetHeaderLength("\r\n\r\n"), 4);
    EXPECT_EQ(GetHeaderLength("HTTP/1.0 200 OK\r\n\r\nbody"), 19);
    EXPECT_EQ(GetHeaderLength("A\r\n\r\nB\r\n\r\n"), 5);
    EXPECT_EQ(GetHeaderLength("HTTP/1.0 200 OK\r\nX: y\r\n"), 0);
    EXPECT_EQ(GetHeaderLength("A\n\nB"), 0);
}

TEST(ParseStatusLine, ReadsTheCode)
{
    EXPECT_EQ(ParseStatusLine("HTTP/1.1 206 Partial Content\r\n")->code, 206);
    EXPECT_EQ(ParseStatusLine("HTTP/1.0 404\r\n")->code, 404);
    EXPECT_EQ(ParseStatusLine("HTTP/1.1 206 Partial Content\r\nX: y")->text, "HTTP/1.1 206 Partial Content");
    EXPECT_FALSE(ParseStatusLine("ICY 200 OK\r\n"));
    EXPECT_FALSE(ParseStatusLine("HTTP/1.1 2x6 Odd\r\n"));
    EXPECT_FALSE(ParseStatusLine("HTTP/1.1 2066\r\n"));
}

TEST(ReadHeadReply, TakesTheFirstContentLengthLine)
{
    const HeadInfo info = ReadHeadReply("HTTP/1.1 200 OK\r\nServer: x\r\nContent-Length: 5000\r\n"
                                        "Content-Length: 7\r\n\r\n");
    EXPECT_EQ(info.problem, HeadInfo::Problem::None);
    EXPECT_EQ(info.contentLength, 5000);

    // Lines end at CR alone as well.
    EXPECT_EQ(ReadHeadReply("HTTP/1.0 200 OK\rContent-Length: 12\r\r").contentLength, 12);
    EXPECT_EQ(ReadHeadReply("HTTP/1.0 200 OK\r\nContent-Length:12\r\n\r\n").contentLength, 12);
    EXPECT_EQ(ReadHeadReply("HTTP/1.0 200 OK\r\nContent-Length: 6000000000\r\n\r\n").contentLength,
              6'000'000'000);
}

TEST(ReadHeadReply, AnUnusableLengthIsAProblem)
{
    for (const char* reply : {
             "HTTP/1.0 200 OK\r\nServer: x\r\n\r\n",
             "HTTP/1.0 200 OK\r\ncontent-length: 10\r\n\r\n",
             "HTTP/1.0 200 OK\r\nContent-Length: ten\r\n\r\n",
             "HTTP/1.0 200 OK\r\nContent-Length: -10\r\n\r\n",
             "HTTP/1.0 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n",
             "HTTP/1.0 200 OK\r\nContent-Length: 10 20\r\n\r\n",
             "HTTP/1.0 200 OK\r\n\r\nContent-Length: 10\r\n",
         }) {
        SCOPED_TRACE(reply);
        EXPECT_EQ(ReadHeadReply(reply).problem, HeadInfo::Problem::NoLength);
    }
}

TEST(ReadHeadReply, OnlyA200IsTrusted)
{
    const HeadInfo info = ReadHeadReply("HTTP/1.1 404 Not Found\r\nContent-Length: 153\r\n\r\n");
    EXPECT_EQ(info.problem, HeadInfo::Problem::BadStatus);
    EXPECT_EQ(info.status, "HTTP/1.1 404 Not Found");
    EXPECT_EQ(ReadHeadReply("HTTP/1.1 301 Moved\r\nContent-Length: 1\r\n\r\n").problem,
              HeadInfo::Problem::BadStatus);
    EXPECT_EQ(ReadHeadReply("garbage\r\n\r\n").problem, HeadInfo::Problem::BadStatus);
}

// Feeds `reply` cut at the given offsets; returns the body bytes handed out.
std::string feedInPieces(RangeReply& reply, const std::string& bytes, const std::vector<std::size_t>& cuts)
{
    std::string body;
    std::size_t from = 0;
    auto sink = [&body](std::string_view run) {
        body.append(run);
        return true;
    };
    for (const std::size_t cut : cuts) {
        reply.feed(std::string_view(bytes).substr(from, cut - from), sink);
        from = cut;
    }
    reply.feed(std::string_view(bytes).substr(from), sink);
    return body;
}

const std::string kPartialHeader = "HTTP/1.1 206 Partial Content\r\nContent-Length: 6\r\n"
                                   "Content-Range: bytes 4-9/10\r\n\r\n";

TEST(RangeReply, CompletesInOneArrival)
{
    RangeReply reply(5, 10);
    EXPECT_EQ(reply.expectedBody(), 6);
    const std::string body = feedInPieces(reply, kPartialHeader + "456789", {});
    EXPECT_EQ(reply.state(), RangeReply::State::Complete);
    EXPECT_EQ(body, "456789");
    EXPECT_EQ(reply.headerLength(), static_cast<std::int64_t>(kPartialHeader.size()));
    EXPECT_EQ(reply.shownReceived(), 6);
}

TEST(RangeReply, CompletesWhenSplitAtEveryByte)
{
    const std::string whole = kPartialHeader + "456789";
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        RangeReply reply(5, 10);
        EXPECT_EQ(feedInPieces(reply, whole, {cut}), "456789");
        EXPECT_EQ(reply.state(), RangeReply::State::Complete);
    }
    // And one byte at a time.
    std::vector<std::size_t> everyByte;
    for (std::size_t i = 1; i < whole.size(); ++i)
        everyByte.push_back(i);
    RangeReply reply(5, 10);
    EXPECT_EQ(feedInPieces(reply, whole, everyByte), "456789");
    EXPECT_EQ(reply.state(), RangeReply::State::Complete);
}

TEST(RangeReply, CountsHeaderBytesUntilTheHeaderIsWhole)
{
    RangeReply reply(5, 10);
    feedInPieces(reply, kPartialHeader.substr(0, 20), {});
    EXPECT_EQ(reply.state(), RangeReply::State::Header);
    EXPECT_EQ(reply.shownReceived(), 20);
    feedInPieces(reply, kPartialHeader.substr(20) + "45", {});
    EXPECT_EQ(reply.state(), RangeReply::State::Body);
    EXPECT_EQ(reply.shownReceived(), 2);
    EXPECT_EQ(reply.receivedTotal(), static_cast<std::int64_t>(kPartialHeader.size()) + 2);
}

TEST(RangeReply, AcceptsAWholeFileOnlyWhenTheWholeFileWasAsked)
{
    const std::string ok = "HTTP/1.0 200 OK\r\nContent-Length: 4\r\n\r\nabcd";
    RangeReply whole(1, 4);
    EXPECT_EQ(feedInPieces(whole, ok, {}), "abcd");
    EXPECT_EQ(whole.state(), RangeReply::State::Complete);

    RangeReply fromTwo(2, 4);
    EXPECT_EQ(feedInPieces(fromTwo, ok, {}), "");
    EXPECT_EQ(fromTwo.state(), RangeReply::State::Failed);
    EXPECT_EQ(fromTwo.failure(), RangeReply::Failure::BadStatus);
    EXPECT_EQ(fromTwo.statusText(), "HTTP/1.0 200 OK");

    RangeReply partialWhole(1, 4);
    feedInPieces(partialWhole, "HTTP/1.1 206 P\r\nContent-Range: bytes 0-3/4\r\n\r\nabcd", {});
    EXPECT_EQ(partialWhole.state(), RangeReply::State::Complete);
}

TEST(RangeReply, RefusesOtherStatusesAndRanges)
{
    struct Case {
        const char* header;
        RangeReply::Failure failure;
    };
    for (const Case& c : {
             Case{"HTTP/1.1 404 Not Found\r\nContent-Length: 6\r\n\r\n", RangeReply::Failure::BadStatus},
             Case{"HTTP/1.1 416 Range Not Satisfiable\r\n\r\n", RangeReply::Failure::BadStatus},
             Case{"HTTP/1.1 302 Found\r\nLocation: x\r\n\r\n", RangeReply::Failure::BadStatus},
             Case{"HTTP/1.1 206 P\r\n\r\n", RangeReply::Failure::RangeMismatch},
             Case{"HTTP/1.1 206 P\r\nContent-Range: bytes 3-9/10\r\n\r\n", RangeReply::Failure::RangeMismatch},
             Case{"HTTP/1.1 206 P\r\nContent-Range: bytes 4-8/10\r\n\r\n", RangeReply::Failure::RangeMismatch},
             Case{"HTTP/1.1 206 P\r\nContent-Range: bytes 4-9/11\r\n\r\n", RangeReply::Failure::RangeMismatch},
             Case{"HTTP/1.1 206 P\r\nContent-Range: items 4-9/10\r\n\r\n", RangeReply::Failure::RangeMismatch},
             Case{"hello\r\n\r\n", RangeReply::Failure::BadHeader},
         }) {
        SCOPED_TRACE(c.header);
        RangeReply reply(5, 10);
        EXPECT_EQ(feedInPieces(reply, std::string(c.header) + "456789", {}), "");
        EXPECT_EQ(reply.state(), RangeReply::State::Failed);
        EXPECT_EQ(reply.failure(), c.failure);
    }
    // Field names are not case-sensitive, and an unknown total is fine.
    RangeReply lower(5, 10);
    feedInPieces(lower, "HTTP/1.1 206 P\r\ncontent-range: bytes 4-9/*\r\n\r\n456789", {});
    EXPECT_EQ(lower.state(), RangeReply::State::Complete);
}

TEST(RangeReply, ExtraBodyBytesFailAndAreNotHandedOut)
{
    RangeReply reply(5, 10);
    EXPECT_EQ(feedInPieces(reply, kPartialHeader + "4567890", {}), "");
    EXPECT_EQ(reply.failure(), RangeReply::Failure::TooMuchBody);

    RangeReply split(5, 10);
    EXPECT_EQ(feedInPieces(split, kPartialHeader + "4567", {}), "4567");
    feedInPieces(split, "8XY", {});
    EXPECT_EQ(split.failure(), RangeReply::Failure::TooMuchBody);
}

TEST(RangeReply, AnEarlyCloseFails)
{
    RangeReply reply(5, 10);
    feedInPieces(reply, kPartialHeader + "45", {});
    EXPECT_EQ(reply.closed(), RangeReply::State::Failed);
    EXPECT_EQ(reply.failure(), RangeReply::Failure::ClosedEarly);

    RangeReply noHeader(5, 10);
    feedInPieces(noHeader, "HTTP/1.1 206", {});
    EXPECT_EQ(noHeader.closed(), RangeReply::State::Failed);

    RangeReply done(5, 10);
    feedInPieces(done, kPartialHeader + "456789", {});
    EXPECT_EQ(done.closed(), RangeReply::State::Complete);
}

TEST(RangeReply, AHeaderThatNeverEndsFails)
{
    RangeReply reply(1, 10);
    const std::string line = "X-Filler: " + std::string(1000, 'x') + "\r\n";
    std::string header = "HTTP/1.1 200 OK\r\n";
    while (header.size() <= kMaxHeaderBytes)
        header += line;
    feedInPieces(reply, header, {});
    EXPECT_EQ(reply.failure(), RangeReply::Failure::BadHeader);
}

TEST(RangeReply, AStartPastTheEndAsksNothing)
{
    RangeReply reply(11, 10);
    feedInPieces(reply, "HTTP/1.1 416 R\r\n\r\n", {});
    EXPECT_EQ(reply.failure(), RangeReply::Failure::NothingToAsk);
}

TEST(RangeReply, ASinkThatCannotKeepTheBytesStopsTheReply)
{
    RangeReply reply(5, 10);
    const auto state = reply.feed(kPartialHeader + "45", [](std::string_view) { return false; });
    EXPECT_EQ(state, RangeReply::State::Failed);
    EXPECT_TRUE(reply.sinkFailed());
}

TEST(RangeReply, SizesPastTwoGibibytes)
{
    const std::int64_t length = 5'000'000'000;
    RangeReply reply(length - 2, length);
    const std::string header = "HTTP/1.1 206 P\r\nContent-Range: bytes 4999999997-4999999999/5000000000\r\n\r\n";
    EXPECT_EQ(feedInPieces(reply, header + "xyz", {}), "xyz");
    EXPECT_EQ(reply.state(), RangeReply::State::Complete);
}

} // namespace
} // namespace tailfetch
