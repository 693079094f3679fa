#include "core/archiver.h"

#include "core/error.h"

#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string_view>

namespace squadlens {
namespace {

namespace fs = std::filesystem;

// Bytes 0x80 to 0xFF of code page 866, the OEM code page of Russian Windows,
// in which zip tools there store names unless they flag them as UTF-8.
constexpr std::string_view kCp866High =
    "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
    "абвгдежзийклмноп░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
    "└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
    "рстуфхцчшщъыьэюяЁёЄєЇїЎў°∙·√№¤■\u00A0";

std::string cp866ToUtf8(std::string_view raw)
{
    static const auto table = [] {
        std::array<std::string_view, 128> chars;
        std::size_t start = 0;
        for (auto &c : chars) {
            std::size_t end = start + 1;
            while (end < kCp866High.size() && (kCp866High[end] & 0xC0) == 0x80)
                ++end;
            c = kCp866High.substr(start, end - start);
            start = end;
        }
        return chars;
    }();
    std::string out;
    for (unsigned char b : raw) {
        if (b < 0x80)
            out += static_cast<char>(b);
        else
            out += table[b - 0x80];
    }
    return out;
}

// The entry's name as a file name here. A name flagged as UTF-8 (or plain
// ASCII) is taken as it is; any other is read in the OEM code page, so that a
// Cyrillic name from a Russian zip tool comes out right.
std::string entryName(zip_t *za, zip_uint64_t index)
{
    const char *raw = zip_get_name(za, index, ZIP_FL_ENC_RAW);
    if (raw == nullptr)
        return {};
    const std::string rawName = raw;
    // Strict reading leaves ASCII and UTF-8-flagged names untouched and
    // converts every other one, so equality tells the two kinds apart.
    const char *strict = zip_get_name(za, index, ZIP_FL_ENC_STRICT);
    if (strict != nullptr && rawName == strict)
        return rawName;
    return cp866ToUtf8(rawName);
}

std::string leafOf(const std::string &name)
{
    const auto slash = name.find_last_of("/\\");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Names that could land outside the folder they are unpacked into, here or on
// Windows: absolute, with a ".." part, a drive or stream colon, or a backslash.
bool leavesFolder(const std::string &name)
{
    if (name.empty())
        return false;
    if (name.front() == '/' || name.find_first_of("\\:") != std::string::npos)
        return true;
    for (std::size_t start = 0; start <= name.size();) {
        const auto end = std::min(name.find('/', start), name.size());
        if (name.compare(start, end - start, "..") == 0)
            return true;
        start = end + 1;
    }
    return false;
}

[[noreturn]] void entryError(const std::string &archive, const std::string &entry,
                             const std::string &what)
{
    throw Error("Архив " + archive + ": элемент " + entry + " " + what);
}

[[noreturn]] void damaged(const std::string &archive, const std::string &entry)
{
    entryError(archive, entry, "повреждён и не может быть распакован");
}

[[noreturn]] void tooLarge(const std::string &archive, const std::string &entry)
{
    entryError(archive, entry, "слишком велик (больше 64 МБ в распакованном виде)");
}

[[noreturn]] void writeError(const std::string &archive, const std::string &entry,
                             const std::string &dir)
{
    throw Error("Архив " + archive + ": не удалось записать элемент " + entry + " в папку " + dir);
}

[[noreturn]] void openError(const std::string &archive, int zipError)
{
    switch (zipError) {
    case ZIP_ER_NOENT:
        throw Error("Архив " + archive + " не найден");
    case ZIP_ER_OPEN:
    case ZIP_ER_MEMORY:
        throw Error("Не удалось открыть архив " + archive);
    default:
        throw Error("Файл " + archive + " не является архивом ZIP или повреждён");
    }
}

void makeBaseDir(const std::string &dir)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(dir, ec)) && !fs::is_directory(dir, ec))
        throw Error("Папка распаковки " + dir + " не может быть создана: по этому пути находится файл");
    fs::create_directories(dir, ec);
    if (dir.empty() || !fs::is_directory(dir, ec))
        throw Error("Не удалось создать папку распаковки " + dir);
}

