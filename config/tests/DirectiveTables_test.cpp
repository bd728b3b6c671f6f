// Every section stores a directive only when it is of the class its code
// implies: a directive of any code built as a bare expression is refused
// with the section's own text, flags or not. Only the directives whose
// entries follow as their chain are bare expressions themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/LinkedUser.h>
#include <orvoTesting.h>

namespace {

struct TSectionCase {
  const char* Name;
  std::function<TComplexExpression*()> Make;
  const char* Refusal;
  std::vector<TExpressionType> Carriers;
};

const TSectionCase SectionCases[] = {
    {"system", [] { return new TConfiguration; }, "internal error, unknown expression", {}},
    {"zone", [] { return new TZone("z"); }, "internal error, unknown expression", {}},
    {"aaa", [] { return new TAAA; }, "internal error, unknown expression", {}},
    {"log", [] { return new TLog; }, "internal error, unknown expression", {}},
    {"monitor", [] { return new TMonitorCfg; }, "internal error, unknown expression", {}},
    {"user", [] { return new TUser("u"); }, "parse error, unknown expression", {dcAlternate}},
    {"gatekeeper", [] { return new TLinkedUser("g"); }, "parse error, unknown expression", {dcRegister, dcAlternate}},
};

// Failures name the case, not its bytes.
void PrintTo(const TSectionCase& ACase, std::ostream* AOut) { *AOut << ACase.Name; }

class DirectiveTables : public ::testing::TestWithParam<TSectionCase> {};

TEST_P(DirectiveTables, BareExpressionsOfEveryCodeAreRefused) {
  const TSectionCase& c = GetParam();
  std::unique_ptr<TComplexExpression> section(c.Make());
  const TExpressionType flags[] = {0, expIncoming | expCaller, expOutgoing | expCallee};
  for (TExpressionType code = 0; code <= 100; ++code) {
    for (TExpressionType flag : flags) {
      const TExpression bare(code | flag);
      const bool carrier = std::find(c.Carriers.begin(), c.Carriers.end(), code) != c.Carriers.end();
      EXPECT_EQ(carrier ? "" : c.Refusal, toStd(section->Apply(bare)))
          << c.Name << " code " << code << " flags " << flag;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sections, DirectiveTables, ::testing::ValuesIn(SectionCases),
                         [](const ::testing::TestParamInfo<TSectionCase>& AInfo) {
                           return std::string(AInfo.param.Name);
                         });

}  // namespace
