// What tells that a file changed on disk: its identity, size and time of
// last change, taken when the window opened or saved it.
#pragma once

#include <optional>
#include <string>

namespace pivora {

struct FileStamp {
  unsigned long device = 0;
  unsigned long inode = 0;
  long long size = 0;
  long long changedSeconds = 0;
  long nanoseconds = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` as it is now; none when there is none
// (the file is gone, or cannot be looked at).
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace pivora
