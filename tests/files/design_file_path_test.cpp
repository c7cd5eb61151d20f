// Saving and loading design files on disk.

#include "files/design_file_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "allocation_probe.h"
#include "file_test_support.h"

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
    ASSERT_EQ(SaveDesignFile(path, original), SaveStatus::kSaved);
    EXPECT_EQ(Contents(path), Written(original));

    DesignRecord record = EmptyInputs();
    const LoadResult result = LoadDesignFile(path, record);
    EXPECT_TRUE(result.Loaded());
    EXPECT_EQ(record, original);
}

TEST_F(DesignFilePath, SavingOverALongerFileReplacesIt) {
    const fs::path path = File("design.sav");
    Put(path, std::string(5000, 'x'));
    ASSERT_EQ(SaveDesignFile(path, EmptyInputs()), SaveStatus::kSaved);
    EXPECT_EQ(Contents(path), std::string(92, '\0'));
}

TEST_F(DesignFilePath, MissingFileCannotBeOpenedAndLeavesTheRecord) {
    DesignRecord record = EmptyInputs();
    const LoadResult result = LoadDesignFile(File("absent.sav"), record);
    EXPECT_FALSE(result.opened);
    EXPECT_FALSE(result.Loaded());
    EXPECT_EQ(record, EmptyInputs());
}

TEST_F(DesignFilePath, FileInMissingFolderCannotBeCreated) {
    EXPECT_EQ(SaveDesignFile(File("no-such-folder/design.sav"), DesignRecord{}),
              SaveStatus::kCannotCreate);
}

TEST_F(DesignFilePath, ShortFileOpensButFailsWithEndOfFile) {
    const fs::path path = File("short.sav");
    Put(path, Written(DesignRecord{}).substr(0, 30));
    DesignRecord record = EmptyInputs();
    const LoadResult result = LoadDesignFile(path, record);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.read, ReadStatus::kEndOfFile);
    EXPECT_EQ(record.m_nController, DesignRecord{}.m_nController);
    EXPECT_EQ(record.m_nSwitchDrop, 0);
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

TEST_F(DesignFilePath, FullDiskIsAWriteFailure) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    EXPECT_EQ(SaveDesignFile("/dev/full", DesignRecord{}), SaveStatus::kWriteFailed);
}

}  // namespace
}  // namespace toroglav::test
