// A small file system for the tests of writes onto a full disk: a tmpfs of
// 64 KiB on a folder of its own, mounted in a mount namespace of the test
// process alone, so that no other process sees it and it goes away with
// the process whatever happens.
#pragma once

#include <string>

namespace pivora::testing {

class SmallDisk {
 public:
  // Mounts it; needs root. Where it cannot be had, Mounted() is false and
  // Why() says why, for the test to skip.
  SmallDisk();
  // Unmounts it and removes its folder.
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  // The folder the file system is mounted on.
  const std::string& Folder() const { return folder_; }
  // Fills it to its last byte with a file "fill".
  void Fill() const;
  void MakeRoom() const;

 private:
  std::string folder_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace pivora::testing
