#include "files/mps_size.h"

#include <glpk.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "files/file_error.h"
#include "files/model_translation.h"

namespace pivora {
namespace {

// GLPK's tol_mps: a number of smaller magnitude is read as 0.
constexpr double kZeroBelow = 1e-12;

// A record's first five fields as the free-format reader splits them.
struct Fields {
  std::string_view field[5];
  int count = 0;
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

Fields Split(std::string_view record) {
  Fields fields;
  std::size_t k = 0;
  while (fields.count < 5) {
    while (k < record.size() && IsBlank(record[k])) ++k;
    if (k == record.size()) break;
    const std::size_t start = k;
    while (k < record.size() && !IsBlank(record[k])) ++k;
    fields.field[fields.count++] = record.substr(start, k - start);
  }
  return fields;
}

// The field's number as GLPK reads it, in any locale; 0 where it is none.
double Number(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return std::fabs(value) < kZeroBelow ? 0.0 : value;
}

// A column's bounds as GLPK's reader sets them: a column in a marked
// integer block starts as 0 <= x <= 1, any other as x >= 0; `set` holds the
// bounds a record has set (1 lower, 2 upper).
struct ColumnState {
  bool integer = false;
  double lb = 0;
  double ub = DBL_MAX;
  unsigned set = 0;
};

ColumnState StartOf(bool integer) { return {integer, 0, integer ? 1.0 : DBL_MAX, 0}; }

int TypeOf(const ColumnState& c) {
  if (c.lb == -DBL_MAX && c.ub == DBL_MAX) return GLP_FR;
  if (c.ub == DBL_MAX) return GLP_LO;
  if (c.lb == -DBL_MAX) return GLP_UP;
  return c.lb != c.ub ? GLP_DB : GLP_FX;
}

ModelGridSize GridOf(const ColumnState& c) {
  return ColumnGridSize(TypeOf(c), c.lb, c.ub, c.integer);
}

// A BOUNDS record of type `type` with `value` applied as GLPK applies it.
void ApplyBound(std::string_view type, double value, ColumnState& c) {
  if (type == "LO") c.lb = value, c.set |= 1;
  if (type == "UP") c.ub = value, c.set |= 2;
  if (type == "FX") c.lb = c.ub = value, c.set |= 3;
  if (type == "FR") c.lb = -DBL_MAX, c.ub = DBL_MAX, c.set |= 3;
  if (type == "MI") c.lb = -DBL_MAX, c.set |= 1;
  if (type == "PL") c.ub = DBL_MAX, c.set |= 2;
  if (type == "LI") {
    c.integer = true;
    c.lb = std::ceil(value);
    if ((c.set & 2) == 0) c.ub = DBL_MAX;
    c.set |= 1;
  }
  if (type == "UI") c.integer = true, c.ub = std::floor(value), c.set |= 2;
  if (type == "BV") c.integer = true, c.lb = 0, c.ub = 1, c.set |= 3;
}

enum class Section { kOther, kRows, kColumns, kRanges, kBounds };

Section SectionOf(std::string_view name) {
  if (name == "ROWS") return Section::kRows;
  if (name == "COLUMNS") return Section::kColumns;
  if (name == "RANGES") return Section::kRanges;
  if (name == "BOUNDS") return Section::kBounds;
  return Section::kOther;
}

// The field of `record` that starts at or after `from`; `from` moves past
// it.
std::string_view NextField(std::string_view record, std::size_t& from) {
  while (from < record.size() && IsBlank(record[from])) ++from;
  const std::size_t start = from;
  while (from < record.size() && !IsBlank(record[from])) ++from;
  return record.substr(start, from - start);
}

// The count, record by record. COLUMNS, by far the longest section, is
// read field by field as far as needed; the others are split.
class Counter {
 public:
  void Record(std::string_view record) {
    if (record.empty() || record[0] == '*') return;
    if (!IsBlank(record[0])) {
      std::size_t at = 0;
      section_ = SectionOf(NextField(record, at));
      return;
    }
    switch (section_) {
      case Section::kColumns:
        Column(record);
        break;
      case Section::kRows:
        Row(Split(record));
        break;
      case Section::kRanges:
        Range(Split(record));
        break;
      case Section::kBounds:
        Bound(Split(record));
        break;
      case Section::kOther:
        break;
    }
  }

