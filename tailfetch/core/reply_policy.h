#pragma once

#include "tailfetch/core/http_reply.h"
#include "tailfetch/core/range_plan.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the job makes of each reply's header: plain decisions, no connection.
namespace tailfetch {

bool IsRedirect(int status);

// The reply to the question for the file's length (HEAD, or a GET of its
// first byte when the server takes no HEAD).
struct LengthVerdict {
    enum Kind {
        Length, // `length` is the remote file's
        Redirect,
        AskFirstByte, // the server takes no HEAD: ask again with a GET of byte 0
        Login,
        NoLength,
        ServerError
    } kind = ServerError;
    std::int64_t length = -1;
};
LengthVerdict JudgeLengthReply(const ReplyHeader& header, bool askedFirstByte);

// The version a reply names: a strong ETag, else the Last-Modified date;
// empty when it names none. A weak ETag may stand for another version with
// the same meaning, and If-Range takes only a strong one.
std::string ValidatorOf(const ReplyHeader& header);
std::string ValidatorOf(std::string_view etag, std::string_view lastModified);

// The reply to the ranged request.
struct RangeVerdict {
    enum Kind {
        Partial, // 206 with exactly the asked range: the body starts at plan.from
        Whole, // 200, the same version whole: the body starts at byte 0
        Redirect,
        Login,
        Changed, // another version of the file than the bytes held
        OtherRange,
        ServerError
    } kind = ServerError;
    std::int64_t bodyStart = 0;
};
// `validator` is the version of the bytes held (sent in If-Range), or empty.
RangeVerdict JudgeRangeReply(const ReplyHeader& header, const RangePlan& plan,
                             std::int64_t remoteLength, std::string_view validator);

// Where a redirect may lead.
struct RedirectFacts {
    bool targetUsable = false; // an http:// or https:// URL with a host
    bool fromSecure = false;
    bool toSecure = false;
    bool sameOrigin = false; // same host and port
    bool targetHasLogin = false;
    bool plainLoginAllowed = false;
    int redirectsSoFar = 0;
    int maxRedirects = 10;
};
struct RedirectVerdict {
    enum Kind { Follow, Unusable, DownToPlain, TooMany } kind = Unusable;
    bool carryLogin = false; // the login of the current address goes along
    bool dropLogin = false; // the target's own login must not be sent
};
RedirectVerdict JudgeRedirect(const RedirectFacts& facts);

} // namespace tailfetch
