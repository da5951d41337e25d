#include "TextArena.h"

#include <algorithm>
#include <utility>

TextArena::TextArena(TextArena &&other) noexcept
    : Blocks(std::move(other.Blocks)), Free(std::exchange(other.Free, nullptr)),
      FreeUnits(std::exchange(other.FreeUnits, 0))
{
    other.Blocks.clear();
}

TextArena &TextArena::operator=(TextArena &&other) noexcept
{
    Blocks = std::move(other.Blocks);
    other.Blocks.clear();
    Free = std::exchange(other.Free, nullptr);
    FreeUnits = std::exchange(other.FreeUnits, 0);
    return *this;
}

std::u16string_view TextArena::Keep(std::u16string_view text)
{
    if (text.empty())
        return {};
    char16_t *copy = Allocate(text.size());
    std::copy(text.begin(), text.end(), copy);
    return {copy, text.size()};
}

// A text longer than a quarter block gets a block of its own, so that it does
// not waste what is left of the current one.
char16_t *TextArena::Allocate(std::size_t units)
{
    if (units > BlockUnits / 4)
        return Blocks.emplace_back(std::make_unique_for_overwrite<char16_t[]>(units)).get();
    if (units > FreeUnits) {
        Free = Blocks.emplace_back(std::make_unique_for_overwrite<char16_t[]>(BlockUnits)).get();
        FreeUnits = BlockUnits;
    }
    char16_t *start = Free;
    Free += units;
    FreeUnits -= units;
    return start;
}
