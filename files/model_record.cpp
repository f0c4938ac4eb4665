#include "files/model_record.h"

#include <glpk.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace pivora {
namespace {

constexpr char kRefused = 'R';
constexpr char kTooLarge = 'T';
constexpr char kModel = 'M';
constexpr char kRanges = 'G';

template <class Value>
void Put(std::string& out, Value value) {
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  out.append(bytes, sizeof value);
}

void PutText(std::string& out, std::string_view text) {
  Put(out, static_cast<std::uint32_t>(text.size()));
  out.append(text);
}

void PutName(std::string& out, const char* name) { PutText(out, name ? name : ""); }

std::string Record(char kind, std::string_view payload) {
  std::string record(1, kind);
  PutText(record, payload);
  return record;
}

// Reads what the Put functions wrote; a read past the end leaves it failed,
// and every later read gives zero or nothing.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}
  bool Failed() const { return failed_; }
  bool AtEnd() const { return rest_.empty(); }

  template <class Value>
  Value Get() {
    Value value{};
    if (Take(sizeof value)) std::memcpy(&value, taken_.data(), sizeof value);
    return value;
  }
  std::string Text() {
    const auto size = Get<std::uint32_t>();
    return Take(size) ? std::string(taken_) : std::string();
  }

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

std::string ProblemBytes(glp_prob* model) {
  std::string out;
  const int m = glp_get_num_rows(model);
  const int n = glp_get_num_cols(model);
  Put(out, glp_get_obj_dir(model));
  Put(out, m);
  Put(out, n);
  std::vector<int> index(static_cast<std::size_t>(n) + 1);
  std::vector<double> value(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= m; ++i) {
    PutName(out, glp_get_row_name(model, i));
    Put(out, glp_get_row_type(model, i));
    Put(out, glp_get_row_lb(model, i));
    Put(out, glp_get_row_ub(model, i));
    const int count = glp_get_mat_row(model, i, index.data(), value.data());
    Put(out, count);
    for (int k = 1; k <= count; ++k) {
      Put(out, index[static_cast<std::size_t>(k)]);
      Put(out, value[static_cast<std::size_t>(k)]);
    }
  }
  for (int j = 0; j <= n; ++j) Put(out, glp_get_obj_coef(model, j));
  for (int j = 1; j <= n; ++j) {
    PutName(out, glp_get_col_name(model, j));
    Put(out, glp_get_col_kind(model, j) != GLP_CV);
    Put(out, glp_get_col_type(model, j));
    Put(out, glp_get_col_lb(model, j));
    Put(out, glp_get_col_ub(model, j));
  }
  return out;
}

// The model rebuilt from ProblemBytes through GLPK's calls, or null where
// the bytes do not hold one whole. GLPK checks every value it is handed;
// these are values it held, so none of its checks fails.
GlpkProblem ProblemOf(std::string_view bytes) {
  Reader in(bytes);
  GlpkProblem model(glp_create_prob());
  const int direction = in.Get<int>();
  const int m = in.Get<int>();
  const int n = in.Get<int>();
  // A row takes at least 28 bytes and a column 33, so a count the bytes
  // cannot hold is refused before GLPK is asked for as many.
  if (in.Failed() || (direction != GLP_MIN && direction != GLP_MAX) || m < 0 || n < 0 ||
      (static_cast<std::size_t>(m) + static_cast<std::size_t>(n)) * 28 > bytes.size())
    return nullptr;
  glp_set_obj_dir(model.get(), direction);
  if (m > 0) glp_add_rows(model.get(), m);
  if (n > 0) glp_add_cols(model.get(), n);
  std::vector<int> index;
  std::vector<double> value;
  for (int i = 1; i <= m && !in.Failed(); ++i) {
    const std::string name = in.Text();
    if (!name.empty()) glp_set_row_name(model.get(), i, name.c_str());
    const int type = in.Get<int>();
    const double lb = in.Get<double>();
    const double ub = in.Get<double>();
    if (type < GLP_FR || type > GLP_FX) return nullptr;
    glp_set_row_bnds(model.get(), i, type, lb, ub);
    const int count = in.Get<int>();
    if (count < 0 || count > n) return nullptr;
    index.assign(1, 0);
    value.assign(1, 0);
    for (int k = 1; k <= count; ++k) {
      index.push_back(in.Get<int>());
      value.push_back(in.Get<double>());
      if (index.back() < 1 || index.back() > n) return nullptr;
    }
    if (in.Failed()) return nullptr;
    glp_set_mat_row(model.get(), i, count, index.data(), value.data());
  }
  for (int j = 0; j <= n; ++j) glp_set_obj_coef(model.get(), j, in.Get<double>());
  for (int j = 1; j <= n && !in.Failed(); ++j) {
    const std::string name = in.Text();
    if (!name.empty()) glp_set_col_name(model.get(), j, name.c_str());
    if (in.Get<bool>()) glp_set_col_kind(model.get(), j, GLP_IV);
    const int type = in.Get<int>();
    const double lb = in.Get<double>();
    const double ub = in.Get<double>();
    if (type < GLP_FR || type > GLP_FX) return nullptr;
    glp_set_col_bnds(model.get(), j, type, lb, ub);
  }
  if (in.Failed() || !in.AtEnd()) return nullptr;
  return model;
}

}  // namespace

std::string RefusedRecord(const std::string& glpkOutput) { return Record(kRefused, glpkOutput); }

std::string TooLargeRecord(const std::string& message) { return Record(kTooLarge, message); }

std::string ModelRecord(glp_prob* model) { return Record(kModel, ProblemBytes(model)); }

std::string RangesRecord(glp_prob* ranges) { return Record(kRanges, ProblemBytes(ranges)); }

ReadRecords ParseRecords(std::string_view bytes) {
  ReadRecords records;
  Reader in(bytes);
  while (!in.AtEnd()) {
    const char kind = in.Get<char>();
    const std::string payload = in.Text();
    if (in.Failed()) break;
    if (kind == kRefused) records.glpkOutput = payload;
    if (kind == kTooLarge) records.tooLarge = payload;
    if (kind == kModel) records.model = ProblemOf(payload);
    if (kind == kRanges) records.ranges = ProblemOf(payload);
  }
  return records;
}

}  // namespace pivora
