// Pixel blocks of freed DIB sections, kept for the next section of the same
// size. The drawing calls create and free a small section in every call; with
// the blocks recycled, a steady stream of such calls touches the heap no more.
// Both functions are called with the GDI lock held, which guards the blocks.
#ifndef PELLORY_SYSTEM_DIB_BITS_POOL_H
#define PELLORY_SYSTEM_DIB_BITS_POOL_H

#include "windows.h"

#include <cstddef>

namespace pellory::sys {

// A zero-filled block of `size` bytes, or nullptr when memory runs out.
BYTE *takeZeroedDibBits(std::size_t size);
// Gives a block from takeZeroedDibBits back; it is kept or freed.
void recycleDibBits(BYTE *bits, std::size_t size);

} // namespace pellory::sys

#endif
