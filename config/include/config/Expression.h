// Directive objects: one per directive of the configuration file.
#pragma once

#include <cstdint>

#include <orvo/list.h>

// Type code of a directive: the kind in the low 16 bits, then the direction
// and side flags.
typedef int32_t TExpressionType;

enum : TExpressionType {
  expKindMask = 0xFFFF,
  expIncoming = 0x10000,
  expOutgoing = 0x20000,
  expCaller = 0x40000,
  expCallee = 0x80000,
  expDirections = expIncoming | expOutgoing,
  expSides = expCaller | expCallee,
};

class TExpressions;

class TExpression {
public:
  explicit TExpression(TExpressionType AType) : Type(AType) {}
  TExpression(const TExpression& AOther);
  TExpression& operator=(const TExpression&) = delete;
  virtual ~TExpression();

  // A new deep copy of the object with its children.
  virtual TExpression* Clone() const;

  TExpressionType Kind() const { return Type & expKindMask; }

  // The children, created empty on first use.
  TExpressions& Children();
  // The children without creating them (null when there are none).
  const TExpressions* ChildList() const { return FChildren; }
  // Deletes the current children and takes the new list over (null allowed).
  void SetChildren(TExpressions* AList);

  TExpressionType Type;

private:
  TExpressions* FChildren = nullptr;
};

// An owning list of directives. Adding expands the direction and side flags
// into one entry per combination, unless the list keeps entries as written
// (the where-list of a log rule, whose conditions are tested as written).
class TExpressions : public orvo::list<TExpression> {
public:
  explicit TExpressions(bool AExpandFlags = true) : orvo::list<TExpression>(1), FExpandFlags(AExpandFlags) {}
  // Adds a clone of every entry through Add (a list that keeps entries as
  // written gives a copy that does too).
  TExpressions(const TExpressions& AOther);
  TExpressions& operator=(const TExpressions&) = delete;

  // Appends with flag expansion; the list owns the object and every clone made.
  void Add(TExpression* AExpression);

  bool ExpandsFlags() const { return FExpandFlags; }

private:
  bool FExpandFlags;
};
