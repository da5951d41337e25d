#include "TextArena.h"

#include <windows.h>

#include <algorithm>
#include <new>
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
        return Blocks.emplace_back(NewBlock(units)).get();
    if (units > FreeUnits) {
        Free = Blocks.emplace_back(NewBlock(BlockUnits)).get();
        FreeUnits = BlockUnits;
    }
    char16_t *start = Free;
    Free += units;
    FreeUnits -= units;
    return start;
}

TextArena::Block TextArena::NewBlock(std::size_t units)
{
    void *pages = VirtualAlloc(nullptr, units * sizeof(char16_t), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (pages == nullptr)
        throw std::bad_alloc();
    return Block(static_cast<char16_t *>(pages));
}

void TextArena::ReleaseBlock::operator()(char16_t *block) const { VirtualFree(block, 0, MEM_RELEASE); }
