#include "palette_reduction.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace pellory::assets {
namespace {

constexpr std::size_t kMaxColours = 256;

struct ColourCount {
    QRgb colour;
    std::int64_t pixels;
};
using Box = std::vector<ColourCount>;

int channel(QRgb colour, int which)
{
    return static_cast<int>((colour >> (24 - 8 * which)) & 0xFF); // 0 alpha, 1 red, 2 green, 3 blue
}

// The channel with the widest spread in `box`, and that spread.
std::pair<int, int> widestChannel(const Box &box)
{
    std::pair<int, int> widest{0, -1};
    for (int which = 0; which < 4; ++which) {
        const auto [low, high] = std::minmax_element(
            box.begin(), box.end(), [which](const ColourCount &a, const ColourCount &b) {
                return channel(a.colour, which) < channel(b.colour, which);
            });
        const int spread = channel(high->colour, which) - channel(low->colour, which);
        if (spread > widest.second)
            widest = {which, spread};
    }
    return widest;
}

// Splits the box with the widest spread at the pixel-weighted median of
// that channel; false when every box holds one colour.
bool splitWidestBox(std::vector<Box> &boxes)
{
    std::size_t chosen = boxes.size();
    std::pair<int, int> best{0, 0};
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const auto widest = widestChannel(boxes[k]);
        if (widest.second > best.second) {
            best = widest;
            chosen = k;
        }
    }
    if (chosen == boxes.size())
        return false;
    Box &box = boxes[chosen];
    const int which = best.first;
    std::sort(box.begin(), box.end(), [which](const ColourCount &a, const ColourCount &b) {
        return std::pair(channel(a.colour, which), a.colour) <
               std::pair(channel(b.colour, which), b.colour);
    });
    std::int64_t total = 0;
    for (const ColourCount &c : box)
        total += c.pixels;
    std::size_t cut = 1;
    for (std::int64_t seen = box.front().pixels; cut < box.size() - 1 && 2 * seen < total; ++cut)
        seen += box[cut].pixels;
    boxes.emplace_back(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
    boxes[chosen].resize(cut);
    return true;
}

// The pixel-weighted mean; colour channels weighted by alpha too, so fully
// transparent pixels do not tint the edge colours.
QRgb meanColour(const Box &box)
{
    std::int64_t pixels = 0, alpha = 0;
    std::array<std::int64_t, 3> sums{};
    for (const ColourCount &c : box) {
        pixels += c.pixels;
        const std::int64_t a = qAlpha(c.colour);
        alpha += a * c.pixels;
        for (int which = 1; which < 4; ++which)
            sums[which - 1] += channel(c.colour, which) * a * c.pixels;
    }
    const auto average = [](std::int64_t sum, std::int64_t weight) {
        return weight == 0 ? 0 : static_cast<int>((sum + weight / 2) / weight);
    };
    return qRgba(average(sums[0], alpha), average(sums[1], alpha), average(sums[2], alpha),
                 average(alpha, pixels));
}

} // namespace

QImage reduceTo256Colours(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, std::int64_t> counts;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            ++counts[source.pixel(x, y)];

    std::vector<Box> boxes(1);
    for (const auto &[colour, pixels] : counts)
        boxes.front().push_back({colour, pixels});
    while (boxes.size() < kMaxColours && splitWidestBox(boxes)) {
    }

    QList<QRgb> table;
    std::map<QRgb, int> index;
    for (const Box &box : boxes) {
        for (const ColourCount &c : box)
            index[c.colour] = static_cast<int>(table.size());
        table.push_back(box.size() == 1 ? box.front().colour : meanColour(box));
    }
    QImage out(source.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < source.height(); ++y) {
        uchar *row = out.scanLine(y);
        for (int x = 0; x < source.width(); ++x)
            row[x] = static_cast<uchar>(index.at(source.pixel(x, y)));
    }
    return out;
}

} // namespace pellory::assets
