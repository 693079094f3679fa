#pragma once
// Seeded, valid team file pairs of any size for the benchmarks: realistic
// field widths, Cyrillic names, about 10% leavers and 10% newcomers.

#include <cstdint>
#include <string>

namespace squadlens::bench {

struct SquadPair {
    std::string oldFile; // bytes of the start-of-period file
    std::string newFile; // bytes of the end-of-period file
};

SquadPair makeSquadPair(int players, std::uint32_t seed = 2026);

// Writes both files under a folder of the benchmark's own and returns their
// paths (kept for the process's lifetime, one pair per size).
struct SquadPaths {
    std::string oldPath, newPath;
    std::size_t bytes = 0; // both files together
};
const SquadPaths &squadFiles(int players);

} // namespace squadlens::bench
