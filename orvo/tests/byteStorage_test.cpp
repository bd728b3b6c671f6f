#include <orvo/byteStorage.h>

#include <orvoTesting.h>

#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string content(const orvo::byteStorage& s) {
  if (s.length() == 0) return std::string();
  return std::string(static_cast<const char*>(s.at(0)), s.length());
}

TEST(ByteStorage, NothingIsAllocatedUntilTheFirstByte) {
  orvo::byteStorage s;
  EXPECT_EQ(0u, s.length());
  EXPECT_EQ(nullptr, s.at(0));
  EXPECT_EQ(0, s.writeTo(1));
  s.append("", 0);
  EXPECT_EQ(0u, s.allocatedSize());
  EXPECT_EQ(nullptr, s.at(0));
  s.append("x", 1);
  EXPECT_EQ(1u, s.allocatedSize());
  EXPECT_EQ("x", content(s));
  EXPECT_EQ(nullptr, s.at(1));
}

TEST(ByteStorage, AllocationFollowsBlockAndMinimumSizes) {
  const std::string seventeen(17, 'a');
  orvo::byteStorage s(0, 16);
  s.append(seventeen.data(), 17);
  EXPECT_EQ(32u, s.allocatedSize());
  orvo::byteStorage copy(s);
  copy.setSizes(0, 4);  // a shared container is copied first
  EXPECT_EQ(20u, copy.allocatedSize());
  EXPECT_EQ(32u, s.allocatedSize());

  orvo::byteStorage floor(64, 16);
  floor.append(seventeen.data(), 17);
  EXPECT_EQ(64u, floor.allocatedSize());
  floor.setSizes(0, 16);
  EXPECT_EQ(32u, floor.allocatedSize());
  EXPECT_EQ(seventeen, content(floor));

  orvo::byteStorage minimumOnly(10, 1);
  minimumOnly.append("", 0);
  EXPECT_EQ(10u, minimumOnly.allocatedSize());
}

TEST(ByteStorage, InsertAtLengthAppendsBeyondItThrows) {
  orvo::byteStorage s(0, 1);
  s.append("ad", 2);
  s.insert(1, "bc", 2);
  s.insert(4, "e", 1);
  EXPECT_EQ("abcde", content(s));
  ORVO_EXPECT_THROW(s.insert(6, "x", 1), orvo::byteStorage::outOfBounds, "Byte storage index out of bounds.");
  EXPECT_EQ("abcde", content(s));
}

TEST(ByteStorage, CopiesShareUntilOneChanges) {
  orvo::byteStorage original("abc", 3, 0, 1);
  orvo::byteStorage copy(original);
  EXPECT_TRUE(original.shared());
  EXPECT_EQ(original.at(0), copy.at(0));
  copy.append("d", 1);
  EXPECT_FALSE(original.shared());
  EXPECT_EQ("abc", content(original));
  EXPECT_EQ("abcd", content(copy));

  orvo::byteStorage assigned;
  assigned = original;
  assigned = assigned;
  EXPECT_EQ(original.at(0), assigned.at(0));
  assigned.assign("xy", 2);
  EXPECT_EQ("abc", content(original));
  EXPECT_EQ("xy", content(assigned));
  assigned.release();
  EXPECT_EQ(0u, assigned.length());
}

TEST(ByteStorage, BytesFromInsideTheStorageSurviveTheResize) {
  orvo::byteStorage s("abc", 3, 0, 1);
  s.insert(0, s.at(0), 3);
  EXPECT_EQ("abcabc", content(s));
  s.append(s.at(2), 4);
  EXPECT_EQ("abcabccabc", content(s));
  s.assign(s.at(1), 2);
  EXPECT_EQ("bc", content(s));
}

TEST(ByteStorage, SizeOverflowIsOutOfMemory) {
  orvo::byteStorage s("a", 1, 0, 1);
  ORVO_EXPECT_THROW(s.insert(1, "b", 0xFFFFFFFFu), orvo::byteStorage::outOfMemory, "Byte storage out of memory.");
  EXPECT_EQ("a", content(s));
}

TEST(ByteStorageContainer, EraseClosesTheGapAndChecksTheRange) {
  orvo::byteStorageContainer c(0, 16);
  std::memcpy(c.insertGap(0, 17), "0123456789abcdefg", 17);
  EXPECT_EQ(32u, c.allocated);
  c.erase(3, 1);
  EXPECT_EQ(16u, c.allocated);
  EXPECT_EQ("012456789abcdefg", std::string(reinterpret_cast<char*>(c.data), c.length));
  ORVO_EXPECT_THROW(c.erase(10, 7), orvo::byteStorage::outOfBounds, "Byte storage index out of bounds.");
  ORVO_EXPECT_THROW(c.erase(1, 0xFFFFFFFFu), orvo::byteStorage::outOfBounds, "Byte storage index out of bounds.");
  c.erase(0, 16);
  EXPECT_EQ(0u, c.allocated);
  EXPECT_EQ(nullptr, c.at(0));
}

class ByteStorageFiles : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(0, pipe(ends)); }
  void TearDown() override {
    if (ends[0] >= 0) close(ends[0]);
    if (ends[1] >= 0) close(ends[1]);
  }
  int ends[2] = {-1, -1};
};

TEST_F(ByteStorageFiles, ReadFromKeepsExactlyTheBytesRead) {
  const std::string forty(40, 'z');
  ASSERT_EQ(40, write(ends[1], forty.data(), 40));
  close(ends[1]);
  ends[1] = -1;
  orvo::byteStorage s("old", 3, 0, 1);
  orvo::byteStorage other(s);
  EXPECT_EQ(40, s.readFrom(ends[0], 100));
  EXPECT_EQ(forty, content(s));
  EXPECT_EQ("old", content(other));
  EXPECT_EQ(0, s.readFrom(ends[0], 100));  // end of file
  EXPECT_EQ(0u, s.length());
}

TEST_F(ByteStorageFiles, FailedReadLeavesItEmpty) {
  orvo::byteStorage s("old", 3, 0, 1);
  EXPECT_EQ(-1, s.readFrom(-1, 100));
  EXPECT_EQ(0u, s.length());
  EXPECT_EQ(nullptr, s.at(0));
}

TEST_F(ByteStorageFiles, WriteToWritesEveryByte) {
  orvo::byteStorage s("hello", 5, 0, 1);
  EXPECT_EQ(5, s.writeTo(ends[1]));
  char back[8] = {};
  ASSERT_EQ(5, read(ends[0], back, sizeof back));
  EXPECT_EQ("hello", std::string(back, 5));
  EXPECT_EQ(-1, s.writeTo(-1));
}

}  // namespace
