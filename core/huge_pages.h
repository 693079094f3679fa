#pragma once
// Large tables that are read at random (a million players' lines, the id
// indexes) cost a TLB miss per lookup on 4 KiB pages. Asking the kernel for
// huge pages before the memory is first touched makes those lookups cheap.
// Only a hint: nothing changes where the kernel says no.

#include <cstddef>
#include <vector>

namespace squadlens {

void adviseHugePages(void *data, std::size_t bytes);

// An open-addressing table for `keys` keys: a power of two of slots, at
// most half full, every slot `empty`, on huge pages where the kernel agrees.
template <typename Slot>
void resetSlots(std::vector<Slot> &slots, std::size_t keys, Slot empty)
{
    std::size_t count = 16;
    while (count < keys * 2)
        count *= 2;
    slots.clear();
    slots.shrink_to_fit();
    slots.reserve(count);
    adviseHugePages(slots.data(), count * sizeof(Slot));
    slots.assign(count, empty);
}

} // namespace squadlens
