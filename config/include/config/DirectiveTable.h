// A section's directives as a table: each directive code with the one arm
// that stores a directive of that code into the section, and the arms that
// several sections share.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include <config/Expression.h>
#include <config/ReferenceExp.h>

template <class TSection>
class TDirectiveTable {
public:
  // Stores the directive; false when it is not of the class its code implies.
  typedef bool (*TArm)(TSection& ASection, const TExpression& ADirective);
  struct TEntry {
    TExpressionType Code;
    TArm Arm;
  };

  TDirectiveTable(std::initializer_list<TEntry> AEntries) {
    for (const TEntry& entry : AEntries) {
      const size_t code = static_cast<size_t>(entry.Code);
      if (Arms.size() <= code) Arms.resize(code + 1, nullptr);
      Arms[code] = entry.Arm;
    }
  }

  // By the directive's kind (flags aside); false when no arm stores it.
  bool Apply(TSection& ASection, const TExpression& ADirective) const {
    const size_t kind = static_cast<size_t>(ADirective.Kind());
    return kind < Arms.size() && Arms[kind] && Arms[kind](ASection, ADirective);
  }

private:
  std::vector<TArm> Arms;
};

namespace directiveArm {

template <class TPointer>
struct TMemberPointer;
template <class TClass, class TMember>
struct TMemberPointer<TMember TClass::*> {
  typedef TClass Class;
  typedef TMember Member;
};

// The section class that a field belongs to.
template <auto Field>
using TSectionOf = typename TMemberPointer<decltype(Field)>::Class;

// The element class of an orvo::list field.
template <auto Field>
using TElementOf = std::remove_pointer_t<decltype(TMemberPointer<decltype(Field)>::Member::element(nullptr))>;

template <class TExp>
const TExp* As(const TExpression& ADirective) {
  return dynamic_cast<const TExp*>(&ADirective);
}

// The field takes the directive's value.
template <auto Field, auto Value>
bool Store(TSectionOf<Field>& ASection, const TExpression& ADirective) {
  typedef typename TMemberPointer<decltype(Value)>::Class TExp;
  const TExp* directive = As<TExp>(ADirective);
  if (!directive) return false;
  ASection.*Field = static_cast<typename TMemberPointer<decltype(Field)>::Member>(directive->*Value);
  return true;
}

// A copy of the directive joins the list field. The copy keeps the
// directive's own value only: what it carries in its chain is applied on
// its own.
template <auto List>
bool AppendCopy(TSectionOf<List>& ASection, const TExpression& ADirective) {
  typedef TElementOf<List> TExp;
  const TExp* directive = As<TExp>(ADirective);
  if (!directive) return false;
  TExp* copy = new TExp(*directive);
  copy->SetChildren(nullptr);
  (ASection.*List).append(copy);
  return true;
}

// A whole copy of the directive, chain included, joins the list field.
template <auto List>
bool AppendWhole(TSectionOf<List>& ASection, const TExpression& ADirective) {
  typedef TElementOf<List> TExp;
  const TExp* directive = As<TExp>(ADirective);
  if (!directive) return false;
  (ASection.*List).append(new TExp(*directive));
  return true;
}

// The reference field takes the directive's; a reference to a variable
// resolves in the section's own variables.
template <auto Field>
bool AssignReference(TSectionOf<Field>& ASection, const TExpression& ADirective) {
  const TReferenceExp* reference = As<TReferenceExp>(ADirective);
  if (!reference) return false;
  TVariableReference& target = ASection.*Field;
  target = reference->Value;
  if (!target.IsLiteral()) target.SetScope(&ASection.Variables());
  return true;
}

// Taken without storing anything: its entries follow as its chain.
template <class TSection>
bool Nothing(TSection&, const TExpression&) {
  return true;
}

}  // namespace directiveArm
