#include <orvo/fileStream.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "orvoTesting.h"

using orvo::fileStream;

namespace {

struct fileStreamTest : ::testing::Test {
  std::string directory;
  std::string path;

  void SetUp() override {
    char pattern[] = "/tmp/orvoFileStreamXXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    directory = pattern;
    path = directory + "/file.log";
  }
  void TearDown() override {
    ::unlink(path.c_str());
    ::rmdir(directory.c_str());
  }

  std::string contents() {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }
  unsigned permissions() {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return 0xFFFFFFFFu;
    return info.st_mode & 07777;
  }
};

TEST_F(fileStreamTest, CreatesFilesWithOwnerOnlyPermissionsWhateverTheUmask) {
  mode_t old = ::umask(0);
  fileStream out(path.c_str(), std::ios_base::out);
  ::umask(old);
  ASSERT_TRUE(out.isOpen());
  out << "text";
  EXPECT_TRUE(out.close());
  EXPECT_EQ(0600u, permissions());
  EXPECT_EQ("text", contents());
}

TEST_F(fileStreamTest, AppendModeAddsAndTruncateModeReplaces) {
  {
    fileStream out(path.c_str(), std::ios_base::out | std::ios_base::app);
    out << "one\n";
  }
  {
    fileStream out(path.c_str(), std::ios_base::out | std::ios_base::app);
    out << "two\n";
  }
  EXPECT_EQ("one\ntwo\n", contents());
  {
    fileStream out(path.c_str(), std::ios_base::out | std::ios_base::trunc);
    out << "new";
  }
  EXPECT_EQ("new", contents());
}

TEST_F(fileStreamTest, ExistingFileKeepsItsPermissions) {
  { std::ofstream create(path); }
  ::chmod(path.c_str(), 0644);
  fileStream out(path.c_str(), std::ios_base::app);
  out << "x";
  out.close();
  EXPECT_EQ(0644u, permissions());
}

TEST_F(fileStreamTest, ReadsWhatWasWritten) {
  {
    fileStream out(path.c_str(), std::ios_base::out);
    out << "line one\nline two\n";
  }
  fileStream in(path.c_str(), std::ios_base::in);
  ASSERT_TRUE(in.isOpen());
  std::string first, second, third;
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_EQ("line one", first);
  EXPECT_EQ("line two", second);
  EXPECT_FALSE(std::getline(in, third));
  EXPECT_TRUE(in.eof());
}

TEST_F(fileStreamTest, ReadingAMissingFileFailsWithoutCreatingIt) {
  fileStream in(path.c_str(), std::ios_base::in);
  EXPECT_FALSE(in.isOpen());
  EXPECT_TRUE(in.fail());
  EXPECT_EQ(0xFFFFFFFFu, permissions());
  char buffer[8];
  in.read(buffer, sizeof buffer);
  EXPECT_EQ(0, in.gcount());
}

TEST_F(fileStreamTest, OpenInAMissingDirectoryFails) {
  fileStream out((directory + "/missing/file").c_str(), std::ios_base::out);
  EXPECT_FALSE(out.isOpen());
  EXPECT_TRUE(out.fail());
  out << "ignored";
  EXPECT_FALSE(out.close());
}

TEST_F(fileStreamTest, ReopensAfterCloseWithAClearState) {
  fileStream out;
  EXPECT_FALSE(out.isOpen());
  EXPECT_TRUE(out.good());
  for (const char* block : {"first ", "second"}) {
    ASSERT_TRUE(out.open(path.c_str(), std::ios_base::out | std::ios_base::app));
    EXPECT_TRUE(out.good());
    out << block;
    EXPECT_TRUE(out.close());
    EXPECT_TRUE(out.good());
    EXPECT_FALSE(out.isOpen());
  }
  EXPECT_EQ("first second", contents());
}

TEST_F(fileStreamTest, SecondOpenOfAnOpenStreamFails) {
  fileStream out(path.c_str(), std::ios_base::out);
  EXPECT_FALSE(out.open(path.c_str(), std::ios_base::out));
  EXPECT_TRUE(out.fail());
  EXPECT_TRUE(out.isOpen());
}

TEST_F(fileStreamTest, AtEndStartsAtTheEndOfAnExistingFile) {
  {
    fileStream out(path.c_str(), std::ios_base::out);
    out << "abc";
  }
  fileStream in(path.c_str(), std::ios_base::in | std::ios_base::ate);
  ASSERT_TRUE(in.isOpen());
  char c;
  EXPECT_FALSE(in.get(c));
}

TEST_F(fileStreamTest, FullDeviceFailsTheClose) {
  if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  fileStream out("/dev/full", std::ios_base::out);
  ASSERT_TRUE(out.isOpen());
  out << "lost";
  EXPECT_FALSE(out.close());
  EXPECT_TRUE(out.bad());
}

TEST(fileStreamFlags, FollowTheStandardStreamModes) {
  using std::ios_base;
  EXPECT_EQ(O_RDONLY, fileStream::openFlags(ios_base::in));
  EXPECT_EQ(O_RDONLY, fileStream::openFlags(ios_base::in | ios_base::binary | ios_base::ate));
  EXPECT_EQ(O_WRONLY | O_CREAT | O_TRUNC, fileStream::openFlags(ios_base::out));
  EXPECT_EQ(O_WRONLY | O_CREAT | O_TRUNC, fileStream::openFlags(ios_base::out | ios_base::trunc));
  EXPECT_EQ(O_WRONLY | O_CREAT | O_APPEND, fileStream::openFlags(ios_base::app));
  EXPECT_EQ(O_WRONLY | O_CREAT | O_APPEND, fileStream::openFlags(ios_base::out | ios_base::app));
  EXPECT_EQ(O_RDWR, fileStream::openFlags(ios_base::in | ios_base::out));
  EXPECT_EQ(O_RDWR | O_CREAT | O_TRUNC, fileStream::openFlags(ios_base::in | ios_base::out | ios_base::trunc));
  EXPECT_EQ(O_RDWR | O_CREAT | O_APPEND, fileStream::openFlags(ios_base::in | ios_base::app));
  EXPECT_EQ(-1, fileStream::openFlags(ios_base::trunc));
  EXPECT_EQ(-1, fileStream::openFlags(ios_base::in | ios_base::trunc));
  EXPECT_EQ(-1, fileStream::openFlags(ios_base::out | ios_base::trunc | ios_base::app));
}

}  // namespace
