#include "app/AtomicFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// Runs body in a child process and gives its result (or -1 when it did not end normally). As root, the
// child first becomes an unprivileged user, so that file permissions are enforced as for a user.
int InChild(const std::function<int()>& body, bool unprivileged = true) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(250);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Hands path to the user InChild runs as.
void GiveToChild(const fs::path& path) {
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override { m_oldMask = ::umask(022); }
    void TearDown() override { ::umask(m_oldMask); }

    TempDir dir;

private:
    mode_t m_oldMask = 0;
};

} // namespace

TEST_F(AtomicFileTest, CreatesTheFileReadableByItsOwnerOnly) {
    const auto path = dir.file("a.qlt");
    ASSERT_EQ(AtomicFile::Write(path, "content"), 0);
    EXPECT_EQ(dir.read("a.qlt"), "content");
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"a.qlt"}); // no temporary file left
}

TEST_F(AtomicFileTest, ReplacesTheWholeOldContentAndNarrowsItsPermissions) {
    dir.write("a.qlt", std::string(5000, 'x'));
    ::chmod(dir.file("a.qlt").c_str(), 0644);
    ASSERT_EQ(AtomicFile::Write(dir.file("a.qlt"), "short"), 0);
    EXPECT_EQ(dir.read("a.qlt"), "short");
    EXPECT_EQ(ModeOf(dir.file("a.qlt")), 0600u);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"a.qlt"});
}

TEST_F(AtomicFileTest, KeepsTheModeOfAReplacedFileWhenAsked) {
    dir.write("Tool.INI", "old");
    ::chmod(dir.file("Tool.INI").c_str(), 0640);
    const AtomicFile::Options keep{0666, true};
    ASSERT_EQ(AtomicFile::Write(dir.file("Tool.INI"), "new", keep), 0);
    EXPECT_EQ(ModeOf(dir.file("Tool.INI")), 0640u);
    // A new file gets the create mode less the umask.
    ASSERT_EQ(AtomicFile::Write(dir.file("Other.INI"), "new", keep), 0);
    EXPECT_EQ(ModeOf(dir.file("Other.INI")), 0644u);
}

TEST_F(AtomicFileTest, FollowsSymbolicLinksToTheirFile) {
    fs::create_directory(dir.path() / "real");
    dir.write("real/a.qlt", "old");
    fs::create_symlink("real/a.qlt", dir.path() / "link1");         // relative to the link's folder
    fs::create_symlink(dir.path() / "link1", dir.path() / "link2"); // a chain, absolute
    ASSERT_EQ(AtomicFile::Write(dir.file("link2"), "new"), 0);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link1"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link2"));
    EXPECT_EQ(dir.read("real/a.qlt"), "new");
    EXPECT_EQ(NamesIn(dir.path() / "real"), std::vector<std::string>{"a.qlt"});

    // A link to a file not there yet creates that file.
    fs::create_symlink("real/b.qlt", dir.path() / "dangling");
    ASSERT_EQ(AtomicFile::Write(dir.file("dangling"), "b"), 0);
    EXPECT_EQ(dir.read("real/b.qlt"), "b");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "dangling"));

    fs::create_symlink("loop2", dir.path() / "loop1");
    fs::create_symlink("loop1", dir.path() / "loop2");
    EXPECT_EQ(AtomicFile::Write(dir.file("loop1"), "x"), ELOOP);
    EXPECT_EQ(AtomicFile::ResolveTarget(dir.file("link2")), dir.file("real/a.qlt"));
}

TEST_F(AtomicFileTest, AFailedSaveLeavesTheOldFileWhole) {
    const std::string old(3000, 'o');
    dir.write("a.qlt", old);
    // The child may write no file beyond 100 bytes: the new content cannot be written.
    const std::string path = dir.file("a.qlt");
    const int result = InChild(
        [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100, 100};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return AtomicFile::Write(path, std::string(1280, 'n'));
        },
        false);
    EXPECT_EQ(result, EFBIG);
    EXPECT_EQ(dir.read("a.qlt"), old);
    EXPECT_EQ(NamesIn(dir.path()), std::vector<std::string>{"a.qlt"});
}

TEST_F(AtomicFileTest, AFolderThatTakesNoNewFileGetsTheFileRewrittenInPlace) {
    const fs::path folder = dir.path() / "locked";
    fs::create_directory(folder);
    dir.write("locked/a.qlt", std::string(2000, 'o'));
    ::chmod((folder / "a.qlt").c_str(), 0644);
    GiveToChild(dir.path());
    GiveToChild(folder);
    GiveToChild(folder / "a.qlt");
    ::chmod(folder.c_str(), 0555);

    const std::string path = (folder / "a.qlt").string();
    EXPECT_EQ(InChild([&] { return AtomicFile::Write(path, "new content"); }), 0);
    EXPECT_EQ(dir.read("locked/a.qlt"), "new content");
    EXPECT_EQ(ModeOf(folder / "a.qlt"), 0600u);
    EXPECT_EQ(NamesIn(folder), std::vector<std::string>{"a.qlt"});

    // No file to rewrite: the folder's refusal is the answer.
    const std::string missing = (folder / "b.qlt").string();
    EXPECT_EQ(InChild([&] { return AtomicFile::Write(missing, "x"); }), EACCES);
    EXPECT_EQ(NamesIn(folder), std::vector<std::string>{"a.qlt"});
    ::chmod(folder.c_str(), 0755);
}

TEST_F(AtomicFileTest, AReadOnlyFileIsNotReplaced) {
    dir.write("a.qlt", "old");
    GiveToChild(dir.path());
    GiveToChild(dir.path() / "a.qlt");
    ::chmod(dir.file("a.qlt").c_str(), 0400);
    const std::string path = dir.file("a.qlt");
    EXPECT_EQ(InChild([&] { return AtomicFile::Write(path, "new"); }), EACCES);
    EXPECT_EQ(dir.read("a.qlt"), "old");
}
