#include "core/archiver.h"

#include "core/error.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using squadlens::Error;
using squadlens::ZipArchiver;

constexpr std::uint64_t kCap = ZipArchiver::kMaxUnpackedSize;
const std::string kDamaged = " повреждён и не может быть распакован";
const std::string kTooLarge = " слишком велик (больше 64 МБ в распакованном виде)";

std::string readBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// One entry of an archive built for a test.
struct Entry {
    std::string name{};
    std::string data{};
    zip_int32_t method = ZIP_CM_DEFLATE;
    std::optional<zip_uint32_t> attributes{}; // external attributes, written as by a Unix tool
    zip_flags_t nameFlags = ZIP_FL_ENC_GUESS; // ZIP_FL_ENC_CP437: raw bytes, no UTF-8 flag
    bool directory = false;
    std::optional<zip_uint16_t> encryption{};
};

void writeZip(const fs::path &path, const std::vector<Entry> &entries)
{
    int err = 0;
    zip_t *za = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    ASSERT_NE(za, nullptr) << "libzip error " << err;
    for (const auto &e : entries) {
        zip_int64_t index = -1;
        if (e.directory) {
            index = zip_dir_add(za, e.name.c_str(), e.nameFlags);
        } else {
            zip_source_t *source = zip_source_buffer(za, e.data.data(), e.data.size(), 0);
            ASSERT_NE(source, nullptr);
            index = zip_file_add(za, e.name.c_str(), source, e.nameFlags);
            ASSERT_GE(index, 0) << zip_strerror(za);
            ASSERT_EQ(zip_set_file_compression(za, static_cast<zip_uint64_t>(index), e.method, 0), 0);
        }
        ASSERT_GE(index, 0) << zip_strerror(za);
        const auto i = static_cast<zip_uint64_t>(index);
        if (e.attributes) {
            ASSERT_EQ(zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_UNIX, *e.attributes), 0);
        }
        if (e.encryption) {
            ASSERT_EQ(zip_file_set_encryption(za, i, *e.encryption, "secret"), 0) << zip_strerror(za);
        }
    }
    ASSERT_EQ(zip_close(za), 0) << zip_strerror(za);
}

