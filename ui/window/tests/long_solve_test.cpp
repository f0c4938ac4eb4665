// A long solve in the window: the progress dialog appears, shows the
// exchange steps, and its "Abbrechen" stops the solve.
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "solver/testing/klee_minty.h"
#include "ui/window/report_memo.h"
#include "ui/window/solve_progress_dialog.h"
#include "ui/window/window_solve.h"
#include "window_test_support.h"

using namespace pivora;
using namespace pivora::testing;

namespace {

// The Klee-Minty cube of `size` variables: 2^size - 1 exchanges; at 20
// about half a second, past the dialog's delay.
void FillKleeMintyCube(TForm1& form, int size = 20) {
  SpinTo(form.NVars(), size);
  SpinTo(form.NCons(), size);
  const RandomProblem cube = MakeKleeMinty(size);
  for (int i = 1; i <= size; ++i) {
    for (int j = 1; j <= size; ++j) {
      form.NB().SetText(j, i, std::to_string(static_cast<long long>(cube.tableau(i, j))));
    }
    form.NB().SetText(size + 1, i, "<=");
    form.NB().SetText(size + 2, i,
                      std::to_string(static_cast<long long>(cube.tableau(i, size + 1))));
    form.ZF().SetText(i, 1, std::to_string(static_cast<long long>(cube.tableau(size + 1, i))));
  }
}

// Counts the paints of a dialog's labels.
class LabelPaints final : public QObject {
 public:
  explicit LabelPaints(QDialog& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) label->installEventFilter(this);
  }
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

class LongSolveTest : public QObject {
  Q_OBJECT

 private slots:
  void kleeMintyCubeIsCancelledFromTheDialog();
  void longViewIsCancelledFromTheDialog();
};

// The cube's solve shows the dialog, which counts its exchanges, repaints
// them a few times a second (not on every turn of the loop), and cancels.
void LongSolveTest::kleeMintyCubeIsCancelledFromTheDialog() {
  const auto form = StartedWindow();
  // 2^24 - 1 exchanges, several seconds: still running after the dialog's
  // delay and the watching, however fast the solve thread is given.
  FillKleeMintyCube(*form, 24);
  form->SolAppendLine("an earlier report");

  // Waits for the dialog, lets it count for a while, then presses its button.
  bool dialogSeen = false;
  QString countShown;
  Qt::CursorShape cursorMeanwhile = Qt::ArrowCursor;
  std::unique_ptr<LabelPaints> paints;
  QElapsedTimer watched;
  qint64 watchedFor = 0;
  QTimer poll;
  poll.setInterval(10);
  connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<SolveProgressDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (!dialogSeen) {
      dialogSeen = true;
      if (const QCursor* cursor = QApplication::overrideCursor()) cursorMeanwhile = cursor->shape();
      QVERIFY(form->Sol()->Lines().isEmpty());  // the memo was emptied before the solve
      paints = std::make_unique<LabelPaints>(*dialog);
      watched.start();
      return;
    }
    if (watched.elapsed() < 300) return;
    poll.stop();
    watchedFor = watched.elapsed();
    countShown = dialog->ExchangesText();
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  });
  poll.start();
  QTest::mouseClick(form->Solve(), Qt::LeftButton);

  QVERIFY(dialogSeen);
  QVERIFY(countShown.startsWith(QStringLiteral("Austauschschritte: ")));
  QVERIFY(countShown != QStringLiteral("Austauschschritte: 0"));
  // Each label at most once per interval, and a paint or two to spare.
  const qint64 intervals = watchedFor / WindowSolve::kProgressInterval.count() + 2;
  QVERIFY2(paints->count <= 2 * intervals,
           qPrintable(QStringLiteral("%1 paints in %2 ms").arg(paints->count).arg(watchedFor)));
  QCOMPARE(cursorMeanwhile, Qt::WaitCursor);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("ABGEBROCHEN!")}));
  QCOMPARE(Text(form->NB(), 1, 1), "1");
  QTRY_VERIFY(form->Sol()->hasFocus());
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(!QApplication::overrideCursor());
}

// The steps view of the cube repeats its 2^20 - 1 exchanges after the solve.
// The dialog counts the view's exchanges on from the solve's, so a count
// past the solve's shows the view at work under the dialog; "Abbrechen"
// then ends the whole solve.
void LongSolveTest::longViewIsCancelledFromTheDialog() {
  const auto form = StartedWindow();
  FillKleeMintyCube(*form);
  form->Sol()->SetViews(ReportViews{true, false, false});
  constexpr long kSolveExchanges = (1L << 20) - 1;

  bool viewSeen = false;
  QTimer poll;
  poll.setInterval(10);
  connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<SolveProgressDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    const long count = dialog->ExchangesText().section(u' ', 1).toLong();
    if (count <= kSolveExchanges + 1000) return;  // the judge adds a few
    viewSeen = true;
    poll.stop();
    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  });
  poll.start();
  QTest::mouseClick(form->Solve(), Qt::LeftButton);

  QVERIFY(viewSeen);
  QCOMPARE(form->Sol()->Lines(), QStringList({QStringLiteral("ABGEBROCHEN!")}));
  QVERIFY(!QApplication::activeModalWidget());
}

PIVORA_WINDOW_TEST_MAIN(LongSolveTest)
#include "long_solve_test.moc"
