#include "releasememory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace contactclient {

void releaseFreedMemory()
{
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

} // namespace contactclient
