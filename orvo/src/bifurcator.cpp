#include <orvo/bifurcator.h>

namespace orvo {

namespace {

// Every bifurcator of the process. The list itself is never destroyed, so a
// bifurcator deleted by another static's destructor still finds it; the
// reaper deletes those left when the process exits.
list<TBifurcator>& bifurcators() {
  static list<TBifurcator>* all = new list<TBifurcator>(autoDelete(0));
  return *all;
}

struct bifurcatorReaper {
  ~bifurcatorReaper() {
    while (listNode* node = bifurcators().head()) delete static_cast<TBifurcator*>(node->element);
  }
};

void registerBifurcator(TBifurcator* ABifurcator) {
  static bifurcatorReaper reaper;
  bifurcators().append(ABifurcator);
}

}  // namespace

TBifurcator::TBifurcator(std::ostream& ATarget)
    : saved(ATarget.rdbuf()), previous(ATarget.rdbuf()), buffer(&ATarget), target(&ATarget), buffered(&buffer) {
  target->rdbuf(&buffer);
  registerBifurcator(this);
}

TBifurcator::~TBifurcator() {
  list<TBifurcator>& all = bifurcators();
  if (listNode* node = all.find(this)) all.remove(node, autoDelete(0));
  buffer.drain();
  if (target->rdbuf() == &buffer) target->rdbuf(previous);
}

TBifurcator* TBifurcator::find(const std::ostream* AStream) {
  if (AStream == nullptr) return nullptr;
  for (listNode* node = bifurcators().head(); node != nullptr; node = node->next) {
    TBifurcator* bifurcator = static_cast<TBifurcator*>(node->element);
    if (bifurcator->target == AStream || &bifurcator->buffered == AStream) return bifurcator;
  }
  return nullptr;
}

}  // namespace orvo