// Little-endian fields of the zip headers, for archives patched by hand.
std::uint32_t field(const std::string &b, std::size_t at, int width)
{
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

void setField(std::string &b, std::size_t at, int width, std::uint32_t v)
{
    for (int i = 0; i < width; ++i, v >>= 8)
        b[at + static_cast<std::size_t>(i)] = static_cast<char>(v & 0xFF);
}

struct Headers {
    std::size_t central;
    std::size_t local;
};

// Where each entry's central and local header start; the archives written
// here carry no archive comment, so the end record is the last 22 bytes.
std::vector<Headers> headersOf(const std::string &b)
{
    const std::size_t end = b.size() - 22;
    EXPECT_EQ(field(b, end, 4), 0x06054b50u);
    std::vector<Headers> out;
    std::size_t at = field(b, end + 16, 4);
    for (std::uint32_t n = field(b, end + 10, 2); n > 0; --n) {
        EXPECT_EQ(field(b, at, 4), 0x02014b50u);
        out.push_back({at, field(b, at + 42, 4)});
        at += 46 + field(b, at + 28, 2) + field(b, at + 30, 2) + field(b, at + 32, 2);
    }
    return out;
}

// Patches a field of the first entry in both its headers: offsets are those
// in the central header, the local one has each field 2 bytes earlier.
void patchFirstEntry(const fs::path &zipPath, std::size_t centralOffset, int width, std::uint32_t value)
{
    std::string b = readBytes(zipPath);
    const auto h = headersOf(b).at(0);
    setField(b, h.central + centralOffset, width, value);
    setField(b, h.local + centralOffset - 2, width, value);
    writeBytes(zipPath, b);
}
constexpr std::size_t kFlags = 8, kCrc = 16, kUnpackedSize = 24;

constexpr zip_uint32_t unixMode(zip_uint32_t mode)
{
    return mode << 16;
}

std::optional<zip_uint64_t> declaredSize(const fs::path &zipPath, const char *name)
{
    zip_t *za = zip_open(zipPath.c_str(), ZIP_RDONLY, nullptr);
    if (za == nullptr)
        return std::nullopt;
    zip_stat_t st;
    std::optional<zip_uint64_t> size;
    if (zip_stat(za, name, 0, &st) == 0)
        size = st.size;
    zip_discard(za);
    return size;
}

std::string zeros(std::uint64_t size)
{
    return std::string(static_cast<std::size_t>(size), '\0');
}

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const std::string &value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                ("squadlens-archive-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "work");
        zipPath_ = root_ / "Club.zip";
        base_ = root_ / "work" / "~tmp";
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    void extract(const fs::path &base)
    {
        ZipArchiver archiver;
        archiver.BaseDir = base.string();
        archiver.TempDir = base.string();
        archiver.FileName = zipPath_.string();
        archiver.OpenArchive();
        archiver.ExtractFiles();
        archiver.CloseArchive();
    }
    void extract() { extract(base_); }

    // Every file and symlink under the test's folder, with its content: a
    // refused step must leave this exactly as it was, so nothing was written
    // inside or outside the unpacking folder and no temporary file is left.
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> files;
        for (const auto &e : fs::recursive_directory_iterator(root_)) {
            if (e.is_symlink())
                files[e.path().string()] = "-> " + fs::read_symlink(e.path()).string();
            else if (!e.is_directory())
                files[e.path().string()] = readBytes(e.path());
        }
        return files;
    }

    static std::set<std::string> namesIn(const fs::path &dir)
    {
        std::set<std::string> names;
        std::error_code ec;
        for (const auto &e : fs::directory_iterator(dir, ec))
            names.insert(e.path().filename().string());
        return names;
    }

    // Runs the whole step on the test archive and expects it refused with the
    // text "Архив <path>: <complaint>", having written nothing at all.
    void expectRefused(const std::string &complaint)
    {
        const auto before = snapshot();
        try {
            extract();
            ADD_FAILURE() << "no error";
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()), "Архив " + zipPath_.string() + ": " + complaint);
        }
        EXPECT_EQ(snapshot(), before);
    }

    fs::path root_;
    fs::path zipPath_;
    fs::path base_;
};

TEST_F(ArchiveTest, UnpacksRootDatEntriesOnly)
{
    writeZip(zipPath_, {
                           {.name = "Club.dat", .data = "1/\r\n 01.02.2024\r\n/7/Alpha/\r\n/***/\r\n"},
                           {.name = "Reserve.dat", .data = "stored as is", .method = ZIP_CM_STORE},
                           {.name = "sub/Club.dat", .data = "from a sub-folder"},
                           {.name = "sub/deeper/Other.dat", .data = "deeper"},
                           {.name = "notes.txt", .data = "not a team file"},
                           {.name = "Club.DAT", .data = "other case"},
                           {.name = "Club.dat.bak", .data = "backup"},
                           {.name = "docs", .directory = true},
                           {.name = "empty.dat", .data = ""},
                       });
    extract();
    EXPECT_EQ(namesIn(base_), (std::set<std::string>{"Club.dat", "Reserve.dat", "empty.dat"}));
    EXPECT_EQ(readBytes(base_ / "Club.dat"), "1/\r\n 01.02.2024\r\n/7/Alpha/\r\n/***/\r\n");
    EXPECT_EQ(readBytes(base_ / "Reserve.dat"), "stored as is");
    EXPECT_EQ(readBytes(base_ / "empty.dat"), "");
    EXPECT_EQ(namesIn(root_ / "work"), std::set<std::string>{"~tmp"});
    EXPECT_EQ(namesIn(root_), (std::set<std::string>{"Club.zip", "work"}));
}

TEST_F(ArchiveTest, HonoursFileMasks)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = "team"},
                        {.name = "notes.txt", .data = "notes"},
                        {.name = "a1.log", .data = "log"},
                        {.name = "abc.log", .data = "not matched by ?"}});
    ZipArchiver archiver;
    archiver.BaseDir = base_.string();
    archiver.FileName = zipPath_.string();
    archiver.FileMasks = {"*.txt", "a?.log"};
    archiver.OpenArchive();
    archiver.ExtractFiles();
    EXPECT_EQ(namesIn(base_), (std::set<std::string>{"notes.txt", "a1.log"}));
}

