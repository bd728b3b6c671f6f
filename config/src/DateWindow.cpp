#include <config/DateWindow.h>

bool TDateWindow::IsActive(const TDatePattern& ANow) const {
  if (Less(From, To)) return GreaterOrEqual(ANow, From) && LessOrEqual(ANow, To);
  if (Greater(From, To)) return GreaterOrEqual(ANow, From) || LessOrEqual(ANow, To);
  return Matches(ANow, From);
}
