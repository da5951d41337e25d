// The settings file options.dat as the skin chooser writes it: the chosen
// skin's folder name and CR LF, in the system's ANSI code page, nothing else.
#pragma once

#include <optional>
#include <string>

#include "forms/text.h"

class ProgramPlaces;

// The file's bytes for a skin name, or nothing when the name could not be read
// back as the same folder name: empty, holding a line break, or holding a
// character that the code page has no byte for.
std::optional<std::string> encodeSkinSetting(forms::TextView skinName);

// Replaces the settings file of `places` with the skin name, creating the
// user's settings folder first when it is missing. On failure the old file is
// untouched and the result says why, in Russian, for the user to read.
std::optional<forms::Text> saveSkinSetting(const ProgramPlaces &places, forms::TextView skinName);
