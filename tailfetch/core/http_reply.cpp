#include "tailfetch/core/http_reply.h"

#include <algorithm>
#include <charconv>

namespace tailfetch {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "HTTP/" digit "." digit SP 3DIGIT [SP reason]
std::optional<int> statusCode(std::string_view line)
{
    if (line.size() < 12 || line.substr(0, 5) != "HTTP/" || line[6] != '.' || line[8] != ' ')
        return std::nullopt;
    const std::string_view code = line.substr(9, 3);
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    if (line.size() > 12 && line[12] != ' ')
        return std::nullopt;
    return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<std::int64_t> ParseCount(std::string_view text)
{
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<std::string_view> ReplyHeader::field(std::string_view name) const
{
    for (const auto& [fieldName, value] : fields)
        if (EqualsIgnoringCase(fieldName, name))
            return std::string_view(value);
    return std::nullopt;
}

std::optional<ContentRange> ParseContentRange(std::string_view value)
{
    value = trimBlanks(value);
    if (value.size() < 6 || !EqualsIgnoringCase(value.substr(0, 6), "bytes "))
        return std::nullopt;
    const std::string_view range = trimBlanks(value.substr(6));
    const std::size_t dash = range.find('-');
    const std::size_t slash = range.find('/');
    if (dash == std::string_view::npos || slash == std::string_view::npos || slash < dash)
        return std::nullopt;
    const auto first = ParseCount(range.substr(0, dash));
    const auto last = ParseCount(range.substr(dash + 1, slash - dash - 1));
    if (!first || !last || *last < *first)
        return std::nullopt;
    ContentRange result{*first, *last, -1};
    const std::string_view total = range.substr(slash + 1);
    if (total != "*") {
        const auto count = ParseCount(total);
        if (!count || *count <= *last)
            return std::nullopt;
        result.total = *count;
    }
    return result;
}

// ---------------------------------------------------------------- chunked coding

std::string_view ChunkedDecoder::next(std::string_view& bytes)
{
    auto fail = [this] {
        state_ = State::Failed;
        return std::string_view();
    };
    auto afterSizeLine = [this] {
        if (size_ == 0) {
            state_ = State::Trailer;
            trailerLineLength_ = 0;
        } else {
            left_ = size_;
            state_ = State::Data;
        }
    };
    while (!bytes.empty()) {
        if (state_ == State::Data) {
            const std::size_t n =
                static_cast<std::size_t>(std::min<std::uint64_t>(left_, bytes.size()));
            const std::string_view run = bytes.substr(0, n);
            bytes.remove_prefix(n);
            left_ -= n;
            if (left_ == 0)
                state_ = State::DataCr;
            return run;
        }
        if (state_ == State::Done || state_ == State::Failed)
            return {};
        const char c = bytes.front();
        bytes.remove_prefix(1);
        switch (state_) {
        case State::Size:
            if (const int digit = hexValue(c); digit >= 0) {
                // Sixteen hex digits already reach past any length a file can have.
                if (++sizeDigits_ > 15)
                    return fail();
                size_ = size_ * 16 + static_cast<std::uint64_t>(digit);
            } else if (sizeDigits_ == 0) {
                return fail();
            } else if (c == ';' || isBlank(c)) {
                state_ = State::SizeExtension;
            } else if (c == '\r') {
                state_ = State::SizeLf;
            } else if (c == '\n') {
                afterSizeLine();
            } else {
                return fail();
            }
            break;
        case State::SizeExtension:
            if (c == '\r')
                state_ = State::SizeLf;
            else if (c == '\n')
                afterSizeLine();
            break;
        case State::SizeLf:
            if (c != '\n')
                return fail();
            afterSizeLine();
            break;
        case State::DataCr:
        case State::DataLf:
            if (c == '\r' && state_ == State::DataCr) {
                state_ = State::DataLf;
            } else if (c == '\n') {
                state_ = State::Size;
                size_ = 0;
                sizeDigits_ = 0;
            } else {
                return fail();
            }
            break;
        case State::Trailer:
            if (c == '\r') {
                state_ = State::TrailerLf;
            } else if (c == '\n') {
                if (trailerLineLength_ == 0)
                    state_ = State::Done;
                trailerLineLength_ = 0;
            } else {
                ++trailerLineLength_;
            }
            break;
        case State::TrailerLf:
            if (c != '\n')
                return fail();
            state_ = trailerLineLength_ == 0 ? State::Done : State::Trailer;
            trailerLineLength_ = 0;
            break;
        case State::Data:
        case State::Done:
        case State::Failed: break;
        }
    }
    return {};
}

// ---------------------------------------------------------------- the reply

ReplyParser::ReplyParser(bool toHead) : toHead_(toHead)
{
}

std::string_view ReplyParser::next(std::string_view& bytes)
{
    if (state_ == State::Header)
        return takeHeader(bytes);
    std::string_view run;
    switch (framing_) {
    case Framing::Length: {
        const std::int64_t left = bodyLength_ - bodyReceived_;
        const auto n = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(bytes.size())));
        run = bytes.substr(0, n);
        bytes.remove_prefix(n);
        bodyReceived_ += static_cast<std::int64_t>(n);
        if (bodyReceived_ == bodyLength_)
            state_ = State::Complete;
        break;
    }
    case Framing::Chunked:
        run = chunked_.next(bytes);
        bodyReceived_ += static_cast<std::int64_t>(run.size());
        if (chunked_.failed())
            fail(Failure::BadChunk);
        else if (chunked_.done())
            state_ = State::Complete;
        break;
    case Framing::UntilClose:
        run = bytes;
        bytes = {};
        bodyReceived_ += static_cast<std::int64_t>(run.size());
        break;
    }
    return run;
}

std::string_view ReplyParser::takeHeader(std::string_view& bytes)
{
    const std::size_t before = raw_.size();
    const std::size_t room = kMaxReplyHeaderBytes + 1 - before;
    raw_.append(bytes.substr(0, room));
    // The header ends with the first empty line; lines end in LF, most with a
    // CR before it. Where the bytes so far cannot tell yet, look again there.
    std::size_t end = 0;
    for (std::size_t i = raw_.find('\n', scanFrom_); i != std::string::npos;
         i = raw_.find('\n', i + 1)) {
        if (i + 1 < raw_.size() && raw_[i + 1] == '\n') {
            end = i + 2;
        } else if (i + 2 < raw_.size() && raw_[i + 1] == '\r' && raw_[i + 2] == '\n') {
            end = i + 3;
        } else if (i + 1 == raw_.size() || (i + 2 == raw_.size() && raw_[i + 1] == '\r')) {
            scanFrom_ = i;
            break;
        } else {
            continue;
        }
        break;
    }
    if (end == 0) {
        if (raw_.find('\n', scanFrom_) == std::string::npos)
            scanFrom_ = raw_.size();
        bytes.remove_prefix(std::min(bytes.size(), room));
        if (raw_.size() > kMaxReplyHeaderBytes)
            fail(Failure::BadHeader);
        return {};
    }
    bytes.remove_prefix(end - before);
    raw_.resize(end);
    readHeader();
    return {};
}

void ReplyParser::readHeader()
{
    header_ = {};
    std::string_view rest = raw_;
    bool first = true;
    while (!rest.empty()) {
        std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (first) {
            firstLine_ = std::string(line);
            header_.statusLine = firstLine_;
            const auto code = statusCode(line);
            if (!code)
                return fail(Failure::BadHeader);
            header_.status = *code;
            first = false;
            continue;
        }
        if (line.empty())
            break;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0)
            return fail(Failure::BadHeader);
        header_.fields.emplace_back(std::string(trimBlanks(line.substr(0, colon))),
                                    std::string(trimBlanks(line.substr(colon + 1))));
    }
    raw_.clear();
    scanFrom_ = 0;

