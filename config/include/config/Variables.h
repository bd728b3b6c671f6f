// A scope of named variables with a chain to an enclosing scope.
#pragma once

#include <memory>

#include <orvo/list.h>
#include <orvo/string.h>

#include <config/Variable.h>

class TVariables : public orvo::list<TVariable> {
public:
  TVariables() : orvo::list<TVariable>(1) {}
  // Copies every variable (name and value); the parent is taken over.
  TVariables(const TVariables& AOther);
  TVariables& operator=(const TVariables& AOther);

  // The enclosing scope, not owned. A parent that has been destroyed since
  // reads as none.
  TVariables* Parent() const { return FParentLife.expired() ? nullptr : FParent; }
  void SetParent(TVariables* AParent);

  // Exact name comparison, own list only.
  TVariable* FindOwn(const orvo::string& AName) const;
  // Own list, then the parents outwards.
  TVariable* Find(const orvo::string& AName) const;

  // Defines or changes a variable of the own list (name lower-cased); a
  // parent's variable of that name is shadowed, never changed.
  void Set(const orvo::string& AName, const orvo::string& AValue);
  void SetVariable(const TVariable& AVariable);
  // Extends an alternation: "a" + b gives "a|b", "(a)x)" + b gives "(a|b)x)".
  void Add(const orvo::string& AName, const orvo::string& AText);
  void Remove(const orvo::string& AName);

  // Watches the life of this scope: expires when the scope is destroyed.
  std::weak_ptr<const void> Life() const { return FLife; }

private:
  void CopyVariables(const TVariables& AOther);

  TVariables* FParent = nullptr;
  std::weak_ptr<const void> FParentLife;
  std::shared_ptr<const void> FLife = std::make_shared<char>(0);
};
