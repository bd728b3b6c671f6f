#include <gatekeeper/Registry.h>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gatekeeper/Processor.h>

namespace {

struct TBoard;

// A procedure that reacts to the events of a broadcast as its script says:
// a code digit followed by an action. Actions: s detach and delete itself,
// n delete its successor, f delete the first one, p delete every one before
// it, o delete every other one, b broadcast event 2 from inside the handler,
// t take the event, a attach a new procedure "E".
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
      case 'p':
        for (TListener* other : board.Attached()) {
          if (gone || other == this) break;
          other->Finish();
        }
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
        board.Add('E', "");
        break;
    }
  }
  return false;
}

struct TWalkCase {
  const char* Name;
  const char* Scripts[4];  // of A, B, C and D
  const char* Visits;      // of a broadcast of event 1
  bool Taken;
  const char* Left;
  const char* Deleted;
};

const TWalkCase WalkCases[] = {
    {"nothing happens", {"", "", "", ""}, "A1 B1 C1 D1 ", false, "ABCD", ""},
    {"first deletes itself", {"1s", "", "", ""}, "A1 B1 C1 D1 ", false, "BCD", "A"},
    {"middle deletes itself", {"", "1s", "", ""}, "A1 B1 C1 D1 ", false, "ACD", "B"},
    {"last deletes itself", {"", "", "", "1s"}, "A1 B1 C1 D1 ", false, "ABC", "D"},
    {"first deletes its successor", {"1n", "", "", ""}, "A1 C1 D1 ", false, "ACD", "B"},
    {"next to last deletes the last", {"", "", "1n", ""}, "A1 B1 C1 ", false, "ABC", "D"},
    {"last deletes the first, visited already", {"", "", "", "1f"}, "A1 B1 C1 D1 ", false, "BCD", "A"},
    {"middle deletes every other", {"", "1o", "", ""}, "A1 B1 ", false, "B", "ACD"},
    {"all delete themselves", {"1s", "1s", "1s", "1s"}, "A1 B1 C1 D1 ", false, "", "ABCD"},
    {"third deletes the ones before it", {"", "", "1p", ""}, "A1 B1 C1 D1 ", false, "CD", "AB"},
    {"nested broadcast", {"1b", "", "", ""}, "A1 A2 B2 C2 D2 B1 C1 D1 ", false, "ABCD", ""},
    {"nested handler deletes the next of the outer walk",
     {"1b", "2s", "", ""},
     "A1 A2 B2 C2 D2 C1 D1 ",
     false,
     "ACD",
     "B"},
    {"handler deletes itself inside its own nested broadcast",
     {"1b2s", "", "", ""},
     "A1 A2 B2 C2 D2 B1 C1 D1 ",
     false,
     "BCD",
     "A"},
    {"nested handler deletes its successor", {"1b", "2n", "", ""}, "A1 A2 B2 D2 B1 D1 ", false, "ABD", "C"},
    {"handler deletes itself, then broadcasts",
     {"1b", "2s2b", "", ""},
     "A1 A2 B2 A2 C2 D2 C2 D2 C1 D1 ",
     false,
     "ACD",
     "B"},
    {"nested handler deletes the outer handler and its successor",
     {"1b", "", "2p", ""},
     "A1 A2 B2 C2 D2 C1 D1 ",
     false,
     "CD",
     "AB"},
    {"taken event ends the walk", {"", "1t", "", ""}, "A1 B1 ", true, "ABCD", ""},
    {"taken inside the nested broadcast ends both", {"1b", "2t", "", ""}, "A1 A2 B2 ", true, "ABCD", ""},
    {"attached during the walk waits for the next", {"1a", "", "", ""}, "A1 B1 C1 D1 ", false, "ABCDE", ""},
};

// Failures name the case, not its bytes.
void PrintTo(const TWalkCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class RegistryWalk : public ::testing::TestWithParam<TWalkCase> {};

TEST_P(RegistryWalk, SurvivesWhatHandlersDo) {
  const TWalkCase& c = GetParam();
  TBoard board;
  board.Add('A', c.Scripts[0]);
  board.Add('B', c.Scripts[1]);
  board.Add('C', c.Scripts[2]);
  board.Add('D', c.Scripts[3]);
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

namespace {

struct TOrderCase {
  const char* Operations;  // +x attaches x, -x detaches it, [ opens a walk, ] closes it
  const char* Order;       // what a walk then sees
};

// Detaches move the others together now or later; the order and every
// object's place must survive that.
const TOrderCase OrderCases[] = {
    {"+a +b +c", "abc"},
    {"+a +b +c -b", "ac"},
    {"+a +b +c +d -a -b -c +e -d", "e"},
    {"+a +b +c +d +e +f -b -d -f -a +g -e", "cg"},
    {"+a +b +c +d [ -a -b -c ] -d +e", "e"},
    {"+a +b +c +d [ -b [ -c ] +e ] -a", "de"},
    {"+a +b +a -a +a", "ba"},
    {"+a +b +c +d +e +f +g +h -a -c -e -g -b -h", "df"},
};

// Failures name the case, not its bytes.
void PrintTo(const TOrderCase& ACase, std::ostream* AOut) { *AOut << ACase.Operations; }

class RegistryOrder : public ::testing::TestWithParam<TOrderCase> {};

TEST_P(RegistryOrder, KeepsAttachOrderAcrossDetaches) {
  std::string deleted;
  TRegistry<TProcessor> registry;
  std::vector<std::unique_ptr<TCouple>> objects;
  for (char name = 'a'; name <= 'h'; ++name) objects.emplace_back(new TCouple(registry, deleted, name));
  // Walks are opened by nested visitors: the operations after "[" run inside.
  const std::string operations = GetParam().Operations;
  size_t next = 0;
  std::function<void()> run = [&] {
    while (next < operations.size()) {
      const char op = operations[next++];
      if (op == '+') {
        registry.Attach(objects[operations[next++] - 'a'].get());
      } else if (op == '-') {
        EXPECT_TRUE(registry.Detach(objects[operations[next++] - 'a'].get()));
      } else if (op == '[') {
        registry.ForEach([&](TProcessor*) {
          run();
          return true;
        });
      } else if (op == ']') {
        return;
      }
    }
  };
  run();
  std::string order;
  registry.ForEach([&order](TProcessor* AObject) {
    order += static_cast<TCouple*>(AObject)->Name;
    return false;
  });
  EXPECT_EQ(GetParam().Order, order);
  EXPECT_EQ(order.size(), registry.Count());
  for (auto& object : objects) {
    const bool attached = order.find(object->Name) != std::string::npos;
    EXPECT_EQ(attached, registry.Contains(object.get())) << object->Name;
    // Given back, so that the registry does not delete what the test owns.
    EXPECT_EQ(attached, registry.Detach(object.get())) << object->Name;
  }
  EXPECT_TRUE(registry.Empty());
}

INSTANTIATE_TEST_SUITE_P(Operations, RegistryOrder, ::testing::ValuesIn(OrderCases));

}  // namespace
