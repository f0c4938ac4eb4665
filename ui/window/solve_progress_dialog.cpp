#include "ui/window/solve_progress_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/messages.h"

namespace pivora {

SolveProgressDialog::SolveProgressDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Pivora"));
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("L\u00f6sung wird berechnet \u2026"), this));
  exchanges_ = new QLabel(this);
  layout->addWidget(exchanges_);
  subproblems_ = new QLabel(this);
  subproblems_->hide();
  layout->addWidget(subproblems_);
  cancel_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  cancel_->setAutoDefault(false);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  SetExchanges(0);
}

void SolveProgressDialog::SetExchanges(long exchanges) {
  exchanges_->setText(QStringLiteral("Austauschschritte: %1").arg(exchanges));
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
