#include "file_io.h"

#include <cerrno>
#include <cstring>
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
    return errno != 0 ? std::string(std::strerror(errno)) : std::string("unknown error");
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
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), size);
    }
    if (in.bad() || (size > 0 && in.gcount() != size)) {
        setError(error, "read error");
        return std::nullopt;
    }
    return bytes;
}

bool writeAtomically(const std::filesystem::path& path, std::string_view bytes, std::string* error)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        setError(error, "it is a folder");
        return false;
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
