// A directive that may be limited to a time window.
#pragma once

#include <config/DateWindow.h>
#include <config/Expression.h>

class TTimedExpression : public TExpression {
public:
  explicit TTimedExpression(TExpressionType AType) : TExpression(AType) {}
  TTimedExpression(const TTimedExpression& AOther);
  ~TTimedExpression() override;

  // Without a window the directive is always active.
  bool IsActive(const TDatePattern& ANow) const { return !FWindow || FWindow->IsActive(ANow); }

  const TDateWindow* Window() const { return FWindow; }
  // Stores a copy of the window (null: always active).
  void SetWindow(const TDateWindow* AWindow);

private:
  TDateWindow* FWindow = nullptr;
};
