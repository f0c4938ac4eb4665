// The fixed heading row or column of a grid: cells in the button-face colour
// with 1-pixel grid lines, texts drawn like the data cells. The sections can
// be neither resized, moved nor clicked.
#pragma once

#include <QHeaderView>

namespace pivora {

class GridHeader final : public QHeaderView {
  Q_OBJECT

 public:
  // Every section is `sectionSize` pixels long and the header `thickness`
  // pixels thick, the grid line included in both.
  GridHeader(Qt::Orientation orientation, int sectionSize, int thickness, QWidget* parent);

  // The colour the toolkit draws a table's grid lines in.
  static QColor GridLineColour(const QWidget* table);

  // Draws a heading cell with `text` into `cell` (the grid line included).
  static void DrawHeadingCell(QPainter* painter, const QRect& cell, const QString& text,
                              const QPalette& colours, const QColor& gridColour);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace pivora
