#pragma once

#include "common/core/file_io.h"
#include "common/testing/ordinary_user.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

// Hostile and protected files for the window tests of the programs that
// read and save: what a user may point a program at by mistake.
namespace suite::testing {

// A file only readable, with `bytes` in it.
inline void putReadOnly(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

// A named pipe, which blocks whoever opens it for reading until a writer comes.
inline void makePipe(const std::filesystem::path& path)
{
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0) << path;
#else
    GTEST_SKIP() << "no named pipes in the file system here";
#endif
}

// A file of `size` bytes that takes no room: a hole.
inline void makeSparse(const std::filesystem::path& path, std::uintmax_t size)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).flush();
    std::filesystem::resize_file(path, size);
}

// The temporary a save of `target` killed an hour ago would have left.
inline std::filesystem::path leaveStaleTemporary(const std::filesystem::path& target)
{
    const auto temp = target.parent_path() / fileio::temporaryName(target, 0x0ddba11e);
    std::ofstream(temp, std::ios::binary) << "half a save";
    std::filesystem::last_write_time(temp, std::filesystem::file_time_type::clock::now() -
                                               std::chrono::hours(1));
    return temp;
}

// The entries of `folder` that look like save temporaries of any file.
inline int temporariesIn(const std::filesystem::path& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 9 && name.compare(name.size() - 9, 9, "-save.tmp") == 0)
            ++count;
    }
    return count;
}

} // namespace suite::testing
