#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/file_error.h"
#include "ui/messages.h"

namespace pivora {

std::string InputName(const std::string& path) {
  return path == "-" ? messages::kStandardInput : path;
}

InputOutcome ReadInput(const std::string& path) {
  InputOutcome outcome;
  const auto failed = [&outcome](std::string message) {
    outcome.kind = InputOutcome::Kind::kFailed;
    outcome.message = std::move(message);
    outcome.content.clear();
    return outcome;
  };
  int fd = STDIN_FILENO;
  if (path != "-") {
    std::string reason;
    fd = OpenRegularFile(path, reason);
    if (fd < 0) return failed(messages::CannotOpen(reason));
  } else if (::fcntl(fd, F_GETFD) < 0) {
    return failed(messages::kStandardInputClosed);
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || outcome.content.size() + static_cast<std::size_t>(got) > kMaxInputBytes) {
      const int error = errno;
      if (fd != STDIN_FILENO) ::close(fd);
      return failed(got < 0 ? messages::CannotRead(error)
                            : messages::InputTooLarge(kMaxInputBytes >> 20));
    }
    outcome.content.append(buffer, static_cast<std::size_t>(got));
  }
  if (fd != STDIN_FILENO) ::close(fd);
  return outcome;
}

}  // namespace pivora