TEST_F(ArchiveTest, CreatesMissingFoldersOfBaseDir)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = "team"}});
    const fs::path nested = root_ / "work" / "a" / "b" / "~tmp";
    extract(nested);
    EXPECT_EQ(readBytes(nested / "Club.dat"), "team");
}

TEST_F(ArchiveTest, ReplacesEarlierFileWholeAndNeverWritesThroughSymlink)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = "new"}, {.name = "Other.dat", .data = "fresh"}});
    fs::create_directories(base_);
    writeBytes(base_ / "Club.dat", "an older and much longer team file");
    writeBytes(root_ / "outside.txt", "keep me");
    fs::create_symlink(root_ / "outside.txt", base_ / "Other.dat");

    extract();
    EXPECT_EQ(readBytes(base_ / "Club.dat"), "new");
    EXPECT_FALSE(fs::is_symlink(base_ / "Other.dat"));
    EXPECT_EQ(readBytes(base_ / "Other.dat"), "fresh");
    EXPECT_EQ(readBytes(root_ / "outside.txt"), "keep me");

    extract(); // the same archive again gives the same files
    EXPECT_EQ(readBytes(base_ / "Club.dat"), "new");
    EXPECT_EQ(namesIn(base_), (std::set<std::string>{"Club.dat", "Other.dat"}));
}

