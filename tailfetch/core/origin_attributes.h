#pragma once

#include <filesystem>
#include <string>

// Where a file came from, kept in its extended attributes so that the next
// completion of the same file can tell whether the server still has that
// version. `user.xdg.origin.url` is the name browsers and download tools use.
namespace tailfetch {

struct FileOrigin {
    std::string url;
    std::string etag;
    std::string lastModified;

    bool empty() const { return url.empty() && etag.empty() && lastModified.empty(); }
};

// Whether this build can read and write extended attributes at all.
bool OriginAttributesSupported();

// What the file holds; empty fields for attributes it lacks (or a system or
// file system without them).
FileOrigin ReadOrigin(const std::filesystem::path& file);

// Sets the non-empty fields and removes the stored validators that `origin`
// does not carry, so that an old ETag never stands beside a new date. False
// when the file system refuses; the file's bytes are never touched.
bool WriteOrigin(const std::filesystem::path& file, const FileOrigin& origin);

} // namespace tailfetch
