// A fresh folder under the system's temporary folder, removed with all its
// content when the test ends.
#ifndef PELLORY_TESTS_SYSTEM_TEMP_FOLDER_H
#define PELLORY_TESTS_SYSTEM_TEMP_FOLDER_H

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace pellory::test {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "pellory-system-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }

    // `name` is UTF-8 and may contain "/" for subfolders.
    std::filesystem::path write(const std::string &name, const std::string &content) const
    {
        const std::filesystem::path file = path_ / std::filesystem::u8path(name);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::filesystem::path path_;
};

} // namespace pellory::test

#endif
