// The files the main window reads at startup, all below the program folder,
// and the settings file that names the current skin.
#ifndef PELLORY_STARTUP_FILES_H
#define PELLORY_STARTUP_FILES_H

#include <QString>

class ProgramPlaces;

// Paths are the program folder, a fixed part and (for skin pictures) the skin
// name, concatenated as they stand: nothing is trimmed or checked.
QString spriteFile(const QString &programFolder, int buttonIndex); // Data/but1.dat for index 0
// A picture of skin `skinName`, from the folder `places` finds it in.
QString skinPicture(const ProgramPlaces &places, const QString &skinName, const char *picture);
QString messageDatabaseFile(const QString &programFolder);
QString iconFile(const QString &programFolder);

// The first line of the settings file options.dat (Windows-1251) that
// `places` reads, without its line end; blanks belong to the name. Throws
// forms::Error naming the file when it cannot be read or holds no line at all.
QString readSkinName(const ProgramPlaces &places);

#endif
