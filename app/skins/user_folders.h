// The platform's places for one user's own files, and whether a folder takes
// new files from this user.
#pragma once

#include "forms/text.h"

// Where an installed copy keeps the user's options.dat.
forms::Text userSettingsFolder();
// Where an installed copy looks for the user's own skins.
forms::Text userSkinsFolder();
// Whether this user may create files in `folder`.
bool userCanWrite(forms::TextView folder);
