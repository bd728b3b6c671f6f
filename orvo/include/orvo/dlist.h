// Copy-on-write lists of values held in the nodes: `dlist` for plain values,
// `olist` for objects copy-constructed into their nodes.
#pragma once

#include <orvo/sharedContainer.h>
#include <orvo/string.h>

namespace orvo {

template <class T>
struct valueNode {
  T value;
  valueNode* prev;
  valueNode* next;
};

template <class T>
class valueListContainer : public sharedContainer::container {
public:
  ~valueListContainer() override {
    while (head) {
      valueNode<T>* n = head;
      head = n->next;
      delete n;
    }
  }
  valueNode<T>* head = nullptr;
  valueNode<T>* tail = nullptr;
  unsigned count = 0;
};

// Values are never removed one by one: they go with the representation.
template <class T>
class valueList : public sharedContainer {
public:
  using node = valueNode<T>;

  valueList() = default;
  valueList(const valueList& other) : sharedContainer() { attach(other.rep); }
  valueList& operator=(const valueList& other) {
    attach(other.rep);
    return *this;
  }

  void insertAfter(const T& value, node* position) {
    this->template linkAfter<container>(
        new node{value, nullptr, nullptr}, position, [this](node* p) { return unshare(p); },
        [] { return new container; });
  }
  void append(const T& value) { insertAfter(value, tail()); }
  void prepend(const T& value) { insertAfter(value, nullptr); }

  node* head() const { return rep ? typed()->head : nullptr; }
  node* tail() const { return rep ? typed()->tail : nullptr; }
  unsigned count() const { return rep ? typed()->count : 0; }
  bool empty() const { return rep == nullptr; }
  void clear() { release(); }

  class iterator {
  public:
    explicit iterator(node* n) : n(n) {}
    const T& operator*() const { return n->value; }
    iterator& operator++() {
      n = n->next;
      return *this;
    }
    bool operator!=(const iterator& o) const { return n != o.n; }

  private:
    node* n;
  };
  iterator begin() const { return iterator(head()); }
  iterator end() const { return iterator(nullptr); }

protected:
  using container = valueListContainer<T>;
  container* typed() const { return static_cast<container*>(rep); }

  node* unshare(node* position) {
    container* old = typed();
    if (!old) return position;
    container* fresh = new container;
    node* mapped = nullptr;
    node* last = nullptr;
    try {
      for (node* n = old->head; n; n = n->next) {
        node* copy = new node{n->value, last, nullptr};
        if (last)
          last->next = copy;
        else
          fresh->head = copy;
        last = copy;
        fresh->tail = copy;
        if (n == position) mapped = copy;
      }
    } catch (...) {
      delete fresh;
      throw;
    }
    fresh->count = old->count;
    attach(fresh);
    return mapped;
  }
};

template <class T>
class dlist : public valueList<T> {};

template <class T>
class olist : public valueList<T> {
public:
  using node = typename valueList<T>::node;
  node* find(const T& value) const {
    for (node* n = this->head(); n; n = n->next)
      if (n->value == value) return n;
    return nullptr;
  }
};

class stringlist : public olist<string> {};

}  // namespace orvo
