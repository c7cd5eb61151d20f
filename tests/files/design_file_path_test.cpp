// Saving and loading design files on disk.

#include "files/design_file_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "allocation_probe.h"
#include "file_test_support.h"
#include "tests/unwritable_file.h"

namespace toroglav::test {
namespace {

namespace fs = std::filesystem;

class DesignFilePath : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("toroglav-files-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path File(const char* name) const { return dir_ / name; }

    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path dir_;
};

TEST_F(DesignFilePath, SavedFileHoldsExactlyTheWrittenBytesAndLoadsBack) {
    DesignRecord original;
    original.m_nCoreType = 3;
    original.m_strDimD = std::string(70000, '\xC0');
    const fs::path path = File("design.sav");
    ASSERT_TRUE(SaveDesignFile(path, original).ok);
    EXPECT_EQ(Contents(path), Written(original));

    DesignRecord record = EmptyInputs();
    const LoadResult result = LoadDesignFile(path, record);
    EXPECT_TRUE(result.Loaded());
    EXPECT_EQ(record, original);
}

TEST_F(DesignFilePath, SavingOverALongerFileReplacesIt) {
    const fs::path path = File("design.sav");
    Put(path, std::string(5000, 'x'));
    ASSERT_TRUE(SaveDesignFile(path, EmptyInputs()).ok);
    EXPECT_EQ(Contents(path), std::string(92, '\0'));
}

TEST_F(DesignFilePath, MissingFileCannotBeOpenedAndLeavesTheRecord) {
    DesignRecord record = EmptyInputs();
    const LoadResult result = LoadDesignFile(File("absent.sav"), record);
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.openError, "No such file or directory");
    EXPECT_EQ(record, EmptyInputs());
}

TEST_F(DesignFilePath, FileInMissingFolderCannotBeCreated) {
    const FileWriteResult result = SaveDesignFile(File("no-such-folder/design.sav"), {});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "No such file or directory");
}

// A damaged file changes nothing, not even the items read before the damage.
TEST_F(DesignFilePath, ShortFileFailsWithEndOfFileAndLeavesTheRecord) {
    const fs::path path = File("short.sav");
    Put(path, Written(DesignRecord{}).substr(0, 30));
    DesignRecord record = EmptyInputs();
    const LoadResult result = LoadDesignFile(path, record);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.read, ReadStatus::kEndOfFile);
    EXPECT_EQ(record, EmptyInputs());
}

// A pipe without a writer would block a plain open; a device would read as a design.
TEST_F(DesignFilePath, AnythingButARegularFileIsRefusedUnread) {
    const fs::path fifo = File("pipe.sav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {fifo, dir_, fs::path("/dev/zero")}) {
        DesignRecord record = EmptyInputs();
        const LoadResult result = LoadDesignFile(path, record);
        EXPECT_FALSE(result.opened) << path;
        EXPECT_FALSE(result.openError.empty()) << path;
        EXPECT_EQ(record, EmptyInputs()) << path;
    }
}

// The old file survives a write that fails part-way, and no temporary file is left behind.
TEST_F(DesignFilePath, FailedWriteLeavesTheOldFileAndNothingElse) {
    const fs::path path = File("design.sav");
    Put(path, "old contents");
    const FileWriteResult result = ReplaceFile(path, [](ByteSink& sink) {
        const std::string lots(100000, 'x');  // more than any buffer, so bytes reach the disk
        return sink.Write(lots.data(), lots.size()) && false;
    });
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// Replacing keeps what the user set up around the file: its permissions, and a link to it.
TEST_F(DesignFilePath, ReplacingKeepsPermissionsAndFollowsALink) {
    const fs::path path = File("design.sav");
    const fs::path link = File("link.sav");
    Put(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(path, link);
    ASSERT_TRUE(SaveDesignFile(link, EmptyInputs()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(path), std::string(92, '\0'));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A chain of links that ends nowhere yet makes the file it names; a relative link is read from
// its own folder.
TEST_F(DesignFilePath, DanglingChainOfLinksMakesTheFileAtItsEnd) {
    fs::create_directory(File("sub"));
    fs::create_symlink("sub/second.sav", File("first.sav"));
    fs::create_symlink("new.sav", File("sub/second.sav"));
    ASSERT_TRUE(SaveDesignFile(File("first.sav"), EmptyInputs()).ok);
    EXPECT_TRUE(fs::is_symlink(File("first.sav")));
    EXPECT_TRUE(fs::is_symlink(File("sub/second.sav")));
    EXPECT_EQ(Contents(File("sub/new.sav")), std::string(92, '\0'));
}

TEST_F(DesignFilePath, LoopOfLinksIsAFailureThatWritesNothing) {
    fs::create_symlink("b.sav", File("a.sav"));
    fs::create_symlink("a.sav", File("b.sav"));
    const FileWriteResult result = SaveDesignFile(File("a.sav"), EmptyInputs());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(File("a.sav")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

// The folder would allow the rename; the file itself must be writable.
TEST_F(DesignFilePath, FileTheUserMayNotWriteIsLeftAsItWas) {
    const fs::path path = File("read-only.sav");
    Put(path, "old");
    const UnwritableFile unwritable(path);
    ASSERT_TRUE(unwritable.ok());
    const FileWriteResult result = SaveDesignFile(path, EmptyInputs());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Permission denied");
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(DesignFilePath, HostileLengthOnDiskIsEndOfFileWithoutAllocatingIt) {
    const fs::path path = File("hostile.sav");
    Put(path, std::string(48, '\0') + Hex("FF FF FF FE FF FF FF") + "abc");
    DesignRecord record;
    allocation_probe::Reset();
    const LoadResult result = LoadDesignFile(path, record);
    EXPECT_EQ(result.read, ReadStatus::kEndOfFile);
    EXPECT_LT(allocation_probe::Largest(), std::size_t{1} << 20);
}

TEST_F(DesignFilePath, NamedPipeThatNobodyReadsIsAWriteFailureWithoutWaiting) {
    const fs::path fifo = File("pipe.sav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const FileWriteResult result = SaveDesignFile(fifo, DesignRecord{});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "a named pipe that nobody reads");
}

TEST_F(DesignFilePath, FullDiskIsAWriteFailure) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    const FileWriteResult result = SaveDesignFile("/dev/full", DesignRecord{});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "No space left on device");
}

// Standard input for scripts: a pipe whose size is unknown, read past the design to its end so
// the writer is never cut off; a device is refused as from a path.
TEST_F(DesignFilePath, StreamFromAPipeIsReadToItsEndAndADeviceIsRefused) {
    DesignRecord original;
    original.m_strFrequency = "41";
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string bytes = Written(original) + std::string(1000, 'x');
    ASSERT_EQ(::write(ends[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(ends[1]);
    std::FILE* pipe = ::fdopen(ends[0], "rb");
    DesignRecord record = EmptyInputs();
    EXPECT_TRUE(LoadDesignStream(pipe, record).Loaded());
    EXPECT_EQ(record, original);
    EXPECT_EQ(std::fgetc(pipe), EOF);
    EXPECT_TRUE(std::feof(pipe));
    std::fclose(pipe);

    std::FILE* device = std::fopen("/dev/zero", "rb");
    record = EmptyInputs();
    const LoadResult refused = LoadDesignStream(device, record);
    EXPECT_FALSE(refused.opened);
    EXPECT_EQ(refused.openError, "not a regular file or a pipe");
    EXPECT_EQ(record, EmptyInputs());
    std::fclose(device);
}

}  // namespace
}  // namespace toroglav::test
