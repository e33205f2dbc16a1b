// Reads the input as an HTTP reply twice, once whole and once cut at places
// the input itself chooses, and requires the same header, body and end state;
// then sends the input as the body of a chunked reply, in chunks whose sizes
// the input chooses, and requires it back unchanged.
#include "tailfetch/core/http_reply.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Result {
    tailfetch::ReplyParser::State state;
    tailfetch::ReplyParser::Failure failure;
    int status = 0;
    std::vector<std::pair<std::string, std::string>> fields;
    std::string body;

    bool operator==(const Result& other) const
    {
        return state == other.state && failure == other.failure && status == other.status &&
               fields == other.fields && body == other.body;
    }
};

Result read(std::string_view reply, const std::vector<std::size_t>& cuts, bool toHead)
{
    tailfetch::ReplyParser parser(toHead);
    Result result;
    auto sink = [&result](std::string_view run) {
        result.body.append(run);
        return true;
    };
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        parser.feed(reply.substr(from, cut - from), sink);
        from = cut;
    }
    parser.feed(reply.substr(from), sink);
    parser.closed();
    result.state = parser.state();
    result.failure = parser.failure();
    result.status = parser.header().status;
    result.fields = parser.header().fields;
    return result;
}

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::uint8_t pick = data[0];
    const bool toHead = (pick & 1) != 0;
    const std::string_view reply = input.substr(1);

    // Cuts at a stride taken from the first byte, growing as it goes.
    std::vector<std::size_t> cuts;
    std::size_t step = 1 + (pick >> 1) % 13;
    for (std::size_t at = step; at < reply.size(); at += step, step = step % 29 + 1)
        cuts.push_back(at);
    check(read(reply, {}, toHead) == read(reply, cuts, toHead));

    // The same bytes as a chunked body.
    std::string chunked = "HTTP/1.1 206 Partial Content\r\nTransfer-Encoding: chunked\r\n\r\n";
    std::size_t pos = 0;
    std::size_t chunk = 1 + pick % 7;
    static const char* hex = "0123456789abcdef";
    while (pos < reply.size()) {
        const std::size_t n = std::min(chunk, reply.size() - pos);
        std::string sizeText;
        for (std::size_t v = n; v > 0; v /= 16)
            sizeText.insert(sizeText.begin(), hex[v % 16]);
        chunked.append(sizeText).append(pick & 2 ? ";ext=1\r\n" : "\r\n");
        chunked.append(reply.substr(pos, n)).append("\r\n");
        pos += n;
        chunk = chunk * 3 % 257 + 1;
    }
    chunked.append("0\r\n\r\n");
    const Result decoded = read(chunked, cuts, false);
    check(decoded.state == tailfetch::ReplyParser::State::Complete);
    check(decoded.body == reply);
    return 0;
}
