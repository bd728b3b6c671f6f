#include <config/TimedExpression.h>

TTimedExpression::TTimedExpression(const TTimedExpression& AOther) : TExpression(AOther) {
  if (AOther.FWindow) FWindow = new TDateWindow(*AOther.FWindow);
}

TTimedExpression::~TTimedExpression() { delete FWindow; }

void TTimedExpression::SetWindow(const TDateWindow* AWindow) {
  TDateWindow* copy = AWindow ? new TDateWindow(*AWindow) : nullptr;
  delete FWindow;
  FWindow = copy;
}
