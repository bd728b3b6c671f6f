#include <orvo/memberCallback.h>

#include <string>
#include <vector>

#include "orvoTesting.h"

namespace {

struct base {
  virtual ~base() {}
  virtual void note(int n, const char* text) { calls.push_back("base " + std::to_string(n) + text); }
  void plain(int n, const char* text) { calls.push_back("plain " + std::to_string(n) + text); }
  std::vector<std::string> calls;
};

// A second base puts `derived` at an offset from its `other` part, so the
// object pointer has to be adjusted to the method's class.
struct other {
  virtual ~other() {}
  int filler = 7;
  void mark(int n, const char*) { filler = n; }
};

struct derived : other, base {
  void note(int n, const char* text) override { calls.push_back("derived " + std::to_string(n) + text); }
};

typedef orvo::memberCallback<int, const char*> callback;

TEST(memberCallback, callsTheBoundMemberOfTheBoundObject) {
  derived object;
  const struct {
    callback call;
    const char* expected;
  } cases[] = {
      {callback(&object, &base::note), "derived 1!"},  // virtual: the object's own version
      {callback(&object, &base::plain), "plain 1!"},
      {callback(static_cast<base*>(&object), &base::note), "derived 1!"},
  };
  for (const auto& c : cases) {
    object.calls.clear();
    ASSERT_TRUE(bool(c.call));
    EXPECT_EQ(static_cast<void*>(static_cast<base*>(&object)), c.call.object());
    c.call(1, "!");
    EXPECT_EQ(std::vector<std::string>{c.expected}, object.calls);
  }
  callback adjusted(&object, &other::mark);
  EXPECT_EQ(static_cast<void*>(static_cast<other*>(&object)), adjusted.object());
  adjusted(42, "");
  EXPECT_EQ(42, object.filler);
}

TEST(memberCallback, unsetWithoutObjectOrMethodAndCallsNothing) {
  base object;
  void (base::*noMethod)(int, const char*) = nullptr;
  base* noObject = nullptr;
  for (const callback& unset : {callback(), callback(&object, noMethod), callback(noObject, &base::note)}) {
    EXPECT_FALSE(bool(unset));
    EXPECT_EQ(nullptr, unset.object());
    unset(1, "x");
  }
  EXPECT_TRUE(object.calls.empty());
}

TEST(memberCallback, copiesCompareByObjectAndMethod) {
  base a, b;
  callback first(&a, &base::note);
  callback copy = first;
  EXPECT_TRUE(copy == first);
  EXPECT_TRUE(callback(&b, &base::note) != first);
  EXPECT_TRUE(callback(&a, &base::plain) != first);
  EXPECT_TRUE(callback() == callback());
  copy(3, "c");
  EXPECT_EQ(std::vector<std::string>{"base 3c"}, a.calls);
}

}  // namespace
