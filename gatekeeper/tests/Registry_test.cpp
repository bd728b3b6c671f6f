#include <gatekeeper/Registry.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include <gatekeeper/Processor.h>

namespace {

struct TBoard;

// A procedure that reacts to the events of a broadcast as its script says:
// a code digit followed by an action. Actions: s detach and delete itself,
// n delete its successor, f delete the first one, o delete every other one,
// b broadcast event 2 from inside the handler, t take the event, a attach a
// new procedure "D".
class TListener : public TProcessor {
public:
  TListener(TBoard& ABoard, char AName, const char* AScript)
      : TProcessor(&TListener::Wait), Name(AName), Board(ABoard), Script(AScript) {}
  ~TListener() override;

  bool OnEvent(int ACode, void* ASender, uint32_t AFirst, uint32_t ASecond) override;
  TPerformFunctionResult Wait() { return &TListener::Wait; }

  char Name;

protected:
  void Attach() override;
  void Detach() override;

private:
  TBoard& Board;
  std::string Script;
};

// The registry under test with what happened to it.
struct TBoard {
  TRegistry<TProcessor> Registry;
  std::string Visits;
  std::string Deleted;

  bool Broadcast(int ACode) {
    return Registry.ForEach([ACode](TProcessor* AProcedure) { return AProcedure->OnEvent(ACode, nullptr, 0, 0); });
  }

  // Attached the way a procedure attaches: by running until it waits.
  TListener* Add(char AName, const char* AScript) {
    TListener* listener = new TListener(*this, AName, AScript);
    listener->Run();
    return listener;
  }

  std::vector<TListener*> Attached() {
    std::vector<TListener*> all;
    Registry.ForEach([&all](TProcessor* AProcedure) {
      all.push_back(static_cast<TListener*>(AProcedure));
      return false;
    });
    return all;
  }

