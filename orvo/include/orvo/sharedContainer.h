// Handle and representation bases of the copy-on-write containers.
#pragma once

namespace orvo {

class sharedContainer {
public:
  class container {
  public:
    virtual ~container() = default;
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
