// A fresh directory under the system's temporary directory for one test, removed with
// everything in it (read-only files included) when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TempDir {
  public:
    TempDir() {
        std::random_device random;
        const std::string name =
            "abacon-test-" + std::to_string(random()) + std::to_string(random());
        root_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(root_);
    }

    ~TempDir() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(root_, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(root_, ignored);
    }

    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (root_ / name).string(); }

    // Writes bytes exactly as given; returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }

    // Removes every write permission, so that the file can only be opened for reading.
    static void MakeReadOnly(const std::string& path) {
        std::filesystem::permissions(path,
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::filesystem::path root_;
};
