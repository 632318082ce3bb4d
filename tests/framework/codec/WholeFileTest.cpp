#include "framework/codec/WholeFile.h"

#include "framework/codec/CodecErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace quarvex::codec {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quarvex-codec-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The names in the folder, to see that no temporary file is left behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

TEST_F(WholeFileTest, WritesAndReadsBackAFile) {
    const fs::path file = folder_ / "Last.Brk";
    const Bytes bytes = {0, 1, 2, 255, 0};
    WriteWholeFile(file, bytes);
    EXPECT_EQ(ReadWholeFile(file), bytes);
    EXPECT_EQ(Names(), std::vector<std::string>{"Last.Brk"});
}

TEST_F(WholeFileTest, ReplacesAnOldFileKeepingItsPermissions) {
    const fs::path file = folder_ / "loan.lcm";
    WriteWholeFile(file, Bytes(1000, 7));
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    WriteWholeFile(file, Bytes{1, 2});
    EXPECT_EQ(ReadWholeFile(file), (Bytes{1, 2}));
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(Names(), std::vector<std::string>{"loan.lcm"});
}

TEST_F(WholeFileTest, WritesAnEmptyFile) {
    const fs::path file = folder_ / "empty.bin";
    WriteWholeFile(file, {});
    EXPECT_TRUE(ReadWholeFile(file).empty());
}

TEST_F(WholeFileTest, ReportsAFolderThatDoesNotExistAndLeavesNothing) {
    const fs::path file = folder_ / "missing" / "a.npv";
    try {
        WriteWholeFile(file, Bytes{1});
        ADD_FAILURE() << "no exception";
    } catch (const EFileAccess& error) {
        EXPECT_NE(error.Message().find("Cannot save the file \"" + file.string() + "\""),
                  std::string::npos)
            << error.Message();
    }
    EXPECT_TRUE(Names().empty());
}

TEST_F(WholeFileTest, ReportsAFileThatCannotBeRead) {
    const fs::path missing = folder_ / "nothing.irr";
    try {
        ReadWholeFile(missing);
        ADD_FAILURE() << "no exception";
    } catch (const EFileAccess& error) {
        EXPECT_EQ(error.Message(),
                  "Cannot read the file \"" + missing.string() + "\": No such file or directory.");
    }
    EXPECT_THROW(ReadWholeFile(folder_), EFileAccess);
}

TEST_F(WholeFileTest, RefusesAFileLargerThanTheLimit) {
    const fs::path file = folder_ / "big.bin";
    WriteWholeFile(file, Bytes(100, 1));
    EXPECT_EQ(ReadWholeFile(file, 100).size(), 100u);
    EXPECT_THROW(ReadWholeFile(file, 99), EFileAccess);
    EXPECT_THROW(ReadWholeFile(file, 0), EFileAccess);
}

TEST_F(WholeFileTest, RefusesToReplaceAFolder) {
    const fs::path inner = folder_ / "inner";
    fs::create_directory(inner);
    fs::path leftover = inner / "keep";
    std::ofstream(leftover) << "x";
    EXPECT_THROW(WriteWholeFile(inner, Bytes{1}), EFileAccess);
    EXPECT_TRUE(fs::is_directory(inner));
    EXPECT_EQ(Names(), std::vector<std::string>{"inner"});
}

} // namespace
} // namespace quarvex::codec
