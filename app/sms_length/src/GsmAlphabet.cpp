#include "GsmAlphabet.h"

#include <string_view>

namespace {

// The default table (0x1B, the escape to the extension table, left out).
constexpr std::u16string_view DefaultTable =
    u"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    u"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";

constexpr std::u16string_view ExtensionTable = u"\f^{}\\[~]|€";

static_assert(DefaultTable.size() == 127);

} // namespace

int GsmSeptets(char16_t unit)
{
    if (DefaultTable.find(unit) != std::u16string_view::npos)
        return 1;
    if (ExtensionTable.find(unit) != std::u16string_view::npos)
        return 2;
    return 0;
}
