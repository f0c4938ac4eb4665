// An integer spin edit. Every step is taken one at a time: one change of
// value, one valueChanged signal, and whatever is connected to it runs to its
// end before the next step. In the counting mode (NVars, NCons) the keyboard
// can only step: typing beeps, and Delete, paste and cut do nothing. In the
// typing mode (Digits) digits, signs and "." may be typed; a text that spells
// no integer reads as the minimum, and the value is clamped into the range
// when the focus leaves.
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

 protected:
  // Undo and redo are the window's.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QValidator::State validate(QString& text, int& position) const override;
  int valueFromText(const QString& text) const override;
  void fixup(QString& text) const override;

 private:
  Mode mode_;
};

}  // namespace pivora
