#include "forms/fonts.h"

#include <cmath>
#include <map>
#include <tuple>

#include "font_handles.h"
#include "wide_text.h"

namespace forms {
namespace {

int CALLBACK noteFamilyFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool familyInstalled(const wchar_t *family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &noteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

Font programFont(double pointSize, bool bold)
{
    // The dialog font the system maps to its user-interface face stands in.
    static const Text family = familyInstalled(L"Verdana") ? Text(u"Verdana") : Text(u"MS Shell Dlg 2");
    return Font{family, pointSize, bold};
}

int pointsToPixels(double points)
{
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<int>(std::lround(points * dotsPerInch / 72.0));
}

HFONT fontHandle(const Font &font)
{
    static std::map<std::tuple<Text, double, bool>, HFONT> made;
    const auto key = std::make_tuple(font.family, font.points, font.bold);
    if (const auto found = made.find(key); found != made.end())
        return found->second;
    // A negative height asks for the character height, as point sizes mean.
    HFONT handle = CreateFontW(-pointsToPixels(font.points), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                               FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_SWISS, toWide(font.family).c_str());
    made.emplace(key, handle);
    return handle;
}

} // namespace forms
