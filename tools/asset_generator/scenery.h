// The decoration behind the panels of each skin.
#pragma once

#include "skin_style.h"

#include <QPainter>
#include <QSize>

namespace pellory::assets {

void paintScenery(QPainter &painter, const SkinStyle &style, QSize area);

} // namespace pellory::assets