TEST_F(ArchiveTest, ReadsUnflaggedNamesInOemCodePage)
{
    const struct {
        std::string stored;
        zip_flags_t flags;
        std::string expected;
    } cases[] = {
        {"\x87\xA5\xAD\xA8\xE2.dat", ZIP_FL_ENC_CP437, "Зенит.dat"}, // CP866 bytes, no UTF-8 flag
        {"Спартак.dat", ZIP_FL_ENC_UTF_8, "Спартак.dat"},           // flagged as UTF-8
        {"Plain.dat", ZIP_FL_ENC_CP437, "Plain.dat"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        fs::remove_all(base_);
        writeZip(zipPath_, {{.name = c.stored, .data = "team", .nameFlags = c.flags}});
        extract();
        EXPECT_EQ(namesIn(base_), std::set<std::string>{c.expected});
    }
}

TEST_F(ArchiveTest, DirectoryNamedLikeTeamFileIsPassedOver)
{
    const std::vector<Entry> cases[] = {
        {{.name = "Club.dat", .directory = true}},               // stored as "Club.dat/"
        {{.name = "Club.dat", .attributes = unixMode(S_IFDIR | 0755)}}, // no slash, Unix mode
        {{.name = "Club.dat", .attributes = 0x10}},                     // DOS directory attribute
    };
    for (const auto &entries : cases) {
        SCOPED_TRACE(&entries - cases);
        fs::remove_all(base_);
        auto withOther = entries;
        withOther.push_back({.name = "Other.dat", .data = "other"});
        writeZip(zipPath_, withOther);
        extract();
        EXPECT_EQ(namesIn(base_), std::set<std::string>{"Other.dat"});
    }
}

TEST_F(ArchiveTest, RefusesNamesLeavingTheFolder)
{
    const std::string outsideAbsolute = (root_ / "work" / "abs.dat").string();
    const std::string names[] = {
        "../Club.dat", "../../Club.dat", "a/../../Club.dat", "a/../Club.dat",
        outsideAbsolute, "C:\\Club.dat", "C:Club.dat", "C:/Club.dat", "..\\Club.dat",
        "sub\\Club.dat", "sub/../../work/evil.dat",
    };
    for (const auto &name : names) {
        SCOPED_TRACE(name);
        writeZip(zipPath_, {{.name = "Club.dat", .data = "good"}, {.name = name, .data = "evil"}});
        expectRefused("элемент " + name + " выходит за пределы папки распаковки");
    }
    // Names that do not match the mask are never unpacked, so they are no danger.
    writeZip(zipPath_, {{.name = "Club.dat", .data = "good"}, {.name = "../evil.txt", .data = "evil"}});
    extract();
    EXPECT_EQ(namesIn(base_), std::set<std::string>{"Club.dat"});
    EXPECT_FALSE(fs::exists(root_ / "work" / "evil.txt"));
}

TEST_F(ArchiveTest, RefusesSymlinkEntry)
{
    writeBytes(root_ / "outside.txt", "keep me");
    writeZip(zipPath_, {{.name = "Other.dat", .data = "good"},
                        {.name = "Club.dat",
                         .data = (root_ / "outside.txt").string(),
                         .attributes = unixMode(S_IFLNK | 0777)}});
    expectRefused("элемент Club.dat является символической ссылкой");
}

TEST_F(ArchiveTest, RefusesEncryptedEntry)
{
    // Traditional PKWARE encryption: bit 0 of the flags, set by hand.
    writeZip(zipPath_, {{.name = "Club.dat", .data = "team"}});
    patchFirstEntry(zipPath_, kFlags, 2, 1);
    expectRefused("элемент Club.dat зашифрован");

    if (zip_encryption_method_supported(ZIP_EM_AES_256, 1) != 0) {
        writeZip(zipPath_, {{.name = "Club.dat", .data = "team", .encryption = ZIP_EM_AES_256}});
        expectRefused("элемент Club.dat зашифрован");
    }
}

TEST_F(ArchiveTest, RefusesDamagedEntry)
{
    const std::string data = "1/\r\nTEAM-DATA-0123456789\r\n/***/\r\n";
    const struct {
        const char *what;
        zip_int32_t method;
        void (*damage)(const fs::path &);
    } cases[] = {
        {"changed stored byte", ZIP_CM_STORE,
         [](const fs::path &p) {
             auto b = readBytes(p);
             b[b.find("TEAM-DATA")] = 'X';
             writeBytes(p, b);
         }},
        {"wrong CRC", ZIP_CM_DEFLATE, [](const fs::path &p) { patchFirstEntry(p, kCrc, 4, 0x12345678); }},
        {"garbled deflate stream", ZIP_CM_DEFLATE,
         [](const fs::path &p) {
             auto b = readBytes(p);
             const auto h = headersOf(b).at(0);
             const auto dataAt = h.local + 30 + field(b, h.local + 26, 2) + field(b, h.local + 28, 2);
             for (std::size_t i = 0; i < 8; ++i)
                 b[dataAt + i] = static_cast<char>(0xFF);
             writeBytes(p, b);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(base_);
        writeZip(zipPath_, {{.name = "Club.dat", .data = data, .method = c.method},
                            {.name = "Other.dat", .data = "good"}});
        c.damage(zipPath_);
        expectRefused("элемент Club.dat" + kDamaged);
    }
}

TEST_F(ArchiveTest, RefusesZipBombs)
{
    // Zeros deflate about a thousandfold, so each archive stays small.
    const std::string overCap = zeros(kCap + 1);

    writeZip(zipPath_, {{.name = "Club.dat", .data = overCap}});
    EXPECT_LT(fs::file_size(zipPath_), 1024u * 1024u);
    expectRefused("элемент Club.dat" + kTooLarge);

    // The headers lie: the data must be cut off while inflating.
    writeZip(zipPath_, {{.name = "Club.dat", .data = overCap}});
    patchFirstEntry(zipPath_, kUnpackedSize, 4, static_cast<std::uint32_t>(kCap));
    ASSERT_EQ(declaredSize(zipPath_, "Club.dat"), kCap);
    expectRefused("элемент Club.dat" + kTooLarge);

    writeZip(zipPath_, {{.name = "Club.dat", .data = overCap}});
    patchFirstEntry(zipPath_, kUnpackedSize, 4, 1000);
    ASSERT_EQ(declaredSize(zipPath_, "Club.dat"), 1000u);
    expectRefused("элемент Club.dat" + kDamaged);

    // The cap holds for the archive as a whole, not only per entry.
    const std::string half = zeros(kCap / 2 + 1);
    writeZip(zipPath_, {{.name = "A.dat", .data = half}, {.name = "B.dat", .data = half}});
    expectRefused("элемент B.dat" + kTooLarge);
}

TEST_F(ArchiveTest, AcceptsEntryOfExactlyTheCap)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = zeros(kCap)}});
    extract();
    EXPECT_EQ(fs::file_size(base_ / "Club.dat"), kCap);
}

