// Whole-file reads and sizes in the data directory: every length read whole, nothing for a
// file that is missing or no regular file, and a file that holds more than its size said.
#include "store/data_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_data_dir.h"

namespace ambon {
namespace {

TEST(DataDirRead, ReadsEveryLengthWhole) {
    test::TempDataDir temp;
    DataDir dir(temp.path());
    for (std::size_t size : {0u, 1u, 255u, 4095u, 4096u, 4097u, 65536u, 70001u}) {
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
        temp.write("f.dat", bytes);
        auto read = dir.readAll("f.dat");
        ASSERT_TRUE(read.has_value()) << size;
        EXPECT_EQ(*read, bytes) << size;
        EXPECT_EQ(dir.fileSize("f.dat"), size);
    }
}

TEST(DataDirRead, NothingForAMissingFileOrADirectory) {
    test::TempDataDir temp;
    DataDir dir(temp.path());
    std::filesystem::create_directory(temp.file("folder.dat"));
    for (const char* name : {"missing.dat", "folder.dat"}) {
        EXPECT_FALSE(dir.readAll(name).has_value()) << name;
        EXPECT_EQ(dir.fileSize(name), 0u) << name;
        EXPECT_FALSE(dir.exists(name)) << name;
    }
}

// A file of the process table says it is empty and still has text: what lies beyond the
// size found at the open is read as well.
TEST(DataDirRead, ReadsOnWhereTheFileHoldsMoreThanItsSize) {
    if (!std::filesystem::exists("/proc/self/status")) GTEST_SKIP() << "no /proc";
    DataDir dir("/proc/self");
    EXPECT_EQ(dir.fileSize("status"), 0u);
    auto read = dir.readAll("status");
    ASSERT_TRUE(read.has_value());
    std::string text(read->begin(), read->end());
    EXPECT_EQ(text.rfind("Name:", 0), 0u) << text;
    EXPECT_NE(text.find("\nPid:"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

}  // namespace
}  // namespace ambon
