#include "platform/files/FileOps.h"
#include "support/TempHome.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::readBytes;
using testsupport::TempHome;
using testsupport::writeBytes;
namespace fault = files::fault;

namespace {

// Names in a folder, to see that a failed write leaves no temporary file behind.
std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

struct FileOps : ::testing::Test {
    TempHome home;
    std::string path = home.file("data/a.txt");
    void SetUp() override { writeBytes(path, "old content"); }
    void TearDown() override { fault::clear(); }
};

} // namespace

TEST_F(FileOps, AtomicWriteReplacesTheFileAndReadsBack) {
    EXPECT_TRUE(files::writeFileAtomic(path, std::string("new\0bytes\r\n", 11)));
    EXPECT_EQ(files::readFile(path), std::string("new\0bytes\r\n", 11));
    EXPECT_EQ(namesIn(home.file("data")), std::vector<std::string>{"a.txt"});
}

TEST_F(FileOps, ALinkedFileIsReplacedBehindItsLink) {
    std::string link = home.file("link.txt");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    EXPECT_TRUE(files::writeFileAtomic(link, "through the link"));
    EXPECT_EQ(readBytes(path), "through the link");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

TEST_F(FileOps, ANewFileGetsTheUsualModeAndAnOldFileKeepsItsOwn) {
    mode_t mask = ::umask(022);
    std::string fresh = home.file("data/fresh.txt");
    ASSERT_TRUE(files::writeFileAtomic(fresh, "x"));
    struct stat st {};
    ::stat(fresh.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u);

    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(files::writeFileAtomic(path, "y"));
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ::umask(mask);
}

TEST_F(FileOps, AReadOnlyFileIsNotReplaced) {
    std::string link = home.file("link.txt");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ::chmod(path.c_str(), 0444);
    for (const std::string& through : {path, link}) {
        EXPECT_FALSE(files::writeFileAtomic(through, "new")) << through;
        EXPECT_EQ(readBytes(path), "old content") << through;
        EXPECT_EQ(namesIn(home.file("data")), std::vector<std::string>{"a.txt"}) << through;
    }
    // Writable again, it is replaced as usual.
    ::chmod(path.c_str(), 0644);
    EXPECT_TRUE(files::writeFileAtomic(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
}

TEST_F(FileOps, AWriteThatFailsAnywhereLeavesTheOldFileWholeAndNoLeftovers) {
    struct Case {
        fault::Kind kind;
        long bytes;
    } cases[] = {{fault::Kind::WriteAfterBytes, 0}, {fault::Kind::WriteAfterBytes, 4},
                 {fault::Kind::Flush, 0}, {fault::Kind::Rename, 0}};
    for (const auto& c : cases) {
        fault::arm(c.kind, c.bytes);
        EXPECT_FALSE(files::writeFileAtomic(path, "a much longer new content")) << int(c.kind);
        EXPECT_EQ(readBytes(path), "old content") << int(c.kind);
        EXPECT_EQ(namesIn(home.file("data")), std::vector<std::string>{"a.txt"}) << int(c.kind);
    }
    // Each fault fired once and is spent.
    EXPECT_TRUE(files::writeFileAtomic(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
}

TEST_F(FileOps, FaultsMatchTheirPathAndCount) {
    std::string other = home.file("data/b.txt");
    fault::arm(fault::Kind::Flush, 0, 2, "b.txt");
    EXPECT_TRUE(files::writeFileAtomic(path, "1"));
    EXPECT_FALSE(files::writeFileAtomic(other, "1"));
    EXPECT_FALSE(files::writeFileAtomic(other, "2"));
    EXPECT_TRUE(files::writeFileAtomic(other, "3"));

    fault::arm(fault::Kind::Flush, 0, -1);
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(files::writeFileAtomic(path, "x"));
    fault::clear();
    EXPECT_TRUE(files::writeFileAtomic(path, "x"));
}

TEST_F(FileOps, ANewFileIsNeverWrittenThroughALinkOrOverAnotherFile) {
    const std::string fresh = home.file("data/work.tmp");
    const std::string target = home.file("elsewhere.txt");
    writeBytes(target, "not yours");
    ASSERT_EQ(::symlink(target.c_str(), fresh.c_str()), 0);
    EXPECT_FALSE(files::createFile(fresh, "save"));
    std::filesystem::remove(fresh);
    ASSERT_EQ(::symlink(home.file("data/none").c_str(), fresh.c_str()), 0); // dangling
    EXPECT_FALSE(files::createFile(fresh, "save"));
    EXPECT_FALSE(files::fileExists(home.file("data/none")));
    EXPECT_FALSE(files::createFile(path, "save")); // a file already there
    EXPECT_EQ(readBytes(target), "not yours");
    EXPECT_EQ(readBytes(path), "old content");

    // A write that fails leaves nothing; one that works leaves the bytes.
    std::filesystem::remove(fresh);
    for (auto kind : {fault::Kind::WriteAfterBytes, fault::Kind::Flush}) {
        fault::arm(kind, 2);
        EXPECT_FALSE(files::createFile(fresh, "save")) << int(kind);
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(fresh))) << int(kind);
    }
    EXPECT_TRUE(files::createFile(fresh, "save"));
    EXPECT_EQ(readBytes(fresh), "save");
}

TEST_F(FileOps, CopyRemoveAndRename) {
    std::string copy = home.file("data/copy.txt");
    fault::arm(fault::Kind::Copy);
    EXPECT_FALSE(files::copyFile(path, copy));
    fault::arm(fault::Kind::WriteAfterBytes, 3);
    EXPECT_FALSE(files::copyFile(path, copy));
    EXPECT_FALSE(files::fileExists(copy));
    EXPECT_TRUE(files::copyFile(path, copy));
    EXPECT_EQ(readBytes(copy), "old content");
    EXPECT_FALSE(files::copyFile(path, copy)); // a copy makes a new file only
    EXPECT_FALSE(files::copyFile(home.file("data/missing"), home.file("data/copy2.txt")));
    // Nor is a link copied from.
    const std::string link = home.file("data/link.txt");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    EXPECT_FALSE(files::copyFile(link, home.file("data/copy3.txt")));

    std::string moved = home.file("data/moved.txt");
    fault::arm(fault::Kind::Rename);
    EXPECT_FALSE(files::renameFile(copy, path));
    EXPECT_EQ(readBytes(path), "old content");
    EXPECT_TRUE(files::renameFile(copy, path));
    EXPECT_EQ(readBytes(path), "old content");
    EXPECT_FALSE(files::fileExists(copy));
    EXPECT_FALSE(files::renameFile(copy, moved));

    fault::arm(fault::Kind::Remove);
    EXPECT_FALSE(files::removeFile(path));
    EXPECT_TRUE(files::fileExists(path));
    EXPECT_TRUE(files::removeFile(path));
    EXPECT_FALSE(files::fileExists(path));
    EXPECT_TRUE(files::removeFile(path)); // already gone
}

TEST_F(FileOps, FoldersAndExistence) {
    std::string deep = home.file("x/y/z");
    EXPECT_FALSE(files::folderExists(deep));
    EXPECT_TRUE(files::makeFolder(deep));
    EXPECT_TRUE(files::makeFolder(deep));
    EXPECT_TRUE(files::folderExists(deep));
    EXPECT_FALSE(files::fileExists(deep));
    EXPECT_TRUE(files::fileExists(path));
    EXPECT_FALSE(files::folderExists(path));
    EXPECT_FALSE(files::makeFolder(path + "/sub")); // under a file
    // A folder, a path below a file and a missing file are no file to read.
    for (const std::string& none : {deep, path + "/sub", home.file("none")}) {
        files::ReadFailure failure = files::ReadFailure::None;
        EXPECT_EQ(files::readFile(none, &failure), std::nullopt) << none;
        EXPECT_EQ(failure, files::ReadFailure::Missing) << none;
    }
    EXPECT_FALSE(files::writeFileAtomic(home.file("no/such/folder/f"), "x"));
}

TEST_F(FileOps, AReusedBufferHoldsExactlyTheFileReadLast) {
    const std::string longer = home.file("data/long.txt");
    writeBytes(longer, std::string(5000, 'x') + "end");
    std::string bytes = "left over";
    ASSERT_TRUE(files::readFileInto(longer, bytes));
    EXPECT_EQ(bytes, std::string(5000, 'x') + "end");
    ASSERT_TRUE(files::readFileInto(path, bytes)); // shorter: nothing of the longer one stays
    EXPECT_EQ(bytes, "old content");
    writeBytes(path, "");
    ASSERT_TRUE(files::readFileInto(path, bytes));
    EXPECT_EQ(bytes, "");
    bytes = "left over";
    files::ReadFailure failure = files::ReadFailure::None;
    EXPECT_FALSE(files::readFileInto(home.file("none"), bytes, &failure));
    EXPECT_EQ(failure, files::ReadFailure::Missing);
    EXPECT_EQ(bytes, "");
}

TEST(JoinPath, JoinsWithOneSlash) {
    EXPECT_EQ(files::joinPath("/a/b", "c.ini"), "/a/b/c.ini");
    EXPECT_EQ(files::joinPath("/a/b/", "c.ini"), "/a/b/c.ini");
    EXPECT_EQ(files::joinPath("", "c.ini"), "c.ini");
}
