#pragma once
// Gives the pages of freed memory back to the system. The allocator keeps what a large transient
// (a summary's bytes, a sort's keys) freed in the middle of its heap; without this, that stays
// resident while the next large structure is built beside it, and the program's peak is the sum.

namespace contactclient {

void releaseFreedMemory();

} // namespace contactclient
