// The small modal dialog of a long solve: what is happening, the exchange
// steps so far, and a button that cancels; past the time limit of the
// command-line programs, a second one that takes the plain run's result
// unchecked.
#pragma once

#include <QDialog>

#include "solver/exchange_observer.h"

class QLabel;
class QPushButton;

namespace pivora {

class SolveProgressDialog final : public QDialog {
  Q_OBJECT

 public:
  // Application-modal over `parent`; "Abbrechen", Escape and closing the
  // dialog all reject it, which the caller takes as the request to cancel.
  explicit SolveProgressDialog(QWidget* parent);

  void SetExchanges(long exchanges);
  // The part of the solve running now and the parts of its work done.
  void SetWork(WorkPhase phase, long parts);
  // A branch and bound's subproblems and its best value so far (empty: none
  // yet); the line shows from the first subproblem on.
  void SetSubproblems(long subproblems, const QString& best);
  // Shows that the exact check takes longer than `seconds`, and the button
  // "Ungeprüftes Ergebnis", which emits plainResultTaken.
  void OfferPlainResult(long seconds);
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* PlainResultButton() const { return plainResult_; }
  QString ExchangesText() const;
  QString WorkText() const;

 signals:
  void plainResultTaken();

 private:
  QLabel* exchanges_ = nullptr;
  QLabel* work_ = nullptr;
  QLabel* subproblems_ = nullptr;
  QLabel* longCheck_ = nullptr;
  QPushButton* plainResult_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace pivora
