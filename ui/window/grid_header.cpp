#include "ui/window/grid_header.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "ui/window/cell_delegate.h"

namespace pivora {

GridHeader::GridHeader(Qt::Orientation orientation, int sectionSize, int thickness, QWidget* parent)
    : QHeaderView(orientation, parent) {
  setMinimumSectionSize(sectionSize);
  setDefaultSectionSize(sectionSize);
  setSectionResizeMode(QHeaderView::Fixed);
  setSectionsMovable(false);
  setSectionsClickable(false);
  setHighlightSections(false);
  setStretchLastSection(false);
  if (orientation == Qt::Horizontal) {
    setFixedHeight(thickness);
  } else {
    setFixedWidth(thickness);
  }
}

QColor GridHeader::GridLineColour(const QWidget* table) {
  QStyleOption option;
  option.initFrom(table);
  return QColor::fromRgba(
      static_cast<QRgb>(table->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, table)));
}

void GridHeader::DrawHeadingCell(QPainter* painter, const QRect& cell, const QString& text,
                                 const QPalette& colours, const QColor& gridColour) {
  const QRect inside = cell.adjusted(0, 0, -1, -1);
  painter->fillRect(inside, colours.brush(QPalette::Button));
  painter->setPen(colours.color(QPalette::ButtonText));
  CellDelegate::DrawCellText(painter, inside, text);
  painter->setPen(gridColour);
  painter->drawLine(cell.topRight(), cell.bottomRight());
  painter->drawLine(cell.bottomLeft(), cell.bottomRight());
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  const QString text =
      model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
  painter->setFont(font());
  DrawHeadingCell(painter, rect, text, palette(),
                  GridLineColour(parentWidget() ? parentWidget() : this));
}

}  // namespace pivora
