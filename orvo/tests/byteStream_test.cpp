#include <orvo/byteStream.h>

#include <orvoTesting.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string inUse(const orvo::byteStream& s) {
  return std::string(reinterpret_cast<const char*>(s.buffer()), s.length());
}

TEST(ByteStream, GrowsInStepsAndRebasesTheReadPosition) {
  orvo::byteStream s(128);
  EXPECT_EQ(0u, s.allocatedSize());
  EXPECT_TRUE(s.exhausted());
  s.write("a", 1);
  EXPECT_EQ(128u, s.allocatedSize());
  const std::string rest(127, 'b');
  s.write(rest.data(), 127);
  EXPECT_EQ(128u, s.allocatedSize());  // exactly full
  char first[2];
  s.read(first, 2);
  EXPECT_EQ('b', *s.readPosition());
  s.write("c", 1);
  EXPECT_EQ(256u, s.allocatedSize());
  EXPECT_EQ(2u, unsigned(s.readPosition() - s.buffer()));
  EXPECT_EQ(127u, s.remaining());
  EXPECT_EQ(129u, s.length());
}

TEST(ByteStream, ReadAndSkipStayInsideTheBytesInUse) {
  orvo::byteStream s("abc", 3);
  EXPECT_EQ(128u, s.allocatedSize());
  char out[4] = {'x', 'x', 'x', 'x'};
  ORVO_EXPECT_THROW(s.read(out, 4), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
  EXPECT_EQ(std::string("xxxx"), std::string(out, 4));
  EXPECT_EQ(3u, s.remaining());
  ORVO_EXPECT_THROW(s.skip(-1), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
  ORVO_EXPECT_THROW(s.skip(4), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
  s.skip(3);
  EXPECT_TRUE(s.exhausted());
  s.skip(-2);
  s.read(out, 2);
  EXPECT_EQ(std::string("bc"), std::string(out, 2));

  orvo::byteStream empty(16);
  ORVO_EXPECT_THROW(empty.read(out, 0), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
  ORVO_EXPECT_THROW(empty.skip(0), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
}

TEST(ByteStream, PreparedWritesCommitOrCancel) {
  orvo::byteStream s(64);
  unsigned char* room = s.prepareWrite(10);
  std::memcpy(room, "0123456789", 10);
  EXPECT_EQ(0u, s.length());
  EXPECT_TRUE(s.commitWrite(-1));
  EXPECT_EQ("0123456789", inUse(s));
  s.prepareWrite(5);
  EXPECT_TRUE(s.cancelWrite());
  EXPECT_EQ(10u, s.length());
  EXPECT_TRUE(s.commitWrite(-1));  // nothing pending any more
  EXPECT_EQ(10u, s.length());
  std::memcpy(s.prepareWrite(8), "abcdefgh", 8);
  EXPECT_TRUE(s.commitWrite(3));
  EXPECT_EQ("0123456789abc", inUse(s));
  // Past the allocation would leave the write end outside the buffer.
  ORVO_EXPECT_THROW(s.commitWrite(52), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
  ORVO_EXPECT_THROW(s.commitWrite(-5), orvo::byteStream::outOfBounds, "Byte stream index out of bounds.");
  EXPECT_TRUE(s.commitWrite(51));
  EXPECT_EQ(64u, s.length());
}

TEST(ByteStream, CopiesAreDeepAndReadFromTheStart) {
  orvo::byteStream s("abcdef", 6);
  char out[2];
  s.read(out, 2);
  orvo::byteStream copy(s);
  EXPECT_EQ("abcdef", inUse(copy));
  EXPECT_EQ(6u, copy.remaining());
  EXPECT_NE(s.buffer(), copy.buffer());

  orvo::byteStream assigned(1);
  assigned.write("zz", 2);
  assigned = s;
  EXPECT_EQ("abcdef", inUse(assigned));
  EXPECT_EQ(128u, assigned.allocatedSize());
  EXPECT_EQ(128u, assigned.growth());
  assigned.write("g", 1);
  EXPECT_EQ("abcdef", inUse(s));

  orvo::byteStream& self = s;
  s = self;  // must not free its own bytes first
  EXPECT_EQ("abcdef", inUse(s));
  EXPECT_EQ(4u, s.remaining());  // unchanged

  orvo::byteStream empty(8);
  s = empty;
  EXPECT_EQ(nullptr, s.buffer());
  EXPECT_EQ(8u, s.growth());
}

TEST(ByteStream, ClearKeepsTheGrowth) {
  orvo::byteStream s(32);
  s.write("abc", 3);
  s.clear();
  EXPECT_EQ(nullptr, s.buffer());
  EXPECT_EQ(0u, s.length());
  EXPECT_EQ(0u, s.allocatedSize());
  s.write("d", 1);
  EXPECT_EQ(32u, s.allocatedSize());
}

TEST(ByteStream, DiscardReadMovesTheRestToTheStart) {
  orvo::byteStream s(16);
  s.write("abcdefghij", 10);
  char out[4];
  s.read(out, 4);
  const unsigned char* buffer = s.buffer();
  s.discardRead();
  EXPECT_EQ("efghij", inUse(s));
  EXPECT_EQ(s.buffer(), s.readPosition());
  EXPECT_EQ(buffer, s.buffer()) << "the allocation stays";
  EXPECT_EQ(16u, s.allocatedSize());
  s.write("klmnopqrst", 10);  // fits where the read ones were
  EXPECT_EQ(16u, s.allocatedSize());
  EXPECT_EQ("efghijklmnopqrst", inUse(s));
  s.discardRead();  // nothing read: unchanged
  EXPECT_EQ("efghijklmnopqrst", inUse(s));
  s.skip(16);
  s.discardRead();
  EXPECT_EQ(0u, s.length());
  EXPECT_TRUE(s.exhausted());
  orvo::byteStream empty(8);
  empty.discardRead();
  EXPECT_EQ(nullptr, empty.buffer());
}

TEST(HexDump, TwentyBytesFrameAndColumns) {
  orvo::byteStream s("Hello, world! 0123\x00\xff", 20);
  std::ostringstream out;
  s.dump(out);
  std::ostringstream pointer;
  pointer << static_cast<const void*>(s.buffer());
  const std::string dashes(75, '-');
  EXPECT_EQ("Buffer: " + pointer.str() + ", 20 octets (hex output)\n" + dashes + "\n" +
                "0000: 48 65 6C 6C  6F 2C 20 77  6F 72 6C 64  21 20 30 31   Hello, world! 01\n"
                "0010: 32 33 00 FF                                          23..\n" +
                dashes + "\n",
            out.str());
}

TEST(HexDump, PrefixOffsetsAndStreamStateAfterwards) {
  std::ostringstream out;
  out.fill('*');
  unsigned char bytes[33];
  for (unsigned i = 0; i < sizeof bytes; ++i) bytes[i] = static_cast<unsigned char>(0x7A + i);
  orvo::hexDump(out, bytes, 33, "  > ");
  out << 255 << std::setw(3) << 7;
  EXPECT_EQ(
      "  > 0000: 7A 7B 7C 7D  7E 7F 80 81  82 83 84 85  86 87 88 89   z{|}~...........\n"
      "  > 0010: 8A 8B 8C 8D  8E 8F 90 91  92 93 94 95  96 97 98 99   ................\n"
      "  > 0020: 9A                                                   .\n"
      "255**7",
      out.str());

  std::ostringstream none;
  orvo::hexDump(none, bytes, 0, "x");
  orvo::hexDump(none, bytes, -5, "x");
  EXPECT_EQ("", none.str());
}

TEST(HexDump, PrintHexSeparatesBytesWithSingleBlanks) {
  std::ostringstream out;
  const unsigned char bytes[] = {0x0A, 0xFF};
  orvo::printHex(out, bytes, 2);
  out << "|";
  orvo::printHex(out, bytes, 1);
  out << "|";
  orvo::printHex(out, bytes, 0);
  out << "|" << 10;
  EXPECT_EQ("0A FF|0A||10", out.str());
}

class ByteStreamFiles : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/orvo-byteStream-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    directory = pattern;
  }
  void TearDown() override {
    if (DIR* d = opendir(directory.c_str())) {
      while (dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") unlink((directory + "/" + name).c_str());
      }
      closedir(d);
    }
    rmdir(directory.c_str());
  }
  std::string path(const char* name) const { return directory + "/" + name; }
  static std::string fileContent(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  unsigned entries() const {
    unsigned count = 0;
    if (DIR* d = opendir(directory.c_str())) {
      while (dirent* e = readdir(d)) count += e->d_name[0] != '.';
      closedir(d);
    }
    return count;
  }
  std::string directory;
};

TEST_F(ByteStreamFiles, SaveWritesEveryByteWithOwnerOnlyMode) {
  orvo::byteStream s("configuration", 13);
  char skipped[3];
  s.read(skipped, 3);  // saving starts at the buffer, not the read position
  const std::string file = path("a.cfg");
  ASSERT_TRUE(s.saveToFile(file.c_str()));
  EXPECT_EQ("configuration", fileContent(file));
  struct stat status;
  ASSERT_EQ(0, stat(file.c_str(), &status));
  EXPECT_EQ(0600u, status.st_mode & 0777u);

  orvo::byteStream shorter("new", 3);
  ASSERT_TRUE(shorter.saveToFile(file.c_str()));
  EXPECT_EQ("new", fileContent(file));
  orvo::byteStream empty(8);
  ASSERT_TRUE(empty.saveToFile(file.c_str()));
  EXPECT_EQ("", fileContent(file));
  EXPECT_EQ(1u, entries());
}

TEST_F(ByteStreamFiles, FailedSaveKeepsTheOldFile) {
  const std::string file = path("b.cfg");
  orvo::byteStream old("old content", 11);
  ASSERT_TRUE(old.saveToFile(file.c_str()));

  // A file size limit makes the write stop short.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
  rlimit small = saved;
  small.rlim_cur = 1024;
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
  const std::string big(8192, 'x');
  orvo::byteStream large(big.data(), unsigned(big.size()));
  const bool saved_ok = large.saveToFile(file.c_str());
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &saved));
  std::signal(SIGXFSZ, SIG_DFL);

  EXPECT_FALSE(saved_ok);
  EXPECT_EQ("old content", fileContent(file));
  EXPECT_EQ(1u, entries());  // no temporary left behind

  EXPECT_FALSE(old.saveToFile(path("missing/c.cfg").c_str()));
  EXPECT_FALSE(old.saveToFile(""));
}

TEST_F(ByteStreamFiles, LoadAppendsTheWholeFile) {
  const std::string file = path("d.cfg");
  { std::ofstream(file, std::ios::binary) << "0123456789"; }
  orvo::byteStream s(4);
  s.write("ab", 2);
  ASSERT_TRUE(s.loadFromFile(file.c_str()));
  EXPECT_EQ("ab0123456789", inUse(s));

  { std::ofstream(path("empty"), std::ios::binary); }
  ASSERT_TRUE(s.loadFromFile(path("empty").c_str()));
  EXPECT_EQ(12u, s.length());
}

TEST_F(ByteStreamFiles, LoadRefusesWhatItCannotReadWhole) {
  orvo::byteStream s("keep", 4);
  EXPECT_FALSE(s.loadFromFile(path("absent").c_str()));
  EXPECT_FALSE(s.loadFromFile(directory.c_str()));
  EXPECT_FALSE(s.loadFromFile(nullptr));

  // A size of 4 GiB does not fit the 32-bit length: refused, not cut.
  const std::string huge = path("huge");
  const int fd = open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(0, ftruncate(fd, off_t(1) << 32));
  close(fd);
  EXPECT_FALSE(s.loadFromFile(huge.c_str()));
  EXPECT_EQ("keep", inUse(s));
  EXPECT_EQ(128u, s.allocatedSize());
}

}  // namespace
