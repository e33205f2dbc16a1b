#include "core/http_range.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tailfetch {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole text of decimal digits that fits in 64 bits, nothing else.
std::optional<std::int64_t> parseCount(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0
        || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    return value;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// The value of a header field (name compared without case), header lines
// ending in CR LF.
std::optional<std::string_view> fieldValue(std::string_view header, std::string_view name)
{
    std::size_t pos = header.find(kCrLf); // skip the status line
    while (pos != std::string_view::npos) {
        pos += kCrLf.size();
        const std::size_t end = header.find(kCrLf, pos);
        const std::string_view line =
            header.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && equalsIgnoringCase(line.substr(0, colon), name))
            return trimBlanks(line.substr(colon + 1));
        pos = end;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> SplitHost(std::string_view url)
{
    int slashes = 0;
    std::size_t hostStart = 0;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] != '/')
            continue;
        if (slashes == 0) {
            slashes = 1;
        } else if (slashes == 1) {
            slashes = 2;
            hostStart = i + 1;
        } else {
            std::string host(url.substr(hostStart, i - hostStart));
            if (host.compare(0, 3, "www") == 0)
                host.erase(0, std::min<std::size_t>(4, host.size()));
            return host;
        }
    }
    return std::nullopt;
}

Endpoint ConnectEndpoint(std::string_view hostText)
{
    Endpoint endpoint{std::string(hostText), 80};
    std::string_view name = hostText;
    std::string_view portText;
    if (!hostText.empty() && hostText.front() == '[') {
        const std::size_t close = hostText.find(']');
        if (close == std::string_view::npos)
            return endpoint;
        name = hostText.substr(1, close - 1);
        const std::string_view rest = hostText.substr(close + 1);
        if (!rest.empty() && rest.front() != ':')
            return endpoint;
        portText = rest.empty() ? rest : rest.substr(1);
    } else {
        const std::size_t colon = hostText.rfind(':');
        if (colon == std::string_view::npos)
            return endpoint;
        // More than one colon without brackets is a bare IPv6 address.
        if (hostText.find(':') != colon)
            return endpoint;
        name = hostText.substr(0, colon);
        portText = hostText.substr(colon + 1);
    }
    endpoint.host = std::string(name);
    if (portText.empty())
        return endpoint;
    const auto port = parseCount(portText);
    if (port && *port >= 1 && *port <= 65535)
        endpoint.port = static_cast<std::uint16_t>(*port);
    else
        endpoint.port = 0; // no port this text can mean; connecting fails visibly
    return endpoint;
}

std::string HeadRequest(std::string_view url)
{
    std::string request = "HEAD ";
    request.append(url).append(" HTTP/1.0").append(kCrLf).append(kCrLf);
    return request;
}

std::string GetRequest(std::string_view url, std::int64_t startByte, std::int64_t contentLength)
{
    std::string request = "GET ";
    request.append(url).append(" HTTP/1.0").append(kCrLf);
    request.append("Range: bytes=")
        .append(std::to_string(startByte - 1))
        .append("-")
        .append(std::to_string(contentLength - 1))
        .append(kCrLf)
        .append(kCrLf);
    return request;
}

std::int64_t GetHeaderLength(std::string_view buffer)
{
    const std::size_t at = buffer.find("\r\n\r\n");
    return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at + 4);
}

