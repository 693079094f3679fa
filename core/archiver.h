#pragma once
// The archive step: a zipped team file is unpacked into a scratch folder (the
// one beside the executable when run from the build folder, a private
// per-user one when installed) before it is loaded like a plain one.

#include <cstdint>
#include <string>
#include <vector>

struct zip; // libzip's archive handle; only archiver.cpp includes <zip.h>

namespace squadlens {

// A small read-only unpacker over libzip with the settings the window uses:
// set BaseDir, TempDir and FileName, then OpenArchive, ExtractFiles,
// CloseArchive. Every failure is a squadlens::Error with a Russian text that
// names the archive and the entry to blame (or the folder that failed).
//
// ExtractFiles takes only entries at the archive's root whose names match one
// of FileMasks (shell-style "*" and "?", case-sensitive: "X.DAT" is not a
// ".dat" file, just as the path the window expects ends in ".dat"). Entries
// in sub-folders, directories and other names are passed over. An entry that
// matches a mask but cannot be unpacked safely (a name leaving BaseDir, a
// symlink, an encrypted or damaged entry, more than kMaxUnpackedSize bytes,
// a name given twice) ends the step with an error and nothing is written.
// The files are unpacked all-or-nothing: each goes to a temporary file in
// BaseDir and is renamed over its final name only once every entry has been
// read and verified, so an older file of that name is replaced whole and a
// failed step leaves no partial file behind.
class ZipArchiver {
public:
    // Cap on the unpacked bytes of one extraction, all entries together; a
    // team file is well under a megabyte, so only a zip bomb comes near it.
    static constexpr std::uint64_t kMaxUnpackedSize = 64ull * 1024 * 1024;

    std::string BaseDir;  // folder receiving the entries, created when missing
    std::string TempDir;  // kept for the window's settings; temporary files
                          // go to BaseDir so that the final rename is atomic
    std::string FileName; // the archive on disk
    std::vector<std::string> FileMasks{"*.dat"};

    ZipArchiver() = default;
    ~ZipArchiver();
    ZipArchiver(const ZipArchiver &) = delete;
    ZipArchiver &operator=(const ZipArchiver &) = delete;

    void OpenArchive();  // opens FileName, closing an archive still open
    void ExtractFiles(); // needs an open archive
    void CloseArchive(); // does nothing when no archive is open

private:
    zip *archive_ = nullptr;
    std::string openedName_; // FileName as it was at OpenArchive, for messages
};

// Folder of the running executable (from /proc/self/exe), no trailing "/".
std::string executableFolder();

// Whether an executable in `folder` is an installed program: the folder is
// named "bin" (/usr/bin, /usr/local/bin, ~/.local/bin, any <prefix>/bin).
// Only the name is looked at; nothing on disk.
bool isInstalledFolder(const std::string &folder);

// The folder zipped team files are unpacked into by an executable lying in
// `exeFolder`. An installed program never writes beside itself (its folder
// may be read-only, or shared by every user when run as root): it goes
// straight to privateScratchFolder(). Any other, such as one run from its
// build folder, uses scratchFolderFor(exeFolder + "/~tmp").
std::string scratchFolderForExecutableIn(const std::string &exeFolder);

// scratchFolderForExecutableIn(executableFolder()).
std::string scratchFolder();

// `preferred` when it exists or can be created and is writable; otherwise
// privateScratchFolder().
std::string scratchFolderFor(const std::string &preferred);

// A private per-user folder "$TMPDIR/squadlens-<uid>/~tmp" (or under /tmp),
// created with mode 0700 and refused when someone else could have planted it.
std::string privateScratchFolder();

} // namespace squadlens
