#include <gatekeeper/Processor.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct TJournal {
  std::string Steps;
  int Attaches = 0, Detaches = 0, Deleted = 0;
};

class TRecorder : public TProcessor {
public:
  explicit TRecorder(TJournal& AJournal) : TProcessor(&TRecorder::First), Journal(AJournal) {}
  ~TRecorder() override { ++Journal.Deleted; }

  TPerformFunctionResult First() {
    Journal.Steps += "1";
    return FirstResult;
  }
  TPerformFunctionResult A() {
    Journal.Steps += "A";
    return nullptr;
  }
  TPerformFunctionResult B() {
    Journal.Steps += "B";
    return nullptr;
  }
  TPerformFunctionResult C() {
    Journal.Steps += "C";
    return nullptr;
  }
  TPerformFunctionResult Wait() {
    Journal.Steps += "W";
    return WaitsLeft-- > 0 ? &TRecorder::Wait : nullptr;
  }
  TPerformFunctionResult SuspendOnce() {
    Journal.Steps += "S";
    return &TRecorder::A;
  }

  TPerformFunctionResult FirstResult = nullptr;
  int WaitsLeft = 0;

protected:
  void Attach() override { ++Journal.Attaches; }
  void Detach() override { ++Journal.Detaches; }

private:
  TJournal& Journal;
};

}  // namespace

TEST(Processor, FinishedAtOnceWithoutAttach) {
  TJournal j;
  (new TRecorder(j))->Run();
  EXPECT_EQ("1", j.Steps);
  EXPECT_EQ(1, j.Deleted);
  EXPECT_EQ(0, j.Attaches);
  EXPECT_EQ(0, j.Detaches);
}

TEST(Processor, StepsRunLastPushedFirst) {
  TJournal j;
  auto* p = new TRecorder(j);
  p->Push(&TRecorder::A);
  p->Push(&TRecorder::B);
  p->Push(&TRecorder::C);
  p->Run();
  EXPECT_EQ("CBA1", j.Steps);
  EXPECT_EQ(1, j.Deleted);
}

TEST(Processor, SuspendsTwiceAttachesOnceDetachesOnce) {
  TJournal j;
  auto* p = new TRecorder(j);
  p->FirstResult = &TRecorder::Wait;
  p->WaitsLeft = 1;
  p->Run();
  EXPECT_EQ("1", j.Steps);
  EXPECT_EQ(1, j.Attaches);
  EXPECT_TRUE(p->Attached());
  p->Run();  // Wait suspends again
  EXPECT_EQ("1W", j.Steps);
  EXPECT_EQ(1, j.Attaches);
  EXPECT_EQ(0, j.Deleted);
  p->Run();  // Wait finishes, the stack runs empty
  EXPECT_EQ("1WW", j.Steps);
  EXPECT_EQ(1, j.Detaches);
  EXPECT_EQ(1, j.Deleted);
}

TEST(Processor, SuspensionKeepsTheStepsBelow) {
  TJournal j;
  auto* p = new TRecorder(j);
  p->Push(&TRecorder::B);
  p->Push(&TRecorder::SuspendOnce);
  p->Run();
  EXPECT_EQ("S", j.Steps);
  p->Push(&TRecorder::C);  // a callback pushes and resumes: C runs before the waiting A
  p->Run();
  EXPECT_EQ("SCAB1", j.Steps);
  EXPECT_EQ(1, j.Deleted);
}

TEST(Processor, FinishWithoutSuspensionSkipsDetach) {
  TJournal j;
  auto* p = new TRecorder(j);
  p->Finish();
  EXPECT_EQ("", j.Steps);
  EXPECT_EQ(0, j.Detaches);
  EXPECT_EQ(1, j.Deleted);
  auto* q = new TRecorder(j);
  q->FirstResult = &TRecorder::A;
  q->Run();
  q->Finish();
  EXPECT_EQ(1, j.Detaches);
  EXPECT_EQ(2, j.Deleted);
}

TEST(Processor, StackGrowsBeyondItsFirstCapacity) {
  TJournal j;
  auto* p = new TRecorder(j);
  for (int i = 0; i < 20; ++i) p->Push(i % 2 ? &TRecorder::A : &TRecorder::B);
  EXPECT_EQ(21u, p->PendingSteps());
  p->Run();
  EXPECT_EQ("ABABABABABABABABABAB1", j.Steps);
}

TEST(Processor, DefaultEventIsNotTaken) {
  TJournal j;
  auto* p = new TRecorder(j);
  EXPECT_FALSE(p->OnEvent(9, nullptr, 0, 0));
  p->Finish();
}
