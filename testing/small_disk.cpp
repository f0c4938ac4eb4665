#include "testing/small_disk.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace pivora::testing {

SmallDisk::SmallDisk() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pivora-disk-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    why_ = std::string("no folder for the small disk: ") + std::strerror(errno);
    return;
  }
  folder_ = pattern;
  mounted_ = ::unshare(CLONE_NEWNS) == 0 &&
             ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
             ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") == 0;
  if (!mounted_) {
    why_ = std::string("no small tmpfs can be mounted here (it needs root): ") +
           std::strerror(errno);
  }
}

SmallDisk::~SmallDisk() {
  if (folder_.empty()) return;
  if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void SmallDisk::Fill() const {
  std::ofstream fill(folder_ + "/fill", std::ios::binary);
  const std::string block(4096, 'x');
  while (fill.write(block.data(), static_cast<std::streamsize>(block.size()))) {
  }
}

void SmallDisk::MakeRoom() const { std::filesystem::remove(folder_ + "/fill"); }

}  // namespace pivora::testing
