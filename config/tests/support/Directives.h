// Builds directive objects as the grammar would, for tests of the sections.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include <config/AddressExpressions.h>
#include <config/DateWindow.h>
#include <config/Expression.h>
#include <config/LevelExpressions.h>
#include <config/LogExpressions.h>
#include <config/ReferenceExp.h>
#include <config/RuleExpressions.h>
#include <config/ValueExpressions.h>
#include <config/VariableSetExp.h>

namespace directive {

TExpression* Bool(TExpressionType AType, bool AValue);
TExpression* UInt(TExpressionType AType, uint32_t AValue);
TExpression* TimedUInt(TExpressionType AType, uint32_t AValue, const TDateWindow* AWindow = nullptr);
TExpression* Text(TExpressionType AType, const char* AValue);
// A literal value, or a reference to the named variable.
TExpression* Literal(TExpressionType AType, const char* AValue);
TExpression* Named(TExpressionType AType, const char* AName);
TExpression* Address(TExpressionType AType, const char* ADotted);
TExpression* SockAddr(TExpressionType AType, const char* ADotted, uint16_t APort);
TExpression* Range(TExpressionType AType, const char* ALow, const char* AHigh, bool AAllow = true);
TExpression* Level(TExpressionType AType, uint32_t ALevel);
TExpression* Login(const char* APattern, bool AAllow = true);
TExpression* LoginNamed(const char* AVariable, bool AAllow = true);
TExpression* Alias(const char* APattern, bool AAllow = true, uint32_t ACost = TAliasExp::NoCost);
TExpression* Translate(TExpressionType AType, const char* APattern, const char* ATarget,
                       const TDateWindow* AWindow = nullptr);
// Assignments as (code 67 or 68, name, value).
struct Assignment {
  TExpressionType Type;
  const char* Name;
  const char* Value;
};
TMakeExp* Make(TExpressionType AType, TVariableReference APattern, std::initializer_list<Assignment> ASets,
               const TDateWindow* AWindow = nullptr);
TExpression* Dial(const char* AIdentifier, bool AAllow, const TDateWindow* AWindow = nullptr);
TExpression* Set(const char* AName, const char* AValue);
TExpression* ProxyLevel(uint32_t ALevel, const TDateWindow* AWindow = nullptr);
// An expression with children only (register, alternate).
TExpression* Parent(TExpressionType AType, std::initializer_list<TExpression*> AChildren);

// "8:00 - 17:00" and the like: hours and minutes, any date.
TDateWindow Hours(int32_t AFromHour, int32_t AFromMinute, int32_t AToHour, int32_t AToMinute);
// A Wednesday in December 2003 at that time.
TDatePattern Wednesday(int32_t AHour, int32_t AMinute = 0, int32_t ASecond = 0);

}  // namespace directive

// A list built through Add, so flags expand as in the parser.
class TDirectiveList {
public:
  TDirectiveList(std::initializer_list<TExpression*> AItems) {
    for (TExpression* item : AItems) List.Add(item);
  }
  operator const TExpressions&() const { return List; }
  TExpressions List;
};
