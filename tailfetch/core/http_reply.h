#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An HTTP/1.x reply read as its bytes arrive, in pieces of any size: the
// header, then the body framed by chunked transfer coding, Content-Length or
// the end of the connection. Body bytes are handed out as they are decoded and
// never gathered here, so a body of any size passes in bounded memory, and the
// same reply gives the same header and body however its bytes are split.
namespace tailfetch {

struct ReplyHeader {
    int status = 0;
    std::string statusLine; // as received, for messages
    std::vector<std::pair<std::string, std::string>> fields;

    // The first field of that name, compared without regard to case, its
    // value without surrounding blanks.
    std::optional<std::string_view> field(std::string_view name) const;
};

// "bytes first-last/total"; total -1 when the server wrote "*".
struct ContentRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
    std::int64_t total = -1;
};
std::optional<ContentRange> ParseContentRange(std::string_view value);

// A whole text of decimal digits that fits in 64 bits, nothing else.
std::optional<std::int64_t> ParseCount(std::string_view text);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Reads chunked transfer coding: size lines (extensions ignored), data,
// and trailer lines up to the empty one.
class ChunkedDecoder {
public:
    enum class State {
        Size,
        SizeExtension,
        SizeLf,
        Data,
        DataCr,
        DataLf,
        Trailer,
        TrailerLf,
        Done,
        Failed
    };

    // Decodes from the front of `bytes` and stops after one run of data, at
    // the end of the coding, or when `bytes` is used up; the data run is the
    // answer and `bytes` loses what was read.
    std::string_view next(std::string_view& bytes);

    State state() const { return state_; }
    bool done() const { return state_ == State::Done; }
    bool failed() const { return state_ == State::Failed; }

private:
    State state_ = State::Size;
    std::uint64_t size_ = 0;
    int sizeDigits_ = 0;
    std::uint64_t left_ = 0;
    std::size_t trailerLineLength_ = 0;
};

class ReplyParser {
public:
    enum class State { Header, Body, Complete, Failed };
    enum class Failure {
        None,
        BadHeader, // no status line, a field line without a colon, or a header that never ends
        UnknownCoding, // a Transfer-Encoding other than chunked
        BadLength, // a Content-Length that is not a count
        BadChunk, // chunked coding that does not follow its grammar
        ClosedEarly, // the connection ended before the body did
    };

    // A reply to HEAD has a header only, whatever its fields say.
    explicit ReplyParser(bool toHead = false);

    // Takes the bytes of one arrival. `sink` receives each run of decoded body
    // bytes, maybe several per call, and answers false to stop the reply
    // (the parser then stays where it is and reports Failed). Returns the state
    // after these bytes; bytes after the end of the reply are ignored.
    template <typename Sink>
    State feed(std::string_view bytes, Sink&& sink)
    {
        while (!bytes.empty() && (state_ == State::Header || state_ == State::Body)) {
            const std::string_view run = next(bytes);
            if (!run.empty() && !sink(run)) {
                stoppedBySink_ = true;
                state_ = State::Failed;
            }
        }
        return state_;
    }

    // The connection ended: a body framed by the close is complete, any
    // other unfinished reply failed.
    State closed();

    State state() const { return state_; }
    Failure failure() const { return failure_; }
    bool stoppedBySink() const { return stoppedBySink_; }
    bool headerComplete() const
    {
        return state_ == State::Body || state_ == State::Complete || headerDone_;
    }
    const ReplyHeader& header() const { return header_; }
    // The status line as received even when it could not be read, for messages.
    const std::string& firstLine() const { return firstLine_; }

    // Body bytes as the Content-Length announces them; -1 when the reply
    // does not say (chunked, or up to the close).
    std::int64_t bodyLength() const { return bodyLength_; }
    std::int64_t bodyReceived() const { return bodyReceived_; }

private:
    std::string_view next(std::string_view& bytes);
    std::string_view takeHeader(std::string_view& bytes);
    void readHeader();
    void fail(Failure failure);

    bool toHead_;
    State state_ = State::Header;
    Failure failure_ = Failure::None;
    bool stoppedBySink_ = false;
    bool headerDone_ = false;
    std::string raw_;
    std::size_t scanFrom_ = 0;
    ReplyHeader header_;
    std::string firstLine_;
    enum class Framing { Length, Chunked, UntilClose } framing_ = Framing::UntilClose;
    ChunkedDecoder chunked_;
    std::int64_t bodyLength_ = -1;
    std::int64_t bodyReceived_ = 0;
};

// A header larger than this is not a reply this program can use.
inline constexpr std::size_t kMaxReplyHeaderBytes = 64 * 1024;

// The request text: HTTP/1.1, the target as given (origin form, or the
// absolute URL for a proxy), then Host and the given fields, each line ended
// by CR LF, and the empty line.
std::string BuildRequest(std::string_view method, std::string_view target, std::string_view host,
                         const std::vector<std::pair<std::string, std::string>>& fields);

} // namespace tailfetch
