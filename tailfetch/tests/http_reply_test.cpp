#include "tailfetch/core/http_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tailfetch {
namespace {

struct Parsed {
    ReplyParser::State state;
    ReplyParser::Failure failure;
    std::string body;
};

// Feeds `reply` cut at the given offsets, then the end of the connection.
Parsed parse(const std::string& reply, const std::vector<std::size_t>& cuts = {},
             bool toHead = false, bool close = true)
{
    ReplyParser parser(toHead);
    Parsed out;
    std::size_t from = 0;
    auto sink = [&out](std::string_view run) {
        out.body.append(run);
        return true;
    };
    for (std::size_t cut : cuts) {
        parser.feed(std::string_view(reply).substr(from, cut - from), sink);
        from = cut;
    }
    parser.feed(std::string_view(reply).substr(from), sink);
    if (close)
        parser.closed();
    out.state = parser.state();
    out.failure = parser.failure();
    return out;
}

const std::string kChunked = "HTTP/1.1 206 Partial Content\r\n"
                             "content-range: bytes 4-15/16\r\n"
                             "TRANSFER-ENCODING: Chunked\r\n"
                             "\r\n"
                             "5;name=value\r\nabcde\r\n"
                             "7\r\nfghijkl\r\n"
                             "0\r\nExpires: never\r\n\r\n";

TEST(ReplyParserTest, TheResultDoesNotDependOnHowTheBytesAreSplit)
{
    const std::string lengthReply = "HTTP/1.1 200 OK\r\nContent-Length: 12\r\n\r\nhello world!";
    const std::string bareLf = "HTTP/1.0 200 OK\nContent-Length: 3\n\nxyz";
    for (const std::string& reply : {kChunked, lengthReply, bareLf}) {
        const Parsed whole = parse(reply);
        ASSERT_EQ(whole.state, ReplyParser::State::Complete) << reply;
        // Every single cut, and every byte on its own.
        for (std::size_t cut = 1; cut < reply.size(); ++cut) {
            const Parsed split = parse(reply, {cut});
            EXPECT_EQ(split.body, whole.body) << "cut at " << cut;
            EXPECT_EQ(split.state, whole.state) << "cut at " << cut;
        }
        std::vector<std::size_t> everyByte;
        for (std::size_t i = 1; i < reply.size(); ++i)
            everyByte.push_back(i);
        EXPECT_EQ(parse(reply, everyByte).body, whole.body);
    }
    EXPECT_EQ(parse(kChunked).body, "abcdefghijkl");
    EXPECT_EQ(parse(bareLf).body, "xyz");
}

TEST(ReplyParserTest, FieldNamesMatchWithoutRegardToCase)
{
    ReplyParser parser;
    parser.feed(kChunked, [](std::string_view) { return true; });
    ASSERT_TRUE(parser.headerComplete());
    EXPECT_EQ(parser.header().status, 206);
    EXPECT_EQ(parser.header().field("Content-Range"), "bytes 4-15/16");
    EXPECT_EQ(parser.header().field("transfer-encoding"), "Chunked");
    EXPECT_FALSE(parser.header().field("Content-Length"));
}

TEST(ReplyParserTest, BodyFramingByLengthChunksOrClose)
{
    // Bytes after a Content-Length body are not part of it.
    const Parsed extra =
        parse("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabcdef", {}, false, false);
    EXPECT_EQ(extra.state, ReplyParser::State::Complete);
    EXPECT_EQ(extra.body, "ab");
    // Without length or coding, the close ends the body; before it, it is open.
    EXPECT_EQ(parse("HTTP/1.0 200 OK\r\n\r\nrest", {}, false, false).state,
              ReplyParser::State::Body);
    EXPECT_EQ(parse("HTTP/1.0 200 OK\r\n\r\nrest").body, "rest");
    // A close before the announced end fails.
    const Parsed early = parse("HTTP/1.1 206 P\r\nContent-Length: 10\r\n\r\nabc");
    EXPECT_EQ(early.failure, ReplyParser::Failure::ClosedEarly);
    EXPECT_EQ(early.body, "abc");
    EXPECT_EQ(parse(kChunked.substr(0, kChunked.size() - 4)).failure,
              ReplyParser::Failure::ClosedEarly);
    // A HEAD reply and a 304 have no body whatever they announce.
    EXPECT_EQ(parse("HTTP/1.1 200 OK\r\nContent-Length: 99\r\n\r\n", {}, true, false).state,
              ReplyParser::State::Complete);
    EXPECT_EQ(
        parse("HTTP/1.1 304 Not Modified\r\nContent-Length: 99\r\n\r\n", {}, false, false).state,
        ReplyParser::State::Complete);
    // An interim reply is skipped.
    const Parsed interim =
        parse("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nz");
    EXPECT_EQ(interim.state, ReplyParser::State::Complete);
    EXPECT_EQ(interim.body, "z");
}

TEST(ReplyParserTest, RefusesWhatItCannotRead)
{
    using F = ReplyParser::Failure;
    EXPECT_EQ(parse("HTTP/1.1 206 P\r\nTransfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n").failure,
              F::UnknownCoding);
    EXPECT_EQ(parse("HTTP/1.1 206 P\r\nTransfer-Encoding: identity\r\n\r\nab").failure,
              F::UnknownCoding);
    EXPECT_EQ(parse("HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n").failure, F::BadLength);
    EXPECT_EQ(parse("HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\n").failure, F::BadLength);
    EXPECT_EQ(parse("SSH-2.0-OpenSSH\r\n\r\n").failure, F::BadHeader);
    EXPECT_EQ(parse("HTTP/1.1 200 OK\r\nno colon here\r\n\r\n").failure, F::BadHeader);
    EXPECT_EQ(parse(std::string(kMaxReplyHeaderBytes + 10, 'a')).failure, F::BadHeader);
    const std::string head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    EXPECT_EQ(parse(head + "zz\r\n").failure, F::BadChunk);
    EXPECT_EQ(parse(head + "\r\n").failure, F::BadChunk);
    EXPECT_EQ(parse(head + "2\r\nabX\r\n").failure, F::BadChunk); // data longer than its size
    EXPECT_EQ(parse(head + "1000000000000000\r\n").failure, F::BadChunk); // size beyond any file
}

TEST(ReplyParserTest, ASinkThatRefusesStopsTheReply)
{
    ReplyParser parser;
    std::string got;
    const auto state =
        parser.feed("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nabcd", [&](std::string_view run) {
            got.append(run);
            return false;
        });
    EXPECT_EQ(state, ReplyParser::State::Failed);
    EXPECT_TRUE(parser.stoppedBySink());
    EXPECT_TRUE(parser.headerComplete());
    EXPECT_EQ(got, "abcd");
}

TEST(ContentRangeTest, ReadsRangesAndRefusesNonsense)
{
    const auto range = ParseContentRange("bytes 999-4999/5000");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 999);
    EXPECT_EQ(range->last, 4999);
    EXPECT_EQ(range->total, 5000);
    EXPECT_EQ(ParseContentRange("bytes 0-0/*")->total, -1);
    EXPECT_FALSE(ParseContentRange("bytes */5000"));
    EXPECT_FALSE(ParseContentRange("bytes 5-4/10"));
    EXPECT_FALSE(ParseContentRange("bytes 0-9/9"));
    EXPECT_FALSE(ParseContentRange("items 0-1/2"));
    EXPECT_FALSE(ParseContentRange("bytes -1-4/10"));
}

TEST(BuildRequestTest, WritesAnOriginFormHttp11Request)
{
    EXPECT_EQ(BuildRequest("GET", "/a%20b?x=1", "[::1]:8080",
                           {{"Range", "bytes=0-0"}, {"Connection", "close"}}),
              "GET /a%20b?x=1 HTTP/1.1\r\nHost: [::1]:8080\r\nRange: bytes=0-0\r\nConnection: "
              "close\r\n\r\n");
}

} // namespace
} // namespace tailfetch
