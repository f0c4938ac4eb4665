#include "files/separate_process.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace pivora {
namespace {

namespace fs = std::filesystem;

// A throwing request ends the child as a failed read: what it sent before
// stays the program's, the exception never unwinds into the frames the child
// shares with the program, and the next request gets a new child.
TEST(SeparateWorker, AThrowingRequestEndsOnlyItsChild) {
  const pid_t program = ::getpid();
  const fs::path leaked = fs::temp_directory_path() / ("pivora-leaked-" + std::to_string(program));
  fs::remove(leaked);
  SeparateWorker worker([](const std::string& request, int channel) {
    SendToProgram(channel, "before:" + request);
    if (request == "throw") throw std::runtime_error("in the child");
  });

  SeparateOutcome thrown;
  try {
    thrown = worker.Run("throw");
  } catch (const std::runtime_error&) {
  }
  if (::getpid() != program) {
    // Only a child whose exception unwound into this frame gets here.
    std::FILE* mark = std::fopen(leaked.c_str(), "w");
    if (mark != nullptr) std::fclose(mark);
    _exit(0);
  }
  EXPECT_TRUE(thrown.started);
  EXPECT_EQ(thrown.bytes, "before:throw");
  EXPECT_FALSE(fs::exists(leaked)) << "the child went on in the program's own frames";
  fs::remove(leaked);

  const SeparateOutcome next = worker.Run("next");
  EXPECT_TRUE(next.started);
  EXPECT_EQ(next.bytes, "before:next");
}

}  // namespace
}  // namespace pivora
