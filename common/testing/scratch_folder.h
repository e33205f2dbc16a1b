#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace suite::testing {

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes. Plain C++, for tests that must also
// build without Qt.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device device;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("suite-test-" + std::to_string(device()) + std::to_string(device()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const
    {
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

} // namespace suite::testing
