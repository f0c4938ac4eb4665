#include "cli/input.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "ui/messages.h"

namespace pivora {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string InputName(const std::string& path) {
  return path == "-" ? messages::kStandardInput : path;
}

InputOutcome ReadInput(const std::string& path) {
  InputOutcome outcome;
  std::unique_ptr<std::FILE, FileCloser> owned;
  std::FILE* file = stdin;
  if (path != "-") {
    owned.reset(std::fopen(path.c_str(), "rb"));
    if (!owned) {
      outcome.kind = InputOutcome::Kind::kFailed;
      outcome.message = messages::CannotOpen(errno);
      return outcome;
    }
    file = owned.get();
  }
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    if (outcome.content.size() + got > kMaxInputBytes) {
      outcome.kind = InputOutcome::Kind::kFailed;
      outcome.message = messages::InputTooLarge(kMaxInputBytes >> 20);
      outcome.content.clear();
      return outcome;
    }
    outcome.content.append(buffer, got);
  }
  if (std::ferror(file)) {
    outcome.kind = InputOutcome::Kind::kFailed;
    outcome.message = messages::CannotRead(errno);
    outcome.content.clear();
  }
  return outcome;
}

}  // namespace pivora
