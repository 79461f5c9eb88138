#include "project/Memory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quarvex {

void KeepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    // Blocks up to 64 MB come from the heap, and up to 256 MB freed at its
    // top stay there; a sounding's tables are far smaller.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

} // namespace quarvex
