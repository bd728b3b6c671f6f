// Copy-on-write doubly linked lists of element pointers. Elements compare by
// identity; a clone shares the element objects, never copies them.
#pragma once

#include <iterator>

#include <orvo/blockCache.h>
#include <orvo/sharedContainer.h>

namespace orvo {

struct listNode {
  void* element;
  listNode* prev;
  listNode* next;
  ORVO_CACHED_BLOCKS
};

class voidListContainer : public sharedContainer::container, public autoDelete {
public:
  explicit voidListContainer(const autoDelete& mode) : autoDelete(mode) {}
  ~voidListContainer() override;

  // Frees a node; the element goes when `mode` says 1, or -1 and this owns.
  void freeNode(listNode* node, const autoDelete& mode);
  virtual void* copyElement(void* element) { return element; }

  listNode* head = nullptr;
  listNode* tail = nullptr;
  unsigned count = 0;

protected:
  virtual void destroyElement(void* element) = 0;
  // Typed destructors run this while their destroyElement is still reachable.
  void destroyNodes();
};

class voidList : public sharedContainer, public autoDelete {
public:
  explicit voidList(const autoDelete& mode) : autoDelete(mode) {}
  voidList(const voidList& other) : sharedContainer(), autoDelete(other) { attach(other.rep); }
  voidList& operator=(const voidList& other);

  // Identity: -1, 0 or 1 (a pointer difference truncated to int can be 0 for
  // two distinct elements).
  virtual int compare(const void* a, const void* b) const { return a < b ? -1 : a > b ? 1 : 0; }
  virtual voidListContainer* newContainer() const = 0;

  void* insertAfter(void* element, listNode* position);
  void* append(void* element) { return insertAfter(element, tail()); }
  void* prepend(void* element) { return insertAfter(element, nullptr); }
  void* remove(listNode* node, const autoDelete& mode);
  listNode* find(const void* element) const;
  void clear(const autoDelete& mode);
  void appendAll(const voidList& other);
  void removeAll(const voidList& other, const autoDelete& mode);
  listNode* unshare(listNode* position);

  voidListContainer* container() const { return static_cast<voidListContainer*>(rep); }
  listNode* head() const { return rep ? container()->head : nullptr; }
  listNode* tail() const { return rep ? container()->tail : nullptr; }
  unsigned count() const { return rep ? container()->count : 0; }
  bool empty() const { return rep == nullptr; }
};

template <class T>
class listContainer : public voidListContainer {
public:
  explicit listContainer(const autoDelete& mode) : voidListContainer(mode) {}
  ~listContainer() override { destroyNodes(); }

protected:
  void destroyElement(void* element) override { delete static_cast<T*>(element); }
};

template <class T>
class list : public voidList {
public:
  explicit list(const autoDelete& mode) : voidList(mode) {}
  list(const list& other) = default;
  list& operator=(const list& other) = default;

  voidListContainer* newContainer() const override { return new listContainer<T>(*this); }

  static T* element(const listNode* node) { return node ? static_cast<T*>(node->element) : nullptr; }

  T* insertAfter(T* e, listNode* position) { return static_cast<T*>(voidList::insertAfter(e, position)); }
  T* append(T* e) { return static_cast<T*>(voidList::append(e)); }
  T* prepend(T* e) { return static_cast<T*>(voidList::prepend(e)); }
  T* remove(listNode* node, const autoDelete& mode) { return static_cast<T*>(voidList::remove(node, mode)); }
  listNode* find(const T* e) const { return voidList::find(e); }
  T* first() const { return element(head()); }
  T* last() const { return element(tail()); }

  // Read-only walk: `for (T* e : list)`. Changing the list during the walk
  // needs an explicit node walk.
  class iterator {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T*;
    using difference_type = long;
    using pointer = T**;
    using reference = T*;
    explicit iterator(listNode* n) : node(n) {}
    T* operator*() const { return static_cast<T*>(node->element); }
    iterator& operator++() {
      node = node->next;
      return *this;
    }
    bool operator!=(const iterator& o) const { return node != o.node; }
    bool operator==(const iterator& o) const { return node == o.node; }

  private:
    listNode* node;
  };
  iterator begin() const { return iterator(head()); }
  iterator end() const { return iterator(nullptr); }
};

template <class T>
class listIterator {
public:
  explicit listIterator(const list<T>& l) : walked(l), node(l.head()) {}
  T* current() const { return node ? static_cast<T*>(node->element) : nullptr; }
  listNode* position() const { return node; }
  void next() {
    if (node) node = node->next;
  }
  void reset() { node = walked.head(); }

private:
  list<T> walked;
  listNode* node;
};

}  // namespace orvo
