// Text lists compared and copied in list order.
#include <gatekeeper/StringLists.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

TStringList List(std::initializer_list<const char*> ATexts) {
  TStringList list;
  for (const char* t : ATexts) list.append(t);
  return list;
}

}  // namespace

TEST(StringLists, EqualityInOrder) {
  struct TCase {
    TStringList A, B;
    bool Equal;
  };
  const std::vector<TCase> cases = {
      {List({}), List({}), true},
      {List({"100"}), List({"100"}), true},
      {List({"100", "alice"}), List({"100", "alice"}), true},
      {List({"100", "alice"}), List({"alice", "100"}), false},
      {List({"100"}), List({"100", "100"}), false},
      {List({}), List({""}), false},
      {List({"Alice"}), List({"alice"}), false},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(cases[i].Equal, StringListsEqual(cases[i].A, cases[i].B)) << i;
    EXPECT_EQ(cases[i].Equal, StringListsEqual(cases[i].B, cases[i].A)) << i;
    EXPECT_EQ(!cases[i].Equal, StringListsDiffer(cases[i].A, cases[i].B)) << i;
  }
}

TEST(StringLists, ContainsExactText) {
  TStringList list = List({"100", "alice"});
  EXPECT_TRUE(StringListContains(list, "alice"));
  EXPECT_FALSE(StringListContains(list, "Alice"));
  EXPECT_FALSE(StringListContains(list, "10"));
  EXPECT_FALSE(StringListContains(List({}), ""));
}

TEST(StringLists, CopyReplacesTheDestination) {
  TStringList destination = List({"old", "older"});
  const TStringList source = List({"a", "b", "c"});
  EXPECT_EQ(&destination, &CopyStringList(destination, source));
  EXPECT_TRUE(StringListsEqual(source, destination));
  // Changing the copy leaves the source as it was.
  destination.append("d");
  EXPECT_EQ(3u, source.count());
  EXPECT_TRUE(StringListsEqual(destination, CopyStringList(destination, destination)));
  CopyStringList(destination, List({}));
  EXPECT_EQ(0u, destination.count());
}
