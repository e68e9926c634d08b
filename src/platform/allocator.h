#pragma once
// How the program uses the C library's allocator with a large address book in memory.

#include <cstddef>

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

// Asks for the block's whole 2 MiB stretches to be backed by huge pages when first touched (where
// the system leaves that to the program). Touching a large new block page by page costs a fault
// every 4 KiB, and where faults are dear (a virtual machine) building 100,000 contacts' lists
// spent a third of its time in them. For blocks about to be filled; small ones are left alone.
void preferHugePages(const void* block, std::size_t bytes);

// The same for the room a container has reserved beyond its contents.
template <typename Container> void preferHugePagesFor(const Container& c)
{
    preferHugePages(c.data(), std::size_t(c.capacity()) * sizeof(*c.data()));
}

} // namespace allocator
