#include "files/file_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_error.h"
#include "testing/small_disk.h"

namespace pivora {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of its own under the system's temporary folder, removed after.
class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "pivora-write-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~Folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

TEST(WriteWholeFile, AFullDiskKeepsTheOldFileAndSaysSo) {
  const testing::SmallDisk disk;
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  const fs::path file = fs::path(disk.Folder()) / "problem.txt";
  ASSERT_EQ(WriteWholeFile(file, "max\n3 2\n1 1 <= 4\n"), std::nullopt);
  ::chmod(file.c_str(), 0640);
  disk.Fill();
  EXPECT_EQ(WriteWholeFile(file, std::string(300, '1')), "Der Datentr\xC3\xA4ger ist voll.");
  EXPECT_EQ(Slurp(file), "max\n3 2\n1 1 <= 4\n");
  // Nothing is left beside it, and a save after room was made keeps the
  // file's permissions.
  EXPECT_EQ(std::distance(fs::directory_iterator(disk.Folder()), fs::directory_iterator()), 2);
  disk.MakeRoom();
  ASSERT_EQ(WriteWholeFile(file, "min\n1\n1 >= 1\n"), std::nullopt);
  EXPECT_EQ(Slurp(file), "min\n1\n1 >= 1\n");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
}

// The cases whose reasons used to mislead: a saved file that has become a
// folder, a name as long as the system allows, a named pipe.
TEST(WriteWholeFile, SaysWhatIsInTheWay) {
  const Folder folder;
  fs::create_directory(folder.Path() / "became-a-folder.txt");
  EXPECT_EQ(WriteWholeFile(folder.Path() / "became-a-folder.txt", "max\n"),
            "Das ist ein Ordner, keine Datei.");

  const fs::path longest = folder.Path() / (std::string(251, 'n') + ".txt");
  ASSERT_EQ(WriteWholeFile(longest, "max\n"), std::nullopt);
  ASSERT_EQ(WriteWholeFile(longest, "min\n"), std::nullopt);
  EXPECT_EQ(Slurp(longest), "min\n");

  const fs::path pipe = folder.Path() / "pipe.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string notAFile =
      "Das ist keine gew\xC3\xB6hnliche Datei, sondern eine benannte Pipe (FIFO).";
  EXPECT_EQ(WriteWholeFile(pipe, "max\n"), notAFile);
  // Reading it is refused at once too: nothing ever writes into this pipe.
  const FileContent read = ReadWholeFile(pipe);
  EXPECT_FALSE(read.read);
  EXPECT_EQ(read.message, notAFile);
}

}  // namespace
}  // namespace pivora
