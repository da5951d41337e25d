// Generates the program folder's data: pellory-assetgen --messages DIR
// --license FILE --out DIR [--windows-icon FILE]
#include "program_folder.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    // Painting text needs a platform plugin, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes skins, button sprites, messages and icons into a program folder."));
    parser.addHelpOption();
    const QCommandLineOption messages(QStringLiteral("messages"),
                                      QStringLiteral("Folder of category-1.txt .. category-6.txt."),
                                      QStringLiteral("folder"));
    const QCommandLineOption license(QStringLiteral("license"), QStringLiteral("Licence text."),
                                     QStringLiteral("file"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The program folder."),
                                 QStringLiteral("folder"));
    const QCommandLineOption windowsIcon(QStringLiteral("windows-icon"),
                                         QStringLiteral("Also the window icon as an .ico file, for Pellory.exe."),
                                         QStringLiteral("file"));
    parser.addOptions({messages, license, out, windowsIcon});
    parser.process(application);
    if (!parser.isSet(messages) || !parser.isSet(license) || !parser.isSet(out)) {
        std::fputs("pellory-assetgen: --messages, --license and --out are required\n", stderr);
        return 2;
    }

    try {
        pellory::assets::generateProgramFolder(
            {parser.value(messages), parser.value(license), parser.value(out), parser.value(windowsIcon)});
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pellory-assetgen: error: %s\n", error.what());
        return 1;
    }
    return 0;
}
