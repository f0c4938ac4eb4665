#include "ui/window/solve_progress_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/messages.h"

namespace pivora {

SolveProgressDialog::SolveProgressDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Pivora"));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8(messages::kSolving), this));
  exchanges_ = new QLabel(this);
  layout->addWidget(exchanges_);
  work_ = new QLabel(this);
  layout->addWidget(work_);
  subproblems_ = new QLabel(this);
  subproblems_->hide();
  layout->addWidget(subproblems_);
  longCheck_ = new QLabel(this);
  longCheck_->setWordWrap(true);
  longCheck_->hide();
  layout->addWidget(longCheck_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  plainResult_ = new QPushButton(QString::fromUtf8(messages::kTakePlainResult), this);
  plainResult_->setAutoDefault(false);
  plainResult_->hide();
  buttons->addWidget(plainResult_);
  cancel_ = new QPushButton(QString::fromUtf8(messages::kCancelSolve), this);
  cancel_->setAutoDefault(false);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(plainResult_, &QPushButton::clicked, this, &SolveProgressDialog::plainResultTaken);
  SetExchanges(0);
  SetWork(WorkPhase::kPlainRun, 0);
}

void SolveProgressDialog::SetWork(WorkPhase phase, long parts) {
  work_->setText(QString::fromUtf8(messages::WorkProgress(phase, parts)));
}

QString SolveProgressDialog::WorkText() const { return work_->text(); }

void SolveProgressDialog::SetExchanges(long exchanges) {
  exchanges_->setText(QString::fromUtf8(messages::ExchangesSoFar(exchanges)));
}

void SolveProgressDialog::OfferPlainResult(long seconds) {
  if (!plainResult_->isHidden()) return;
  longCheck_->setText(QString::fromUtf8(messages::CheckTakesLong(seconds)));
  longCheck_->show();
  plainResult_->show();
}

void SolveProgressDialog::SetSubproblems(long subproblems, const QString& best) {
  if (subproblems <= 0) return;
  subproblems_->setText(
      QString::fromUtf8(messages::SubproblemsProgress(subproblems)) +
      (best.isEmpty() ? QString() : QString::fromUtf8(messages::kBestSoFar) + best));
  subproblems_->show();
}

QString SolveProgressDialog::ExchangesText() const { return exchanges_->text(); }

}  // namespace pivora
