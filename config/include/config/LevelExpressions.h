// Directives that choose a level: proxy, hunt and RADIUS levels.
#pragma once

#include <cstdint>

#include <config/Expression.h>
#include <config/TimedExpression.h>

class TProxyLevelExp : public TTimedExpression {
public:
  enum TLevel : uint32_t { plNone = 0, plSignalling = 1, plFull = 2 };
  TProxyLevelExp(TExpressionType AType, uint32_t ALevel) : TTimedExpression(AType), Level(ALevel) {}
  TExpression* Clone() const override { return new TProxyLevelExp(*this); }
  uint32_t Level;
};

class THuntLevelExp : public TTimedExpression {
public:
  enum TLevel : uint32_t { hlNone = 0, hlNeutral = 1, hlSoft = 2, hlHard = 3 };
  THuntLevelExp(TExpressionType AType, uint32_t ALevel) : TTimedExpression(AType), Level(ALevel) {}
  TExpression* Clone() const override { return new THuntLevelExp(*this); }
  uint32_t Level;
};

class TAAALevelExp : public TExpression {
public:
  enum TLevel : uint32_t { alNone = 0, alLogin = 1, alCaller = 2, alCallee = 4, alCall = 6, alFull = 7 };
  TAAALevelExp(TExpressionType AType, uint32_t ALevel) : TExpression(AType), Level(ALevel) {}
  TExpression* Clone() const override { return new TAAALevelExp(*this); }
  uint32_t Level;  // bit set
};
