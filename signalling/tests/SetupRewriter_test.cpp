// The Setup as the callee sees it: numbers and aliases translated per side,
// dropped when the translation is empty, kept once, left alone when they
// have no text; a Setup nothing changed in keeps its octets.
#include <signalling/SetupRewriter.h>

#include <map>
#include <string>

#include <h323/alias.h>
#include <h323/q931/elements.h>

#include "orvoTesting.h"
#include "q931Octets.h"
#include "q931Samples.h"

using namespace q931Testing;

namespace {

struct translator {
  std::map<std::string, std::string> bySide[2];
  void translate(int side, const orvo::string& alias, orvo::string& out) {
    auto found = bySide[side].find(toStd(alias));
    out = found == bySide[side].end() ? alias : orvo::string(found->second.c_str());
  }
};

std::string aliases(const H323::aliasSequence* list) {
  std::string text;
  for (const orvo::listNode* n = list->elements().head(); n; n = n->next) {
    const H225::aliasAddress& a = *H323::aliasSequence::element(n);
    text += (text.empty() ? "" : ",") + std::to_string(a.index()) + ":" + toStd(H323::aliasToString(a));
  }
  return text;
}

// called / calling / destination aliases / source aliases, each alias as
// its alternative and text.
std::string describe(const Q931::message& m) {
  auto* called = static_cast<Q931::calledPartyNumber*>(m.findElement(0x70));
  auto* calling = static_cast<Q931::callingPartyNumber*>(m.findElement(0x6C));
  return (called ? toStd(called->digits) : "-") + " / " + (calling ? toStd(calling->digits) : "-") + " / " +
         aliases(m.setupBody()->destinationAddress) + " / " + aliases(m.setupBody()->sourceAddress);
}

struct rewriteCase {
  const char* name;
  std::map<std::string, std::string> callee, caller;
  bool changed;
  std::string result;
};

TEST(rewriteSetup, translatesEachSideForTheCallee) {
  // The sample: called 5678, calling 1234, destination 4930123456 and a
  // URL, source Terminal-1 and 2001.
  const std::string original = "5678 / 1234 / 0:4930123456,2: / 1:Terminal-1,0:2001";
  const std::vector<rewriteCase> cases = {
      {"nothing to translate", {}, {}, false, original},
      {"translations to the same text", {{"5678", "5678"}}, {{"2001", "2001"}}, false, original},
      {"called number and destination alias",
       {{"5678", "495678"}, {"4930123456", "30123456"}},
       {},
       true,
       "495678 / 1234 / 0:30123456,2: / 1:Terminal-1,0:2001"},
      {"a number is not to be seen", {}, {{"1234", ""}}, true, "5678 / - / 0:4930123456,2: / 1:Terminal-1,0:2001"},
      {"an alias is not to be seen", {}, {{"Terminal-1", ""}}, true, "5678 / 1234 / 0:4930123456,2: / 0:2001"},
      {"two aliases become one", {}, {{"Terminal-1", "2001"}}, true, "5678 / 1234 / 0:4930123456,2: / 0:2001"},
      {"digits become a name", {{"4930123456", "bob"}}, {}, true, "5678 / 1234 / 1:bob,2: / 1:Terminal-1,0:2001"},
      {"sides kept apart", {{"1234", "x"}}, {{"5678", "y"}}, false, original},
  };
  for (const rewriteCase& k : cases) {
    SCOPED_TRACE(k.name);
    Q931::message setup = routedCallMessages()[0].build();
    H225::aliasAddress* url = setup.setupBody()->destinationAddress->appendNew();
    static_cast<asn::constrainedString*>(url->select(2))->setValue("h323:bob@example.org");
    const std::string before = encodeMessage(setup);
    translator t;
    t.bySide[rsCallee] = k.callee;
    t.bySide[rsCaller] = k.caller;
    EXPECT_EQ(RewriteSetup(setup, {&t, &translator::translate}), k.changed);
    EXPECT_EQ(describe(setup), k.result);
    if (!k.changed) {
      EXPECT_EQ(encodeMessage(setup), before);
    }
  }
}

}  // namespace