    // An interim reply ("100 Continue") is followed by the real one.
    if (header_.status >= 100 && header_.status < 200 && header_.status != 101)
        return;
    headerDone_ = true;
    if (toHead_ || header_.status < 200 || header_.status == 204 || header_.status == 304) {
        bodyLength_ = 0;
        state_ = State::Complete;
        return;
    }
    if (const auto coding = header_.field("Transfer-Encoding")) {
        // Anything but plain chunked would hand out bytes that are not the file.
        if (!EqualsIgnoringCase(*coding, "chunked"))
            return fail(Failure::UnknownCoding);
        framing_ = Framing::Chunked;
        state_ = State::Body;
        return;
    }
    if (const auto length = header_.field("Content-Length")) {
        const auto count = ParseCount(*length);
        if (!count)
            return fail(Failure::BadLength);
        framing_ = Framing::Length;
        bodyLength_ = *count;
        state_ = bodyLength_ == 0 ? State::Complete : State::Body;
        return;
    }
    framing_ = Framing::UntilClose;
    state_ = State::Body;
}

ReplyParser::State ReplyParser::closed()
{
    if (state_ == State::Body && framing_ == Framing::UntilClose)
        state_ = State::Complete;
    else if (state_ == State::Header || state_ == State::Body)
        fail(Failure::ClosedEarly);
    return state_;
}

void ReplyParser::fail(Failure failure)
{
    state_ = State::Failed;
    failure_ = failure;
}

std::string BuildRequest(std::string_view method, std::string_view target, std::string_view host,
                         const std::vector<std::pair<std::string, std::string>>& fields)
{
    std::string request;
    request.append(method).append(" ").append(target).append(" HTTP/1.1").append(kCrLf);
    request.append("Host: ").append(host).append(kCrLf);
    for (const auto& [name, value] : fields)
        request.append(name).append(": ").append(value).append(kCrLf);
    request.append(kCrLf);
    return request;
}

} // namespace tailfetch
