#include "solve/aligned_table.h"

#include <algorithm>

namespace pivora {

std::vector<std::string> AlignedTable::Lines() const {
  std::vector<std::size_t> widths;
  for (const Row& row : rows_) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  std::vector<std::string> lines;
  lines.reserve(rows_.size());
  for (const Row& row : rows_) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      const std::size_t pad = widths[c] - row[c].size();
      if (c > 0) line.append(2, ' ');
      if (c == 0) {
        line.append(row[c]).append(pad, ' ');
      } else {
        line.append(pad, ' ').append(row[c]);
      }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace pivora
