#include <orvo/list.h>

#include <orvo/assertion.h>

namespace orvo {

voidListContainer::~voidListContainer() {
  // Nodes left by a typed destructor: their elements are no longer reachable
  // by type, so only the nodes go.
  while (head) {
    listNode* n = head;
    head = n->next;
    delete n;
  }
}

void voidListContainer::freeNode(listNode* node, const autoDelete& mode) {
  bool deleteElement = mode.mode == 1 || (mode.mode == -1 && owns());
  if (deleteElement && node->element) destroyElement(node->element);
  delete node;
}

void voidListContainer::destroyNodes() {
  while (head) {
    listNode* n = head;
    head = n->next;
    if (owns() && n->element) destroyElement(n->element);
    delete n;
  }
  tail = nullptr;
  count = 0;
}

voidList& voidList::operator=(const voidList& other) {
  mode = other.mode;
  attach(other.rep);
  return *this;
}

listNode* voidList::unshare(listNode* position) {
  voidListContainer* old = container();
  if (!old) return position;
  // Two owning representations of the same elements would delete them twice.
  ORVO_ASSERT(!(old->owns() && owns()));
  voidListContainer* fresh = newContainer();
  listNode* mapped = nullptr;
  listNode* last = nullptr;
  for (listNode* n = old->head; n; n = n->next) {
    listNode* copy = new listNode{old->copyElement(n->element), last, nullptr};
    if (last)
      last->next = copy;
    else
      fresh->head = copy;
    last = copy;
    if (n == position) mapped = copy;
  }
  fresh->tail = last;
  fresh->count = old->count;
  attach(fresh);
  return mapped;
}

void* voidList::insertAfter(void* element, listNode* position) {
  linkAfter<voidListContainer>(
      new listNode{element, nullptr, nullptr}, position, [this](listNode* p) { return unshare(p); },
      [this] { return newContainer(); });
  return element;
}

void* voidList::remove(listNode* node, const autoDelete& how) {
  voidListContainer* c = container();
  if (!node || !c) return nullptr;
  if (c->referenceCount != 1) {
    node = unshare(node);
    c = container();
    if (!node) return nullptr;
  }
  if (node->next)
    node->next->prev = node->prev;
  else
    c->tail = node->prev;
  if (node->prev)
    node->prev->next = node->next;
  else
    c->head = node->next;
  --c->count;
  void* element = node->element;
  c->freeNode(node, how);
  if (c->count == 0) sharedContainer::release();
  return element;
}

listNode* voidList::find(const void* element) const {
  if (!element || !rep) return nullptr;
  for (listNode* n = container()->head; n; n = n->next)
    if (compare(n->element, element) == 0) return n;
  return nullptr;
}

void voidList::clear(const autoDelete& how) {
  voidListContainer* c = container();
  if (c && c->referenceCount == 1 && how.mode != -1) c->mode = how.mode;
  sharedContainer::release();
}

void voidList::appendAll(const voidList& other) {
  // Counted, so appending a list to itself stops after its original nodes;
  // a shared representation is cloned by the first append and the walk
  // stays on the original, which `other` still holds.
  listNode* n = other.head();
  for (unsigned left = other.count(); left && n; --left, n = n->next) append(n->element);
}

void voidList::removeAll(const voidList& other, const autoDelete& how) {
  for (listNode* n = other.head(); n;) {
    listNode* next = n->next;
    remove(find(n->element), how);
    n = next;
  }
}

}  // namespace orvo
