// A cooperative task: run at once, in the caller's thread, by start.
#pragma once

namespace orvo {

class thread {
public:
  explicit thread(bool autoDelete) : autoDelete(autoDelete), stackSize(0) {}
  virtual ~thread() {}

  thread(const thread&) = delete;
  thread& operator=(const thread&) = delete;

  // Runs the task, then deletes it when autoDelete is set. An exception from
  // run reaches the caller and leaves the task alive.
  bool start() {
    run();
    if (autoDelete) delete this;
    return true;
  }

  virtual void run() = 0;

  bool autoDelete;
  // Kept for tasks that state one; no operating-system thread is made.
  unsigned stackSize;
};

}  // namespace orvo
