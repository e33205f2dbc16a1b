#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The HTTP side of completing a file: which host a URL names, the two
// requests sent to it, and the bookkeeping of the ranged reply as its bytes
// arrive in pieces of any size. Texts here are Windows-1252 bytes.
namespace tailfetch {

// The host written between the second and the third "/" of the URL; nothing
// when the URL holds fewer than three. A host starting with "www" (lower
// case) loses its first four characters.
std::optional<std::string> SplitHost(std::string_view url);

// Where a host text from SplitHost is reached: a port after the last colon
// ("example.org:8080", "[::1]:8080") is used, otherwise port 80.
struct Endpoint {
    std::string host;
    std::uint16_t port = 80;
};
Endpoint ConnectEndpoint(std::string_view hostText);

// The request bytes, HTTP/1.0 with the whole URL as request target and no
// header besides Range.
std::string HeadRequest(std::string_view url);
std::string GetRequest(std::string_view url, std::int64_t startByte, std::int64_t contentLength);

// Bytes up to and including the empty line that ends the header; 0 while the
// buffer holds no CR LF CR LF.
std::int64_t GetHeaderLength(std::string_view buffer);

// Number of body bytes the ranged request asks for.
constexpr std::int64_t ExpectedBody(std::int64_t startByte, std::int64_t contentLength)
{
    return contentLength - (startByte - 1);
}

// The status line of a reply header: "HTTP/1.1 206 Partial Content".
struct StatusLine {
    int code = 0;
    std::string text; // the whole line, for messages
};
std::optional<StatusLine> ParseStatusLine(std::string_view header);

// What the HEAD reply says about the file.
struct HeadInfo {
    enum class Problem { None, BadStatus, NoLength };
    Problem problem = Problem::None;
    std::string status;              // the status line as received
    std::int64_t contentLength = -1; // valid when problem is None
};

// Reads a complete HEAD reply header. Lines end at CR (an LF right after it
// is skipped); the first line starting with "Content-Length:" gives the
// length. A status other than 200, or a length that is missing, not a
// number, negative or too large, is a problem: the length cannot be trusted.
HeadInfo ReadHeadReply(std::string_view header);

// Follows the reply to the ranged GET. Header bytes are kept until the empty
// line arrives; from then on body bytes are handed out as they come and never
// accumulated here, so a body of any size passes through in bounded memory.
class RangeReply {
public:
    enum class State { Header, Body, Complete, Failed };
    enum class Failure {
        None,
        BadStatus,     // not 206 with the asked range (nor 200 for a whole file)
        RangeMismatch, // 206 whose Content-Range is not the asked one
        BadHeader,     // no status line, or a header that never ends
        TooMuchBody,   // more body bytes than asked for
        ClosedEarly,   // the connection ended before the body was complete
        NothingToAsk,  // the start position lies past the remote file's end
    };

    RangeReply(std::int64_t startByte, std::int64_t contentLength);

    // Takes the bytes of one arrival. `body` receives each run of body bytes
    // (possibly several times per call) and answers false when it cannot keep
    // them, which stops the reply. Returns the state after these bytes.
    template <typename BodySink>
    State feed(std::string_view bytes, BodySink&& body)
    {
        const std::string_view run = take(bytes);
        if (!run.empty() && !body(run)) {
            state_ = State::Failed;
            sinkFailed_ = true;
        }
        return state_;
    }

    // The connection ended; an incomplete reply fails.
    State closed();

    State state() const { return state_; }
    Failure failure() const { return failure_; }
    bool sinkFailed() const { return sinkFailed_; }
    std::string statusText() const { return status_; }

    std::int64_t expectedBody() const { return expected_; }
    std::int64_t receivedTotal() const { return receivedTotal_; }
    std::int64_t headerLength() const { return headerLength_; }
    std::int64_t bodyReceived() const { return bodyReceived_; }
    // Received bytes as the window shows them: header bytes count until the
    // header is complete.
    std::int64_t shownReceived() const { return receivedTotal_ - headerLength_; }

private:
    std::string_view take(std::string_view bytes);
    std::string_view acceptBody(std::string_view bytes);
    void checkHeader();
    void fail(Failure failure);

    std::int64_t startByte_;
    std::int64_t contentLength_;
    std::int64_t expected_;
    State state_ = State::Header;
    Failure failure_ = Failure::None;
    bool sinkFailed_ = false;
    std::string header_;
    std::string status_;
    std::int64_t receivedTotal_ = 0;
    std::int64_t headerLength_ = 0;
    std::int64_t bodyReceived_ = 0;
};

// A header larger than this is not an HTTP reply this program can use.
inline constexpr std::size_t kMaxHeaderBytes = 64 * 1024;

} // namespace tailfetch
