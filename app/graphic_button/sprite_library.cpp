#include "sprite_library.h"

#include "ansi_text.h"

namespace {

using LoadFunction = INT(WINAPI *)(LPCSTR path);
using SizeFunction = void(WINAPI *)(INT handle, SpriteSize *size);
using PaletteFunction = INT(WINAPI *)(INT handle, HDC hdc, INT x, INT y);
using RenderFunction = INT(WINAPI *)(INT handle, HDC hdc, INT x, INT y, INT opacity);

template <typename Function>
Function as(FARPROC address)
{
    // Through void (*)(), the generic function pointer type: the library's
    // real signatures are the ones declared above.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

} // namespace

#ifdef _WIN32
const char *const SpriteLibrary::FileName = "Orvalin.dll";
constexpr char16_t Separator = u'\\';
#else
const char *const SpriteLibrary::FileName = "libOrvalin.so";
constexpr char16_t Separator = u'/';
#endif

SpriteLibrary::SpriteLibrary(std::u16string programFolder) : folder_(std::move(programFolder)) {}

SpriteLibrary::~SpriteLibrary()
{
    if (module_ != nullptr)
        FreeLibrary(module_);
}

FARPROC SpriteLibrary::bind(Binding &binding)
{
    if (binding.tried)
        return binding.address;
    binding.tried = true;
    if (!loadTried_) {
        loadTried_ = true;
        std::u16string path = folder_ + Separator;
        for (const char *c = FileName; *c != '\0'; ++c)
            path += static_cast<char16_t>(*c);
        module_ = LoadLibraryA(toAnsi(path).c_str());
    }
    if (module_ != nullptr)
        binding.address = GetProcAddress(module_, binding.name);
    return binding.address;
}

std::int32_t SpriteLibrary::LoadGUIResourceA(const char *ansiPath)
{
    const auto load = as<LoadFunction>(bind(load_));
    return load == nullptr ? 0 : load(ansiPath);
}

void SpriteLibrary::GetGUIResourceSize(std::int32_t handle, SpriteSize *size)
{
    const auto query = as<SizeFunction>(bind(size_));
    if (query != nullptr)
        query(handle, size);
    else if (size != nullptr)
        *size = SpriteSize{0, 0};
}

std::int32_t SpriteLibrary::SetPalette(std::int32_t handle, HDC hdc, std::int32_t x, std::int32_t y)
{
    const auto capture = as<PaletteFunction>(bind(palette_));
    return capture == nullptr ? 0 : capture(handle, hdc, x, y);
}

std::int32_t SpriteLibrary::RenderGUISMS(std::int32_t handle, HDC hdc, std::int32_t x,
                                         std::int32_t y, std::int32_t opacity)
{
    const auto render = as<RenderFunction>(bind(render_));
    return render == nullptr ? 0 : render(handle, hdc, x, y, opacity);
}
