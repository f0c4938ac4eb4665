// A long solve in the window: the progress dialog appears, shows the
// exchange steps, and its "Abbrechen" stops the solve.
#include <QPushButton>
#include <random>
#include <string>

#include "solver/testing/klee_minty.h"
#include "ui/window/report_memo.h"
#include "ui/window/solve_progress_dialog.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

class LongSolveTest : public QObject {
  Q_OBJECT

 private slots:
  void kleeMintyCubeIsCancelledFromTheDialog();
  void longViewIsCancelledFromTheDialog();
};

// The Klee-Minty cube of 20 variables: 2^20 - 1 exchanges, about a second,
// far past the dialog's delay.
void LongSolveTest::kleeMintyCubeIsCancelledFromTheDialog() {
  const auto form = StartedWindow();
  SpinTo(form->NVars(), 20);
  SpinTo(form->NCons(), 20);
  const RandomProblem cube = MakeKleeMinty(20);
  for (int i = 1; i <= 20; ++i) {
    for (int j = 1; j <= 20; ++j) {
      form->NB().SetText(j, i, std::to_string(static_cast<long long>(cube.tableau(i, j))));
    }
    form->NB().SetText(21, i, "<=");
    form->NB().SetText(22, i, std::to_string(static_cast<long long>(cube.tableau(i, 21))));
    form->ZF().SetText(i, 1, std::to_string(static_cast<long long>(cube.tableau(21, i))));
  }
  form->SolAppendLine("an earlier report");

  // Waits for the dialog, lets it count a little, then presses its button.
  bool dialogSeen = false;
  QString countShown;
  Qt::CursorShape cursorMeanwhile = Qt::ArrowCursor;
  QTimer poll;
  poll.setInterval(10);
  connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<SolveProgressDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (!dialogSeen) {
      dialogSeen = true;
      if (const QCursor* cursor = QApplication::overrideCursor()) cursorMeanwhile = cursor->shape();
      QVERIFY(form->Sol()->Lines().isEmpty());  // the memo was emptied before the solve
      return;
    }
    poll.stop();
    countShown = dialog->ExchangesText();
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  });
  poll.start();
  QTest::mouseClick(form->Solve(), Qt::LeftButton);

  QVERIFY(dialogSeen);
  QVERIFY(countShown.startsWith(QStringLiteral("Austauschschritte: ")));
  QVERIFY(countShown != QStringLiteral("Austauschschritte: 0"));
  QCOMPARE(cursorMeanwhile, Qt::WaitCursor);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("ABGEBROCHEN!")}));
  QCOMPARE(Text(form->NB(), 1, 1), "1");
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(!QApplication::overrideCursor());
}

// A dense 50 x 50 problem of 19-digit coefficients solves in a blink, but
// its steps in fractions take seconds: the views run on the solve's worker,
// so the dialog shows and cancels them too.
void LongSolveTest::longViewIsCancelledFromTheDialog() {
  const auto form = StartedWindow();
  SpinTo(form->NVars(), 50);
  SpinTo(form->NCons(), 50);
  std::mt19937_64 rng(17);
  const auto digits = [&rng] {
    std::string text = std::to_string(1 + rng() % 9) + ".";
    for (int k = 0; k < 18; ++k) text += static_cast<char>('0' + rng() % 10);
    return text;
  };
  for (int i = 1; i <= 50; ++i) {
    for (int j = 1; j <= 50; ++j) form->NB().SetText(j, i, digits());
    form->NB().SetText(51, i, "<=");
    form->NB().SetText(52, i, std::to_string(100 + rng() % 900));
    form->ZF().SetText(i, 1, digits());
  }
  form->Sol()->SetViews(ReportViews{true, true, true});

  bool dialogSeen = false;
  QTimer poll;
  poll.setInterval(10);
  connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<SolveProgressDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialogSeen = true;
    poll.stop();
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  });
  poll.start();
  QTest::mouseClick(form->Solve(), Qt::LeftButton);

  QVERIFY(dialogSeen);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("ABGEBROCHEN!")}));
  QVERIFY(!QApplication::activeModalWidget());
}

PIVORA_WINDOW_TEST_MAIN(LongSolveTest)
#include "long_solve_test.moc"
