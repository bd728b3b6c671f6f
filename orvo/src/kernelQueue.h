// The kernel event queue under the dispatcher: kqueue's model of one
// level-triggered registration per (descriptor, filter), each carrying the
// caller's pointer, built over epoll. This file and its source are the only
// place that knows the kernel mechanism.
#pragma once

#include <cstdint>
#include <vector>

namespace orvo {

class kernelQueue {
public:
  enum filter { readFilter = 0, writeFilter = 1, priorityFilter = 2, filterCount = 3 };

  // One ready registration, with its pointer resolved when the wait returned.
  struct ready {
    void* udata;
    bool endOfFile;  // the peer hung up, or a connect failed
    bool error;      // the descriptor has a pending error
  };

  // The largest batch one wait can return.
  static const int maximumBatch = 65536;

  kernelQueue();
  ~kernelQueue();
  kernelQueue(const kernelQueue&) = delete;
  kernelQueue& operator=(const kernelQueue&) = delete;

  // False when the kernel refused to create the queue; every call then fails.
  bool valid() const { return pollDescriptor != -1; }
  int descriptor() const { return pollDescriptor; }

  // Registers (fd, filter); an existing registration of the pair gets the new
  // pointer. 0, or -1 with errno.
  int add(int fd, filter which, void* udata);
  // Takes (fd, filter) away when it still carries udata. 0, or -1 with errno;
  // EBADF when the descriptor was closed (which took the registration with it).
  int remove(int fd, filter which, const void* udata);
  // Waits up to timeoutMs for at most capacity ready registrations (room for
  // none still waits). The count, 0 on time-out, or -1 with errno; EINTR also
  // when wake() was called.
  int wait(ready* out, int capacity, int timeoutMs);

  // Makes the current or next wait return at once with EINTR. Safe inside a
  // signal handler.
  static void wake(int wakeDescriptor);
  int wakeDescriptor() const { return wakeEvent; }

private:
  struct slot {
    void* udata[filterCount];
    uint32_t generation;
    bool any() const { return udata[0] || udata[1] || udata[2]; }
  };

  uint32_t interestOf(const slot& s) const;
  int change(int operation, int fd, const slot& s);

  int pollDescriptor;
  int wakeEvent;
  int createError;
  std::vector<slot> slots;  // indexed by descriptor
  void* kernelEvents;       // room for maximumBatch + 1 kernel events
};

}  // namespace orvo
