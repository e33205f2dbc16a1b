#include "tailfetch/core/start_request.h"

#include "tailfetch/core/http_range.h"

#include "common/core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tailfetch {

std::optional<std::int64_t> ReadStartByte(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::int64_t whole = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (ec == std::errc() && end == text.data() + text.size() && !text.empty())
        return whole;
    const auto real = numbers::parseReal(text);
    if (!real || !std::isfinite(*real))
        return std::nullopt;
    const double rounded = numbers::roundHalfEven(*real);
    if (std::fabs(rounded) >= 9.2e18)
        return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

StartCheck CheckStart(const StartInputs& inputs)
{
    StartCheck check;
    if (inputs.byteOption) {
        if (inputs.startText.empty()) {
            check.startBoxBecomesOne = true;
            check.startByte = 1;
        } else if (const auto typed = ReadStartByte(inputs.startText)) {
            check.startByte = *typed;
        } else {
            return check;
        }
    } else if (inputs.sourceNamed && inputs.sourceSize) {
        // An empty file is completed from its first byte; there is no last
        // byte to fetch again.
        check.startByte = std::max<std::int64_t>(*inputs.sourceSize, 1);
    } else {
        return check;
    }
    const auto host = SplitHost(inputs.url);
    if (inputs.url.empty() || !host || host->empty() || inputs.url.compare(0, 4, "http") != 0 ||
        !inputs.addressUsable)
        return check;
    if (inputs.newFile && !inputs.destinationNamed)
        return check;
    // No server can answer a range that starts before the file.
    if (inputs.byteOption && check.startByte < 1) {
        check.refusal = StartCheck::StartBelowOne;
        return check;
    }
    // A new file named like the incomplete one would replace it with its own tail.
    if (inputs.newFile && inputs.sourceNamed && inputs.destinationIsSource) {
        check.refusal = StartCheck::DestinationIsSource;
        return check;
    }
    check.refusal = StartCheck::None;
    return check;
}

} // namespace tailfetch
