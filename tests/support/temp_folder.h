// A fresh folder under the system's temporary folder, removed with all its
// content when the object goes away. Shared by the tests of every part.
#ifndef PELLORY_TESTS_SUPPORT_TEMP_FOLDER_H
#define PELLORY_TESTS_SUPPORT_TEMP_FOLDER_H

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

class TempFolder {
public:
    // A random name that no folder has yet: create_directory says whether
    // it made the folder, so two tests never share one.
    TempFolder()
    {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path candidate =
                base / ("pellory-test-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a temporary folder");
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }

    // Writes the bytes exactly as given. `name` is UTF-8 and may contain "/"
    // for subfolders, which are created.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path file =
            path_ / std::filesystem::u8path(name.begin(), name.end());
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + file.string());
        return file;
    }

private:
    std::filesystem::path path_;
};

#endif
