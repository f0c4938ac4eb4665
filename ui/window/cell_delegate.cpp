#include "ui/window/cell_delegate.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <limits>

#include "ui/window/window_commands.h"

namespace pivora {
namespace {

constexpr int kTextInset = 2;
// The frame of a cell that cannot be read; its tint is the model's.
const QColor kFaultFrame(200, 0, 0);

}  // namespace

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  // The text stands where the cell draws it: 2 pixels in from the left and
  // the top (the line edit keeps 2 pixels across and 1 down of its own).
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextMargins(0, 1, 0, 0);
  // A cell holds any length the solve can read; the line edit's own limit
  // of 32,767 characters would cut a longer paste without a word.
  setMaxLength(std::numeric_limits<int>::max());
  ShowHighlighted(true);
}

bool CellEditor::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride &&
      (IsUndoKey(static_cast<QKeyEvent*>(event)) ||
       IsClipboardKey(static_cast<QKeyEvent*>(event)))) {
    event->ignore();
    return false;
  }
  return QLineEdit::event(event);
}

void CellEditor::focusInEvent(QFocusEvent* event) {
  ShowHighlighted(false);
  QLineEdit::focusInEvent(event);
  selectAll();
}

// A press places the caret first; the whole text is selected after it, so
// typing replaces it, and a drag from there still selects a part.
void CellEditor::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier)) selectAll();
}

void CellEditor::focusOutEvent(QFocusEvent* event) {
  ShowHighlighted(true);
  QLineEdit::focusOutEvent(event);
}

void CellEditor::SetFaulty(bool faulty) {
  if (faulty == faulty_) return;
  faulty_ = faulty;
  ShowHighlighted(!hasFocus());
}

// Without the focus, a cell that cannot be read shows the frame's red as
// the highlight: the cell has been left, and it is current.
void CellEditor::ShowHighlighted(bool highlighted) {
  QPalette colours = palette();
  const QPalette& parentColours = parentWidget() ? parentWidget()->palette() : colours;
  QColor base = parentColours.color(highlighted ? QPalette::Highlight : QPalette::Base);
  if (highlighted && faulty_) base = kFaultFrame;
  colours.setColor(QPalette::Base, base);
  colours.setColor(QPalette::Text,
                   parentColours.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
  setPalette(colours);
}

void CellDelegate::DrawCellText(QPainter* painter, const QRect& cell, const QString& text) {
  painter->save();
  painter->setClipRect(cell, Qt::IntersectClip);
  const QRect inner = cell.adjusted(kTextInset, kTextInset, 0, 0);
  painter->drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter->restore();
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const QVariant fault = index.data(Qt::BackgroundRole);
  if (fault.isValid() && !selected) {
    painter->fillRect(option.rect, fault.value<QBrush>());
    painter->setPen(kFaultFrame);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  } else {
    painter->fillRect(option.rect,
                      option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
  }
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  DrawCellText(painter, option.rect, index.data(Qt::DisplayRole).toString());
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const {
  auto* editor = new CellEditor(parent);
  connect(editor, &QLineEdit::textEdited, this,
          [this, editor] { emit const_cast<CellDelegate*>(this)->commitData(editor); });
  return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* line = static_cast<CellEditor*>(editor);
  line->setToolTip(index.data(Qt::ToolTipRole).toString());
  line->SetFaulty(index.data(Qt::BackgroundRole).isValid());
  const QString text = index.data(Qt::EditRole).toString();
  if (line->text() != text) line->setText(text);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
  model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
        return true;
      default:
        break;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
  editor->setGeometry(option.rect);
}

}  // namespace pivora
