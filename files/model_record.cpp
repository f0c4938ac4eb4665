#include "files/model_record.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace pivora {
namespace {

constexpr char kRefused = 'R';
constexpr char kOutcome = 'O';

void PutCount(std::string& out, std::size_t count) {
  const auto value = static_cast<std::uint32_t>(count);
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  out.append(bytes, sizeof value);
}

void PutText(std::string& out, std::string_view text) {
  PutCount(out, text.size());
  out.append(text);
}

void PutTexts(std::string& out, const std::vector<std::string>& texts) {
  PutCount(out, texts.size());
  for (const std::string& text : texts) PutText(out, text);
}

std::string Record(char kind, const std::string& payload) {
  std::string record(1, kind);
  PutText(record, payload);
  return record;
}

// Reads what the Put functions wrote; any read past the end leaves it
// failed, and every later read gives nothing.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}
  bool Failed() const { return failed_; }

  std::size_t Count() {
    std::uint32_t value = 0;
    if (!Take(sizeof value)) return 0;
    std::memcpy(&value, taken_.data(), sizeof value);
    return value;
  }
  std::string Text() {
    const std::size_t size = Count();
    return Take(size) ? std::string(taken_) : std::string();
  }
  // Grown one text at a time, so that a count cut short allocates nothing.
  std::vector<std::string> Texts() {
    std::vector<std::string> texts;
    for (std::size_t k = Count(); k > 0 && !failed_; --k) texts.push_back(Text());
    return texts;
  }
  char Kind() { return Take(1) ? taken_[0] : '\0'; }
  bool AtEnd() const { return rest_.empty(); }

 private:
  bool Take(std::size_t size) {
    failed_ = failed_ || rest_.size() < size;
    if (failed_) return false;
    taken_ = rest_.substr(0, size);
    rest_.remove_prefix(size);
    return true;
  }
  std::string_view rest_;
  std::string_view taken_;
  bool failed_ = false;
};

std::optional<ModelFileOutcome> OutcomeOf(std::string_view payload) {
  Reader in(payload);
  ModelFileOutcome outcome;
  outcome.kind = static_cast<ModelFileOutcome::Kind>(in.Count());
  outcome.line = static_cast<int>(in.Count());
  outcome.message = in.Text();
  ProblemFile& problem = outcome.problem;
  problem.maximum = in.Count() != 0;
  problem.n = static_cast<int>(in.Count());
  problem.m = static_cast<int>(in.Count());
  const std::string marks = in.Text();
  for (std::size_t j = 0; j < marks.size(); ++j)
    problem.integers.Set(static_cast<int>(j) + 1, marks[j] == '1');
  problem.objective = in.Texts();
  for (std::size_t k = in.Count(); k > 0 && !in.Failed(); --k)
    problem.constraints.push_back(in.Texts());
  ModelLegend& legend = outcome.legend;
  legend.variables = in.Texts();
  legend.rows = in.Texts();
  legend.notes = in.Texts();
  legend.objectiveConstant = in.Text();
  if (in.Failed() || !in.AtEnd()) return std::nullopt;
  return outcome;
}

}  // namespace

std::string RefusedRecord(const std::string& glpkOutput) { return Record(kRefused, glpkOutput); }

std::string OutcomeRecord(const ModelFileOutcome& outcome) {
  std::string out;
  PutCount(out, static_cast<std::size_t>(outcome.kind));
  PutCount(out, static_cast<std::size_t>(outcome.line));
  PutText(out, outcome.message);
  const ProblemFile& problem = outcome.problem;
  PutCount(out, problem.maximum ? 1 : 0);
  PutCount(out, static_cast<std::size_t>(problem.n));
  PutCount(out, static_cast<std::size_t>(problem.m));
  std::string marks;
  for (int j = 1; j <= problem.n; ++j) marks += problem.integers.Of(j) ? '1' : '0';
  PutText(out, marks);
  PutTexts(out, problem.objective);
  PutCount(out, problem.constraints.size());
  for (const std::vector<std::string>& row : problem.constraints) PutTexts(out, row);
  PutTexts(out, outcome.legend.variables);
  PutTexts(out, outcome.legend.rows);
  PutTexts(out, outcome.legend.notes);
  PutText(out, outcome.legend.objectiveConstant);
  return Record(kOutcome, out);
}

ModelRecord LastRecord(std::string_view bytes) {
  ModelRecord last;
  Reader in(bytes);
  while (!in.AtEnd()) {
    const char kind = in.Kind();
    const std::string payload = in.Text();
    if (in.Failed()) break;
    if (kind == kRefused) {
      last.kind = ModelRecord::Kind::kRefused;
      last.glpkOutput = payload;
    } else if (std::optional<ModelFileOutcome> outcome = OutcomeOf(payload)) {
      last.kind = ModelRecord::Kind::kOutcome;
      last.outcome = std::move(*outcome);
    }
  }
  return last;
}

}  // namespace pivora