  std::string Names() {
    std::string names;
    for (TListener* listener : Attached()) names += listener->Name;
    return names;
  }
};

TListener::~TListener() { Board.Deleted += Name; }

void TListener::Attach() { Board.Registry.Attach(this); }

void TListener::Detach() { Board.Registry.Detach(this); }

bool TListener::OnEvent(int ACode, void*, uint32_t, uint32_t) {
  // The handler may delete itself: what it needs afterwards is copied out.
  TBoard& board = Board;
  const std::string script = Script;
  const char code = static_cast<char>('0' + ACode);
  board.Visits += {Name, code, ' '};
  bool gone = false;
  for (size_t i = 0; i + 1 < script.size(); i += 2) {
    if (script[i] != code) continue;
    switch (script[i + 1]) {
      case 's':
        gone = true;
        Finish();
        break;
      case 'n': {
        std::vector<TListener*> all = board.Attached();
        for (size_t k = 0; !gone && k + 1 < all.size(); ++k)
          if (all[k] == this) all[k + 1]->Finish();
        break;
      }
      case 'f':
        board.Attached().front()->Finish();
        break;
      case 'o':
        for (TListener* other : board.Attached())
          if (gone || other != this) other->Finish();
        break;
      case 'b':
        if (board.Broadcast(2)) return true;
        break;
      case 't':
        return true;
      case 'a':
        board.Add('D', "");
        break;
    }
  }
  return false;
}

struct TWalkCase {
  const char* Name;
  const char* Scripts[3];  // of A, B and C
  const char* Visits;      // of a broadcast of event 1
  bool Taken;
  const char* Left;
  const char* Deleted;
};

const TWalkCase WalkCases[] = {
    {"nothing happens", {"", "", ""}, "A1 B1 C1 ", false, "ABC", ""},
    {"first deletes itself", {"1s", "", ""}, "A1 B1 C1 ", false, "BC", "A"},
    {"middle deletes itself", {"", "1s", ""}, "A1 B1 C1 ", false, "AC", "B"},
    {"last deletes itself", {"", "", "1s"}, "A1 B1 C1 ", false, "AB", "C"},
    {"first deletes its successor", {"1n", "", ""}, "A1 C1 ", false, "AC", "B"},
    {"middle deletes its successor, the last", {"", "1n", ""}, "A1 B1 ", false, "AB", "C"},
    {"last deletes the first, visited already", {"", "", "1f"}, "A1 B1 C1 ", false, "BC", "A"},
    {"middle deletes every other", {"", "1o", ""}, "A1 B1 ", false, "B", "AC"},
    {"all delete themselves", {"1s", "1s", "1s"}, "A1 B1 C1 ", false, "", "ABC"},
    {"nested broadcast", {"1b", "", ""}, "A1 A2 B2 C2 B1 C1 ", false, "ABC", ""},
    {"nested broadcast deletes the next of the outer walk", {"1b", "2s", ""}, "A1 A2 B2 C2 C1 ", false, "AC", "B"},
    {"handler deletes itself inside its own nested broadcast", {"1b2s", "", ""}, "A1 A2 B2 C2 B1 C1 ", false, "BC",
     "A"},
    {"nested handler deletes its successor", {"1b", "2n", ""}, "A1 A2 B2 B1 ", false, "AB", "C"},
    {"handler deletes itself, then broadcasts", {"1b", "2s2b", ""}, "A1 A2 B2 A2 C2 C2 C1 ", false, "AC", "B"},
    {"taken event ends the walk", {"", "1t", ""}, "A1 B1 ", true, "ABC", ""},
    {"taken inside the nested broadcast ends both", {"1b", "2t", ""}, "A1 A2 B2 ", true, "ABC", ""},
    {"attached during the walk waits for the next", {"1a", "", ""}, "A1 B1 C1 ", false, "ABCD", ""},
};

class RegistryWalk : public ::testing::TestWithParam<TWalkCase> {};

TEST_P(RegistryWalk, SurvivesWhatHandlersDo) {
  const TWalkCase& c = GetParam();
  TBoard board;
  board.Add('A', c.Scripts[0]);
  board.Add('B', c.Scripts[1]);
  board.Add('C', c.Scripts[2]);
  EXPECT_EQ(c.Taken, board.Broadcast(1));
  EXPECT_EQ(c.Visits, board.Visits);
  EXPECT_EQ(c.Left, board.Names());
  EXPECT_EQ(std::string(c.Left).size(), board.Registry.Count());
  EXPECT_EQ(c.Deleted, board.Deleted);
  // The holes are gone: the next walk sees exactly the survivors.
  board.Visits.clear();
  board.Registry.ForEach([&board](TProcessor* AProcedure) {
    board.Visits += static_cast<TListener*>(AProcedure)->Name;
    return false;
  });
  EXPECT_EQ(c.Left, board.Visits);
}

INSTANTIATE_TEST_SUITE_P(Handlers, RegistryWalk, ::testing::ValuesIn(WalkCases),
                         [](const ::testing::TestParamInfo<TWalkCase>& AInfo) {
                           std::string name;
                           for (const char* p = AInfo.param.Name; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

// Deletes its partner from its own destructor, as an owner of another
// attached object would.
class TCouple : public TProcessor {
public:
  TCouple(TRegistry<TProcessor>& ARegistry, std::string& ADeleted, char AName)
      : TProcessor(&TCouple::Wait), Registry(ARegistry), Deleted(ADeleted), Name(AName) {}
  ~TCouple() override {
    Deleted += Name;
    if (Partner && Registry.Detach(Partner)) delete Partner;
    if (Heir) Registry.Attach(new TCouple(Registry, Deleted, Heir));
  }
  TPerformFunctionResult Wait() { return &TCouple::Wait; }

  TRegistry<TProcessor>& Registry;
  std::string& Deleted;
  char Name;
  TCouple* Partner = nullptr;
  char Heir = 0;
};

}  // namespace

TEST(Registry, ClearDeletesWhatIsLeftEvenWhatDestructorsDetachOrAttach) {
  std::string deleted;
  {
    TRegistry<TProcessor> registry;
    TCouple* a = new TCouple(registry, deleted, 'a');
    TCouple* b = new TCouple(registry, deleted, 'b');
    TCouple* c = new TCouple(registry, deleted, 'c');
    a->Partner = c;
    b->Heir = 'h';
    registry.Attach(a);
    registry.Attach(b);
    registry.Attach(c);
    registry.Attach(a);
    EXPECT_EQ(3u, registry.Count()) << "attached twice, held once";
    registry.Clear();
    EXPECT_EQ("acbh", deleted);
    EXPECT_TRUE(registry.Empty());
    registry.Attach(new TCouple(registry, deleted, 'z'));
  }
  EXPECT_EQ("acbhz", deleted) << "the registry deletes what is left when it goes";
}

TEST(Registry, DetachGivesTheObjectBack) {
  TRegistry<TProcessor> registry;
  std::string deleted;
  TCouple kept(registry, deleted, 'k');
  EXPECT_FALSE(registry.Detach(&kept));
  EXPECT_FALSE(registry.Detach(nullptr));
  registry.Attach(&kept);
  EXPECT_TRUE(registry.Contains(&kept));
  // A detach during a walk leaves a hole that must not count or be found.
  registry.ForEach([&registry, &kept](TProcessor*) {
    EXPECT_TRUE(registry.Detach(&kept));
    EXPECT_FALSE(registry.Detach(&kept));
    EXPECT_FALSE(registry.Detach(nullptr)) << "a hole is not an attached null";
    EXPECT_EQ(0u, registry.Count());
    return false;
  });
  EXPECT_FALSE(registry.Contains(&kept));
  EXPECT_EQ("", deleted);
}
