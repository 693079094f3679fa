// Any bytes as an archive: the step either unpacks root ".dat" entries into
// the scratch folder or ends with its error; nothing appears anywhere else.

#include "core/archiver.h"
#include "core/error.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path &workFolder()
{
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("squadlens-fuzz-archive-" + std::to_string(::getpid()));
        fs::remove_all(d);
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fs::path &dir = workFolder();
    const fs::path archive = dir / "in.zip";
    const fs::path scratch = dir / "~tmp";
    fs::remove_all(scratch);
    {
        std::ofstream out(archive, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }

    squadlens::ZipArchiver zip;
    zip.BaseDir = scratch.string();
    zip.TempDir = scratch.string();
    zip.FileName = archive.string();
    try {
        zip.OpenArchive();
        zip.ExtractFiles();
        zip.CloseArchive();
    } catch (const squadlens::Error &) {
    }

    // Only the archive and the scratch folder may exist, and the scratch
    // folder holds plain ".dat" files and nothing else.
    for (const auto &entry : fs::directory_iterator(dir))
        if (entry.path() != archive && entry.path() != scratch)
            std::abort();
    if (fs::exists(scratch))
        for (const auto &entry : fs::recursive_directory_iterator(scratch)) {
            const auto name = entry.path().filename().string();
            if (!entry.is_regular_file() || entry.is_symlink() || entry.path().parent_path() != scratch ||
                name.size() < 4 || name.compare(name.size() - 4, 4, ".dat") != 0)
                std::abort();
        }
    return 0;
}
