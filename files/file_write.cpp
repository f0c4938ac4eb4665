#include "files/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "files/file_error.h"

namespace pivora {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file a symbolic link names, where it names one; the path otherwise.
std::string Resolved(const std::string& path) {
  struct stat link {};
  if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
  char target[PATH_MAX];
  return ::realpath(path.c_str(), target) != nullptr ? std::string(target) : path;
}

// Creates "FOLDER/.pivora-XXXXXXXXXXXXXXXX" for writing; -1 with errno set.
int CreateBeside(const std::string& folder, std::string& name) {
  static std::atomic<unsigned long> counter{0};
  for (int attempt = 0; attempt < 64; ++attempt) {
    const auto tick = static_cast<unsigned long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016lx",
                  (tick ^ (static_cast<unsigned long>(::getpid()) << 40)) + counter++);
    name = folder + "/.pivora-" + suffix;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::string target = Resolved(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return GermanFileError(EISDIR, true);
  if (exists && !S_ISREG(old.st_mode)) return NotARegularFile(old.st_mode);
  if (exists && ::access(target.c_str(), W_OK) != 0) return GermanFileError(errno, true);

  std::string temporary;
  const int fd = CreateBeside(FolderOf(target), temporary);
  if (fd < 0) return GermanFileError(errno, true);
  bool done = WriteAll(fd, bytes);
  if (done && exists) done = ::fchmod(fd, old.st_mode & 07777) == 0;
  if (done) done = ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && done) {
    done = false;
    error = errno;
  }
  if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
    done = false;
    error = errno;
  }
  if (!done) {
    ::unlink(temporary.c_str());
    return GermanFileError(error, true);
  }
  // The rename itself reaches the disk with the folder; a folder that cannot
  // be flushed (some network file systems) still has the new file.
  if (const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return std::nullopt;
}

}  // namespace pivora
