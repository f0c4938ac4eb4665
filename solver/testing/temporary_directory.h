// A directory of its own in the system's temporary folder for the files one
// test writes, removed with everything in it when the object goes, so a test
// leaves nothing behind, whether it passes or fails.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace pivora::testing {

class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pivora-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed: " + pattern);
    path_ = pattern;
  }
  ~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  // The path of the file `name` in the directory.
  std::string File(std::string_view name) const { return (path_ / name).string(); }

  // Writes `content` byte for byte to the file `name`; returns its path.
  std::string Write(std::string_view name, std::string_view content) const {
    const std::string path = File(name);
    std::ofstream(path, std::ios::binary)
        .write(content.data(), static_cast<std::streamsize>(content.size()));
    return path;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace pivora::testing