  MpsSize Size() const {
    MpsSize size = size_;
    for (const auto& [name, state] : bounded_) {
      const ModelGridSize start = GridOf(StartOf(integers_.count(name) != 0));
      const ModelGridSize end = GridOf(state);
      size.grid.variables += end.variables - start.variables;
      size.grid.rows += end.rows - start.rows;
    }
    return size;
  }

 private:
  void Row(const Fields& f) {
    if (f.field[0] == "N" && f.count > 1) freeRows_.emplace(f.field[1]);
    if (f.field[0] == "L" || f.field[0] == "G" || f.field[0] == "E") {
      ++size_.rows;
      ++size_.grid.rows;
    }
  }
  // A record whose first field starts past column 12 may be a fixed-format
  // record that goes on with the column before (its field 2 blank), and
  // counts no column.
  void Column(std::string_view record) {
    std::size_t at = 0;
    const std::string_view name = NextField(record, at);
    if (name == column_ || name.empty()) return;
    const std::size_t start = at - name.size();
    if (NextField(record, at) == "'MARKER'") {
      const std::string_view keyword = NextField(record, at);
      if (keyword == "'INTORG'") integer_ = true;
      if (keyword == "'INTEND'") integer_ = false;
      return;
    }
    if (start >= 12) return;
    column_.assign(name);
    ++size_.columns;
    const ModelGridSize& grid = integer_ ? integerStart_ : continuousStart_;
    size_.grid.variables += grid.variables;
    size_.grid.rows += grid.rows;
    if (integer_) integers_.insert(column_);
  }
  // A range makes its L, G or E row two rows unless it is 0.
  void Range(const Fields& f) {
    for (int k = 1; k + 1 < f.count; k += 2) {
      if (freeRows_.count(std::string(f.field[k])) == 0 && Number(f.field[k + 1]) != 0)
        ++size_.grid.rows;
    }
  }
  void Bound(const Fields& f) {
    if (f.count < 3) return;
    const std::string name(f.field[2]);
    auto [at, added] = bounded_.try_emplace(name);
    if (added) at->second = StartOf(integers_.count(name) != 0);
    ApplyBound(f.field[0], f.count > 3 ? Number(f.field[3]) : 0.0, at->second);
  }

  const ModelGridSize continuousStart_ = GridOf(StartOf(false));
  const ModelGridSize integerStart_ = GridOf(StartOf(true));
  MpsSize size_;
  Section section_ = Section::kOther;
  std::string column_;
  bool integer_ = false;
  std::unordered_set<std::string> freeRows_;
  std::unordered_set<std::string> integers_;
  std::unordered_map<std::string, ColumnState> bounded_;
};

// Fields of up to 255 characters, five of them and their blanks: a record's
// count needs no more of it.
constexpr std::size_t kRecordKept = 1536;

}  // namespace

std::optional<MpsSize> CountMpsModel(const std::string& path) {
  std::string reason;
  const int fd = OpenRegularFile(path, reason);
  if (fd < 0) return std::nullopt;
  Counter counter;
  std::string record;  // a record cut by the buffer's end: its start
  char buffer[1 << 16];
  ssize_t n = 0;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR)) {
    std::string_view rest(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
      if (record.empty()) {
        counter.Record(rest.substr(0, std::min(end, kRecordKept)));
      } else {
        record.append(
            rest.substr(0, std::min(end, kRecordKept - std::min(kRecordKept, record.size()))));
        counter.Record(record);
        record.clear();
      }
      rest.remove_prefix(end + 1);
    }
    record.append(rest.substr(0, kRecordKept - std::min(kRecordKept, record.size())));
  }
  ::close(fd);
  if (n < 0) return std::nullopt;
  counter.Record(record);
  return counter.Size();
}

}  // namespace pivora
