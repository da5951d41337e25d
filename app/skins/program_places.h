// Where this copy of the program keeps the user's skin choice and finds skins.
//
// A program folder the user can write is a portable copy: options.dat and the
// skins live in it and nothing outside it is touched. An installed copy (a
// folder the user cannot write, or one that carries the installation's marker
// file, so that not even root writes below the install prefix) keeps the
// choice in $XDG_CONFIG_HOME/pellory/options.dat and takes the user's own
// skins from $XDG_DATA_HOME/pellory/skins/ before the bundled ones (on
// Windows: %APPDATA%\Pellory\options.dat and %APPDATA%\Pellory\skins\).
#pragma once

#include <vector>

#include "forms/text.h"

class ProgramPlaces {
public:
    // Decides for `programFolder` now, from the disk and the environment.
    static ProgramPlaces of(forms::TextView programFolder);
    // The marker file the installation puts into the program folder.
    static const char *installedMarkerName();

    const forms::Text &programFolder() const { return programFolder_; }
    bool isPortable() const { return portable_; }

    // The settings file startup reads: the user's when it exists (installed
    // copies only), else the program folder's.
    forms::Text settingsFileToRead() const;
    // The settings file the chooser writes, and the folder that must exist for it.
    forms::Text settingsFileToWrite() const;
    const forms::Text &userSettingsFolder() const { return userSettingsFolder_; }

    // The folder of skin `skinName`: the user's own when there is one (installed
    // copies only), else the program folder's, whether it exists or not.
    forms::Text skinFolder(forms::TextView skinName) const;
    // The folders whose direct subfolders are skins, the user's last.
    std::vector<forms::Text> skinsFolders() const;

private:
    ProgramPlaces(forms::Text programFolder, bool portable);

    forms::Text programFolder_;
    bool portable_;
    forms::Text userSettingsFolder_;
    forms::Text userSkinsFolder_;
};
