#include "ui/window/spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "ui/window/window_commands.h"

namespace pivora {
namespace {

// An optional sign and at least one digit, within the range of int.
std::optional<int> SpelledInteger(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok) return std::nullopt;
  for (const QChar c : text) {
    if (!c.isDigit() && c != u'+' && c != u'-') return std::nullopt;
  }
  return value;
}

bool MayBeTypedIntoDigits(QChar c) {
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

bool IsEditingShortcut(const QKeyEvent* event) {
  return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
         event->matches(QKeySequence::Delete) || event->matches(QKeySequence::DeleteEndOfWord) ||
         event->matches(QKeySequence::DeleteStartOfWord) ||
         event->matches(QKeySequence::DeleteEndOfLine) ||
         event->matches(QKeySequence::DeleteCompleteLine) || event->matches(QKeySequence::Undo) ||
         event->matches(QKeySequence::Redo);
}

}  // namespace

SpinEdit::SpinEdit(Mode mode, QWidget* parent) : QSpinBox(parent), mode_(mode) {
  setAccelerated(false);
  setWrapping(false);
  setSingleStep(1);
  setKeyboardTracking(true);
  if (mode_ == Mode::kCounting) {
    lineEdit()->setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
  }
}

int SpinEdit::TextValue() const {
  const std::optional<int> spelled = SpelledInteger(lineEdit()->text());
  return spelled ? std::clamp(*spelled, minimum(), maximum()) : minimum();
}

// Page keys and fast wheels ask for several steps at once; they are taken
// one by one, each with its own change and its own handler run.
void SpinEdit::stepBy(int steps) {
  const int direction = steps < 0 ? -1 : 1;
  for (int i = 0; i < std::abs(steps); ++i) QSpinBox::stepBy(direction);
}

bool SpinEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && IsUndoKey(static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return false;
  }
  return QSpinBox::event(event);
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
  if (mode_ == Mode::kCounting) {
    if (printable || event->key() == Qt::Key_Backspace) {
      QApplication::beep();
      event->accept();
      return;
    }
    if (IsEditingShortcut(event)) {
      event->accept();
      return;
    }
  } else if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
             !std::all_of(typed.begin(), typed.end(), MayBeTypedIntoDigits)) {
    QApplication::beep();
    event->accept();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

QValidator::State SpinEdit::validate(QString& text, int& position) const {
  if (mode_ == Mode::kCounting) return QSpinBox::validate(text, position);
  if (!std::all_of(text.begin(), text.end(), MayBeTypedIntoDigits)) return QValidator::Invalid;
  return SpelledInteger(text) ? QValidator::Acceptable : QValidator::Intermediate;
}

int SpinEdit::valueFromText(const QString& text) const {
  if (mode_ == Mode::kCounting) return QSpinBox::valueFromText(text);
  const std::optional<int> spelled = SpelledInteger(text);
  return spelled ? *spelled : minimum();
}

void SpinEdit::fixup(QString& text) const {
  if (mode_ == Mode::kTyping && !SpelledInteger(text)) {
    text = QString::number(minimum());
    return;
  }
  QSpinBox::fixup(text);
}

}  // namespace pivora
