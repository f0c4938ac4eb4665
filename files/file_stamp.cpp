#include "files/file_stamp.h"

#include <sys/stat.h>

namespace pivora {

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  // A save replaces the file (a new inode), an editor may write in place
  // (a new time or size): either is a change.
  return FileStamp{static_cast<unsigned long>(status.st_dev),
                   static_cast<unsigned long>(status.st_ino),
                   static_cast<long long>(status.st_size),
                   static_cast<long long>(status.st_mtim.tv_sec), status.st_mtim.tv_nsec};
}

}  // namespace pivora
