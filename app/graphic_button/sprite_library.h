// The application's binding of the sprite library, loaded from the program
// folder at run time.
#ifndef PELLORY_GRAPHIC_BUTTON_SPRITE_LIBRARY_H
#define PELLORY_GRAPHIC_BUTTON_SPRITE_LIBRARY_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "windows.h"

// The library's size record: width, then height.
struct SpriteSize {
    std::int32_t width;
    std::int32_t height;
};
static_assert(sizeof(SpriteSize) == 8 && offsetof(SpriteSize, height) == 4);

// Binds the functions the buttons use, each by name the first time it is
// called. The library file is loaded at the first call; a library that
// cannot be loaded, or that lacks a function, makes that call fail as the
// library itself fails: result 0, size (0, 0). Calls after the first one
// allocate nothing.
class SpriteLibrary {
public:
    // The library's file name in the program folder.
    static const char *const FileName;

    // `programFolder`: UTF-16, without a trailing separator (as the program
    // folder is given); the file is looked for directly inside it.
    explicit SpriteLibrary(std::u16string programFolder);
    SpriteLibrary(const SpriteLibrary &) = delete;
    SpriteLibrary &operator=(const SpriteLibrary &) = delete;
    ~SpriteLibrary();

    std::int32_t LoadGUIResourceA(const char *ansiPath);
    void GetGUIResourceSize(std::int32_t handle, SpriteSize *size);
    std::int32_t SetPalette(std::int32_t handle, HDC hdc, std::int32_t x, std::int32_t y);
    std::int32_t RenderGUISMS(std::int32_t handle, HDC hdc, std::int32_t x, std::int32_t y,
                              std::int32_t opacity);

private:
    // One function of the library; looked up once, whether found or not.
    struct Binding {
        const char *name;
        FARPROC address = nullptr;
        bool tried = false;
    };
    FARPROC bind(Binding &binding);

    std::u16string folder_;
    HMODULE module_ = nullptr;
    bool loadTried_ = false;
    Binding load_{"LoadGUIResourceA"};
    Binding size_{"GetGUIResourceSize"};
    Binding palette_{"SetPalette"};
    Binding render_{"RenderGUISMS"};
};

#endif
