#include "tailfetch/core/reply_policy.h"

namespace tailfetch {

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

LengthVerdict JudgeLengthReply(const ReplyHeader& header, bool askedFirstByte)
{
    const int status = header.status;
    if (IsRedirect(status))
        return {LengthVerdict::Redirect};
    if ((status == 405 || status == 501) && !askedFirstByte)
        return {LengthVerdict::AskFirstByte};
    if (status == 401)
        return {LengthVerdict::Login};
    std::optional<std::int64_t> length;
    if (status == 200) {
        if (const auto text = header.field("Content-Length"))
            length = ParseCount(*text);
    } else if (status == 206 && askedFirstByte) {
        if (const auto text = header.field("Content-Range"))
            if (const auto range = ParseContentRange(*text); range && range->total >= 0)
                length = range->total;
    } else if (status == 416 && askedFirstByte) {
        length = 0; // not even byte 0: the file is empty
    } else {
        return {LengthVerdict::ServerError};
    }
    if (!length)
        return {LengthVerdict::NoLength};
    return {LengthVerdict::Length, *length};
}

std::string ValidatorOf(std::string_view etag, std::string_view lastModified)
{
    if (!etag.empty() && etag.substr(0, 2) != "W/")
        return std::string(etag);
    return std::string(lastModified);
}

std::string ValidatorOf(const ReplyHeader& header)
{
    return ValidatorOf(header.field("ETag").value_or(""),
                       header.field("Last-Modified").value_or(""));
}

RangeVerdict JudgeRangeReply(const ReplyHeader& header, const RangePlan& plan,
                             std::int64_t remoteLength, std::string_view validator)
{
    const int status = header.status;
    if (IsRedirect(status))
        return {RangeVerdict::Redirect};
    if (status == 401)
        return {RangeVerdict::Login};
    if (status == 200) {
        // The whole file instead of the range: either a server that takes no
        // ranges sending the same version, or If-Range naming a version the
        // server no longer has.
        if (const auto length = header.field("Content-Length");
            length && ParseCount(*length) != remoteLength)
            return {RangeVerdict::Changed};
        if (!validator.empty()) {
            const bool byTag = validator.front() == '"';
            const std::string_view now =
                header.field(byTag ? "ETag" : "Last-Modified").value_or(std::string_view());
            if (now != validator)
                return {RangeVerdict::Changed};
        }
        return {RangeVerdict::Whole, 0};
    }
    if (status != 206)
        return {RangeVerdict::ServerError};
    const auto text = header.field("Content-Range");
    const auto range = text ? ParseContentRange(*text) : std::nullopt;
    if (range && range->total >= 0 && range->total != remoteLength)
        return {RangeVerdict::Changed};
    if (!range || range->first != plan.from || range->last != remoteLength - 1)
        return {RangeVerdict::OtherRange};
    return {RangeVerdict::Partial, plan.from};
}

RedirectVerdict JudgeRedirect(const RedirectFacts& facts)
{
    RedirectVerdict verdict;
    if (!facts.targetUsable)
        return verdict;
    if (facts.fromSecure && !facts.toSecure) {
        verdict.kind = RedirectVerdict::DownToPlain;
        return verdict;
    }
    if (facts.redirectsSoFar >= facts.maxRedirects) {
        verdict.kind = RedirectVerdict::TooMany;
        return verdict;
    }
    verdict.kind = RedirectVerdict::Follow;
    // A login goes only to the host it was written for, and over plain http
    // only with the user's word.
    const bool mayCarry = facts.toSecure || facts.plainLoginAllowed;
    verdict.carryLogin = !facts.targetHasLogin && facts.sameOrigin && mayCarry;
    verdict.dropLogin = facts.targetHasLogin && !mayCarry;
    return verdict;
}

} // namespace tailfetch
