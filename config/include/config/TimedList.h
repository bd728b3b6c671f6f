// Options whose entries hold at times of their own: the first entry active
// now answers.
#pragma once

#include <orvo/list.h>

#include <config/DatePattern.h>

template <class T>
class TTimedList : public orvo::list<T> {
public:
  TTimedList() : orvo::list<T>(1) {}
  TTimedList(const TTimedList&) = delete;
  TTimedList& operator=(const TTimedList&) = delete;

  // The first entry (in list order) active at ANow; null when none is.
  const T* FirstActive(const TDatePattern& ANow) const {
    for (const T* entry : *this)
      if (entry->IsActive(ANow)) return entry;
    return nullptr;
  }
};

template <class T>
class TTimedOption : public TTimedList<T> {
public:
  explicit TTimedOption(const T& ADefault) : Default(ADefault) {}

  // The first active entry, else the default.
  const T& ActiveAt(const TDatePattern& ANow) const {
    const T* entry = this->FirstActive(ANow);
    return entry ? *entry : Default;
  }

  T Default;
};
