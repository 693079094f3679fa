#pragma once
// Large tables that are read at random (a million players' lines, the id
// indexes) cost a TLB miss per lookup on 4 KiB pages. Asking the kernel for
// huge pages before the memory is first touched makes those lookups cheap.
// Only a hint: nothing changes where the kernel says no.

#include <cstddef>

namespace squadlens {

void adviseHugePages(void *data, std::size_t bytes);

} // namespace squadlens
