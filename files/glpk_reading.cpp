#include "files/glpk_reading.h"

#include <glpk.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace pivora {
namespace {

// GLPK's terminal output while a model is read, kept instead of printed.
class TerminalCapture {
 public:
  explicit TerminalCapture(std::string& text) : text_(text) {
    glp_term_hook(&TerminalCapture::Keep, this);
  }
  ~TerminalCapture() { glp_term_hook(nullptr, nullptr); }
  TerminalCapture(const TerminalCapture&) = delete;
  TerminalCapture& operator=(const TerminalCapture&) = delete;

 private:
  static int Keep(void* info, const char* s) {
    static_cast<TerminalCapture*>(info)->text_ += s;
    return 1;  // printed nowhere
  }
  std::string& text_;
};

[[noreturn]] void EndProcess(void* /*info*/) { _exit(kGlpkCheckFailed); }

// The MPS text without its RHS section: the indicator record "RHS" and the
// records up to the next indicator record (a record that begins with
// neither a blank nor the '*' of a comment), as GLPK's reader tells them.
std::string WithoutRhsSection(const std::string& text) {
  std::string kept;
  bool inRhs = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    const char first = text[start];
    if (std::string(" \t\r\n\v\f*").find(first) == std::string::npos) {
      const std::size_t word = text.find_first_of(" \t\r\n", start);
      inRhs = text.compare(start, std::min(word, end) - start, "RHS") == 0;
    }
    if (!inRhs) kept.append(text, start, end - start);
    start = end;
  }
  return kept;
}

}  // namespace

void GlpkProblemDeleter::operator()(glp_prob* problem) const { glp_delete_prob(problem); }

void EndProcessOnGlpkFailure() { glp_error_hook(EndProcess, nullptr); }

GlpkProblem ReadWithGlpk(const std::string& path, int mpsFormat, std::string& output) {
  GlpkProblem problem(glp_create_prob());
  const TerminalCapture capture(output);
  const int result = mpsFormat == 0 ? glp_read_lp(problem.get(), nullptr, path.c_str())
                                    : glp_read_mps(problem.get(), mpsFormat, nullptr, path.c_str());
  return result == 0 ? std::move(problem) : nullptr;
}

GlpkProblem ReadRangesWithGlpk(const std::string& path, int mpsFormat) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  const std::string kept = WithoutRhsSection(
      std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
  // GLPK opens every path but "/dev/stdin" itself; the copy becomes standard
  // input, read from its start.
  std::FILE* copy = std::tmpfile();
  if (copy == nullptr) return nullptr;
  const bool ready = std::fwrite(kept.data(), 1, kept.size(), copy) == kept.size() &&
                     std::fflush(copy) == 0 && dup2(fileno(copy), STDIN_FILENO) >= 0 &&
                     std::fseek(stdin, 0, SEEK_SET) == 0;
  std::fclose(copy);
  if (!ready) return nullptr;
  std::string output;
  return ReadWithGlpk("/dev/stdin", mpsFormat, output);
}

}  // namespace pivora
