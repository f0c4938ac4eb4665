#include "ui/window/window_solve.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "solve/format_exact.h"
#include "ui/solve_thread.h"
#include "ui/time_limit.h"
#include "ui/window/solve_progress_dialog.h"

namespace pivora {

namespace {

// Wakes the waiting loop from the worker: an empty call queued to the
// application object, which lives on the user-interface thread.
void WakeUserInterfaceThread() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
}

}  // namespace

QString WindowSolve::BestText(const Rational& best) const {
  return QString::fromLatin1(FormatExact(best, digits_, 2, SolveNumberFormat()));
}

void WindowSolve::Run(const SolveJob& job) {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

  SolveThread thread(job, WakeUserInterfaceThread);
  QElapsedTimer clock;
  clock.start();
  // Two timers wake the loop: one for the dialog, one for its count.
  QTimer dialogDue;
  dialogDue.setSingleShot(true);
  dialogDue.setTimerType(Qt::PreciseTimer);  // a coarse one may fire early
  dialogDue.start(kDialogDelay);
  // The count is written only when the tick has come: each new text is a
  // repaint whose own events wake this loop at once, so a count written on
  // every wake kept this thread busy talking to the display.
  bool countDue = true;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&countDue] { countDue = true; });
  tick.start(kProgressInterval);
  std::unique_ptr<SolveProgressDialog> dialog;
  while (!thread.Ended()) {
    if (!dialog && clock.elapsed() >= kDialogDelay.count()) {
      dialog = std::make_unique<SolveProgressDialog>(&window_);
      QObject::connect(dialog.get(), &QDialog::rejected, [&thread] { thread.Cancel(); });
      QObject::connect(dialog.get(), &SolveProgressDialog::plainResultTaken,
                       [&thread] { thread.TakePlainResult(); });
      dialog->show();
    }
    if (dialog && countDue) {
      dialog->SetExchanges(thread.Exchanges());
      dialog->SetWork(thread.Phase(), thread.Parts());
      const std::optional<Rational> best = thread.Best();
      dialog->SetSubproblems(thread.Subproblems(), best ? BestText(*best) : QString());
      countDue = false;
      if (clock.elapsed() >= kDefaultTimeLimit.count())
        dialog->OfferPlainResult(static_cast<long>(kDefaultTimeLimit.count() / 1000));
    }
    QCoreApplication::processEvents(
        (dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents) |
        QEventLoop::WaitForMoreEvents);
  }
  if (dialog) {
    dialog.reset();
    window_.activateWindow();
  }
  thread.Finish();
}

}  // namespace pivora
