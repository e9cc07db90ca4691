#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/AtomicFile.h"
#include "support/PlatformReset.h"

using namespace zuno::sys;

TEST(AtomicFileTest, ReadWholeFileTakesRegularFilesWithinTheLimit) {
    std::string folder = zuno::testing::makeTemporaryFolder("read-whole");
    std::string file = folder + "/ten";
    ASSERT_FALSE(writeFileAtomically(file, "0123456789"));
    EXPECT_EQ(readWholeFile(file), "0123456789");
    EXPECT_EQ(readWholeFile(file, 10), "0123456789");
    std::string empty = folder + "/empty";
    ASSERT_FALSE(writeFileAtomically(empty, ""));
    EXPECT_EQ(readWholeFile(empty), "");

    // Each of these would block, never end or allocate without bound if it were read.
    std::string fifo = folder + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string endless = folder + "/endless";
    ASSERT_EQ(::symlink("/dev/zero", endless.c_str()), 0);
    struct Case {
        const char* name;
        std::string path;
        size_t limit;
    } refused[] = {
        {"missing", folder + "/none", kMaxWholeFileBytes},
        {"a pipe without a writer", fifo, kMaxWholeFileBytes},
        {"a link to an endless device", endless, kMaxWholeFileBytes},
        {"a folder", folder, kMaxWholeFileBytes},
        {"one byte over the limit", file, 9},
    };
    for (const Case& c : refused) EXPECT_FALSE(readWholeFile(c.path, c.limit)) << c.name;
}
