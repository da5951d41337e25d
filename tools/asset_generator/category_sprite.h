// The round category buttons drawn by the sprite library.
#pragma once

#include <QImage>

namespace pellory::assets {

// The button of category index 0..5 (categories "1".."6"): a glossy disc
// with anti-aliased edges and the category's symbol, transparent around it.
QImage paintCategorySprite(int index);

} // namespace pellory::assets
