// What went wrong with a file, in German sentences of our own: the
// operating system's reasons (errno) and a check before a file is read. The
// one place an errno becomes German text, for the window and the programs.
#pragma once

#include <optional>
#include <string>

namespace pivora {

// One sentence for `error` (an errno value) when reading or, with
// `writing`, writing a file (standard output included): "Die Datei gibt es
// nicht.", "Der Datenträger ist voll." and so on; the number for reasons
// without a sentence. UTF-8.
std::string GermanFileError(int error, bool writing);

// Why a file of type `mode` (a stat st_mode that is neither a regular file
// nor a folder) is refused: "Das ist keine gewöhnliche Datei, sondern eine
// benannte Pipe (FIFO)." and so on, for devices and sockets too.
std::string NotARegularFile(unsigned mode);

// Opens the regular file at `path` for reading without ever waiting: a
// pipe, a device or a socket is refused before anything is read from it.
// The descriptor, or -1 with the German reason in `reason`.
int OpenRegularFile(const std::string& path, std::string& reason);

// Why the file at `path` cannot be read (it does not exist, is a folder or
// no regular file, may not be read, ...); none when it can be.
std::optional<std::string> UnreadableFile(const std::string& path);

// The whole content of the file at `path`, or the German reason it cannot
// be read.
struct FileContent {
  bool read = false;
  std::string content;  // when read
  std::string message;  // otherwise, UTF-8
};
FileContent ReadWholeFile(const std::string& path);

}  // namespace pivora
