// One named configuration variable.
#pragma once

#include <memory>

#include <orvo/regexp.h>
#include <orvo/string.h>

class TVariable {
public:
  // The name is stored lower-cased.
  TVariable(const orvo::string& AName, const orvo::string& AValue);
  // The copy takes its pattern when asked.
  TVariable(const TVariable& AOther) : FName(AOther.FName), FValue(AOther.FValue) {}
  TVariable& operator=(const TVariable&) = delete;
  ~TVariable();

  const orvo::string& Name() const { return FName; }
  const orvo::string& Value() const { return FValue; }

  // A different value drops the compiled pattern; an equal one keeps it.
  void SetValue(const orvo::string& AValue);

  // The value compiled as an anchored pattern, on first use, and kept;
  // shared with every other holder of the same pattern text.
  orvo::regexp& Pattern();
  bool HasPattern() const { return FPattern != nullptr; }

private:
  orvo::string FName;
  orvo::string FValue;
  std::shared_ptr<orvo::regexp> FPattern;
};
