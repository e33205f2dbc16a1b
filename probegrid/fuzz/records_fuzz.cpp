// Reads arbitrary bytes as recorde.dat, then writes a record over them, and
// checks that only the first 38 bytes changed and that the record reads back.
#include "probegrid/core/records.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace probegrid;

const fs::path& scratchFile()
{
    static const fs::path path = [] {
        std::random_device device;
        const fs::path dir =
            fs::temp_directory_path() / ("probegrid_records_fuzz_" + std::to_string(device()));
        fs::create_directories(dir);
        return dir / kRecordFileName;
    }();
    return path;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string fileBytes(const fs::path& path, std::size_t limit)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const fs::path& path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(input.data(), static_cast<std::streamsize>(input.size()));
    }
    // An odd first byte makes the file large (sparse) so the in-place
    // rewrite is exercised as well as the small-file copy.
    std::uintmax_t fileSize = input.size();
    if (!input.empty() && (data[0] & 1) != 0) {
        fileSize = kSmallRecordFile + 1 + data[0];
        fs::resize_file(path, fileSize);
    }

    const std::optional<Record> read = readRecord(path);
    check(read.has_value() == (fileSize >= kRecordSize));
    if (read) {
        check(read->name.size() == kRecordNameSize);
        // Reading loses nothing: the record encodes back to the same bytes.
        check(encodeRecord(*read) == input.substr(0, kRecordSize) || input.size() < kRecordSize);
    }

    Record record;
    record.name = storedName(input.substr(0, input.size() / 2));
    record.lostPoints = static_cast<std::int16_t>(size * 7);
    record.seconds = static_cast<std::int16_t>(-static_cast<int>(size));
    record.items = static_cast<std::int16_t>(size % 13);
    check(writeRecord(path, record));
    check(readRecord(path) == record);
    check(fs::file_size(path) == std::max<std::uintmax_t>(fileSize, kRecordSize));
    const std::string after = fileBytes(path, input.size() + kRecordSize);
    check(after.substr(0, kRecordSize) == encodeRecord(record));
    if (input.size() > kRecordSize)
        check(after.substr(kRecordSize, input.size() - kRecordSize) == input.substr(kRecordSize));
    return 0;
}
