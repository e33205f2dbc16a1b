#include "tailfetch/core/origin_attributes.h"

#if defined(__linux__) && __has_include(<sys/xattr.h>)
#include <sys/xattr.h>
#define TAILFETCH_XATTR 1
#endif

namespace tailfetch {
namespace {

constexpr const char* kUrl = "user.xdg.origin.url";
constexpr const char* kEtag = "user.tailfetch.etag";
constexpr const char* kLastModified = "user.tailfetch.last-modified";

#ifdef TAILFETCH_XATTR
std::string readOne(const std::filesystem::path& file, const char* name)
{
    // Attributes are small; 8 KiB covers any URL a browser stores.
    std::string value(8192, '\0');
    const ssize_t size = ::getxattr(file.c_str(), name, value.data(), value.size());
    if (size <= 0)
        return {};
    value.resize(static_cast<std::size_t>(size));
    return value;
}

bool writeOne(const std::filesystem::path& file, const char* name, const std::string& value)
{
    if (value.empty()) {
        ::removexattr(file.c_str(), name);
        return true;
    }
    return ::setxattr(file.c_str(), name, value.data(), value.size(), 0) == 0;
}
#endif

} // namespace

bool OriginAttributesSupported()
{
#ifdef TAILFETCH_XATTR
    return true;
#else
    return false;
#endif
}

FileOrigin ReadOrigin(const std::filesystem::path& file)
{
    FileOrigin origin;
#ifdef TAILFETCH_XATTR
    origin.url = readOne(file, kUrl);
    origin.etag = readOne(file, kEtag);
    origin.lastModified = readOne(file, kLastModified);
#else
    (void)file;
#endif
    return origin;
}

bool WriteOrigin(const std::filesystem::path& file, const FileOrigin& origin)
{
#ifdef TAILFETCH_XATTR
    bool ok = origin.url.empty() || writeOne(file, kUrl, origin.url);
    ok = writeOne(file, kEtag, origin.etag) && ok;
    ok = writeOne(file, kLastModified, origin.lastModified) && ok;
    return ok;
#else
    (void)file;
    (void)origin;
    return false;
#endif
}

} // namespace tailfetch
