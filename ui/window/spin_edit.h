// An integer spin edit. Every step is taken one at a time: one change of
// value, one valueChanged signal, and whatever is connected to it runs to its
// end before the next step. In the counting mode (NVars, NCons) digits may be
// typed; Enter, or leaving the spin edit, then steps to the typed count one
// value at a time, exactly as the arrows would, and an arrow key or button
// drops what was typed. In the typing mode (Digits) digits, signs and "."
// may be typed; a text that spells no integer reads as the minimum, and the
// value is clamped into the range when the focus leaves.
#pragma once

#include <QSpinBox>

namespace pivora {

class SpinEdit final : public QSpinBox {
  Q_OBJECT

 public:
  enum class Mode { kCounting, kTyping };

  SpinEdit(Mode mode, QWidget* parent);

  // The integer the text spells, clamped into the range; the minimum when
  // the text spells none.
  int TextValue() const;

  void stepBy(int steps) override;

  // Counting mode: steps to the typed count, clamped into the range, as the
  // arrows would; an empty text keeps the value.
  void CommitTypedCount();

 protected:
  // Undo and redo are the window's.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  QValidator::State validate(QString& text, int& position) const override;
  int valueFromText(const QString& text) const override;
  void fixup(QString& text) const override;

 private:
  Mode mode_;
};

}  // namespace pivora
