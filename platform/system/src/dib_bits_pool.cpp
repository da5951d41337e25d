#include "dib_bits_pool.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace pellory::sys {
namespace {

// Enough for the sections that live at once in one drawing call, and small
// enough that the kept memory stays negligible.
constexpr std::size_t kKeptBlocks = 8;
constexpr std::size_t kLargestKeptBlock = 64 * 1024;

struct KeptBlock {
    BYTE *bits = nullptr;
    std::size_t size = 0;
};

// Never destroyed: sections may outlive static destructors.
std::array<KeptBlock, kKeptBlocks> &keptBlocks()
{
    static auto *blocks = new std::array<KeptBlock, kKeptBlocks>{};
    return *blocks;
}

BYTE *takeKept(std::size_t size)
{
    for (KeptBlock &block : keptBlocks()) {
        if (block.bits != nullptr && block.size == size) {
            BYTE *bits = block.bits;
            block = KeptBlock{};
            return bits;
        }
    }
    return nullptr;
}

bool keep(BYTE *bits, std::size_t size)
{
    for (KeptBlock &block : keptBlocks()) {
        if (block.bits == nullptr) {
            block = KeptBlock{bits, size};
            return true;
        }
    }
    return false;
}

} // namespace

BYTE *takeZeroedDibBits(std::size_t size)
{
    if (BYTE *bits = takeKept(size)) {
        std::memset(bits, 0, size);
        return bits;
    }
    return static_cast<BYTE *>(std::calloc(size, 1));
}

void recycleDibBits(BYTE *bits, std::size_t size)
{
    if (bits == nullptr)
        return;
    if (size > kLargestKeptBlock || !keep(bits, size))
        std::free(bits);
}

} // namespace pellory::sys
