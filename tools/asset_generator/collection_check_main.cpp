// Checks the bundled message collection and prints its figures:
// pellory-collection-check FOLDER. Exit status 1 on any fault, so the build stops.
#include "collection_check.h"

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: pellory-collection-check FOLDER\n", stderr);
        return 2;
    }
    try {
        using namespace pellory::assets;
        const CollectionFigures figures =
            checkCollection(readMessageTexts(QString::fromLocal8Bit(argv[1])));
        std::fputs(describeCollection(figures).toLocal8Bit().constData(), stdout);
        for (const QString &fault : figures.faults)
            std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
        return figures.faults.isEmpty() ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "pellory-collection-check: error: %s\n", error.what());
        return 1;
    }
}
