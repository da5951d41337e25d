// The settings file options.dat as the skin chooser writes it: the chosen
// skin's folder name and CR LF, in the system's ANSI code page, nothing else.
#pragma once

#include <QString>

#include <optional>
#include <string>

QString settingsFilePath(const QString &programFolder);

// The file's bytes for a skin name, or nothing when the name could not be read
// back as the same folder name: empty, holding a line break, or holding a
// character that the code page has no byte for.
std::optional<std::string> encodeSkinSetting(const QString &skinName);

// Replaces options.dat in the program folder with the skin name. On failure
// the old file is untouched and the result says why, for the user to read.
std::optional<QString> saveSkinSetting(const QString &programFolder, const QString &skinName);
