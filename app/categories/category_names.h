// The six message categories by name, in the order of their marks "1".."6":
// the window's buttons, tooltips and accessible names, the asset generator's
// message sources and the README all take them from here.
#ifndef PELLORY_CATEGORY_NAMES_H
#define PELLORY_CATEGORY_NAMES_H

#include <array>
#include <string_view>

namespace categories {

inline constexpr int Count = 6;

// UTF-8; index k names the category whose mark is the decimal form of k + 1.
inline constexpr std::array<std::string_view, Count> Names = {
    "Любовь", "Дружба", "Работа и учёба", "Праздники", "Утро и ночь", "Приколы",
};

} // namespace categories

#endif