struct Planned {
    zip_uint64_t index;
    std::string name;
    zip_uint64_t size;
};

bool matchesAny(const std::vector<std::string> &masks, const std::string &name)
{
    return std::any_of(masks.begin(), masks.end(), [&](const std::string &mask) {
        return ::fnmatch(mask.c_str(), name.c_str(), 0) == 0;
    });
}

// The entries to unpack. Any entry that matches a mask but cannot be unpacked
// safely refuses the whole archive here, before a byte is written.
std::vector<Planned> planExtraction(zip_t *za, const std::string &archive,
                                    const std::vector<std::string> &masks)
{
    std::vector<Planned> plan;
    std::set<std::string> seen;
    zip_uint64_t declaredTotal = 0;
    const zip_int64_t count = zip_get_num_entries(za, 0);
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        const std::string name = entryName(za, i);
        if (!matchesAny(masks, leafOf(name)))
            continue;
        if (leavesFolder(name))
            entryError(archive, name, "выходит за пределы папки распаковки");
        if (name.find('/') != std::string::npos)
            continue; // in a sub-folder: not the team file the window expects
        if (!seen.insert(name).second)
            entryError(archive, name, "встречается в архиве больше одного раза");

        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(za, i, 0, &opsys, &attributes) != 0)
            damaged(archive, name);
        // The upper half holds a Unix mode whatever system wrote the entry;
        // bit 0x10 of the lower half is the DOS directory attribute.
        const auto type = (attributes >> 16) & S_IFMT;
        if (type == S_IFLNK)
            entryError(archive, name, "является символической ссылкой");
        if (type == S_IFDIR || (attributes & 0x10) != 0)
            continue;

        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(za, i, 0, &st) != 0 || (st.valid & ZIP_STAT_SIZE) == 0)
            damaged(archive, name);
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && st.encryption_method != ZIP_EM_NONE)
            entryError(archive, name, "зашифрован");
        if (st.size > ZipArchiver::kMaxUnpackedSize - declaredTotal)
            tooLarge(archive, name);
        declaredTotal += st.size;
        plan.push_back({i, name, st.size});
    }
    return plan;
}

// Inflates one entry into `out`, trusting neither the declared size nor the
// data: reading stops as soon as the entry gives more than it declared or the
// extraction as a whole (`unpacked`) passes the cap. False on a write error.
bool inflateEntry(zip_t *za, const std::string &archive, const Planned &entry, std::FILE *out,
                  zip_uint64_t &unpacked)
{
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t *)> in(zip_fopen_index(za, entry.index, 0),
                                                                 zip_fclose);
    if (!in)
        damaged(archive, entry.name);
    std::vector<char> buffer(64 * 1024);
    zip_uint64_t size = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(in.get(), buffer.data(), buffer.size());
        if (n < 0)
            damaged(archive, entry.name); // a read error or a bad CRC
        if (n == 0)
            break;
        size += static_cast<zip_uint64_t>(n);
        unpacked += static_cast<zip_uint64_t>(n);
        if (unpacked > ZipArchiver::kMaxUnpackedSize)
            tooLarge(archive, entry.name);
        if (size > entry.size)
            damaged(archive, entry.name);
        const auto bytes = static_cast<std::size_t>(n);
        if (std::fwrite(buffer.data(), 1, bytes, out) != bytes)
            return false;
    }
    if (size != entry.size)
        damaged(archive, entry.name);
    return true;
}

// Files this extraction wrote but has not put in place: removed when the
// extraction ends early, so no half-written or unverified file stays behind.
class PendingFiles {
public:
    PendingFiles() = default;
    PendingFiles(const PendingFiles &) = delete;
    PendingFiles &operator=(const PendingFiles &) = delete;
    ~PendingFiles()
    {
        for (const auto &path : paths_)
            if (!path.empty())
                ::unlink(path.c_str());
    }
    void add(const std::string &path) { paths_.push_back(path); }
    const std::string &operator[](std::size_t i) const { return paths_[i]; }
    void placed(std::size_t i) { paths_[i].clear(); }

private:
    std::vector<std::string> paths_;
};

} // namespace

