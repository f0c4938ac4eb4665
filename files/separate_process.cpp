#include "files/separate_process.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace pivora {
namespace {

// The child's status when a request's work threw.
constexpr int kWorkThrew = 4;

// Frames on the socket: a 32-bit length and as many bytes; the child ends
// its answer to a request with an empty frame.
bool WriteBytes(int channel, const char* data, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::send(channel, data + done, size - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool WriteFrame(int channel, const std::string& bytes) {
  const auto size = static_cast<std::uint32_t>(bytes.size());
  char header[sizeof size];
  std::memcpy(header, &size, sizeof size);
  return WriteBytes(channel, header, sizeof header) &&
         WriteBytes(channel, bytes.data(), bytes.size());
}

bool ReadBytes(int channel, char* data, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::read(channel, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The next frame, or none at the end of the connection.
bool ReadFrame(int channel, std::string& bytes) {
  std::uint32_t size = 0;
  char header[sizeof size];
  if (!ReadBytes(channel, header, sizeof header)) return false;
  std::memcpy(&size, header, sizeof size);
  bytes.resize(size);
  return ReadBytes(channel, bytes.data(), size);
}

// The child: the channel as descriptor 3 and nothing else of the program's
// beyond the standard three, then one request after another until the
// program ends the connection.
[[noreturn]] void Serve(int channel, const SeparateWorker::Work& work) {
  if (channel != 3) {
    ::dup2(channel, 3);
    ::close(channel);
  }
  if (::close_range(4, ~0U, 0) != 0) {
    for (long fd = 4; fd < ::sysconf(_SC_OPEN_MAX); ++fd) ::close(static_cast<int>(fd));
  }
  std::string request;
  while (ReadFrame(3, request)) {
    // An exception must not unwind into the program's own frames, which the
    // child shares up to fork(): it ends the child as a failed read.
    try {
      work(request, 3);
    } catch (...) {
      _exit(kWorkThrew);
    }
    if (!WriteFrame(3, std::string())) break;
  }
  _exit(0);
}

}  // namespace

bool SendToProgram(int channel, const std::string& bytes) {
  return bytes.empty() || WriteFrame(channel, bytes);
}

SeparateWorker::SeparateWorker(Work work) : work_(std::move(work)) {}

SeparateWorker::~SeparateWorker() { Stop(); }

bool SeparateWorker::Start(int& error) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) {
    error = errno;
    return false;
  }
  // Programs that other threads start meanwhile do not inherit the socket.
  ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
  ::fcntl(ends[1], F_SETFD, FD_CLOEXEC);
  const pid_t child = ::fork();
  if (child < 0) {
    error = errno;
    ::close(ends[0]);
    ::close(ends[1]);
    return false;
  }
  if (child == 0) {
    ::close(ends[0]);
    Serve(ends[1], work_);
  }
  ::close(ends[1]);
  child_ = child;
  channel_ = ends[0];
  return true;
}

void SeparateWorker::Stop() {
  if (child_ < 0) return;
  ::close(channel_);
  while (::waitpid(child_, nullptr, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  channel_ = -1;
}

SeparateOutcome SeparateWorker::Run(const std::string& request) {
  const std::lock_guard<std::mutex> lock(mutex_);
  SeparateOutcome outcome;
  // A child that ended since the last request is made anew.
  for (int attempt = 0; attempt < 2 && !outcome.started; ++attempt) {
    if (child_ < 0 && !Start(outcome.error)) return outcome;
    outcome.started = WriteFrame(channel_, request);
    if (!outcome.started) {
      outcome.error = errno;
      Stop();
    }
  }
  if (!outcome.started) return outcome;
  for (std::string frame; ReadFrame(channel_, frame);) {
    if (frame.empty()) return outcome;
    outcome.bytes += frame;
  }
  Stop();
  return outcome;
}

}  // namespace pivora
