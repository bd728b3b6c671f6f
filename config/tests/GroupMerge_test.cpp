// Groups merged into users as a configuration text names them: nesting to
// any depth, cycles, merge order and the error text of a nested failure.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <ostream>
#include <string>
#include <vector>

#include <config/Configuration.h>
#include <orvoTesting.h>

namespace {

struct TMergeCase {
  const char* Name;
  const char* Text;
  const char* Error;    // of the load
  const char* Groups;   // the group names of the last user, joined by spaces
  const char* Aliases;  // its alias patterns in merge order
  uint32_t Bandwidth;   // once-only: the first in merge order wins
};

const TMergeCase MergeCases[] = {
    {"cycle of three merged once each",
     "group a { alias \"a1\"; group member b; alias \"a2\"; }\n"
     "group b { alias \"b1\"; group member c; bandwidth 2K; }\n"
     "group c { group member A; alias \"c1\"; bandwidth 3K; }\n"
     "user u { group member a; group member c; }\n",
     "", "a b c", "a1 b1 c1 a2", 30},
    {"group naming itself", "group loop { group member LOOP; alias \"s\"; }\nuser u { group member loop; }\n", "",
     "loop", "s", 1280},
    {"own directive before the group, group before later own ones",
     "group g { bandwidth 5K; alias \"g\"; }\nuser u { alias \"1\"; group member g; alias \"2\"; bandwidth 6K; }\n", "",
     "g", "1 g 2", 50},
    {"everyone last and only once",
     "group everyone { alias \"e\"; group member x; }\ngroup x { alias \"x\"; group member everyone; }\n"
     "user u { alias \"u\"; group member x; }\n",
     "", "x everyone", "u x e", 1280},
    {"shared group reached by two paths",
     "group leaf { alias \"leaf\"; }\ngroup left { group member leaf; alias \"l\"; }\n"
     "group right { group member leaf; alias \"r\"; }\nuser u { group member left; group member right; }\n",
     "", "left leaf right", "leaf l r", 1280},
    {"unknown group three levels down names every group under way",
     "group g0 { group member missing; }\ngroup g1 { alias \"1\"; group member g0; }\n"
     "group g2 { group member g1; }\nuser u { group member g2; }\n",
     "Configuration file: logic error, group member directive points on unknown group, while processing g0 group, "
     "while processing g1 group, while processing g2 group, in line 4.",
     "g2 g1 g0", "1", 1280},
    {"unknown zone inside a cycle, found through everyone",
     "group everyone { group member inner; }\ngroup inner { group member everyone; location nowhere; }\n"
     "user u;\n",
     "Configuration file: logic error, location directive points on unknown zone, while processing inner group, "
     "while processing everyone group, in line 3.",
     "everyone inner", "", 1280},
    {"failure after a finished nested group names only the open ones",
     "group done { group member deeper; }\ngroup deeper { alias \"d\"; }\n"
     "group outer { group member done; location nowhere; }\nuser u { group member outer; }\n",
     "Configuration file: logic error, location directive points on unknown zone, while processing outer group, in "
     "line 4.",
     "outer done deeper", "d", 1280},
};

// Failures name the case, not its bytes.
void PrintTo(const TMergeCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

std::string Joined(const std::vector<std::string>& AParts) {
  std::string text;
  for (const std::string& part : AParts) text += (text.empty() ? "" : " ") + part;
  return text;
}

class GroupMerge : public ::testing::TestWithParam<TMergeCase> {};

TEST_P(GroupMerge, OrderOnceAndErrors) {
  const TMergeCase& c = GetParam();
  TConfiguration configuration;
  std::istringstream input(c.Text);
  EXPECT_EQ(c.Error, toStd(configuration.Load(input)));
  ASSERT_NE(nullptr, configuration.Users().last());
  const TUser& user = *configuration.Users().last();
  std::vector<std::string> groups, aliases;
  for (const orvo::string& name : user.GroupNames()) groups.push_back(toStd(name));
  for (TAliasExp* alias : user.AliasRules()) aliases.push_back(toStd(alias->Pattern.Value()));
  EXPECT_EQ(c.Groups, Joined(groups));
  EXPECT_EQ(c.Aliases, Joined(aliases));
  EXPECT_EQ(c.Bandwidth, user.Bandwidth());
}

INSTANTIATE_TEST_SUITE_P(Texts, GroupMerge, ::testing::ValuesIn(MergeCases),
                         [](const ::testing::TestParamInfo<TMergeCase>& AInfo) {
                           std::string name;
                           for (const char* p = AInfo.param.Name; *p; ++p) name += std::isalnum(*p) ? *p : '_';
                           return name;
                         });

// Each group names the one before it; the user names the last.
std::string NestedGroups(int ACount, const char* AInnermost) {
  std::string text = std::string("group g0 { ") + AInnermost + " }\n";
  for (int i = 1; i < ACount; ++i)
    text += "group g" + std::to_string(i) + " { group member g" + std::to_string(i - 1) + "; }\n";
  return text + "user u { group member g" + std::to_string(ACount - 1) + "; }\n";
}

}  // namespace

TEST(GroupMergeDepth, FiftyThousandNestedGroupsLoad) {
  const int count = 50000;
  const std::string text = NestedGroups(count, "alias \"deep\"; bandwidth 7K;");
  TConfiguration configuration;
  std::istringstream input(text);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ("", toStd(configuration.Load(input)));
  // A loose bound only: a merge that grows with the square of the depth takes
  // minutes here, one that recurses does not return at all.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
  const TUser& user = *configuration.Users().first();
  ASSERT_EQ(static_cast<unsigned>(count), user.GroupNames().count());
  EXPECT_EQ("g49999", toStd(user.GroupNames().head()->value));
  EXPECT_EQ("g0", toStd(user.GroupNames().tail()->value));
  EXPECT_EQ(70u, user.Bandwidth());
  EXPECT_EQ(1u, user.AliasRules().count());
}

TEST(GroupMergeDepth, DeepFailureNamesEveryGroupOnce) {
  const int count = 2000;
  TConfiguration configuration;
  std::istringstream input(NestedGroups(count, "group member nosuch;"));
  std::string expected = "Configuration file: logic error, group member directive points on unknown group";
  for (int i = 0; i < count; ++i) expected += ", while processing g" + std::to_string(i) + " group";
  expected += ", in line " + std::to_string(count + 1) + ".";
  const std::string error = toStd(configuration.Load(input));
  // Compared whole, but not printed whole.
  EXPECT_TRUE(error == expected) << error.substr(0, 200) << "... of " << error.size() << " characters";
}
