// The direct subfolders of a folder.
#ifndef PELLORY_FORMS_DIRECTORY_LIST_H
#define PELLORY_FORMS_DIRECTORY_LIST_H

#include <vector>

#include "forms/text.h"

namespace forms {

// The order of the list: by name ignoring case; names equal but for case in a
// stable order.
bool folderNameComesBefore(TextView a, TextView b);

// Lists the direct subfolders of a folder as full paths (the folder, one
// separator, the subfolder's name), sorted by name ignoring case. Files and
// hidden folders are not listed. Not a widget: nothing shows it.
class DirectoryList {
public:
    // Reads the folder now. Throws forms::Error naming the folder when it
    // does not exist or cannot be read.
    void setPath(TextView folder);
    const Text &path() const { return path_; }

    int count() const { return static_cast<int>(paths_.size()); }
    // Full path of subfolder `index`, 0 <= index < count().
    const Text &item(int index) const { return paths_.at(index); }

private:
    Text path_;
    std::vector<Text> paths_;
};

} // namespace forms

#endif
