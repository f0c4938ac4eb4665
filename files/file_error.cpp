#include "files/file_error.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <memory>

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

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::string> UnreadableFile(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return GermanFileError(errno, false);
  if (S_ISDIR(status.st_mode)) return GermanFileError(EISDIR, false);
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return GermanFileError(errno, false);
  return std::nullopt;
}

FileContent ReadWholeFile(const std::string& path) {
  FileContent outcome;
  if (std::optional<std::string> reason = UnreadableFile(path)) {
    outcome.message = std::move(*reason);
    return outcome;
  }
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    outcome.message = GermanFileError(errno, false);
    return outcome;
  }
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    outcome.content.append(buffer, got);
  if (std::ferror(file.get())) {
    outcome.content.clear();
    outcome.message = GermanFileError(errno == 0 ? EIO : errno, false);
    return outcome;
  }
  outcome.read = true;
  return outcome;
}

}  // namespace pivora
