#include "core/huge_pages.h"

#include <cstdint>
#include <sys/mman.h>

namespace squadlens {

void adviseHugePages(void *data, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kHuge = 2 * 1024 * 1024;
    if (bytes < 4 * kHuge)
        return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kHuge - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace squadlens
