#include "tailfetch/core/http_range.h"

#include <algorithm>

namespace tailfetch {
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

} // namespace tailfetch