std::optional<StatusLine> ParseStatusLine(std::string_view header)
{
    const std::string_view line = header.substr(0, header.find(kCrLf));
    // "HTTP/" digit "." digit SP 3DIGIT [SP reason]
    if (line.size() < 12 || line.substr(0, 5) != "HTTP/" || line[8] != ' ')
        return std::nullopt;
    const std::string_view code = line.substr(9, 3);
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    if (line.size() > 12 && line[12] != ' ')
        return std::nullopt;
    return StatusLine{(code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0'),
                      std::string(line)};
}

HeadInfo ReadHeadReply(std::string_view header)
{
    HeadInfo info;
    const auto status = ParseStatusLine(header);
    info.status = status ? status->text : std::string(header.substr(0, header.find('\r')));
    if (!status || status->code != 200) {
        info.problem = HeadInfo::Problem::BadStatus;
        return info;
    }
    info.problem = HeadInfo::Problem::NoLength;
    // Lines end at CR; an LF right after it belongs to the line end.
    std::size_t pos = 0;
    while (pos < header.size()) {
        std::size_t end = header.find('\r', pos);
        if (end == std::string_view::npos)
            end = header.size();
        const std::string_view line = header.substr(pos, end - pos);
        if (line.empty())
            break; // the empty line ends the header
        if (line.size() >= 15 && line.substr(0, 15) == "Content-Length:") {
            if (const auto length = parseCount(trimBlanks(line.substr(15)))) {
                info.contentLength = *length;
                info.problem = HeadInfo::Problem::None;
            }
            break;
        }
        pos = end + 1;
        if (pos < header.size() && header[pos] == '\n')
            ++pos;
    }
    return info;
}

RangeReply::RangeReply(std::int64_t startByte, std::int64_t contentLength)
    : startByte_(startByte), contentLength_(contentLength),
      expected_(ExpectedBody(startByte, contentLength))
{
}

std::string_view RangeReply::take(std::string_view bytes)
{
    if (state_ == State::Complete || state_ == State::Failed || bytes.empty())
        return {};
    receivedTotal_ += static_cast<std::int64_t>(bytes.size());
    if (state_ == State::Body)
        return acceptBody(bytes);

    // The end of the header may straddle the previous arrival.
    const std::size_t searchFrom = header_.size() >= 3 ? header_.size() - 3 : 0;
    header_.append(bytes);
    const std::int64_t length = GetHeaderLength(std::string_view(header_).substr(searchFrom));
    if (length == 0) {
        if (header_.size() > kMaxHeaderBytes)
            fail(Failure::BadHeader);
        return {};
    }
    headerLength_ = static_cast<std::int64_t>(searchFrom) + length;
    const std::size_t bodyInThisArrival = header_.size() - static_cast<std::size_t>(headerLength_);
    header_.resize(static_cast<std::size_t>(headerLength_));
    checkHeader();
    if (state_ != State::Body)
        return {};
    return acceptBody(bytes.substr(bytes.size() - bodyInThisArrival));
}

std::string_view RangeReply::acceptBody(std::string_view bytes)
{
    const std::int64_t room = expected_ - bodyReceived_;
    if (static_cast<std::int64_t>(bytes.size()) > room) {
        fail(Failure::TooMuchBody);
        return {};
    }
    bodyReceived_ += static_cast<std::int64_t>(bytes.size());
    if (bodyReceived_ == expected_)
        state_ = State::Complete;
    return bytes;
}

void RangeReply::checkHeader()
{
    const auto status = ParseStatusLine(header_);
    if (!status) {
        status_ = header_.substr(0, header_.find('\r'));
        fail(Failure::BadHeader);
        return;
    }
    status_ = status->text;
    if (expected_ <= 0) {
        fail(Failure::NothingToAsk);
        return;
    }
    const std::int64_t first = startByte_ - 1;
    if (status->code == 200 && startByte_ == 1) {
        state_ = State::Body;
        return;
    }
    if (status->code != 206) {
        fail(Failure::BadStatus);
        return;
    }
    // "bytes first-last/total"; the total may be "*".
    const auto range = fieldValue(header_, "Content-Range");
    if (!range || range->substr(0, 6) != "bytes ") {
        fail(Failure::RangeMismatch);
        return;
    }
    const std::string_view rangeText = range->substr(6);
    const std::size_t dash = rangeText.find('-');
    const std::size_t slash = rangeText.find('/');
    if (dash == std::string_view::npos || slash == std::string_view::npos || slash < dash) {
        fail(Failure::RangeMismatch);
        return;
    }
    const auto from = parseCount(rangeText.substr(0, dash));
    const auto to = parseCount(rangeText.substr(dash + 1, slash - dash - 1));
    const std::string_view totalText = rangeText.substr(slash + 1);
    const auto total = parseCount(totalText);
    if (!from || !to || *from != first || *to != contentLength_ - 1
        || (totalText != "*" && (!total || *total != contentLength_))) {
        fail(Failure::RangeMismatch);
        return;
    }
    state_ = State::Body;
}

RangeReply::State RangeReply::closed()
{
    if (state_ == State::Header || state_ == State::Body)
        fail(Failure::ClosedEarly);
    return state_;
}

void RangeReply::fail(Failure failure)
{
    state_ = State::Failed;
    failure_ = failure;
}

} // namespace tailfetch
