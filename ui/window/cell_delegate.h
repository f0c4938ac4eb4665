// How a grid draws and edits its data cells: the text unchanged, leading
// blanks included, 2 pixels in from the left and top edges, clipped at the
// cell; an in-place editor that stores its text with every keystroke.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

namespace pivora {

// The in-place editor. Without the focus it shows its cell highlighted, as a
// grid draws its current cell; with the focus it shows plain text to edit.
class CellEditor final : public QLineEdit {
  Q_OBJECT

 public:
  explicit CellEditor(QWidget* parent);

  // The cell cannot be read: shown while the editor has no focus.
  void SetFaulty(bool faulty);

 protected:
  // Undo, redo, copy and paste are the window's: the editor lets them pass.
  bool event(QEvent* event) override;
  // Coming into the cell, or a click into it, selects its whole text.
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void ShowHighlighted(bool highlighted);

  bool faulty_ = false;
};

class CellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Draws `text` in `cell` as every cell and heading of a grid is drawn.
  static void DrawCellText(QPainter* painter, const QRect& cell, const QString& text);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  // Leaves the editor's text alone when it already shows the cell's text, so
  // the cursor stays where the user is typing; the tooltip follows the cell.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 protected:
  // The editor is always open: Enter and Escape neither close it nor take
  // the focus from it (the cell already holds what it shows). Tab and
  // Shift+Tab move to the next or previous cell as usual.
  bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace pivora
