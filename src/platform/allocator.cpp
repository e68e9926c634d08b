#include "allocator.h"

#include <cstdlib> // defines __GLIBC__ with the C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace allocator {

void tuneAllocator()
{
#if defined(__GLIBC__)
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

} // namespace allocator
