#include "kernelQueue.h"

#include <cerrno>
#include <cstring>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace orvo {

// Event data of the wake-up descriptor; real ones hold (generation << 32 | fd).
static const uint64_t wakeToken = ~(uint64_t)0;

static uint64_t tokenOf(int fd, uint32_t generation) { return (uint64_t)generation << 32 | (uint32_t)fd; }

kernelQueue::kernelQueue() : pollDescriptor(-1), wakeEvent(-1), createError(0), kernelEvents(nullptr) {
  pollDescriptor = epoll_create1(EPOLL_CLOEXEC);
  if (pollDescriptor == -1) {
    createError = errno;
    return;
  }
  wakeEvent = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wakeEvent != -1) {
    epoll_event e;
    memset(&e, 0, sizeof e);
    e.events = EPOLLIN;
    e.data.u64 = wakeToken;
    epoll_ctl(pollDescriptor, EPOLL_CTL_ADD, wakeEvent, &e);
  }
  kernelEvents = new epoll_event[maximumBatch + 1];
}

kernelQueue::~kernelQueue() {
  if (wakeEvent != -1) ::close(wakeEvent);
  if (pollDescriptor != -1) ::close(pollDescriptor);
  delete[] static_cast<epoll_event*>(kernelEvents);
}

uint32_t kernelQueue::interestOf(const slot& s) const {
  uint32_t events = 0;
  if (s.udata[readFilter]) events |= EPOLLIN | EPOLLRDHUP;
  if (s.udata[writeFilter]) events |= EPOLLOUT;
  if (s.udata[priorityFilter]) events |= EPOLLPRI;
  return events;
}

int kernelQueue::change(int operation, int fd, const slot& s) {
  epoll_event e;
  memset(&e, 0, sizeof e);
  e.events = interestOf(s);
  e.data.u64 = tokenOf(fd, s.generation);
  return epoll_ctl(pollDescriptor, operation, fd, &e);
}

int kernelQueue::add(int fd, filter which, void* udata) {
  if (!valid()) {
    errno = createError;
    return -1;
  }
  if (fd < 0 || which < 0 || which >= filterCount || !udata) {
    errno = fd < 0 ? EBADF : EINVAL;
    return -1;
  }
  if ((size_t)fd >= slots.size()) slots.resize((size_t)fd + 1, slot{{nullptr, nullptr, nullptr}, 0});
  slot& s = slots[(size_t)fd];
  if (s.any()) {
    slot changed = s;
    changed.udata[which] = udata;
    if (change(EPOLL_CTL_MOD, fd, changed) == 0) {
      s = changed;
      return 0;
    }
    if (errno != ENOENT) return -1;
    // The descriptor was closed since (its number may be in use again): the
    // kernel dropped those registrations, so do we.
    for (void*& p : s.udata) p = nullptr;
  }
  slot fresh = s;
  fresh.generation = s.generation + 1;
  fresh.udata[which] = udata;
  if (change(EPOLL_CTL_ADD, fd, fresh) != 0) return -1;
  s = fresh;
  return 0;
}

int kernelQueue::remove(int fd, filter which, const void* udata) {
  if (!valid()) {
    errno = createError;
    return -1;
  }
  if (fd < 0 || (size_t)fd >= slots.size() || which < 0 || which >= filterCount ||
      slots[(size_t)fd].udata[which] != udata || !udata) {
    // Nothing of this registration is left: its descriptor was closed and the
    // number registered afresh, or it never got here.
    errno = EBADF;
    return -1;
  }
  slot& s = slots[(size_t)fd];
  slot changed = s;
  changed.udata[which] = nullptr;
  // The pointer goes whatever the kernel says: the caller frees it next.
  s = changed;
  int result = s.any() ? change(EPOLL_CTL_MOD, fd, s) : change(EPOLL_CTL_DEL, fd, s);
  if (result == 0) return 0;
  if (errno == EBADF || errno == ENOENT) {
    // Closed: the kernel took every registration of the descriptor.
    for (void*& p : s.udata) p = nullptr;
    errno = EBADF;
  }
  return -1;
}

int kernelQueue::wait(ready* out, int capacity, int timeoutMs) {
  if (!valid()) {
    errno = createError;
    return -1;
  }
  if (capacity < 0) capacity = 0;
  if (capacity > maximumBatch) capacity = maximumBatch;
  if (timeoutMs < 0) timeoutMs = 0;
  epoll_event* events = static_cast<epoll_event*>(kernelEvents);
  // One more than asked, so the wake-up always fits and no sockets still sleeps.
  int n = epoll_wait(pollDescriptor, events, capacity + 1, timeoutMs);
  if (n <= 0) return n;

  for (int i = 0; i < n; ++i) {
    if (events[i].data.u64 == wakeToken) {
      uint64_t count;
      while (read(wakeEvent, &count, sizeof count) > 0) {
      }
      errno = EINTR;
      return -1;
    }
  }

  int count = 0;
  for (int i = 0; i < n && count < capacity; ++i) {
    uint64_t token = events[i].data.u64;
    size_t fd = (size_t)(uint32_t)token;
    if (fd >= slots.size() || slots[fd].generation != (uint32_t)(token >> 32)) continue;  // stale
    const slot& s = slots[fd];
    uint32_t e = events[i].events;
    bool failed = e & EPOLLERR, hungUp = e & EPOLLHUP;
    if (s.udata[readFilter] && (e & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR)) && count < capacity)
      out[count++] = ready{s.udata[readFilter], hungUp || (e & EPOLLRDHUP), failed};
    if (s.udata[writeFilter] && (e & (EPOLLOUT | EPOLLHUP | EPOLLERR)) && count < capacity)
      out[count++] = ready{s.udata[writeFilter], hungUp, failed};
    if (s.udata[priorityFilter] && (e & (EPOLLPRI | EPOLLHUP | EPOLLERR)) && count < capacity)
      out[count++] = ready{s.udata[priorityFilter], hungUp, failed};
  }
  return count;
}

void kernelQueue::wake(int wakeDescriptor) {
  if (wakeDescriptor == -1) return;
  int saved = errno;
  uint64_t one = 1;
  ssize_t written = write(wakeDescriptor, &one, sizeof one);
  (void)written;
  errno = saved;
}

}  // namespace orvo