TEST_F(ArchiveTest, RefusesDuplicateNames)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = "first"}, {.name = "Cxub.dat", .data = "second"}});
    auto b = readBytes(zipPath_);
    for (auto at = b.find("Cxub.dat"); at != std::string::npos; at = b.find("Cxub.dat"))
        b[at + 1] = 'l';
    writeBytes(zipPath_, b);
    expectRefused("элемент Club.dat встречается в архиве больше одного раза");
}

TEST_F(ArchiveTest, RefusesArchivesThatCannotBeOpened)
{
    writeZip(root_ / "good.zip", {{.name = "Club.dat", .data = "1/\r\nsome team data\r\n/***/\r\n"}});
    const std::string good = readBytes(root_ / "good.zip");
    fs::remove(root_ / "good.zip");
    const struct {
        const char *what;
        std::function<void()> make;
        const char *message;
    } cases[] = {
        {"missing", [] {}, "Архив %s не найден"},
        {"text file", [&] { writeBytes(zipPath_, "1/\r\nnot a zip\r\n/***/\r\n"); },
         "Файл %s не является архивом ZIP или повреждён"},
        {"empty file", [&] { writeBytes(zipPath_, ""); }, "Файл %s не является архивом ZIP или повреждён"},
        {"cut in half", [&] { writeBytes(zipPath_, good.substr(0, good.size() / 2)); },
         "Файл %s не является архивом ZIP или повреждён"},
        {"end record cut", [&] { writeBytes(zipPath_, good.substr(0, good.size() - 5)); },
         "Файл %s не является архивом ZIP или повреждён"},
        {"folder", [&] { fs::create_directory(zipPath_); },
         "Файл %s не является архивом ZIP или повреждён"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(zipPath_);
        c.make();
        ZipArchiver archiver;
        archiver.BaseDir = base_.string();
        archiver.FileName = zipPath_.string();
        try {
            archiver.OpenArchive();
            archiver.ExtractFiles();
            ADD_FAILURE() << "no error";
        } catch (const Error &e) {
            std::string expected = c.message;
            expected.replace(expected.find("%s"), 2, zipPath_.string());
            EXPECT_EQ(std::string(e.what()), expected);
        }
        EXPECT_FALSE(fs::exists(base_));
    }
}

TEST_F(ArchiveTest, BaseDirThatIsAFileIsAnError)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = "team"}});
    writeBytes(base_, "a file in the way");
    try {
        extract();
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()), "Папка распаковки " + base_.string() +
                                             " не может быть создана: по этому пути находится файл");
    }
    EXPECT_EQ(readBytes(base_), "a file in the way");
    EXPECT_EQ(namesIn(root_ / "work"), std::set<std::string>{"~tmp"});
}

TEST_F(ArchiveTest, ExtractNeedsAnOpenArchive)
{
    writeZip(zipPath_, {{.name = "Club.dat", .data = "team"}});
    ZipArchiver archiver;
    archiver.BaseDir = base_.string();
    archiver.FileName = zipPath_.string();
    EXPECT_THROW(archiver.ExtractFiles(), Error);
    archiver.OpenArchive();
    archiver.CloseArchive();
    archiver.CloseArchive(); // closing twice is harmless
    EXPECT_THROW(archiver.ExtractFiles(), Error);
    EXPECT_FALSE(fs::exists(base_));
}

TEST_F(ArchiveTest, ExecutableFolderAndScratchFolder)
{
    const std::string exe = squadlens::executableFolder();
    EXPECT_EQ(exe, fs::canonical(fs::path(SQUADLENS_BINARY_DIR) / "tests").string());
    // The build folder is writable, so the scratch folder is the one beside
    // the executable (left there: other tests may be unpacking into it).
    EXPECT_EQ(squadlens::scratchFolder(), exe + "/~tmp");
    EXPECT_TRUE(fs::is_directory(exe + "/~tmp"));
}

