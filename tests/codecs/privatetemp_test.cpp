#include "codecs/tools/privatetemp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdlib>

namespace {

int modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777;
}

// Points XDG_RUNTIME_DIR elsewhere for the lifetime of the object.
class RuntimeDir {
  public:
    explicit RuntimeDir(const QString& path) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) old_ = old;
        setenv("XDG_RUNTIME_DIR", path.toLocal8Bit().constData(), 1);
    }
    ~RuntimeDir() {
        if (old_.empty()) {
            unsetenv("XDG_RUNTIME_DIR");
        } else {
            setenv("XDG_RUNTIME_DIR", old_.c_str(), 1);
        }
    }

  private:
    std::string old_;
};

}  // namespace

TEST(PrivateTemp, CreatesAndClosesTheDirectory) {
    QTemporaryDir runtime;
    RuntimeDir scope(runtime.path());
    const std::string dir = tools::privatetempdir();
    EXPECT_EQ(dir, runtime.path().toStdString() + "/corvina");
    EXPECT_EQ(modeOf(dir), 0700);
    EXPECT_EQ(tools::privatetempfile("tempmid.mid"),
              dir + "/" + std::to_string(getpid()) + "/tempmid.mid");

    chmod(dir.c_str(), 0777);
    EXPECT_EQ(tools::privatetempdir(), dir);
    EXPECT_EQ(modeOf(dir), 0700);
}

TEST(PrivateTemp, RefusesASymlinkInItsPlace) {
    QTemporaryDir runtime;
    QTemporaryDir elsewhere;
    RuntimeDir scope(runtime.path());
    const std::string link = runtime.path().toStdString() + "/corvina";
    ASSERT_EQ(symlink(elsewhere.path().toLocal8Bit().constData(), link.c_str()), 0);
    const std::string dir = tools::privatetempdir();
    EXPECT_NE(dir, link);  // falls back to the system temporary directory
    if (!dir.empty()) {
        EXPECT_EQ(modeOf(dir), 0700);
    }
}

// Each process writes its own files; what an ended process left is removed.
TEST(PrivateTemp, KeepsProcessesApartAndSweepsEndedOnes) {
    QTemporaryDir runtime;
    RuntimeDir scope(runtime.path());
    const pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    const std::string dir = tools::privatetempdir();
    const std::string ended = dir + "/" + std::to_string(child);
    ASSERT_EQ(mkdir(ended.c_str(), 0700), 0);
    const std::string other = dir + "/" + std::to_string(getppid());  // still running
    ASSERT_EQ(mkdir(other.c_str(), 0700), 0);

    const std::string file = tools::privatetempfile("~bmptmp.bmp");
    EXPECT_EQ(file, dir + "/" + std::to_string(getpid()) + "/~bmptmp.bmp");
    EXPECT_EQ(modeOf(dir + "/" + std::to_string(getpid())), 0700);
    struct stat st {};
    EXPECT_NE(lstat(ended.c_str(), &st), 0);
    EXPECT_EQ(lstat(other.c_str(), &st), 0);
}
