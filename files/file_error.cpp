#include "files/file_error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pivora {

std::string GermanFileError(int error, bool writing) {
  switch (error) {
    case ENOENT:
      return writing ? "Den Ordner gibt es nicht." : "Die Datei gibt es nicht.";
    case EACCES:
    case EPERM:
      return writing ? "Dort darf nicht geschrieben werden (keine Berechtigung)."
                     : "Die Datei darf nicht gelesen werden (keine Berechtigung).";
    case EISDIR:
      return "Das ist ein Ordner, keine Datei.";
    case ENOTDIR:
      return "Ein Teil des Pfads ist kein Ordner.";
    case ENAMETOOLONG:
      return "Der Name ist zu lang.";
    case ELOOP:
      return "Der Pfad enth\xC3\xA4lt zu viele symbolische Verkn\xC3\xBCpfungen.";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "Der Datentr\xC3\xA4ger ist voll.";
    case EROFS:
      return "Der Datentr\xC3\xA4ger ist schreibgesch\xC3\xBCtzt.";
    case EFBIG:
      return "Die Datei ist zu gro\xC3\x9F.";
    case EMFILE:
    case ENFILE:
      return "Es sind zu viele Dateien ge\xC3\xB6"
             "ffnet.";
    case EIO:
      return "Der Datentr\xC3\xA4ger meldet einen Ein-/Ausgabefehler.";
    case ENOMEM:
      return "Der Arbeitsspeicher reicht nicht aus.";
    case EPIPE:
      return "Die Gegenseite hat die Verbindung geschlossen.";
    case EINVAL:
      return "Das Betriebssystem weist den Zugriff als ung\xC3\xBCltig ab.";
    default:
      return std::string(writing ? "Die Datei kann nicht geschrieben werden"
                                 : "Die Datei kann nicht gelesen werden") +
             " (Fehler " + std::to_string(error) + " des Betriebssystems).";
  }
}

std::string NotARegularFile(unsigned mode) {
  const char* what = "eine Ger\xC3\xA4tedatei";
  if (S_ISFIFO(mode)) what = "eine benannte Pipe (FIFO)";
  if (S_ISSOCK(mode)) what = "ein Socket";
  return std::string("Das ist keine gew\xC3\xB6hnliche Datei, sondern ") + what + ".";
}

int OpenRegularFile(const std::string& path, std::string& reason) {
  // The type is known before the open, which may have effects on a device;
  // and again from the open file, which may have been swapped meanwhile.
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    reason = GermanFileError(errno, false);
    return -1;
  }
  if (S_ISDIR(status.st_mode)) {
    reason = GermanFileError(EISDIR, false);
    return -1;
  }
  if (!S_ISREG(status.st_mode)) {
    reason = NotARegularFile(status.st_mode);
    return -1;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = GermanFileError(errno, false);
    return -1;
  }
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    reason = S_ISDIR(status.st_mode) ? GermanFileError(EISDIR, false)
                                     : NotARegularFile(status.st_mode);
    ::close(fd);
    return -1;
  }
  return fd;
}

std::optional<std::string> UnreadableFile(const std::string& path) {
  std::string reason;
  const int fd = OpenRegularFile(path, reason);
  if (fd < 0) return reason;
  ::close(fd);
  return std::nullopt;
}

FileContent ReadWholeFile(const std::string& path) {
  FileContent outcome;
  const int fd = OpenRegularFile(path, outcome.message);
  if (fd < 0) return outcome;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      outcome.content.clear();
      outcome.message = GermanFileError(errno, false);
      ::close(fd);
      return outcome;
    }
    outcome.content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  outcome.read = true;
  return outcome;
}

}  // namespace pivora
