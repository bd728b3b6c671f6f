// Handle and representation bases of the copy-on-write containers.
#pragma once

#include <orvo/blockCache.h>

namespace orvo {

class sharedContainer {
public:
  class container {
  public:
    virtual ~container() = default;
    ORVO_CACHED_BLOCKS
    unsigned referenceCount = 0;
  };

  sharedContainer() = default;
  virtual ~sharedContainer() { release(); }

  // Drops this handle's reference; the last one deletes the representation.
  void release() {
    container* c = rep;
    rep = nullptr;
    if (c && --c->referenceCount == 0) delete c;
  }

  bool shared() const { return rep && rep->referenceCount > 1; }
  const container* representation() const { return rep; }

protected:
  void attach(container* c) {
    if (c) ++c->referenceCount;
    container* old = rep;
    rep = c;
    if (old && --old->referenceCount == 0) delete old;
  }

  // The insertion of every linked list kind: links the new node `n` after
  // `position` (at the head when null), cloning a shared representation
  // first (`unshare` maps the position into the clone) and creating an
  // absent one (`create`). When either throws, the node is freed and the
  // list is as it was. Node: prev, next; Container: head, tail, count.
  template <class Container, class Node, class Unshare, class Create>
  void linkAfter(Node* n, Node* position, Unshare unshare, Create create) {
    Container* c = static_cast<Container*>(rep);
    try {
      if (!c) {
        c = create();
        attach(c);
      } else if (c->referenceCount != 1) {
        position = unshare(position);
        c = static_cast<Container*>(rep);
      }
    } catch (...) {
      delete n;
      throw;
    }
    n->prev = position;
    n->next = position ? position->next : c->head;
    if (n->next)
      n->next->prev = n;
    else
      c->tail = n;
    if (position)
      position->next = n;
    else
      c->head = n;
    ++c->count;
  }

  container* rep = nullptr;
};

// Ownership mode: 1 delete the elements with their nodes, 0 keep them,
// -1 undecided (follow the other side).
class autoDelete {
public:
  autoDelete(int mode) : mode(mode) {}
  bool owns() const { return mode == 1; }
  int mode;
};

}  // namespace orvo
