#pragma once
// How the program uses the C library's allocator with a large address book in memory.

namespace allocator {

// Called first thing in main(): blocks of 128 KiB and more are mapped on their own and given back
// to the system when freed. Left to itself the allocator raises that threshold to the largest
// block ever freed (a folder summary's bytes, megabytes), after which every large structure lands
// in the heap, where the pages of one freed stay resident beside the next.
void tuneAllocator();

// Gives the pages of freed memory back to the system. A large transient (a summary's bytes, a
// sort's keys) freed in the middle of the heap otherwise stays resident while the next large
// structure is built beside it, and the program's peak is the sum of both.
void releaseFreedMemory();

} // namespace allocator
