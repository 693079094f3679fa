// Writes a generated pair of team files: make_squads PLAYERS OLD NEW
#include "bench/squad_generator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_squads PLAYERS OLD NEW\n");
        return 2;
    }
    const auto pair = squadlens::bench::makeSquadPair(std::atoi(argv[1]));
    std::ofstream(argv[2], std::ios::binary) << pair.oldFile;
    std::ofstream(argv[3], std::ios::binary) << pair.newFile;
    return 0;
}
