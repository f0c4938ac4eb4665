// Work that may end its process, run in a process of its own: a child made
// at the first request and kept for the next while it lives, which shares
// nothing with the program but a socket, so that whatever the work leaves
// open, allocated or aborted ends with the child.
#pragma once

#include <sys/types.h>

#include <functional>
#include <mutex>
#include <string>

namespace pivora {

// What the child sent for one request: all of it when the work returned,
// what it sent before where its process ended first (an exit of the work's
// own, a signal). `started` is false when no child could be made or reached
// (`error` holds errno).
struct SeparateOutcome {
  bool started = false;
  int error = 0;
  std::string bytes;
};

// Sends `bytes` to the program from within the work, at once: what was sent
// stays the program's should the work's process end after it.
bool SendToProgram(int channel, const std::string& bytes);

class SeparateWorker {
 public:
  // `work` runs in the child for each request; it sends what it finds
  // through SendToProgram on the channel it is given.
  using Work = std::function<void(const std::string& request, int channel)>;
  explicit SeparateWorker(Work work);
  // Ends the connection; the child ends with it and is waited for.
  ~SeparateWorker();
  SeparateWorker(const SeparateWorker&) = delete;
  SeparateWorker& operator=(const SeparateWorker&) = delete;

  // Runs the work on `request` in the child, made by fork() when there is
  // none or the last one ended, and waits for its answer; one request at a
  // time. The child keeps no descriptor of the program's but the standard
  // three. glibc keeps malloc and stdio usable in the child of a program
  // with threads; the work must take no lock of its own that another thread
  // may hold when the child is made.
  SeparateOutcome Run(const std::string& request);

 private:
  bool Start(int& error);
  void Stop();

  Work work_;
  std::mutex mutex_;
  pid_t child_ = -1;
  int channel_ = -1;
};

}  // namespace pivora