ZipArchiver::~ZipArchiver()
{
    CloseArchive();
}

void ZipArchiver::OpenArchive()
{
    CloseArchive();
    int err = 0;
    zip_t *za = zip_open(FileName.c_str(), ZIP_RDONLY, &err);
    if (za == nullptr)
        openError(FileName, err);
    archive_ = za;
    openedName_ = FileName;
}

void ZipArchiver::CloseArchive()
{
    if (archive_ != nullptr)
        zip_discard(archive_); // opened read-only: nothing to write back
    archive_ = nullptr;
}

void ZipArchiver::ExtractFiles()
{
    if (archive_ == nullptr)
        throw Error("Архив " + FileName + " не открыт");
    const std::string &archive = openedName_;
    const std::vector<Planned> plan = planExtraction(archive_, archive, FileMasks);
    makeBaseDir(BaseDir);

    // Each entry goes to a temporary file beside its final place first.
    PendingFiles pending;
    zip_uint64_t unpacked = 0;
    for (const auto &entry : plan) {
        std::string temp = BaseDir + "/.squadlens-XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0)
            writeError(archive, entry.name, BaseDir);
        pending.add(temp);
        std::unique_ptr<std::FILE, int (*)(std::FILE *)> out(::fdopen(fd, "wb"), std::fclose);
        if (!out) {
            ::close(fd);
            writeError(archive, entry.name, BaseDir);
        }
        if (!inflateEntry(archive_, archive, entry, out.get(), unpacked) ||
            std::fclose(out.release()) != 0)
            writeError(archive, entry.name, BaseDir);
    }

    // Every entry is whole: put them in place. A rename replaces an older
    // file (or a symlink) of the same name instead of writing through it.
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (::rename(pending[i].c_str(), (BaseDir + "/" + plan[i].name).c_str()) != 0)
            writeError(archive, plan[i].name, BaseDir);
        pending.placed(i);
    }
}

std::string executableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        throw Error("Не удалось определить папку программы");
    const std::string folder = exe.parent_path().string();
    return folder == "/" ? std::string() : folder;
}

bool isInstalledFolder(const std::string &folder)
{
    std::string_view path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    return path.substr(slash == std::string_view::npos ? 0 : slash + 1) == "bin";
}

std::string scratchFolderForExecutableIn(const std::string &exeFolder)
{
    if (isInstalledFolder(exeFolder))
        return privateScratchFolder();
    return scratchFolderFor(exeFolder + "/~tmp");
}

std::string scratchFolder()
{
    return scratchFolderForExecutableIn(executableFolder());
}

namespace {

bool writableFolder(const std::string &path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

// A folder of our own that nobody else can write to: not a symlink, owned by
// this user, no write bit for group or others. In a shared /tmp anyone could
// have created the name first.
bool privateFolder(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The private per-user folder; `triedFirst`, when given, is the folder that
// could not be used before it and is named in the message too.
std::string ownScratchFolder(const std::string &triedFirst)
{
    const char *tmp = std::getenv("TMPDIR");
    std::string base = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    const std::string own = base + "/squadlens-" + std::to_string(::getuid());
    const std::string scratch = own + "/~tmp";
    const auto refuse = [&] {
        throw Error("Не удалось создать папку распаковки " +
                    (triedFirst.empty() ? scratch : triedFirst + " или " + scratch));
    };
    ::mkdir(own.c_str(), 0700);
    if (!privateFolder(own))
        refuse(); // checked before anything is created inside it
    ::mkdir(scratch.c_str(), 0700);
    if (!privateFolder(scratch) || !writableFolder(scratch))
        refuse();
    return scratch;
}

} // namespace

std::string scratchFolderFor(const std::string &preferred)
{
    if (writableFolder(preferred))
        return preferred;
    return ownScratchFolder(preferred);
}

std::string privateScratchFolder()
{
    return ownScratchFolder({});
}

} // namespace squadlens
