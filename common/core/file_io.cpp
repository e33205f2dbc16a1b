#include "file_io.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <system_error>

namespace fileio {
namespace {

void setError(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

std::string lastSystemError()
{
    // generic_category().message rather than strerror, which MSVC flags as unsafe.
    return errno != 0 ? std::generic_category().message(errno) : std::string("unknown error");
}

std::filesystem::path temporarySibling(const std::filesystem::path& path)
{
    std::random_device device;
    const auto tag = std::to_string(device() % 1000000u);
    std::filesystem::path temp = path;
    temp += ".tmp" + tag;
    return temp;
}

} // namespace

std::optional<std::string> readAll(const std::filesystem::path& path, std::string* error)
{
    std::error_code ec;
    // A folder opens as a stream on some systems and reports a nonsense length.
    if (std::filesystem::is_directory(path, ec)) {
        setError(error, "it is a folder");
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        setError(error, lastSystemError());
        return std::nullopt;
    }
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size > 0) {
        try {
            bytes.resize(static_cast<std::size_t>(size));
        } catch (const std::exception&) { // bad_alloc or length_error
            setError(error, "the file is too large to read");
            return std::nullopt;
        }
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), size);
    }
    if (in.bad() || (size > 0 && in.gcount() != size)) {
        setError(error, "read error");
        return std::nullopt;
    }
    return bytes;
}

bool writeAtomically(const std::filesystem::path& linkOrPath, std::string_view bytes,
                     std::string* error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(linkOrPath, ec)) {
        setError(error, "it is a folder");
        return false;
    }
    // Renaming over a symbolic link would replace the link with a plain file;
    // the file it points at is the one the user means to update.
    std::filesystem::path path = linkOrPath;
    if (std::filesystem::is_symlink(linkOrPath, ec)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(linkOrPath, ec);
        if (!ec)
            path = std::move(resolved);
    }
    const std::filesystem::path temp = temporarySibling(path);
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            setError(error, lastSystemError());
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            setError(error, lastSystemError());
            out.close();
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    // The new file takes the place of the old one, so it keeps its permissions
    // (a private file stays private).
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::is_regular_file(status))
        std::filesystem::permissions(temp, status.permissions(), ec);
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        setError(error, ec.message());
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace fileio
