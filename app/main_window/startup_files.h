// The files the main window reads at startup, all below the program folder,
// and the settings file that names the current skin.
#ifndef PELLORY_STARTUP_FILES_H
#define PELLORY_STARTUP_FILES_H

#include "forms/text.h"

class ProgramPlaces;

// Paths are the program folder, a fixed part and (for skin pictures) the skin
// name, concatenated as they stand: nothing is trimmed or checked.
forms::Text spriteFile(forms::TextView programFolder, int buttonIndex); // Data/but1.dat for index 0
// A picture of skin `skinName`, from the folder `places` finds it in.
forms::Text skinPicture(const ProgramPlaces &places, forms::TextView skinName, forms::TextView picture);
forms::Text messageDatabaseFile(forms::TextView programFolder);
forms::Text iconFile(forms::TextView programFolder);

// The first line of the settings file options.dat (Windows-1251) that
// `places` reads, without its line end; blanks belong to the name. Throws
// forms::Error naming the file when it cannot be read or holds no line at all.
forms::Text readSkinName(const ProgramPlaces &places);

#endif
