// Work that may end its process, run in a process of its own: a child that
// shares nothing with the program but a pipe, so that whatever the work
// leaves open, allocated or aborted ends with the child.
#pragma once

#include <functional>
#include <string>

namespace pivora {

// What the child wrote before it ended. `started` is false when no child
// could be made (`error` holds errno); `ended` is true only when the work
// returned and the child ended by itself, false when it ended otherwise
// (an exit of the work's own, a signal).
struct SeparateOutcome {
  bool started = false;
  int error = 0;
  bool ended = false;
  std::string bytes;
};

// Runs `work` in a child made by fork(), which writes its results to the
// descriptor it is given (WriteAll), and waits for its end. The child runs
// only `work` and then ends without the program's exit handlers. glibc keeps
// malloc and stdio usable in the child of a program with threads; `work`
// must take no lock of its own that another thread may hold.
SeparateOutcome RunSeparately(const std::function<void(int descriptor)>& work);

// Writes all of `bytes` to `descriptor`; false on an error.
bool WriteAll(int descriptor, const std::string& bytes);

}  // namespace pivora
