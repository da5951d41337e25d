#include "skin_style.h"

#include <QStringList>

namespace pellory::assets {

const std::array<SkinStyle, 3> &bundledSkins()
{
    static const std::array<SkinStyle, 3> skins{{
        {"Classic", 0xF6EAD0, 0xD7B687, 0x80FFF8EA, 0xB08A5C, 0xFBF4E4, 0x6B3A1F, 0xA8503A, 0x6E2A1C,
         0x4A1C12, 0xFFF3DC, 0x7A3B22, Scenery::Letters, "DejaVu Serif", 0x1F2E3D4Cu},
        {"Night", 0x0A0F33, 0x2C2F70, 0x60141A4A, 0x6C73C9, 0xB4B8E0, 0xE8E4FF, 0x6A5ACD, 0x3A2C8A,
         0x1C1450, 0xF5F0FF, 0x1F1B4D, Scenery::StarryNight, "DejaVu Sans", 0x5EED1234u},
        {"Winter", 0xA9D8F2, 0xF3FAFF, 0x80FFFFFF, 0x7FB2D6, 0xF7FBFF, 0x1F4E79, 0xE6F4FF, 0x9CCCEB,
         0x3C7FB0, 0x103A5C, 0x3C7FB0, Scenery::Snowfall, "DejaVu Sans", 0x0051F00Du},
    }};
    return skins;
}

const SkinStyle &defaultSkin() { return bundledSkins().front(); }

QFont windowFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // Hinting differs between font back ends; unhinted outlines keep the output stable.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace pellory::assets
