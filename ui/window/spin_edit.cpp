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

}  // namespace

SpinEdit::SpinEdit(Mode mode, QWidget* parent) : QSpinBox(parent), mode_(mode) {
  setAccelerated(false);
  setWrapping(false);
  setSingleStep(1);
  // A typed count takes effect only on Enter or on leaving, step by step.
  setKeyboardTracking(mode_ == Mode::kTyping);
  if (mode_ == Mode::kCounting) setContextMenuPolicy(Qt::NoContextMenu);
}

void SpinEdit::CommitTypedCount() {
  const QString typed = lineEdit()->text();
  const std::optional<int> spelled = SpelledInteger(typed);
  const int target = spelled ? std::clamp(*spelled, minimum(), maximum()) : value();
  // What was typed is no value of the spin box's own: it would jump there.
  lineEdit()->setText(textFromValue(value()));
  while (value() != target) QSpinBox::stepBy(value() < target ? 1 : -1);
}

int SpinEdit::TextValue() const {
  const std::optional<int> spelled = SpelledInteger(lineEdit()->text());
  return spelled ? std::clamp(*spelled, minimum(), maximum()) : minimum();
}

// Page keys and fast wheels ask for several steps at once; they are taken
// one by one, each with its own change and its own handler run. A count
// typed and not yet entered is dropped first, or the box would jump to it.
void SpinEdit::stepBy(int steps) {
  if (mode_ == Mode::kCounting) lineEdit()->setText(textFromValue(value()));
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
  const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (mode_ == Mode::kCounting) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      CommitTypedCount();
      lineEdit()->selectAll();
      event->accept();
      return;
    }
    if (printable &&
        !std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
      QApplication::beep();
      event->accept();
      return;
    }
  } else if (printable && !std::all_of(typed.begin(), typed.end(), MayBeTypedIntoDigits)) {
    QApplication::beep();
    event->accept();
    return;
  }
  QSpinBox::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
  if (mode_ == Mode::kCounting) CommitTypedCount();
  QSpinBox::focusOutEvent(event);
}

QValidator::State SpinEdit::validate(QString& text, int& /*position*/) const {
  if (mode_ == Mode::kCounting) {
    // Up to two digits; a count beyond the range is clamped when entered.
    if (text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
      return QValidator::Invalid;
    }
    const std::optional<int> spelled = SpelledInteger(text);
    return spelled && *spelled >= minimum() && *spelled <= maximum() ? QValidator::Acceptable
                                                                     : QValidator::Intermediate;
  }
  if (!std::all_of(text.begin(), text.end(), MayBeTypedIntoDigits)) return QValidator::Invalid;
  return SpelledInteger(text) ? QValidator::Acceptable : QValidator::Intermediate;
}

int SpinEdit::valueFromText(const QString& text) const {
  if (mode_ == Mode::kCounting) return SpelledInteger(text).value_or(value());
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
