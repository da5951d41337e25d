// Writes a picture as Windows decodes it: "width height\n", then the rows
// top first, B G R and an unused byte per pixel. The end-to-end test under
// Wine takes a skin's background from here, since JPEG decoders differ in
// their last bits and the glow is checked pixel for pixel over it.
#include <cstdio>

#include "forms/file_path.h"
#include "forms/picture.h"

int wmain(int argc, wchar_t **argv)
{
    if (argc != 3) {
        std::fputs("usage: picture_dump PICTURE OUTPUT\n", stderr);
        return 2;
    }
    try {
        const forms::Picture picture = forms::loadPicture(forms::textFromPath(argv[1]));
        std::FILE *out = _wfopen(argv[2], L"wb");
        if (out == nullptr)
            return 1;
        std::fprintf(out, "%d %d\n", picture.width, picture.height);
        const bool written = std::fwrite(picture.bgra.data(), 1, picture.bgra.size(), out) == picture.bgra.size();
        return std::fclose(out) == 0 && written ? 0 : 1;
    } catch (const forms::Error &error) {
        std::fprintf(stderr, "picture_dump: %s\n", error.what());
        return 1;
    }
}
