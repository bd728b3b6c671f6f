#include <orvo/thread.h>
#include <orvo/versionInfo.h>

#include "orvoTesting.h"

// The application's own version text.
const char* orvo::productVersionText = "1.22 build 445";

namespace {

struct task : orvo::thread {
  task(bool autoDelete, bool* destroyed, bool fail = false) : thread(autoDelete), destroyed(destroyed), fail(fail) {}
  ~task() override { *destroyed = true; }
  void run() override {
    ++runs;
    if (fail) throw new orvo::exception("task failed");
  }
  bool* destroyed;
  bool fail;
  int runs = 0;
};

TEST(thread, autoDeleteTaskIsGoneAfterStart) {
  bool destroyed = false;
  task* t = new task(true, &destroyed);
  EXPECT_TRUE(t->start());
  EXPECT_TRUE(destroyed);
}

TEST(thread, ownedTaskIsLeftToItsOwner) {
  bool destroyed = false;
  task t(false, &destroyed);
  EXPECT_TRUE(t.start());
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(1, t.runs);
  t.stackSize = 40960;
  EXPECT_TRUE(t.start());
  EXPECT_EQ(2, t.runs);
}

TEST(thread, failingTaskIsNotDeleted) {
  bool destroyed = false;
  task* t = new task(true, &destroyed, true);
  ORVO_EXPECT_THROW(t->start(), orvo::exception, "task failed");
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(1, t->runs);
  delete t;
}

TEST(versionInfo, textsComeFromTheApplication) {
  orvo::versionInfo info;
  EXPECT_EQ("1.22 build 445", toStd(info.productVersion()));
  // Not defined here: empty.
  EXPECT_EQ("", toStd(info.fileVersion()));
}

TEST(versionInfo, theOtherTextsAreEmpty) {
  const orvo::versionInfo info;
  typedef orvo::string (orvo::versionInfo::*accessor)() const;
  const accessor others[] = {
      &orvo::versionInfo::comments,         &orvo::versionInfo::companyName,    &orvo::versionInfo::fileDescription,
      &orvo::versionInfo::internalName,     &orvo::versionInfo::legalCopyright, &orvo::versionInfo::legalTrademarks,
      &orvo::versionInfo::originalFilename, &orvo::versionInfo::privateBuild,   &orvo::versionInfo::productName,
      &orvo::versionInfo::specialBuild,
  };
  for (accessor text : others) EXPECT_EQ("", toStd((info.*text)()));
}

}  // namespace
