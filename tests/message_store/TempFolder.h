#pragma once

#include <filesystem>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes away.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }

    // Writes the bytes exactly as given into a file of the folder.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};
