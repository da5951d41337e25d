// Exact colour comparisons between pictures, ignoring the unused byte.
#ifndef PELLORY_TESTS_SURFACE_COMPARE_H
#define PELLORY_TESTS_SURFACE_COMPARE_H

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

// Checks every pixel of `area` in `image` against `expected(x, y)` (0xRRGGBB);
// returns an empty text or the first difference.
inline QString firstDifference(const QImage &image, const QRect &area,
                               const std::function<std::uint32_t(int, int)> &expected)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const std::uint32_t got = image.pixel(x, y) & 0xFFFFFFu;
            const std::uint32_t want = expected(x, y) & 0xFFFFFFu;
            if (got != want)
                return QStringLiteral("(%1,%2): got %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(got, 6, 16, QLatin1Char('0'))
                    .arg(want, 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

#endif
