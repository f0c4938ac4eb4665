// Fixed-width text tables for the extra views: every column as wide as its
// widest cell, two blanks between columns, the first column aligned left and
// the others right, so that a terminal and a fixed-pitch memo show them
// aligned.
#pragma once

#include <string>
#include <vector>

namespace pivora {

class AlignedTable {
 public:
  using Row = std::vector<std::string>;

  void Add(Row row) { rows_.push_back(std::move(row)); }

  // One line per row, without trailing blanks. Cells are Latin-1 bytes, one
  // character each.
  std::vector<std::string> Lines() const;

 private:
  std::vector<Row> rows_;
};

}  // namespace pivora
