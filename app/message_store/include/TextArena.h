#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

// Keeps copies of texts in large blocks that never move, so the views it hands
// out stay valid for the arena's life. A full database is ten thousand short
// texts: one allocation per block instead of one per text is most of the cost
// of loading it at start-up. Blocks are committed pages, filled as soon as
// they are taken: they come present in one call rather than a page fault
// each, and stay out of forked child processes.
class TextArena {
public:
    TextArena() = default;
    // A moved-from arena starts empty rather than writing into blocks it gave away.
    TextArena(TextArena &&other) noexcept;
    TextArena &operator=(TextArena &&other) noexcept;

    std::u16string_view Keep(std::u16string_view text);

private:
    static constexpr std::size_t BlockUnits = 32 * 1024;

    struct ReleaseBlock {
        void operator()(char16_t *block) const;
    };
    using Block = std::unique_ptr<char16_t[], ReleaseBlock>;

    char16_t *Allocate(std::size_t units);
    static Block NewBlock(std::size_t units);

    std::vector<Block> Blocks;
    char16_t *Free = nullptr;
    std::size_t FreeUnits = 0;
};
