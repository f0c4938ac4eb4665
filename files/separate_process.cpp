#include "files/separate_process.h"

#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace pivora {
namespace {

// The status a child ends with when its work returned.
constexpr int kWorkDone = 0;

}  // namespace

bool WriteAll(int descriptor, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(descriptor, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

SeparateOutcome RunSeparately(const std::function<void(int descriptor)>& work) {
  SeparateOutcome outcome;
  int ends[2];
  if (::pipe(ends) != 0) {
    outcome.error = errno;
    return outcome;
  }
  // Other threads that start programs meanwhile do not inherit the pipe.
  ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
  ::fcntl(ends[1], F_SETFD, FD_CLOEXEC);
  const pid_t child = ::fork();
  if (child < 0) {
    outcome.error = errno;
    ::close(ends[0]);
    ::close(ends[1]);
    return outcome;
  }
  if (child == 0) {
    ::close(ends[0]);
    work(ends[1]);
    _exit(kWorkDone);
  }
  outcome.started = true;
  ::close(ends[1]);
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(ends[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    outcome.bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(ends[0]);
  int status = -1;  // no normal end unless waitpid reports one
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.ended = WIFEXITED(status) && WEXITSTATUS(status) == kWorkDone;
  return outcome;
}

}  // namespace pivora
