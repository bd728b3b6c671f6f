// A time window: from one date pattern to another, both ends included.
#pragma once

#include <config/DatePattern.h>

class TDateWindow {
public:
  TDateWindow() = default;
  TDateWindow(const TDatePattern& AFrom, const TDatePattern& ATo) : From(AFrom), To(ATo) {}

  // A window whose "from" lies after its "to" wraps (22:00 - 6:00); equal
  // ends name one instant at the precision written (12:00 - 12:00: a minute).
  bool IsActive(const TDatePattern& ANow) const;

  TDatePattern From;
  TDatePattern To;
};