TEST(InstalledFolder, IsAFolderNamedBin)
{
    for (const char *folder : {"/usr/bin", "/usr/local/bin", "/home/user/.local/bin", "/opt/squadlens/bin/",
                               "/tmp/prefix/bin//", "bin"}) {
        SCOPED_TRACE(folder);
        EXPECT_TRUE(squadlens::isInstalledFolder(folder));
    }
    for (const char *folder : {"", "/", "/usr/sbin", "/usr/binaries", "/usr/bin/tools", "/home/user/cabin",
                               "/work/build/app", "/work/build/tests", "/usr/games", "/BIN"}) {
        SCOPED_TRACE(folder);
        EXPECT_FALSE(squadlens::isInstalledFolder(folder));
    }
}

TEST_F(ArchiveTest, InstalledProgramNeverWritesBesideItself)
{
    const ScopedEnv tmpdir("TMPDIR", (root_ / "tmp").string());
    fs::create_directories(root_ / "tmp");
    const std::string own = (root_ / "tmp").string() + "/squadlens-" + std::to_string(::getuid());

    // A writable bin folder still is not written to.
    const fs::path bin = root_ / "prefix" / "bin";
    fs::create_directories(bin);
    EXPECT_EQ(squadlens::scratchFolderForExecutableIn(bin.string()), own + "/~tmp");
    EXPECT_TRUE(fs::is_directory(own + "/~tmp"));
    EXPECT_TRUE(fs::is_empty(bin));

    // A build folder keeps its own "~tmp".
    const fs::path app = root_ / "build" / "app";
    EXPECT_EQ(squadlens::scratchFolderForExecutableIn(app.string()), (app / "~tmp").string());
    EXPECT_TRUE(fs::is_directory(app / "~tmp"));

    // The private folder's own checks still hold: one planted by someone
    // else is refused rather than used.
    fs::remove_all(root_ / "tmp");
    fs::create_directories(own);
    fs::permissions(own, fs::perms::all);
    EXPECT_THROW(squadlens::scratchFolderForExecutableIn(bin.string()), Error);
    EXPECT_TRUE(fs::is_empty(bin));
}

TEST_F(ArchiveTest, ScratchFolderFallsBackToPrivateTempFolder)
{
    const ScopedEnv tmpdir("TMPDIR", (root_ / "tmp").string() + "/");
    fs::create_directories(root_ / "tmp");
    const std::string own = (root_ / "tmp").string() + "/squadlens-" + std::to_string(::getuid());

    const std::string preferred = (root_ / "app" / "~tmp").string();
    EXPECT_EQ(squadlens::scratchFolderFor(preferred), preferred);
    EXPECT_TRUE(fs::is_directory(preferred));

    writeBytes(root_ / "file", "x");
    fs::create_directories(root_ / "app2");
    writeBytes(root_ / "app2" / "~tmp", "x");
    for (const auto &blocked : {(root_ / "file" / "~tmp").string(), (root_ / "app2" / "~tmp").string()}) {
        SCOPED_TRACE(blocked);
        EXPECT_EQ(squadlens::scratchFolderFor(blocked), own + "/~tmp");
        EXPECT_TRUE(fs::is_directory(own + "/~tmp"));
        struct stat st {};
        ASSERT_EQ(::stat(own.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
}

TEST_F(ArchiveTest, ScratchFallbackRefusesFolderOthersCouldHavePlanted)
{
    const ScopedEnv tmpdir("TMPDIR", (root_ / "tmp").string());
    const std::string own = (root_ / "tmp").string() + "/squadlens-" + std::to_string(::getuid());
    writeBytes(root_ / "file", "x");
    const std::string blocked = (root_ / "file" / "~tmp").string();

    const std::function<void()> plants[] = {
        [&] {
            fs::create_directories(own);
            fs::permissions(own, fs::perms::all);
        },
        [&] {
            fs::create_directories(root_ / "elsewhere");
            fs::permissions(root_ / "elsewhere", fs::perms::owner_all);
            fs::create_directory_symlink(root_ / "elsewhere", own);
        },
    };
    for (const auto &plant : plants) {
        fs::remove_all(root_ / "tmp");
        fs::remove_all(root_ / "elsewhere");
        fs::create_directories(root_ / "tmp");
        plant();
        EXPECT_THROW(squadlens::scratchFolderFor(blocked), Error);
        EXPECT_FALSE(fs::exists(root_ / "elsewhere" / "~tmp"));
    }
}

} // namespace
