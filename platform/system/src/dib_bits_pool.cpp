#include "dib_bits_pool.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <mutex>

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

struct Pool {
    std::mutex lock;
    std::array<KeptBlock, kKeptBlocks> blocks{};
};

Pool &pool()
{
    static Pool *instance = new Pool; // never destroyed: sections may outlive static destructors
    return *instance;
}

BYTE *takeKept(std::size_t size)
{
    Pool &p = pool();
    const std::lock_guard<std::mutex> guard(p.lock);
    for (KeptBlock &block : p.blocks) {
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
    Pool &p = pool();
    const std::lock_guard<std::mutex> guard(p.lock);
    for (KeptBlock &block : p.blocks) {
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
