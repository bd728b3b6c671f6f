#include <config/Variables.h>

TVariables::TVariables(const TVariables& AOther) : orvo::list<TVariable>(1) {
  SetParent(AOther.Parent());
  CopyVariables(AOther);
}

TVariables& TVariables::operator=(const TVariables& AOther) {
  if (&AOther == this) return *this;
  SetParent(AOther.Parent());
  clear(1);
  CopyVariables(AOther);
  return *this;
}

void TVariables::CopyVariables(const TVariables& AOther) {
  for (const TVariable* variable : AOther) append(new TVariable(*variable));
}

void TVariables::SetParent(TVariables* AParent) {
  FParent = AParent;
  FParentLife = AParent ? AParent->Life() : std::weak_ptr<const void>();
}

TVariable* TVariables::FindOwn(const orvo::string& AName) const {
  for (TVariable* variable : *this)
    if (variable->Name().compare(AName) == 0) return variable;
  return nullptr;
}

TVariable* TVariables::Find(const orvo::string& AName) const {
  // Walked as a loop: a chain is only as deep as its owners make it.
  for (const TVariables* scope = this; scope; scope = scope->Parent())
    if (TVariable* variable = scope->FindOwn(AName)) return variable;
  return nullptr;
}

void TVariables::Set(const orvo::string& AName, const orvo::string& AValue) {
  orvo::string name(AName);
  name.toLower();
  if (TVariable* variable = FindOwn(name))
    variable->SetValue(AValue);
  else
    append(new TVariable(name, AValue));
}

void TVariables::SetVariable(const TVariable& AVariable) {
  if (TVariable* variable = FindOwn(AVariable.Name()))
    variable->SetValue(AVariable.Value());
  else
    append(new TVariable(AVariable));
}

void TVariables::Add(const orvo::string& AName, const orvo::string& AText) {
  orvo::string name(AName);
  name.toLower();
  const TVariable* existing = Find(name);
  if (existing && AText.length() == 0) return;

  orvo::string value;
  if (!existing || existing->Value().length() == 0) {
    value = AText;
  } else {
    const orvo::string& old = existing->Value();
    const int close = old.findChar(')');
    if (close < 0) {
      value = old + "|" + AText;
    } else {
      // Into the first group: "(a)x)" + b gives "(a|b)x)", "()" + c gives "(c)".
      value = old.left(static_cast<unsigned>(close));
      if (close == 0 || old.charAt(static_cast<unsigned>(close) - 1) != '(') value.append('|');
      value.append(AText);
      value.append(old.mid(static_cast<unsigned>(close)));
    }
  }
  Set(name, value);
}

void TVariables::Remove(const orvo::string& AName) {
  for (orvo::listNode* node = head(); node; node = node->next) {
    if (element(node)->Name().compare(AName) == 0) {
      remove(node, 1);
      return;
    }
  }
}
