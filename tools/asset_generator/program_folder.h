// Everything the program folder needs besides the binaries.
#pragma once

#include <QString>

namespace pellory::assets {

struct GeneratorInputs {
    QString messagesFolder; // category-1.txt .. category-6.txt
    QString licenseFile;
    QString outputFolder;   // the program folder
    QString windowsIconFile; // where the .ico goes; empty: none
};

// Writes the skins, the button sprites, the message database, options.dat,
// license.txt and the icons (and the .ico when asked). Throws std::runtime_error (with the file named)
// on bad input or a failed write; the same inputs always give the same bytes.
void generateProgramFolder(const GeneratorInputs &inputs);

} // namespace pellory::assets
