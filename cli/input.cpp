#include "cli/input.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace pivora {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string InputName(const std::string& path) { return path == "-" ? "<stdin>" : path; }

InputOutcome ReadInput(const std::string& path) {
  InputOutcome outcome;
  std::unique_ptr<std::FILE, FileCloser> owned;
  std::FILE* file = stdin;
  if (path != "-") {
    owned.reset(std::fopen(path.c_str(), "rb"));
    if (!owned) {
      outcome.kind = InputOutcome::Kind::kFailed;
      outcome.message = std::string("cannot open: ") + std::strerror(errno);
      return outcome;
    }
    file = owned.get();
  }
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    if (outcome.content.size() + got > kMaxInputBytes) {
      outcome.kind = InputOutcome::Kind::kFailed;
      outcome.message = "input larger than " + std::to_string(kMaxInputBytes >> 20) +
                        " MiB; a problem file of 50 x 52 cells is far smaller";
      outcome.content.clear();
      return outcome;
    }
    outcome.content.append(buffer, got);
  }
  if (std::ferror(file)) {
    outcome.kind = InputOutcome::Kind::kFailed;
    outcome.message = std::string("cannot read: ") + std::strerror(errno);
    outcome.content.clear();
  }
  return outcome;
}

bool ParseInteger(const std::string& text, int& value) {
  std::size_t k = 0;
  bool negative = false;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) negative = text[k++] == '-';
  if (k == text.size()) return false;
  long long magnitude = 0;
  constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  for (; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    magnitude = std::min(magnitude * 10 + (text[k] - '0'), kLimit);
  }
  if (negative) {
    value = static_cast<int>(-magnitude);
  } else {
    value = static_cast<int>(std::min(magnitude, kLimit - 1));
  }
  return true;
}

}  // namespace pivora
