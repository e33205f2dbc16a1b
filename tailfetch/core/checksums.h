#pragma once

#include "tailfetch/core/http_reply.h"

#include <optional>
#include <string>
#include <string_view>

// The sum a completed file must have, from the user or from the server.
namespace tailfetch {

enum class DigestKind { Md5, Sha1, Sha256 };

// "MD5", "SHA-1", "SHA-256".
const char* DigestName(DigestKind kind);

struct ExpectedDigest {
    DigestKind kind = DigestKind::Sha256;
    std::string hex; // lower case
};

// A typed sum: hexadecimal digits (blanks around them ignored), the kind
// told by their count: 32 MD5, 40 SHA-1, 64 SHA-256.
std::optional<ExpectedDigest> ParseTypedDigest(std::string_view text);

// The strongest sum among the server's fields: `Repr-Digest`
// (`sha-256=:BASE64:`) first, then the older `Digest` (`SHA-256=BASE64`,
// `SHA=`, `MD5=`).
std::optional<ExpectedDigest> DigestFromHeader(const ReplyHeader& header);

// The sum given for `fileName` in a list as sha256sum writes it
// ("HEX  name" or "HEX *name", one a line, "./" before a name allowed), or
// the single sum of a FILE.sha256 that holds nothing else. Only SHA-256.
std::optional<ExpectedDigest> DigestFromSumsFile(std::string_view text, std::string_view fileName);

// Plain helpers, for the sums above.
std::optional<std::string> DecodeBase64(std::string_view text);
std::string ToHex(std::string_view bytes);

} // namespace tailfetch
